#pragma once

namespace scenario {

enum class formato_disegno { svg, png, pdf };

constexpr int larghezza_png_predefinita = 2400;

struct opzioni_disegno {
  formato_disegno formato = formato_disegno::png;
  int larghezza_png = larghezza_png_predefinita;
};

}  // namespace scenario
