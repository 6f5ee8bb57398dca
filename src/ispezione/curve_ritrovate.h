#pragma once

// The curves of a track plan found again from its points: at every metre the
// turn of the step against the step before it, runs of one turn gathered
// into one curve.

#include <cstdint>
#include <vector>

#include "modello/modello.h"

namespace scenario {

struct curva_ritrovata {
  int32_t inizio = 0;     // the last straight metre, as a curve row gives it
  int32_t lunghezza = 0;  // the turning metres, inizio + 1 to inizio + lunghezza
  double k = 0;           // turn per metre; negative to the left
  int classe = 0;         // 1 to 6 by the turn; 0 for a turn of no class
  char lato = 'd';        // 's' left, 'd' right
};

// The turn per metre of each class, 1 to 6.
double curvatura_di_classe(int classe);

std::vector<curva_ritrovata> curve_ritrovate(const modello& m);

struct misure_planimetria {
  int64_t metri = 0;            // per coordinate
  int64_t metri_disegnati = 0;  // with both coordinates set
  double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
  double lunghezza_disegnata = 0;  // the sum of the steps between metres drawn
};

misure_planimetria misura_planimetria(const modello& m);

}  // namespace scenario
