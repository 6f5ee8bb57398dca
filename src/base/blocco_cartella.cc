#include "base/blocco_cartella.h"

#include <ostream>

#include "base/errore_file.h"

namespace scenario {

blocco_cartella::blocco_cartella(const std::filesystem::path& cartella, std::ostream& avvisi,
                                 sistema_file& sistema)
    : sistema_(sistema) {
  std::filesystem::path percorso = cartella / nome_file_blocco;
  if (std::error_code e = sistema_.apri_blocco(percorso, file_)) {
    throw errore_file(percorso, e.message());
  }
  std::error_code e = sistema_.blocca(file_, false);
  if (e == std::errc::resource_unavailable_try_again) {
    avvisi << "In attesa che finisca un'altra esecuzione nella cartella " << cartella.string()
           << std::endl;
    e = sistema_.blocca(file_, true);
  }
  if (e) {
    sistema_.chiudi(file_);
    throw errore_file(percorso, e.message());
  }
}

blocco_cartella::~blocco_cartella() { sistema_.chiudi(file_); }

}  // namespace scenario
