#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "modello/errore_esecuzione.h"

namespace scenario {

// The one real-to-integer rounding of the system: to the nearest integer, a
// tie going to the even neighbour (325.5 -> 326, 326.5 -> 326). Does not
// depend on the floating-point environment.
inline double arrotonda(double x) {
  double intero = std::floor(x);
  double resto = x - intero;
  if (resto > 0.5) return intero + 1;
  if (resto < 0.5) return intero;
  return std::fmod(intero, 2.0) == 0 ? intero : intero + 1;
}

// Rounds and converts into a field of type T; a result that does not fit
// (or is not a number) is a run-time failure.
template <typename T>
T arrotonda_a(double x) {
  double r = arrotonda(x);
  if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
        r <= static_cast<double>(std::numeric_limits<T>::max()))) {
    throw errore_esecuzione("value " + std::to_string(x) + " does not fit its field");
  }
  return static_cast<T>(r);
}

}  // namespace scenario
