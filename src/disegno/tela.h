#pragma once

// The canvas that the pictures are drawn on: a few shapes and text, in
// points, y growing downwards. Two back ends draw it: an SVG writer of the
// program's own (tela_svg.h), on every platform, and cairo for PNG and PDF
// where cairo is built (tela_cairo.h). The pages are laid out once, by the
// same code and the same character sizes, whatever draws them.

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "disegno/generi_disegnati.h"

namespace scenario {

struct punto {
  double x = 0, y = 0;
};

// How a shape is painted: filled, outlined, or both.
struct pennello {
  std::optional<colore> riempimento;
  double opacita_riempimento = 1;
  std::optional<colore> tratto;
  double spessore = 1;
  double opacita_tratto = 1;
  double tratteggio = 0;  // dash and gap length; 0 for a solid line
};

pennello pieno(colore c, double opacita = 1);
pennello filo(colore c, double spessore, double opacita = 1);

enum class ancoraggio { inizio, centro, fine };

// A line of text: its baseline starts at `a` (or is centred on it, or ends
// there), turned by `rotazione` degrees clockwise as seen on the page, a
// multiple of 45.
struct scritta {
  punto a;
  std::string testo;  // UTF-8
  double corpo = 9;
  colore c{0.1, 0.1, 0.1};
  bool grassetto = false;
  ancoraggio allinea = ancoraggio::inizio;
  int rotazione = 0;
};

// The width of `testo` set in `corpo` points, and the height of its line
// above and below the baseline.
double larghezza_testo(std::string_view testo, double corpo, bool grassetto = false);
double sopra_testo(double corpo);
double sotto_testo(double corpo);

// The text as the pictures set it: a character the typeface lacks, a
// control character or a byte that is not UTF-8 becomes "?".
std::string testo_disegnabile(std::string_view testo);

// `testo` cut to at most `larghezza` points at `corpo`, "…" where it was cut.
std::string testo_accorciato(const std::string& testo, double larghezza, double corpo,
                             bool grassetto = false);

// The four corners of the box that a text covers on the page, in order
// around it.
std::array<punto, 4> angoli_scritta(const scritta& s);

class tela {
 public:
  virtual ~tela() = default;

  // Everything drawn until chiudi() belongs to one item of the kind `g`: in
  // SVG a group with the kind as its class and an id counting the kind's
  // items from 1 ("stazione-3").
  virtual void apri(const genere_disegnato& g) = 0;
  virtual void chiudi() = 0;

  // A line through the points; joins and ends rounded.
  virtual void spezzata(std::span<const punto> punti, const pennello& p) = 0;
  virtual void poligono(std::span<const punto> punti, const pennello& p) = 0;
  virtual void rettangolo(double x, double y, double larghezza, double altezza,
                          const pennello& p) = 0;
  virtual void cerchio(punto centro, double raggio, const pennello& p) = 0;
  virtual void scrivi(const scritta& s) = 0;
};

// One page: its size in points, its title (the SVG's and the PDF's), and
// what is drawn on it.
struct pagina_disegno {
  double larghezza = 0, altezza = 0;
  std::string titolo;
  std::function<void(tela&)> disegna;
};

}  // namespace scenario
