#pragma once

#include <functional>

#include "compilazione/lettore_campi.h"
#include "compilazione/memorizza_dati.h"
#include "compilazione/origini_celle.h"
#include "compilazione/progressive.h"
#include "modello/modello.h"

namespace scenario {

// The line half of the compile: reads the line description from `file` into
// `m` (general values, grid and plan sizes, gradients, tunnels, boards, track
// plan). `letta` runs once when the reading ends, whichever way, before the
// stopping error is recorded and before the tails of the gradients and the
// plan. m.primo_testo_cartello comes out as the lowest record holding a sign
// text (81 minus the number of sign boards). Returns true when the train half
// is to run: at the end of the file, or after an item beyond the grid (error
// 15); false after any other error, which ends the compile. Run-time failures
// are thrown as errore_esecuzione. `progressive`, when given, receives the
// places that the train half's check of the progressives names.
//
// `origini` starts anew with the grid; the boards placed join it, and the
// places of their rows are counted before the call returns, whichever way.
bool compila_linea(modello& m, lettore_campi& file, const opzioni_compilazione& opzioni = {},
                   const std::function<void()>& letta = {},
                   luoghi_progressive* progressive = nullptr, origini_celle* origini = nullptr);

}  // namespace scenario
