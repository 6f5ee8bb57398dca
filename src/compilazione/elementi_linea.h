#pragma once

// The line's items on the 50 m cell grid: the gradient of every cell, the
// tunnels, the speed indicator boards and the sign boards with their texts.

#include <cstdint>
#include <string>

#include "compilazione/lavoro_linea.h"
#include "compilazione/lettore_campi.h"
#include "compilazione/origini_celle.h"
#include "modello/modello.h"

namespace scenario {

// The cell of a board at `posizione` metres: posizione / 50 + 1, rounded.
int32_t cella_cartello(int32_t posizione);

// A "pendenza" row: the gradient in force so far fills the cells up to the
// one of `p`, then `g` is in force. Every cell gets gradient + 100, low 8
// bits. Writes at least one cell, so that rows crowding one cell move on;
// cells that would fall past the last are dropped, with a warning at the
// row's position field.
void memo_pendenza(modello& m, lavoro_linea& w, int32_t p, int32_t g, const luoghi_riga& riga = {});

// After the last row: the gradient in force fills the cells up to
// n_celle - 3; the last three keep 0.
void coda_pendenze(modello& m, lavoro_linea& w);

// A tunnel from `inizio` to `fine` metres. A type above 10 loses 10 and asks
// for a marker (kind 11) in every fourth empty cell; a tunnel beginning at
// most 150 m after the previous one ended takes type 3. Cells outside the
// grid are not drawn. Returns false after recording error 26 (position
// `inizio`, at the row's keyword) when the 80 tunnel places are taken. What
// the row asked and did not get is warned of at its field.
bool memo_montagna(modello& m, int32_t inizio, int32_t fine, int32_t& tipo,
                   const luoghi_riga& riga = {});

// A speed indicator board (kind 6) with a group of speeds and stripes for
// each side. Returns false after recording error 21 (position `posizione`,
// at the row's position field, with a note on the item in the cell) when its
// cell is taken; a speed whose value does not fit 16 bits is a run-time
// failure at the row's keyword. A board placed joins `origini`.
bool memo_indicatori_v_max(modello& m, int32_t posizione, int32_t vas, int32_t vbs, int32_t vcs,
                           int16_t strisces, int32_t vad, int32_t vbd, int32_t vcd,
                           int16_t strisced, const luoghi_riga& riga = {},
                           origini_celle* origini = nullptr);

// A sign board (kind 14) whose text goes into the next text record, counting
// down from 80. Returns false after recording error 6 (cell taken, at the
// position field, with a note on the item in the cell) or 27 (no text record
// left, at the keyword), with `p` as the position of the error. A board
// placed joins `origini`.
bool memo_cartello_indicatore(modello& m, lavoro_linea& w, int32_t p, const std::string& t,
                              const luoghi_riga& riga = {}, origini_celle* origini = nullptr);

}  // namespace scenario
