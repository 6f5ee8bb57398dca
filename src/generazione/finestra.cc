#include "generazione/finestra.h"

#include <ostream>

namespace scenario {

finestra_console::finestra_console(std::ostream& uscita, std::ostream& errori)
    : uscita_(uscita), errori_(errori) {}

void finestra_console::mostra(const std::string& etichetta) { uscita_ << etichetta << std::endl; }

void finestra_console::messaggio(const std::string& testo) { errori_ << testo << std::endl; }

}  // namespace scenario
