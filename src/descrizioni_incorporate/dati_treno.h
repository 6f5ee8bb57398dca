#pragma once

#include <filesystem>

namespace scenario {

// Writes the built-in train description, 103 lines, to `percorso`, replacing
// any file of that name.
void dati_treno(const std::filesystem::path& percorso);

}  // namespace scenario
