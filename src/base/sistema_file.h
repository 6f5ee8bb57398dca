#pragma once

// The few system calls of the file layer, behind one interface: the writer of
// scrittore_file.h, the reader of lettura_file.h and the directory lock go
// through it, tests put a failing one in its place, and another platform
// brings its own.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace scenario {

// A file opened by the platform: a descriptor here, a handle elsewhere.
using maniglia_file = std::intptr_t;

// What an open file is, as far as a read of it cares.
enum class tipo_file { regolare, cartella, altro };

class sistema_file {
 public:
  virtual ~sistema_file() = default;

  // Creates a new empty file, open for writing, whose name is `prefisso`
  // followed by six random letters or digits; the whole path goes to
  // `percorso`. The file is readable and writable as any file the user creates.
  virtual std::error_code crea_unico(const std::string& prefisso, std::string& percorso,
                                     maniglia_file& f) = 0;
  // Writes all `n` bytes, or fails.
  virtual std::error_code scrivi(maniglia_file f, const char* dati, size_t n) = 0;
  // Returns once the content of the file is on the disk.
  virtual std::error_code sincronizza(maniglia_file f) = 0;
  virtual std::error_code chiudi(maniglia_file f) = 0;
  // Opens an existing file for reading only. Never waits: a FIFO without a
  // writer opens at once.
  virtual std::error_code apri_lettura(const std::filesystem::path& percorso, maniglia_file& f) = 0;
  // What the open file is and, for a regular file, its size in bytes. A
  // regular file is then ready for reads that wait for their bytes.
  virtual std::error_code esamina(maniglia_file f, tipo_file& tipo, uint64_t& dimensione) = 0;
  // Reads at most `n` bytes into `dati`; `letti` is 0 at the end of the file.
  virtual std::error_code leggi(maniglia_file f, char* dati, size_t n, size_t& letti) = 0;
  // Puts `da` in the place of `a` in one step: a reader sees the old file or
  // the new one, never neither.
  virtual std::error_code rinomina(const std::filesystem::path& da,
                                   const std::filesystem::path& a) = 0;
  // Returns once the directory's entries (a rename into it) are on the disk.
  virtual std::error_code sincronizza_cartella(const std::filesystem::path& cartella) = 0;
  virtual std::error_code cancella(const std::filesystem::path& percorso) = 0;
  // Opens the lock of the directory `cartella` (empty: the current one),
  // which must exist. Nothing inside the directory is opened or created.
  virtual std::error_code apri_blocco(const std::filesystem::path& cartella, maniglia_file& f) = 0;
  // Takes the exclusive lock of an open directory lock. When another holds
  // it: waits when `attendi`, otherwise fails at once with
  // std::errc::resource_unavailable_try_again. A holder that ended without
  // releasing it does not hold it.
  virtual std::error_code blocca(maniglia_file f, bool attendi) = 0;
  // Releases a lock that blocca took and closes it; a lock not taken is
  // closed with chiudi. On Windows the thread that took it must release it.
  virtual std::error_code rilascia_blocco(maniglia_file f) = 0;
};

// The platform's own.
sistema_file& sistema_file_di_piattaforma();

// The one that the file layer uses: the platform's, unless a test has put
// another in its place.
sistema_file& sistema_file_corrente();

// Puts `s` in place of the current one while it lives (tests only).
class sostituzione_sistema_file {
 public:
  explicit sostituzione_sistema_file(sistema_file& s);
  ~sostituzione_sistema_file();
  sostituzione_sistema_file(const sostituzione_sistema_file&) = delete;
  sostituzione_sistema_file& operator=(const sostituzione_sistema_file&) = delete;

 private:
  sistema_file* precedente_;
};

}  // namespace scenario
