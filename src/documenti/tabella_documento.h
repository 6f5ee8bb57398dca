#pragma once

// The ruled tables of the driver's documents. A table line is one space, a
// bar, then every column's inner text followed by a bar. The documents' tables
// hold 7-bit text only, so a width in bytes is a width in characters.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace scenario {

// `testo` followed by spaces up to `larghezza`; a longer text is kept whole.
std::string a_sinistra(std::string_view testo, size_t larghezza);

// Spaces up to `larghezza`, then `testo`; a longer text is kept whole.
std::string a_destra(std::string_view testo, size_t larghezza);

// The whole part of the spare room before `testo`, the rest after it.
std::string centrato(std::string_view testo, size_t larghezza);

// A count of thousandths, tenths, ... written with a point: (12250, 3) gives
// "12.250", (5, 1) gives "0.5".
std::string con_decimali(int32_t valore, int decimali);

// One table line; each cell is padded to its column's width, and columns
// without a cell are blank.
std::string riga_tabella(std::span<const size_t> larghezze, std::span<const std::string> celle);

// The rule under the heading and at the foot: every column filled with "_".
std::string riga_filetto(std::span<const size_t> larghezze);

// The top of the table: two spaces, then "_" over the columns and the bars
// between them.
std::string riga_copertura(std::span<const size_t> larghezze);

// Writes `righe` to `percorso` as one line list closed by the end marker.
// A document holds at most 1000 lines.
void scrivi_documento(const std::filesystem::path& percorso, std::span<const std::string> righe);

}  // namespace scenario
