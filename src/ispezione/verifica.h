#pragma once

// What the simulator relies on in the compiled files, checked.

#include <string>
#include <vector>

#include "file_compilati/lettura_file_compilati.h"
#include "ispezione/rapporto.h"
#include "modello/modello.h"

namespace scenario {

// Every difference from what the simulator relies on, among the files read
// into `m`: sizes that disagree, check codes that are not the ones computed
// from the names, reserved values, station marks missing from the grid.
std::vector<std::string> differenze(const modello& m, const file_letti& letti);

// The differences as the report "verifica": its outcome, their count and
// the list.
rapporto_file rapporto_verifica(const std::vector<std::string>& trovate);

}  // namespace scenario
