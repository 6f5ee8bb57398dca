#include "base/blocco_cartella.h"

#include <ostream>

#include "base/errore_file.h"

namespace scenario {

blocco_cartella::blocco_cartella(const std::filesystem::path& cartella, std::ostream& avvisi,
                                 sistema_file& sistema)
    : sistema_(sistema) {
  if (std::error_code e = sistema_.apri_blocco(cartella, blocco_)) {
    throw errore_file(cartella, e.message());
  }
  std::error_code e = sistema_.blocca(blocco_, false);
  if (e == std::errc::resource_unavailable_try_again) {
    avvisi << "In attesa che finisca un'altra esecuzione nella cartella " << cartella.string()
           << std::endl;
    e = sistema_.blocca(blocco_, true);
  }
  if (e) {
    sistema_.chiudi(blocco_);
    throw errore_file(cartella, e.message());
  }
}

blocco_cartella::~blocco_cartella() { sistema_.rilascia_blocco(blocco_); }

}  // namespace scenario
