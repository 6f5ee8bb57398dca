#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace scenario {

// A file operation that failed: names the file and the system's reason.
class errore_file : public std::runtime_error {
 public:
  errore_file(const std::filesystem::path& percorso, const std::string& motivo);
  const std::filesystem::path& percorso() const { return percorso_; }

 private:
  std::filesystem::path percorso_;
};

// Replaces a file with new content through one buffer. The content goes to a
// temporary file beside the destination and is renamed over it by chiudi(),
// so a failed write never leaves the old file half-replaced, an older longer
// file leaves no tail, and a writer dropped before chiudi() removes its
// temporary file. Every failure throws errore_file.
class scrittore_file {
 public:
  explicit scrittore_file(std::filesystem::path destinazione);
  ~scrittore_file();
  scrittore_file(const scrittore_file&) = delete;
  scrittore_file& operator=(const scrittore_file&) = delete;

  // The buffer that the encoders of codifica.h append to; call scarica_se_pieno()
  // after a record so that it never grows far beyond its size.
  std::string& buffer() { return buffer_; }
  void scrivi(std::string_view byte);
  void scarica_se_pieno();

  // Writes what is left, closes and renames over the destination.
  void chiudi();

 private:
  void scarica();
  void scrivi_tutto(std::string_view byte);
  [[noreturn]] void fallisci(int codice);

  std::filesystem::path destinazione_;
  std::filesystem::path temporaneo_;
  int descrittore_ = -1;
  std::string buffer_;
};

// Replaces the file at `destinazione` with exactly `contenuto`.
void sostituisci_file(const std::filesystem::path& destinazione, std::string_view contenuto);

}  // namespace scenario
