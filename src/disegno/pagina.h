#pragma once

// What every page of the pictures shares: its size, its inks and how text is
// set on it.

#include <cairo.h>

#include <string>

#include "disegno/generi_disegnati.h"
#include "modello/modello.h"

namespace scenario {

// A3 landscape, in points.
constexpr double larghezza_pagina = 1190.55;
constexpr double altezza_pagina = 841.89;

constexpr colore inchiostro{0.1, 0.1, 0.1};
constexpr colore grigio{0.55, 0.55, 0.55};
constexpr colore griglia_chiara{0.88, 0.88, 0.88};
constexpr colore blu_pendenza{0.1, 0.5, 0.3};
constexpr colore rosso_velocita{0.7, 0.2, 0.1};
constexpr colore verde_inizio{0.1, 0.6, 0.1};

constexpr double margine = 50;
constexpr double altezza_titolo = 40;
constexpr double opacita_rallentamento = 0.25;

void usa(cairo_t* cr, colore c, double alfa = 1);

// A legend's swatch is not an item: a shade off the marker colour, which the
// eye does not tell apart and the SVG's classes do.
void usa_in_legenda(cairo_t* cr, colore c, double alfa = 1);

// `t` with its baseline at y, starting at x, or, with `allinea`, that
// fraction of its width to the left of x; turned by `angolo` radians.
void testo(cairo_t* cr, double x, double y, const std::string& t, double corpo,
           colore c = inchiostro, double angolo = 0, bool grassetto = false, double allinea = 0);

// The size of a text in one body, as testo() shows it.
class misura_testo {
 public:
  misura_testo(cairo_t* cr, double corpo, bool grassetto = false);
  double larghezza(const std::string& t) const;
  double sopra() const { return font_.ascent; }
  double sotto() const { return font_.descent; }
  double altezza() const { return font_.ascent + font_.descent; }

 private:
  cairo_t* cr_;
  double corpo_;
  bool grassetto_;
  cairo_font_extents_t font_{};
};

// 1, 2 or 5 times a power of ten, the largest not above `massimo`.
double numero_tondo(double massimo);

// Metres as kilometres with `decimali` decimals.
std::string km(double metri, int decimali = 1);

// The page's title: route, train and what the page shows.
void titolo(cairo_t* cr, const modello& m, const std::string& cosa);

}  // namespace scenario
