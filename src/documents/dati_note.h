#pragma once

#include <filesystem>

#include "model/modello.h"

namespace scenario {

// Writes the scenario's notes into `cartella`. Their content is fixed: only
// the file name comes from the route name and the train number.
void dati_note(const modello& m, const std::filesystem::path& cartella);

}  // namespace scenario
