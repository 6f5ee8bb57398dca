#pragma once

#include <cstdint>
#include <filesystem>

#include "compiler/memorizza_dati.h"
#include "model/modello.h"

namespace scenario {

// The train half of the compile: reads the train description at `file_treno`
// into the model sized by the line half, and deletes the file (as `opzioni`
// asks) whichever way it ends, except on a run-time failure, which it throws
// as errore_esecuzione for the compile boundary. Station records go from 1 up
// to below `indice_testo`, the lowest record holding a sign-board text.
//
// Where the grid would be left, it drops or refuses: profile values past the
// last cell are dropped (the speed profile already stops there); a code point
// before cell 0 or a station stop mark past the last cell is refused with
// error 29 and the row's position, as signals and slow-downs are.
void compila_treno(modello& m, const std::filesystem::path& file_treno,
                   const opzioni_compilazione& opzioni, int32_t indice_testo);

}  // namespace scenario
