#pragma once

// A line of many points reduced to the few that a page can tell apart.

#include <span>
#include <vector>

#include "disegno/tela.h"

namespace scenario {

// The points of `linea` that keep it within `tolleranza` of where it was:
// the first and the last always; of a run of points closer together than a
// quarter of the tolerance, the first; and then (Douglas-Peucker) between two
// kept points the farthest one whenever it lies farther than the other three
// quarters from the segment that joins them. The line is taken in stretches of a bounded
// number of points, so that no line costs more than a multiple of its
// length. Distances are compared squared, without roots, so that every
// build keeps the same points.
std::vector<punto> semplifica(std::span<const punto> linea, double tolleranza);

}  // namespace scenario
