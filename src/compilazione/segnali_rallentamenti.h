#pragma once

// Placing of one signal row and one slow-down row of the train description
// on the cell grid. Both refuse a row whose cells are taken by recording the
// error with the row's position (the signal's or the slow-down's start) at the
// place `campo`, with a note on the item in each taken cell as `origini`
// knows it, and return false; the caller stops the compile. What they place
// joins `origini`, at the row's position field.
//
// The caller's range check keeps every row below the end of the grid; the
// start of the grid is guarded here: an item whose own cell falls outside
// 0..n_celle is refused with error 29, while the approach marks of a signal
// that fall before cell 0 are dropped (the signal itself is placed).

#include <cstdint>

#include "compilazione/lettore_campi.h"
#include "compilazione/origini_celle.h"
#include "modello/modello.h"

namespace scenario {

inline bool cella_nella_griglia(const modello& m, int64_t k) {
  return k >= 0 && k <= m.n_celle && k < static_cast<int64_t>(m.celle.size());
}

// A signal in cell posizione / 50 + 1 (rounded), with its four approach marks
// in the cells 2, 4, 6 and 8 before it. Error 16 when the cell is taken;
// marks before cell 0 are dropped with a warning at `campo`, and marks
// written over the approach marks of a station warn there too, once for each
// station.
bool memo_segnale(modello& m, int32_t posizione, int32_t sx, int32_t s1, int32_t s2, int32_t s3,
                  int32_t rapp, int32_t dx, int32_t d1, int32_t d2, int32_t d3, int32_t tempo,
                  const campo_letto& campo = {}, origini_celle* origini = nullptr);

// A slow-down from x to x + l at v km/h: its start and end, and beyond 1500 m
// a warning point 1200 m before the start with, when f_ta is not 0, four
// distance boards before it. Errors 17, 18 and 19 (warning, start, end cell
// taken) leave the grid untouched; error 20 (a board cell taken) leaves the
// start, end and warning point placed. The errors name the row's start
// field, but 19 (the end comes from start and length) its keyword. A
// slow-down once placed joins m.rallentamenti with its keyword's place.
bool memo_rallentamento(modello& m, int32_t x, int32_t v, int32_t l, int32_t f_tt, int32_t f_ta,
                        int32_t d_v, const luoghi_riga& riga = {},
                        origini_celle* origini = nullptr);

}  // namespace scenario
