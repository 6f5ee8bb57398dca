#include "generazione/finestra_programma.h"

namespace scenario {

std::unique_ptr<finestra> crea_finestra_programma(std::ostream& uscita, std::ostream& errori) {
  return std::make_unique<finestra_console>(uscita, errori);
}

}  // namespace scenario
