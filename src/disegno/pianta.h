#pragma once

// The plan of the line seen from above, on one page.

#include <cairo.h>

#include "disegno/oggetti_linea.h"
#include "modello/modello.h"

namespace scenario {

// Where the plan puts the point (x, y) of the track plan, in points of the
// page: the drawing keeps the plan's proportions, to scale.
struct trasformazione_pianta {
  double scala = 1;  // points per metre
  double x0 = 0, y0 = 0;
  double pagina_x(double x) const { return x0 + x * scala; }
  // The second coordinate runs up the page.
  double pagina_y(double y) const { return y0 - y * scala; }
};

trasformazione_pianta trasformazione_di(const modello& m);

void disegna_pianta(cairo_t* cr, const modello& m, const oggetti_linea& o);

}  // namespace scenario
