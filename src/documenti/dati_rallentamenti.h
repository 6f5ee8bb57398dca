#pragma once

#include <filesystem>

namespace scenario {

// Writes the slow-down order form to `percorso`. Its content is fixed.
void dati_rallentamenti(const std::filesystem::path& percorso);

}  // namespace scenario
