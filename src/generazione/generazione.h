#pragma once

#include <filesystem>
#include <iosfwd>

#include "generazione/finestra.h"

namespace scenario {

inline constexpr const char* linea_predefinita = "Lorvento-Basalto";
inline constexpr const char* treno_predefinito = "27364";

// The whole run: writes every file of the built-in scenario into `cartella`
// and returns the exit status (generazione/errore.h). It holds the directory's lock
// (base/blocco_cartella.h) throughout, waiting for another run to end, and
// first removes the temporary files that interrupted runs left there. A failed file operation is
// reported on `errori`, naming the file and the reason; so is an error that the
// compile or the finishing pass recorded, by its number and position.
int esegui_generazione(const std::filesystem::path& cartella, finestra& f, std::ostream& errori);

}  // namespace scenario
