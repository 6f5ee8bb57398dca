#pragma once

#include <filesystem>

namespace scenario {

// Writes the built-in line description, 178 lines, to `percorso`, replacing
// any file of that name.
void dati_linea(const std::filesystem::path& percorso);

}  // namespace scenario
