#pragma once

#include <array>

#include "modello/modello.h"

namespace scenario {

// Where the train half's check of the progressives points, for records 81,
// 82 and 83 in that order: the start field, else the chainage field, of the
// row that the sort put in the record when that value is not a multiple of
// 50; the line description as a whole otherwise.
using luoghi_progressive = std::array<luogo_sorgente, 3>;

// Redistributes the three kilometric progressives of records 81 ("tre"),
// 82 ("due") and 83 ("uno"), each (start, chainage, flag) in inizio, fine,
// posizione, so that record 81 holds the one that begins furthest along the
// line and record 83 the first; then adds 100 to the chainage of every
// record whose flag is 1. Returns true when the order could not be told and
// all nine values were cleared.
bool progressive_ordina(modello& m);

}  // namespace scenario
