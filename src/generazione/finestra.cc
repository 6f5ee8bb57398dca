#include "generazione/finestra.h"

#include <ostream>

namespace scenario {

finestra_console::finestra_console(std::ostream& uscita, std::ostream& errori)
    : uscita_(uscita), errori_(errori) {}

void finestra_console::mostra(const std::string& etichetta) {
  uscita_ << etichetta << std::endl;
}

int32_t finestra_console::messaggio(const std::string& testo) {
  errori_ << testo << std::endl;
  return risposta_ok;
}

}  // namespace scenario
