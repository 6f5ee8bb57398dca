#pragma once

#include <cstdint>
#include <filesystem>

#include "model/modello.h"
#include "run/finestra.h"

namespace scenario {

// Initialises the element table, compiles the two description files of
// `cartella`, finishes the grid, fills the check codes and writes the
// compiled files; the track plan file only when `j` is non-zero.
void memorizza_percorso(modello& m, const std::filesystem::path& cartella, finestra& f,
                        int32_t& j);

}  // namespace scenario
