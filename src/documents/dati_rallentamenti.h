#pragma once

#include <filesystem>

#include "model/modello.h"

namespace scenario {

// Writes the slow-down order form into `cartella`. Its content is fixed: only
// the file name comes from the route name and the train number.
void dati_rallentamenti(const modello& m, const std::filesystem::path& cartella);

}  // namespace scenario
