#pragma once

// How the element table divides its records 1 to 80 between the stations,
// from 1 up, and the sign texts, from 80 down, and what the stations mark on
// the grid.

#include <cstdint>
#include <string>
#include <vector>

#include "modello/modello.h"

namespace scenario {

bool elemento_vuoto(const elemento& e);

struct parti_tabella {
  int32_t n_stazioni = 0;                          // records 1 to n_stazioni
  int32_t primo_testo = primo_elemento_testo + 1;  // records primo_testo to 80
};

// The sign texts are the records from 80 down that hold a text and nothing
// else; the stations the records from 1 up that hold anything, below them.
parti_tabella dividi_tabella(const modello& m);

// The marks that each station of a type below 25 leaves on the grid (the stop
// mark, kind 10 with the station's record, and, but for types 5 and 6, the
// approach marks 81 to 84), each one that the grid lacks as a message naming
// `file_celle`. A mark that the compile writes over them afterwards is no
// lack: the mark of a signal 2, 4, 6 or 8 cells on, with the codes that its
// cell holds, or the marks of a later station in the same cell.
std::vector<std::string> segni_stazioni_mancanti(const modello& m, const std::string& file_celle);

}  // namespace scenario
