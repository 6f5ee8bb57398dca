#pragma once

// Where the marks of a station lie on the cell grid, and which approach marks
// a signal writes: the compile places them, the inspection checks them, by
// these same rules.
//
// A station of a type below 25 puts its stop mark (kind 10, val1 its record)
// in the cell end / 50 - 1 and, but for types 5 and 6, its approach marks
// 81 to 84 in the four cells before it; a mark that would fall in cell 1 or
// before is not placed. A signal puts its marks in the avviso of the cells 2,
// 4, 6 and 8 before its own, over whatever they hold.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "modello/modello.h"

namespace scenario {

bool con_fermata(const elemento& stazione);
bool con_marche_avvicinamento(const elemento& stazione);

// The cell of the station's stop mark, or nothing when it places none.
std::optional<int64_t> cella_fermata(const elemento& stazione);

// The cell of the station's approach mark n (1 to 4), or nothing when it
// places none.
std::optional<int64_t> cella_marca_stazione(const elemento& stazione, int n);

constexpr uint8_t marca_stazione(int n) { return static_cast<uint8_t>(80 + n); }

// The mark n (1 to 4) of a signal whose codes sx and dx make
// `codici` = sx × 3 + dx: the low 8 bits of codici × 10 + n.
uint8_t marca_segnale(int64_t codici, int n);

// Whether a signal that left `val4` in its cell can have written `avviso` as
// its mark n, for some value of rapp.
bool marca_di_segnale(int16_t val4, int n, uint8_t avviso);

// "in cell 5" or "in cells 5, 7 and 9", of cells listed from the last back,
// as a warning about replaced marks names them.
std::string nelle_celle(const std::vector<int64_t>& dall_ultima);

}  // namespace scenario
