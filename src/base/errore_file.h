#pragma once

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>

#include "base/testo_visibile.h"

namespace scenario {

// A file operation that failed: names the file and the system's reason.
class errore_file : public std::runtime_error {
 public:
  errore_file(const std::filesystem::path& percorso, const std::string& motivo)
      : std::runtime_error(percorso.string() + ": " + motivo),
        percorso_(percorso),
        motivo_(motivo) {}
  const std::filesystem::path& percorso() const { return percorso_; }
  const std::string& motivo() const { return motivo_; }
  // The file probably meant, for a file that does not exist; empty if none.
  const std::string& suggerimento() const { return suggerimento_; }
  void suggerisci(std::string percorso) { suggerimento_ = std::move(percorso); }

 private:
  std::filesystem::path percorso_;
  std::string motivo_;
  std::string suggerimento_;
};

// How the commands report a failed file operation on standard error (the
// run without arguments keeps its own Italian line); a path may hold any
// character, and none reaches the terminal as a control.
inline void riporta_errore_file(std::ostream& errori, const errore_file& e) {
  errori << "generatore: file operation failed: " << testo_visibile(e.what());
  if (!e.suggerimento().empty()) {
    errori << "; did you mean '" << testo_visibile(e.suggerimento()) << "'?";
  }
  errori << std::endl;
}

}  // namespace scenario
