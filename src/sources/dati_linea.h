#pragma once

#include <filesystem>

#include "model/modello.h"

namespace scenario {

// Writes the built-in line description, 178 lines, into `cartella` under the
// route's name + "_linea.txt", replacing any file of that name.
void dati_linea(const modello& m, const std::filesystem::path& cartella);

}  // namespace scenario
