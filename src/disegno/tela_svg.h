#pragma once

// The SVG writer: every shape an SVG element, every text a <text> that a
// reader can search and select, each item of a kind in a group with the kind
// as its class and an id. Numbers are written with two decimals at most, by
// the standard library's own conversion, so that the same page gives the
// same bytes in every build.

#include <string>

#include "disegno/tela.h"

namespace scenario {

std::string svg_della_pagina(const pagina_disegno& pagina);

// `v` with at most two decimals, no trailing zeros, "0" for a value that is
// not a finite number.
std::string numero_svg(double v);

}  // namespace scenario
