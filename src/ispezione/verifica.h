#pragma once

// What the simulator relies on in the compiled files, checked.

#include <string>
#include <string_view>
#include <vector>

#include "file_compilati/lettura_file_compilati.h"
#include "ispezione/rapporto.h"
#include "modello/modello.h"

namespace scenario {

// Every difference from what the simulator relies on, among the files read
// into `m`: sizes that disagree, check codes that are not the ones computed
// from the names, reserved values, station marks missing from the grid.
std::vector<std::string> differenze(const modello& m, const file_letti& letti);

// The compiled files given as their bytes, as `ispeziona --verifica` takes
// them: read into a model, refused as leggi_file_compilati refuses a file
// (file_compilato_non_valido), then their differences. `nomi` names the files
// in the messages; a file without a name is not read.
std::vector<std::string> differenze_dei_byte(const file_letti& nomi, std::string_view planimetria,
                                             std::string_view elementi, std::string_view celle);

// The differences as the report "verifica": its outcome, their count and
// the list.
rapporto_file rapporto_verifica(const std::vector<std::string>& trovate);

}  // namespace scenario
