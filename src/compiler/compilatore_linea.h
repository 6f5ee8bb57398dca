#pragma once

#include <cstdint>
#include <filesystem>

#include "compiler/memorizza_dati.h"
#include "model/modello.h"

namespace scenario {

// The line half of the compile: reads the line description at `file_linea`
// into `m` (general values, grid and plan sizes, gradients, tunnels, boards,
// track plan) and deletes it unless `opzioni` keep it. `indice_testo` comes
// out as the next free sign-text record (80 minus the number of sign
// boards). Returns true when the train half is to run: at the end of the
// file, or after an item beyond the grid (error 15); false after any other
// error, which ends the compile. Run-time failures are thrown as
// errore_esecuzione.
bool compila_linea(modello& m, const std::filesystem::path& file_linea,
                   const opzioni_compilazione& opzioni, int32_t& indice_testo);

// Redistributes the three kilometric progressives of records 81 ("tre"),
// 82 ("due") and 83 ("uno"), each (start, chainage, flag) in inizio, fine,
// posizione, so that record 81 holds the one that begins furthest along the
// line and record 83 the first; then adds 100 to the chainage of every
// record whose flag is 1.
void progressive_ordina(modello& m);

}  // namespace scenario
