#pragma once

// The track plan, one point per metre, built by stepping along the line and
// turning a little at every metre of a curve.

#include <cstdint>
#include <optional>
#include <string_view>

#include "compilazione/lettore_campi.h"
#include "modello/modello.h"

namespace scenario {

// The turn per metre of a curve keyword: the first of the class digits 1 to 6
// found in it sets the amount, an "s" anywhere in it (either case) makes it a
// left turn, negative. No class digit gives nothing.
std::optional<double> curvatura(std::string_view parola);

// Metres 0 and 1: the line starts at the origin heading along the second
// coordinate. The plan must be sized.
void semina_planimetria(modello& m);

// A curve row: straight from `metro` up to metre s, then turning up to
// metre s + l. Returns false after recording error 103, without a position:
// at `campo_parola` for a keyword without class digit, at `campo_lunghezza`
// for the plan running past metre 1000000; the points computed until then
// stay. A curve that runs past the plan's last metre is drawn up to it and
// warned of (curva_tagliata) at `campo_lunghezza`.
bool memo_curva(modello& m, int32_t& metro, int32_t s, int32_t l, std::string_view parola,
                const campo_letto& campo_parola = {}, const campo_letto& campo_lunghezza = {});

// Straight from `metro` up to metre metri_totali - 2.
void coda_planimetria(modello& m, int32_t& metro);

}  // namespace scenario
