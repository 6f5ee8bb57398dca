#pragma once

#include <iosfwd>
#include <memory>

#include "generazione/finestra.h"

namespace scenario {

// The window of the program as its platform shows it: the real window and
// message box on Windows, the console stand-in elsewhere (the label on
// `uscita`, a message on `errori`).
std::unique_ptr<finestra> crea_finestra_programma(std::ostream& uscita, std::ostream& errori);

}  // namespace scenario
