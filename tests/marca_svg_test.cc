#include "disegno/marca_svg.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario {
namespace {

// Cairo writes colours as percentages; a path in a marker colour, filled or
// stroked, gets its kind, counted per kind; any other element is left as it is.
TEST(MarcaSvg, APathInAMarkerColourGetsItsKindAndANumber) {
  const struct {
    std::string svg, atteso;
  } casi[] = {
      {R"s(<path style="fill:rgb(80%,0%,20%)"/>)s",
       R"s(<path class="stazione" id="stazione-1" style="fill:rgb(80%,0%,20%)"/>)s"},
      {R"s(<path style="stroke:rgb(0%,40%,80%)"/><path style="stroke:rgb(0%,40%,80%)"/>)s",
       R"s(<path class="segnale" id="segnale-1" style="stroke:rgb(0%,40%,80%)"/>)s"
       R"s(<path class="segnale" id="segnale-2" style="stroke:rgb(0%,40%,80%)"/>)s"},
      {R"s(<path style="fill:rgb(30%,30%,30%)"/><path style="fill:rgb(40%,0%,60%)"/>)s",
       R"s(<path class="galleria" id="galleria-1" style="fill:rgb(30%,30%,30%)"/>)s"
       R"s(<path class="punto_codice" id="punto_codice-1" style="fill:rgb(40%,0%,60%)"/>)s"},
      // A legend's shade and the inks are no kind.
      {R"s(<path style="fill:rgb(79.2%,0%,19.8%)"/><path style="fill:rgb(10%,10%,10%)"/>)s",
       R"s(<path style="fill:rgb(79.2%,0%,19.8%)"/><path style="fill:rgb(10%,10%,10%)"/>)s"},
      {R"s(<rect style="fill:rgb(80%,0%,20%)"/>)s", R"s(<rect style="fill:rgb(80%,0%,20%)"/>)s"},
      // A path cut off before its end is copied as it is.
      {R"s(<path style="fill:rgb(80%,0%,20%)")s", R"s(<path style="fill:rgb(80%,0%,20%)")s"},
  };
  for (const auto& c : casi) EXPECT_EQ(marca_generi(c.svg), c.atteso) << c.svg;
}

}  // namespace
}  // namespace scenario
