#include "base/cartella_uscita.h"

#include <system_error>

#include "base/errore_file.h"

namespace scenario {

void crea_cartella_uscita(const std::filesystem::path& cartella) {
  std::error_code errore;
  std::filesystem::create_directories(cartella, errore);
  if (errore) throw errore_file(cartella, errore.message());
}

}  // namespace scenario
