#pragma once

#include <cstdint>
#include <filesystem>

#include "model/modello.h"
#include "run/finestra.h"
#include "run/nomi_file.h"

namespace scenario {

// Initialises the element table, compiles the two description files of
// `percorsi`, finishes the grid, fills the check codes and writes the
// compiled files; the track plan file only when `j` is non-zero.
void memorizza_percorso(modello& m, const percorsi_scenario& percorsi, finestra& f, int32_t& j);

// The steps after the compile: finishes the grid, fills the check codes and
// writes the compiled files, the track plan only when m.scrivi_planimetria is
// set. A compile that left no grid gets nothing written: n_errore keeps the
// compile's error, or 104 when the compile recorded none. A check code that
// finds its place filled shows 1250 or 1251 and ends the run (errore).
void completa_percorso(modello& m, const percorsi_scenario& percorsi, finestra& f);

}  // namespace scenario
