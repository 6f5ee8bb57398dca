#pragma once

// What every page of the pictures shares: its size, its inks, its title and
// its legend.

#include <string>
#include <vector>

#include "disegno/tela.h"
#include "modello/modello.h"

namespace scenario {

// A3, in points.
constexpr double lato_lungo_a3 = 1190.55;
constexpr double lato_corto_a3 = 841.89;

constexpr colore inchiostro{0.1, 0.1, 0.1};
constexpr colore grigio{0.55, 0.55, 0.55};
constexpr colore griglia_chiara{0.88, 0.88, 0.88};
constexpr colore blu_pendenza{0.1, 0.5, 0.3};
constexpr colore rosso_velocita{0.7, 0.2, 0.1};
constexpr colore verde_inizio{0.1, 0.6, 0.1};

constexpr double margine = 50;
constexpr double altezza_titolo = 40;
constexpr double corpo_titolo = 18;
constexpr double opacita_rallentamento = 0.25;

// 1, 2 or 5 times a power of ten, the largest not above `massimo` (1 when
// `massimo` is not a positive number).
double numero_tondo(double massimo);

// Metres as kilometres with `decimali` decimals.
std::string km(double metri, int decimali = 1);

// "<route> — treno <train> — <cosa>": the page's title, written at its top
// left and given to the file as its title.
std::string titolo_pagina(const modello& m, const std::string& cosa);
// The title at the page's top left, shortened with "…" to the page's width.
void scrivi_titolo(tela& t, const std::string& titolo, double larghezza_pagina);

// One entry of a legend: a swatch drawn by `campione` in the box of the
// given corner, and its name.
struct voce_legenda {
  std::string nome;
  std::function<void(tela&, double x, double y)> campione;  // a 10 × 8 box, top left at x, y
};

// The entries in a row whose baseline is at y, from x, each `passo` apart.
void scrivi_legenda(tela& t, double x, double y, double passo, const std::vector<voce_legenda>& v);

}  // namespace scenario
