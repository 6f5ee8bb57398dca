#pragma once

// Where the names of the stations go, so that no name hides another: a
// greedy placement around each marker for the plan, and a spread along one
// row for the slanted names above the profile. Pure geometry in page units
// (y grows downwards), so that it is tested without drawing.

#include <vector>

namespace scenario {

struct rettangolo {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;

  double area() const { return (x1 - x0) * (y1 - y0); }
};

// The area that two rectangles share, 0 when they do not meet.
double area_comune(const rettangolo& a, const rettangolo& b);

// A name to put near its marker: the marker's centre, the size of the text's
// box, and how far from the centre the nearest spots lie (the marker's
// radius and a gap).
struct etichetta_da_posare {
  double x = 0, y = 0;
  double larghezza = 0, altezza = 0;
  double distanza = 8;
};

// Where a name went: its box, and whether it stands away from its marker, so
// that a leader line should tie the two.
struct etichetta_posata {
  rettangolo riquadro;
  bool con_richiamo = false;
};

// Places the names in order, each in the first free spot around its marker:
// right, left, above, below, then farther out in the same order. A spot is
// free when it overlaps no name already placed, no obstacle (the markers)
// and stays inside `pagina`; `tracciato` holds points of the drawn line,
// which a name avoids where it can. Where no spot is free, the name takes the
// one that hides the least.
std::vector<etichetta_posata> posa_etichette(const std::vector<etichetta_da_posare>& etichette,
                                             const std::vector<rettangolo>& ostacoli,
                                             const std::vector<rettangolo>& tracciato,
                                             const rettangolo& pagina);

// Spreads positions along a row so that two of them are at least `passo`
// apart, moving each as little as can be (the sum of the squared moves is
// the least), all within [minimo, massimo] where the row is long enough.
// `x` is in increasing order; so is the result.
std::vector<double> distribuisci_in_fila(const std::vector<double>& x, double passo, double minimo,
                                         double massimo);

// The same with a bound of its own for each position: p[i] <= massimi[i],
// as for names of different lengths that must all end before one edge. A
// row too short for them starts at minimo.
std::vector<double> distribuisci_in_fila(const std::vector<double>& x, double passo, double minimo,
                                         const std::vector<double>& massimi);

}  // namespace scenario
