#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace scenario {

// A file operation that failed: names the file and the system's reason.
class errore_file : public std::runtime_error {
 public:
  errore_file(const std::filesystem::path& percorso, const std::string& motivo)
      : std::runtime_error(percorso.string() + ": " + motivo), percorso_(percorso) {}
  const std::filesystem::path& percorso() const { return percorso_; }

 private:
  std::filesystem::path percorso_;
};

}  // namespace scenario
