#pragma once

#include <filesystem>

#include "model/modello.h"

namespace scenario {

// Writes the built-in train description (103 lines) into `cartella`, under the
// name formed from the route name and the train number of `m`.
void dati_treno(const modello& m, const std::filesystem::path& cartella);

}  // namespace scenario
