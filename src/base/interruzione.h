#pragma once

// What an interrupted run leaves: SIGINT and SIGTERM delete the files
// registered here (the temporary file being written, the description files of
// the run), then end the process with status 128 + the signal's number. On
// Windows, Ctrl+C, Ctrl+Break and closing the console do the same, with 130.

#include <filesystem>

namespace scenario {

// Installs the handler of SIGINT and SIGTERM; the entry point calls it once.
void installa_gestori_interruzione();

// For the platform's handler: the path registered in place `posto` (0 to
// posti_interruzione - 1), or null. Safe to call in a signal handler.
inline constexpr int posti_interruzione = 4;
const std::filesystem::path::value_type* percorso_da_cancellare(int posto);

// Registers `percorso` to be deleted if the process is interrupted, while the
// object lives. A path longer than the handler's room, or one beyond its few
// places, is not registered: the next run removes temporary files by their
// name, and replaces description files.
class cancella_se_interrotto {
 public:
  cancella_se_interrotto() = default;
  explicit cancella_se_interrotto(const std::filesystem::path& percorso) { registra(percorso); }
  ~cancella_se_interrotto() { dimentica(); }
  cancella_se_interrotto(const cancella_se_interrotto&) = delete;
  cancella_se_interrotto& operator=(const cancella_se_interrotto&) = delete;

  void registra(const std::filesystem::path& percorso);
  // The file is no longer the run's to delete (it was renamed or deleted).
  void dimentica();

 private:
  int posto_ = -1;
};

}  // namespace scenario
