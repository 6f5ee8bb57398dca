#include "base/lettura_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "base/errore_file.h"

namespace scenario {

namespace {

[[noreturn]] void fallisci(const std::filesystem::path& percorso, int codice) {
  throw errore_file(percorso, std::generic_category().message(codice));
}

struct chiudi_file {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

// _wfopen takes the path as Windows names it, whatever the code page.
std::string leggi_file_intero(const std::filesystem::path& percorso) {
  std::error_code errore;
  if (std::filesystem::is_directory(percorso, errore)) fallisci(percorso, EISDIR);
  std::unique_ptr<std::FILE, chiudi_file> file(_wfopen(percorso.c_str(), L"rb"));
  if (!file) fallisci(percorso, errno != 0 ? errno : EIO);
  std::string contenuto;
  char blocco[1 << 16];
  for (;;) {
    size_t letti = std::fread(blocco, 1, sizeof blocco, file.get());
    contenuto.append(blocco, letti);
    if (letti < sizeof blocco) {
      if (std::ferror(file.get())) fallisci(percorso, errno != 0 ? errno : EIO);
      return contenuto;
    }
  }
}

}  // namespace scenario
