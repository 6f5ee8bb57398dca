#pragma once

// The plan of the line seen from above, on one page.

#include "disegno/oggetti_linea.h"
#include "disegno/tela.h"
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

// The plan's page: its size, and where it puts the line.
struct impaginazione_pianta {
  double larghezza = 0, altezza = 0;
  trasformazione_pianta t;
};

impaginazione_pianta impagina_pianta(const modello& m);

pagina_disegno pagina_pianta(const modello& m, const oggetti_linea& o);

}  // namespace scenario
