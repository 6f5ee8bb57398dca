#include "base/sistema_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace scenario {

namespace {

std::error_code errore_sistema() { return {errno, std::generic_category()}; }

std::error_code esito(int risultato) {
  return risultato == 0 ? std::error_code{} : errore_sistema();
}

int descrittore(maniglia_file f) { return static_cast<int>(f); }

class sistema_posix : public sistema_file {
 public:
  std::error_code crea_unico(const std::string& prefisso, std::string& percorso,
                             maniglia_file& f) override {
    std::vector<char> nome(prefisso.begin(), prefisso.end());
    for (char c : std::string("XXXXXX")) nome.push_back(c);
    nome.push_back('\0');
    int d = mkostemp(nome.data(), O_CLOEXEC);
    if (d < 0) return errore_sistema();
    // mkstemp creates the file 0600; the outputs are ordinary files for the user.
    mode_t maschera = umask(0);
    umask(maschera);
    fchmod(d, 0666 & ~maschera);
    percorso = nome.data();
    f = d;
    return {};
  }

  std::error_code scrivi(maniglia_file f, const char* dati, size_t n) override {
    while (n > 0) {
      ssize_t scritti = ::write(descrittore(f), dati, n);
      if (scritti < 0) {
        if (errno == EINTR) continue;
        return errore_sistema();
      }
      dati += scritti;
      n -= static_cast<size_t>(scritti);
    }
    return {};
  }

  std::error_code sincronizza(maniglia_file f) override {
    int r;
    do r = ::fsync(descrittore(f));
    while (r != 0 && errno == EINTR);
    return esito(r);
  }

  std::error_code chiudi(maniglia_file f) override { return esito(::close(descrittore(f))); }

  // Without O_NONBLOCK a FIFO with no writer would hold the open for ever.
  std::error_code apri_lettura(const std::filesystem::path& percorso, maniglia_file& f) override {
    int d = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (d < 0) return errore_sistema();
    f = d;
    return {};
  }

  std::error_code esamina(maniglia_file f, tipo_file& tipo, uint64_t& dimensione) override {
    struct stat stato {};
    if (::fstat(descrittore(f), &stato) != 0) return errore_sistema();
    if (S_ISDIR(stato.st_mode)) {
      tipo = tipo_file::cartella;
      return {};
    }
    if (!S_ISREG(stato.st_mode)) {
      tipo = tipo_file::altro;
      return {};
    }
    tipo = tipo_file::regolare;
    dimensione = static_cast<uint64_t>(stato.st_size);
    // Back to blocking reads: a regular file under a lock or on a network
    // file system must not end the read early with EAGAIN.
    const int opzioni = ::fcntl(descrittore(f), F_GETFL);
    if (opzioni < 0 || ::fcntl(descrittore(f), F_SETFL, opzioni & ~O_NONBLOCK) != 0) {
      return errore_sistema();
    }
    return {};
  }

  std::error_code leggi(maniglia_file f, char* dati, size_t n, size_t& letti) override {
    ssize_t r;
    do r = ::read(descrittore(f), dati, n);
    while (r < 0 && errno == EINTR);
    if (r < 0) return errore_sistema();
    letti = static_cast<size_t>(r);
    return {};
  }

  std::error_code rinomina(const std::filesystem::path& da,
                           const std::filesystem::path& a) override {
    return esito(::rename(da.c_str(), a.c_str()));
  }

  std::error_code sincronizza_cartella(const std::filesystem::path& cartella) override {
    int d = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0) return errore_sistema();
    int r;
    do r = ::fsync(d);
    while (r != 0 && errno == EINTR);
    // A file system that cannot sync a directory (some network and FUSE file
    // systems) says EINVAL: there is nothing more that the program can do.
    std::error_code e = (r != 0 && errno != EINVAL) ? errore_sistema() : std::error_code{};
    ::close(d);
    return e;
  }

  std::error_code cancella(const std::filesystem::path& percorso) override {
    return esito(::unlink(percorso.c_str()));
  }

  // The directory itself is locked, so that nothing inside it is opened,
  // created or followed. Its own path is followed when it is a symbolic link:
  // a user may well name a directory through one, and the lock then belongs to
  // the directory that the files go to, whichever path named it.
  std::error_code apri_blocco(const std::filesystem::path& cartella, maniglia_file& f) override {
    int d = ::open(cartella.empty() ? "." : cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0) return errore_sistema();
    f = d;
    return {};
  }

  // flock rather than fcntl: its lock belongs to the open directory, so that
  // no other close of it in the process drops it, and it needs no write access.
  std::error_code blocca(maniglia_file f, bool attendi) override {
    int r;
    do r = ::flock(descrittore(f), LOCK_EX | (attendi ? 0 : LOCK_NB));
    while (r != 0 && errno == EINTR);
    if (r != 0 && errno == EWOULDBLOCK) {
      return std::make_error_code(std::errc::resource_unavailable_try_again);
    }
    return esito(r);
  }

  // Closing drops the lock.
  std::error_code rilascia_blocco(maniglia_file f) override { return chiudi(f); }
};

}  // namespace

sistema_file& sistema_file_di_piattaforma() {
  static sistema_posix posix;
  return posix;
}

}  // namespace scenario
