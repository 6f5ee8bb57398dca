// Writes src/disegno/metriche_carattere.cc: the advance of every character
// that a picture can show (those of Windows-1252, which the compiled files'
// texts come from, and the few that the pictures add) in DejaVu Sans and
// DejaVu Sans Bold, measured with cairo. The pictures lay out their text
// with this table alone, so that every build, with cairo or without, places
// a label at the same spot.
//
//   g++ -std=c++20 tools/misura_caratteri.cc $(pkg-config --cflags --libs cairo) \
//       -o /tmp/misura && /tmp/misura > src/disegno/metriche_carattere.cc

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>

namespace {

// The font's design grid: advances in its units are whole numbers.
constexpr double unita_em = 2048;

std::string utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

cairo_t* contesto(bool grassetto) {
  static cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(s);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         grassetto ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, unita_em);
  return cr;
}

long avanzamento(cairo_t* cr, char32_t c) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8(c).c_str(), &e);
  return std::lround(e.x_advance);
}

}  // namespace

int main() {
  std::set<char32_t> caratteri;
  for (char32_t c = 0x20; c < 0x7F; ++c) caratteri.insert(c);
  for (char32_t c = 0xA0; c <= 0xFF; ++c) caratteri.insert(c);
  for (char32_t c : {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                     0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                     0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178}) {
    caratteri.insert(c);
  }
  cairo_t* normale = contesto(false);
  cairo_t* grassetto = contesto(true);
  cairo_font_extents_t f;
  cairo_font_extents(normale, &f);
  std::printf(
      "// Written by tools/misura_caratteri.cc: do not edit.\n\n"
      "#include \"disegno/metriche_carattere.h\"\n\n"
      "namespace scenario {\n\n"
      "namespace {\n\n"
      "// By code point: the advance in DejaVu Sans, then in DejaVu Sans Bold.\n"
      "constexpr avanzamento_carattere avanzamenti[] = {\n");
  for (char32_t c : caratteri) {
    std::printf("    {0x%04X, %ld, %ld},\n", static_cast<unsigned>(c), avanzamento(normale, c),
                avanzamento(grassetto, c));
  }
  std::printf(
      "};\n\n"
      "}  // namespace\n\n"
      "const metriche_carattere metriche_dejavu_sans{%ld, %ld, %ld, avanzamenti};\n\n"
      "}  // namespace scenario\n",
      std::lround(unita_em), std::lround(f.ascent), std::lround(f.descent));
  cairo_destroy(normale);
  cairo_destroy(grassetto);
}
