#pragma once

#include "compilazione/origini_celle.h"
#include "modello/modello.h"

namespace scenario {

// The smaller of two numbers, `x` when they are equal.
template <typename T>
constexpr T minimo(T x, T y) {
  return y < x ? y : x;
}

// Adds the code points (kind 12, code 180) that the descriptions leave out:
// before the signals that stand up to 20 cells ahead of a slow-down warning
// point, three groups ahead of every slow-down start, one every 8 cells inside
// a slow-down below 110 km/h and one before the first signal within 12 cells
// after a slow-down's end. A point that finds no free cell records error 11,
// 12 or 13 with its position and the pass goes on. A model without a grid is
// left untouched.
//
// With the compile's `origini` the errors have notes: the signal that the
// point was for, and the item in each cell tried, at the rows that put them
// there; the points placed join `origini`. Without them the errors have none.
void passata_finale(modello& m, origini_celle* origini = nullptr);

}  // namespace scenario
