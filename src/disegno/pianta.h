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

// The page is an A3 sheet turned the way the route lies, landscape when the
// box of its drawn metres and of the items along it is wider than tall and
// portrait otherwise, and the route is drawn as large as that sheet allows;
// the side across the route, and the side along it where the sheet is too
// long for it, are then cut down to what the drawing needs, but never below
// what holds the title, the scale bar and the legend. A route that runs one
// way fills its page rather than lying in a strip across an A3 sheet. Of the
// plan beyond the route's end the layout takes a quarter of the route's
// length; the rest is drawn as far as the page goes.
impaginazione_pianta impagina_pianta(const modello& m, const oggetti_linea& o);

// How far apart the kilometre ticks along the line are, in metres: the
// first of 1, 5, 10, 50 and 100 km that puts them a comfortable distance
// apart at `scala` points per metre.
int32_t passo_tacche(double scala);

pagina_disegno pagina_pianta(const modello& m, const oggetti_linea& o);

}  // namespace scenario
