#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace scenario {

// The sentinel that closes a line list; it is never written.
inline constexpr const char* marcatore_fine = "riferimento fine del file";

constexpr size_t posti_lista_righe = 1001;

// The lines of one text file, filled from slot 0, the slot after the last
// line holding marcatore_fine. An empty slot is an empty line.
using lista_righe = std::array<std::string, posti_lista_righe>;

// Replaces the file at `percorso` with the lines of `righe` up to the end
// marker (all 1001 slots when the marker is missing), each converted to
// Windows-1252 and ended by CR LF.
void scrivi_righe(const std::filesystem::path& percorso, const lista_righe& righe);

}  // namespace scenario
