#pragma once

// The profile along the line: elevation, gradient, speed limit and the items
// on the line. A profile longer than one page holds is split into pages of
// at most 100 km.

#include <cstdint>

#include "disegno/oggetti_linea.h"
#include "disegno/tela.h"
#include "modello/modello.h"

namespace scenario {

constexpr int32_t metri_per_pagina_profilo = 100000;

// The pages of the profile: page k shows the metres [k × per_pagina,
// (k + 1) × per_pagina) of a route longer than 120 km, the whole route
// otherwise.
int32_t metri_pagina_profilo(const modello& m);
int pagine_profilo(const modello& m);

// The chainage that the kilometric progressives give to metre p: the value
// of the last progressive that starts at or before p, plus the metres since;
// before the first one, the first one's counted back.
double progressiva_di(const modello& m, double p);

// Page `pagina` of `pagine` of the profile: metres [da, a).
pagina_disegno pagina_profilo(const modello& m, const oggetti_linea& o, int32_t da, int32_t a,
                              int pagina, int pagine);

}  // namespace scenario
