#pragma once

#include <string>

namespace scenario {

// In SVG every item drawn carries its kind as a class, and an id: cairo's SVG
// surface has no place for them, so the paths painted in a kind's marker
// colour (generi_disegnati.h) get class="<kind>" id="<kind>-<n>" once cairo
// has written the file, n counting from 1 in the file's order.
std::string marca_generi(const std::string& svg);

}  // namespace scenario
