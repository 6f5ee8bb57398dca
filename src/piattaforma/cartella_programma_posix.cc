#include "piattaforma/cartella_programma.h"

#include <system_error>

namespace scenario {

std::filesystem::path cartella_del_programma(const char* argv0) {
  std::error_code errore;
  std::filesystem::path eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
  if (errore) eseguibile = std::filesystem::absolute(argv0, errore);
  return eseguibile.parent_path();
}

}  // namespace scenario
