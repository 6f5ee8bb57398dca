#include "base/lettura_file.h"

#include <fcntl.h>
#include <unistd.h>

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

std::string leggi_file_intero(const std::filesystem::path& percorso) {
  descrittore file{open(percorso.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) fallisci(percorso, errno);
  std::string contenuto;
  char blocco[1 << 16];
  for (;;) {
    ssize_t letti = read(file.fd, blocco, sizeof blocco);
    if (letti < 0 && errno == EINTR) continue;
    if (letti < 0) fallisci(percorso, errno);
    if (letti == 0) return contenuto;
    contenuto.append(blocco, static_cast<size_t>(letti));
  }
}

}  // namespace scenario
