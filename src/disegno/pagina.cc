#include "disegno/pagina.h"

#include <cmath>
#include <cstdio>

namespace scenario {

namespace {

void scegli_carattere(cairo_t* cr, double corpo, bool grassetto) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         grassetto ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, corpo);
}

}  // namespace

void usa(cairo_t* cr, colore c, double alfa) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alfa); }

void usa_in_legenda(cairo_t* cr, colore c, double alfa) {
  cairo_set_source_rgba(cr, c.r * 0.99, c.g * 0.99, c.b * 0.99, alfa);
}

void testo(cairo_t* cr, double x, double y, const std::string& t, double corpo, colore c,
           double angolo, bool grassetto, double allinea) {
  cairo_save(cr);
  scegli_carattere(cr, corpo, grassetto);
  cairo_text_extents_t e;
  cairo_text_extents(cr, t.c_str(), &e);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angolo);
  cairo_move_to(cr, -e.x_advance * allinea, 0);
  usa(cr, c);
  cairo_show_text(cr, t.c_str());
  cairo_restore(cr);
  // Showing text leaves a current point, which the next path would start from.
  cairo_new_path(cr);
}

misura_testo::misura_testo(cairo_t* cr, double corpo, bool grassetto)
    : cr_(cr), corpo_(corpo), grassetto_(grassetto) {
  cairo_save(cr);
  scegli_carattere(cr, corpo, grassetto);
  cairo_font_extents(cr, &font_);
  cairo_restore(cr);
}

double misura_testo::larghezza(const std::string& t) const {
  cairo_save(cr_);
  scegli_carattere(cr_, corpo_, grassetto_);
  cairo_text_extents_t e;
  cairo_text_extents(cr_, t.c_str(), &e);
  cairo_restore(cr_);
  return e.x_advance;
}

double numero_tondo(double massimo) {
  double p = std::pow(10.0, std::floor(std::log10(massimo)));
  for (double f : {5.0, 2.0, 1.0}) {
    if (f * p <= massimo) return f * p;
  }
  return p;
}

std::string km(double metri, int decimali) {
  char b[32];
  std::snprintf(b, sizeof b, "%.*f", decimali, metri / 1000);
  return b;
}

void titolo(cairo_t* cr, const modello& m, const std::string& cosa) {
  testo(cr, margine, margine,
        m.elementi[elemento_testata_percorso].testo + " — treno " +
            m.elementi[elemento_testata_treno].testo + " — " + cosa,
        18, inchiostro, 0, true);
}

}  // namespace scenario
