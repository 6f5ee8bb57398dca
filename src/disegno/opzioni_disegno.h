#pragma once

namespace scenario {

enum class formato_disegno { svg, png, pdf };

constexpr int larghezza_png_predefinita = 2400;

struct opzioni_disegno {
  // The one format that every build draws; the command asks for PNG where
  // the build has it.
  formato_disegno formato = formato_disegno::svg;
  int larghezza_png = larghezza_png_predefinita;
};

}  // namespace scenario
