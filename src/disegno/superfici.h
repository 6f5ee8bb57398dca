#pragma once

// The surfaces that cairo draws the pages on, one for each format.

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "disegno/opzioni_disegno.h"

namespace scenario {

using disegno_pagina = std::function<void(cairo_t*)>;

// The bytes of a file holding `pagine`, each drawn on a white A3 page: a PDF
// or an SVG as cairo writes it, or a PNG `larghezza_png` pixels wide, which
// holds one page. A failure of cairo is a runtime_error.
std::string disegna_pagine(const std::vector<disegno_pagina>& pagine, formato_disegno formato,
                           int larghezza_png);

}  // namespace scenario
