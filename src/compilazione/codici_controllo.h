#pragma once

#include <cstdint>

#include "modello/modello.h"

namespace scenario {

// The check string, left in m.riga: the train number of record 86 followed by
// the route name of record 85, lower-cased, followed by
// "aabbccddeeffgghhiillmmnnoo". Both codes use its first 25 characters, each
// by its Windows-1252 code; a character that Windows-1252 cannot represent
// counts as "?", the character it is written as in every file.
int32_t codice_gara_st(modello& m);  // sum of position x code, positions from 1
int32_t codice_gara_og(modello& m);  // plain sum of the codes

// Fills the four reserved values: 610 in the route header's dato_d, 5121 in
// cell 1's val1, codice_gara_st in the route header's orario and
// codice_gara_og in cell 1's val2. Returns 1250 when a compile already wrote
// into the first two (nothing filled), 1251 when into the last two (the first
// two filled), and 0 otherwise; the caller ends the run on either error,
// before any compiled file is written. Either error joins m.diagnostiche at
// the row that wrote the cell's value (registra_errore_fatale: n_errore
// stays). Needs a sized grid.
int32_t codici_controllo(modello& m);

}  // namespace scenario
