#pragma once

// A compiled file as one CSV table: one header row of column names, then one
// row per record of the file, every row with as many fields as the header.
// The rows are the file's own, whatever they hold: every record of the
// element table, every cell of the grid, every metre of the track plan (of
// the grid and the plan, those that the range selects). The summaries of the
// text and JSON reports have no place in it.
//
// Fields as RFC 4180 has them: one that holds a comma, a double quote, a CR
// or an LF is quoted, its quotes doubled; every row ends in an LF. Texts read
// from the file have their control characters shown (testo_visibile), as the
// text report shows them. The rows are written as they are made: a table
// never stands whole in memory.

#include <ostream>
#include <string>
#include <string_view>

#include "ispezione/rapporti_per_tipo.h"
#include "ispezione/tipo_file.h"
#include "modello/modello.h"

namespace scenario {

// `testo` as one CSV field.
std::string campo_csv(std::string_view testo);

// The table of the file of kind `tipo` read into `m`.
void scrivi_tabella_csv(std::ostream& uscita, const modello& m, tipo_file_compilato tipo,
                        const intervallo_metri& intervallo);

}  // namespace scenario
