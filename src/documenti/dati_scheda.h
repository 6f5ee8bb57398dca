#pragma once

#include <filesystem>

namespace scenario {

// Writes the driver's timetable sheet to `percorso`. Its content is fixed.
void dati_scheda(const std::filesystem::path& percorso);

}  // namespace scenario
