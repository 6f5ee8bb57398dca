#pragma once

// What the watching of files waits on, in each platform's own way: a change
// to a file of interest, or a request to stop (SIGINT, SIGTERM, Ctrl-C).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "piattaforma/osserva_file.h"

namespace scenario {

class attesa_modifiche {
 public:
  // From here on a request to stop no longer ends the process: it ends the
  // wait. The handlers before are put back by the destructor.
  explicit attesa_modifiche(const opzioni_osservazione& opzioni);
  ~attesa_modifiche();
  attesa_modifiche(const attesa_modifiche&) = delete;
  attesa_modifiche& operator=(const attesa_modifiche&) = delete;

  // Waits up to `attesa` (forever when empty) for changes, adding the names
  // changed to `nomi`, or for a request to stop.
  void attendi(std::optional<std::chrono::milliseconds> attesa, std::set<std::string>& nomi);
  bool fine_richiesta() const;

 private:
  struct stato;
  std::unique_ptr<stato> stato_;
};

// Where the file system gives no notice of changes, the files of interest are
// looked at every tenth of a second: their times and sizes, by name.
using firma_file = std::pair<int64_t, std::uintmax_t>;
// The time of a file's last write, as finely as the file system keeps it, and
// its size; zeros when it cannot be looked at. The standard library's clock
// counts whole seconds on Windows, where two saves of one size within a
// second would look alike.
firma_file firma_di(const std::filesystem::path& file);
std::map<std::string, firma_file> fotografia_file(const opzioni_osservazione& opzioni);
// Adds to `nomi` the files that differ between two pictures, or are in one only.
void confronta_fotografie(const std::map<std::string, firma_file>& prima,
                          const std::map<std::string, firma_file>& dopo,
                          std::set<std::string>& nomi);

}  // namespace scenario
