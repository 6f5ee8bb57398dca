#pragma once

#include <filesystem>

namespace scenario {

// Writes the scenario's notes to `percorso`. Their content is fixed.
void dati_note(const std::filesystem::path& percorso);

}  // namespace scenario
