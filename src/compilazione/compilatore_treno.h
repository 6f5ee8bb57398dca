#pragma once

#include <functional>

#include "compilazione/lettore_campi.h"
#include "compilazione/origini_celle.h"
#include "compilazione/progressive.h"
#include "modello/modello.h"

namespace scenario {

// The train half of the compile: reads the train description from `file` into
// the model sized by the line half. `letta` runs once the rows are read,
// before the tails, unless a run-time failure is thrown (errore_esecuzione,
// for the compile boundary). Station records go from 1 up to below
// m.primo_testo_cartello, the lowest record holding a sign-board text;
// m.n_stazioni counts them.
//
// Where the grid would be left, it drops or refuses: profile values past the
// last cell are dropped (the speed profile already stops there); a code point
// before cell 0 or a station stop mark past the last cell is refused with
// error 29 and the row's position, as signals and slow-downs are.
// The check of the kilometric progressives, which the line half sorted, names
// the places in `progressive` (as compila_linea gives them).
//
// The items placed join `origini`, whose places of this file's rows are
// counted before the call returns, whichever way.
void compila_treno(modello& m, lettore_campi& file, const std::function<void()>& letta = {},
                   const luoghi_progressive& progressive = {}, origini_celle* origini = nullptr);

}  // namespace scenario
