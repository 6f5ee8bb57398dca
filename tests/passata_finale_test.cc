#include "compilazione/passata_finale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace scenario {
namespace {

// Kinds written short, as they stand on a grid drawing.
constexpr uint8_t S = tipo_cella::segnale;
constexpr uint8_t F = tipo_cella::fine_rallentamento;
constexpr uint8_t I = tipo_cella::inizio_rallentamento;
constexpr uint8_t A = tipo_cella::avviso_rallentamento;
constexpr uint8_t G = tipo_cella::marca_galleria;
constexpr uint8_t P = tipo_cella::punto_codice;
constexpr uint8_t X = tipo_cella::cartello;  // any item that takes a cell

struct voce {
  int32_t cella;
  uint8_t tipo;
  int16_t val1 = 0;
};

struct caso {
  const char* nome;
  int32_t n_celle;
  std::vector<voce> prima;
  // Cells that end as code points with code 180; every other cell must come
  // out as it went in.
  std::vector<int32_t> punti;
  int32_t n_errore = 0;
  int32_t pos_errore = 0;
};

// Every cell carries a gradient and an adhesion, so that a point placed over
// them shows whether it kept the rest of the cell.
std::vector<cella> griglia(int32_t n_celle, const std::vector<voce>& voci) {
  std::vector<cella> celle(static_cast<size_t>(n_celle) + 1);
  for (cella& c : celle) {
    c.pendenza = 100;
    c.aderenza = 70;
  }
  for (const voce& v : voci) {
    celle[v.cella].tipo = v.tipo;
    celle[v.cella].val1 = v.val1;
  }
  return celle;
}

std::string descrivi(const cella& c) {
  std::ostringstream s;
  s << "tipo " << int{c.tipo} << " val1 " << c.val1 << " val2 " << c.val2 << " val3 " << c.val3
    << " val4 " << c.val4 << " tempo " << int{c.tempo} << " avviso " << int{c.avviso}
    << " galleria " << int{c.galleria} << " vel_max " << int{c.vel_max} << " pendenza "
    << int{c.pendenza} << " aderenza " << int{c.aderenza};
  return s.str();
}

const caso casi[] = {
    {"warning point in cell 3 starts no search", 200, {{3, A}, {2, S}}, {}},
    {"warning point in cell 4 treats a signal in cell 3", 200, {{4, A}, {3, S}}, {2}},
    {"every signal up to 20 cells before a warning point, none farther",
     200,
     {{40, A}, {30, S}, {20, S}, {17, S}},
     {29, 19}},
    {"a tunnel marker before a signal counts as free", 200, {{40, A}, {30, S}, {29, G}}, {29}},
    {"cell before the signal taken: the one before it", 200, {{40, A}, {30, S}, {29, X}}, {28}},
    {"existing code 270 before the signal lowered to 180",
     200,
     {{40, A}, {30, S}, {29, P, 270}, {28, X}},
     {29}},
    {"existing code 120 before the signal kept",
     200,
     {{40, A}, {30, S}, {29, P, 120}, {28, X}},
     {}},
    {"existing code 270 two cells before the signal lowered",
     200,
     {{40, A}, {30, S}, {29, X}, {28, P, 270}},
     {28}},

    {"start in cell 7 gets no group", 200, {{7, I, 110}}, {}},
    {"start in cell 8 gets group 1 in cell 3", 200, {{8, I, 110}}, {3}},
    {"start in cell 8 with cells 3 and 2 taken uses cell 1",
     200,
     {{8, I, 110}, {3, X}, {2, X}},
     {1}},
    {"110 km/h: groups ahead, nothing inside, B3 from its own end",
     200,
     {{100, I, 110}, {130, F, 110}, {135, S}},
     {95, 89, 82, 134}},
    {"60 km/h from cell 100 to cell 130",
     200,
     {{100, I, 60}, {130, F, 60}},
     {95, 89, 82, 108, 116, 124}},
    {"B3 finds a signal in cell 142, the last of its window",
     200,
     {{100, I, 60}, {130, F, 60}, {142, S}},
     {95, 89, 82, 108, 116, 124, 141}},
    {"a signal in cell 143 lies beyond B3's window",
     200,
     {{100, I, 60}, {130, F, 60}, {143, S}},
     {95, 89, 82, 108, 116, 124}},
    {"B3 takes the second cell before the signal",
     200,
     {{100, I, 60}, {130, F, 60}, {135, S}, {134, X}},
     {95, 89, 82, 108, 116, 124, 133}},
    {"a point moved one cell back moves the rhythm back",
     200,
     {{100, I, 60}, {140, F, 60}, {108, X}},
     {95, 89, 82, 107, 115, 123, 131, 139}},
    {"a point moved one cell forward moves the rhythm forward",
     200,
     {{100, I, 60}, {140, F, 60}, {108, X}, {107, X}},
     {95, 89, 82, 109, 117, 125, 133}},
    {"a start that overwrote its own end walks on to the next end mark",
     200,
     {{100, I, 60}, {150, I, 110}, {170, F, 110}},
     {95, 89, 82, 108, 116, 124, 132, 140, 148, 156, 164, 145, 139, 131}},

    {"B2 stops at the last cell when it meets no end mark",
     150,
     {{130, I, 60}},
     {125, 119, 112, 138, 146}},
    {"B2's forward alternative stops at the last cell",
     150,
     {{142, I, 60}, {150, X}, {149, X}},
     {137, 131, 124},
     13,
     7500},
    {"B3's window stops at the last cell",
     150,
     {{120, I, 60}, {145, F, 60}, {150, S}},
     {115, 109, 102, 128, 136, 144, 149}},
    {"110 km/h after a warning point: B3 from its end, not from the warning's count",
     200,
     {{60, A}, {25, S}, {100, I, 110}, {120, F, 110}, {125, S}},
     {95, 89, 82, 124}},
    {"110 km/h without an end mark: no B3", 200, {{60, A}, {25, S}, {100, I, 110}}, {95, 89, 82}},
    {"a start in the last but one cell is not examined", 150, {{149, I, 110}}, {}},

    {"error 11: both cells before the signal taken, no code point",
     200,
     {{40, A}, {30, S}, {29, X}, {28, X}},
     {},
     11,
     1500},
    {"error 12: a full group, the other groups still placed",
     200,
     {{100, I, 110}, {95, X}, {94, X}, {93, X}},
     {89, 82},
     12,
     5000},
    {"error 13 inside a slow-down: no further point in it",
     200,
     {{100, I, 60}, {130, F, 60}, {107, X}, {108, X}, {109, X}},
     {95, 89, 82},
     13,
     5400},
    {"error 13 after a slow-down: the end cell's position",
     200,
     {{100, I, 60}, {130, F, 60}, {135, S}, {134, X}, {133, X}},
     {95, 89, 82, 108, 116, 124},
     13,
     6500},
    {"a later error replaces an earlier one",
     200,
     {{40, A}, {30, S}, {29, X}, {28, X}, {100, I, 110}, {95, X}, {94, X}, {93, X}},
     {89, 82},
     12,
     5000},
};

TEST(PassataFinale, SmallGrids) {
  for (const caso& c : casi) {
    modello m;
    m.n_celle = c.n_celle;
    m.celle = griglia(c.n_celle, c.prima);
    std::vector<voce> attese = c.prima;
    for (int32_t p : c.punti) attese.push_back({p, P, 180});
    std::vector<cella> attesa = griglia(c.n_celle, attese);

    EXPECT_NO_THROW(passata_finale(m)) << c.nome;

    ASSERT_EQ(m.celle.size(), attesa.size()) << c.nome;
    for (size_t i = 0; i < attesa.size(); ++i) {
      EXPECT_EQ(descrivi(m.celle[i]), descrivi(attesa[i])) << c.nome << ", cell " << i;
    }
    EXPECT_EQ(m.n_errore, c.n_errore) << c.nome;
    EXPECT_EQ(m.pos_errore, c.pos_errore) << c.nome;
  }
}

TEST(PassataFinale, AModelWithoutGridIsLeftAlone) {
  modello m;
  passata_finale(m);
  EXPECT_FALSE(m.griglia_dimensionata());
  EXPECT_EQ(m.n_errore, 0);
}

TEST(PassataFinale, MinimoGivesTheFirstOnATie) {
  EXPECT_EQ(minimo(180, 270), 180);
  EXPECT_EQ(minimo(180, 120), 120);
  EXPECT_FALSE(std::signbit(minimo(0.0, -0.0)));
  EXPECT_TRUE(std::signbit(minimo(-0.0, 0.0)));
}

}  // namespace
}  // namespace scenario
