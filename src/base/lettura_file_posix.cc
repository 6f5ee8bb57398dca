#include "base/lettura_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "base/errore_file.h"

namespace scenario {

namespace {

[[noreturn]] void fallisci(const std::filesystem::path& percorso, int codice) {
  throw errore_file(percorso, std::generic_category().message(codice));
}

// Closes the descriptor whatever way the read ends.
struct descrittore {
  int fd;
  ~descrittore() {
    if (fd >= 0) close(fd);
  }
};

}  // namespace

std::string leggi_file_intero(const std::filesystem::path& percorso, uint64_t massimo,
                              std::string_view cosa) {
  // Without O_NONBLOCK a FIFO with no writer would hold the open for ever.
  descrittore file{open(percorso.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
  if (file.fd < 0) fallisci(percorso, errno);
  struct stat stato {};
  if (fstat(file.fd, &stato) != 0) fallisci(percorso, errno);
  if (S_ISDIR(stato.st_mode)) fallisci(percorso, EISDIR);
  if (!S_ISREG(stato.st_mode)) throw errore_file(percorso, "not a regular file");
  const uint64_t dimensione = static_cast<uint64_t>(stato.st_size);
  if (dimensione > massimo) {
    throw errore_file(percorso, std::to_string(dimensione) + " bytes, larger than " +
                                    descrivi_massimo(massimo, cosa));
  }
  // Back to blocking reads: a regular file under a lock or on a network
  // file system must not end the read early with EAGAIN.
  const int opzioni = fcntl(file.fd, F_GETFL);
  if (opzioni < 0 || fcntl(file.fd, F_SETFL, opzioni & ~O_NONBLOCK) != 0) fallisci(percorso, errno);

  std::string contenuto;
  contenuto.reserve(static_cast<size_t>(dimensione));
  char blocco[1 << 16];
  // One byte past the limit is enough to know that a file grown since fstat
  // is too large.
  uint64_t resto = massimo + 1;
  while (resto > 0) {
    const size_t chiesti = static_cast<size_t>(std::min<uint64_t>(resto, sizeof blocco));
    ssize_t letti = read(file.fd, blocco, chiesti);
    if (letti < 0 && errno == EINTR) continue;
    if (letti < 0) fallisci(percorso, errno);
    if (letti == 0) return contenuto;
    contenuto.append(blocco, static_cast<size_t>(letti));
    resto -= static_cast<uint64_t>(letti);
  }
  throw errore_file(percorso, "grew past " + descrivi_massimo(massimo, cosa) + " while being read");
}

}  // namespace scenario
