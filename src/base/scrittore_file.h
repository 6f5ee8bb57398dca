#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/errore_file.h"
#include "base/interruzione.h"
#include "base/sistema_file.h"

namespace scenario {

// What a temporary file's name adds to the name of the file that it replaces,
// before six random letters or digits: "X.dat" is written as
// "X.dat.temporaneo-a8Zk3q".
inline constexpr std::string_view marcatore_temporaneo = ".temporaneo-";

// Replaces a file with new content through one buffer. The content goes to a
// temporary file beside the destination; chiudi() syncs it to the disk,
// renames it over the destination and syncs the directory. So a failed or
// interrupted write never leaves the old file half-replaced, an older longer
// file leaves no tail, a writer dropped before chiudi() removes its temporary
// file, and once chiudi() has returned the new file survives a power loss.
// Every failure throws errore_file and leaves no temporary file.
class scrittore_file {
 public:
  explicit scrittore_file(std::filesystem::path destinazione,
                          sistema_file& sistema = sistema_file_corrente());
  ~scrittore_file();
  scrittore_file(const scrittore_file&) = delete;
  scrittore_file& operator=(const scrittore_file&) = delete;

  // The buffer that the encoders of codifica.h append to; call scarica_se_pieno()
  // after a record so that it never grows far beyond its size.
  std::string& buffer() { return buffer_; }
  void scrivi(std::string_view byte);
  void scarica_se_pieno();

  // Writes what is left, syncs, closes and renames over the destination.
  void chiudi();

 private:
  void scarica();
  void scrivi_tutto(std::string_view byte);
  // Closes and deletes the temporary file, then throws.
  [[noreturn]] void fallisci(const std::error_code& codice);

  std::filesystem::path destinazione_;
  sistema_file& sistema_;
  std::filesystem::path temporaneo_;
  cancella_se_interrotto registrazione_;
  maniglia_file file_ = -1;
  bool aperto_ = false;
  std::string buffer_;
};

// Replaces the file at `destinazione` with exactly `contenuto`.
void sostituisci_file(const std::filesystem::path& destinazione, std::string_view contenuto);

// Deletes from `cartella` the temporary files that an interrupted run left for
// any of the files `nomi`: the entries named as one of them, the marker and
// six letters or digits. Call it only while holding the directory's lock.
void rimuovi_temporanei_rimasti(const std::filesystem::path& cartella,
                                const std::vector<std::string>& nomi,
                                sistema_file& sistema = sistema_file_corrente());

}  // namespace scenario
