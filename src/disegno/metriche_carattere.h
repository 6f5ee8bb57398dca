#pragma once

// The sizes of the characters that the pictures set, in the one typeface
// they use (DejaVu Sans, regular and bold). Every build lays out its text by
// this table, with cairo or without, so that a label stands at the same spot
// in every picture and every build.

#include <cstdint>
#include <span>

namespace scenario {

struct avanzamento_carattere {
  char32_t punto;
  uint16_t normale, grassetto;
};

struct metriche_carattere {
  int unita_em;   // the typeface's design units per em
  int sopra;      // ascent above the baseline
  int sotto;      // descent below it
  std::span<const avanzamento_carattere> avanzamenti;  // by code point
};

extern const metriche_carattere metriche_dejavu_sans;

}  // namespace scenario
