#pragma once

// Line and train descriptions of any length with the item density of a busy
// line, for measuring how the cost of a run grows with the route.

#include <cstdint>
#include <string>

namespace scenario::banco {

struct descrizione_sintetica {
  std::string linea;
  std::string treno;
};

// A route of `lunghezza` metres (a multiple of 10000) made of 10 km blocks,
// each with 4 curves, 5 gradient changes, 2 speed indicator boards, 5
// signals, 1 slow-down, 1 code point and 2 speed and adhesion changes; a
// station every 50 km, a sign board every 25 km, a tunnel every 100 km. It
// compiles without any recorded error.
descrizione_sintetica crea_descrizione(int32_t lunghezza);

}  // namespace scenario::banco
