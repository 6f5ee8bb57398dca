#include "model/modello.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(Modello, SizingRoundsTheLastCellToEven) {
  const struct {
    int32_t lunghezza;
    int32_t metri_totali;
    int32_t n_celle;
  } casi[] = {{103000, 110000, 2200}, {25, 7025, 140}, {75, 7075, 142}, {0, 7000, 140}};
  for (const auto& c : casi) {
    modello m;
    m.scrivi_planimetria = 1;
    dimensiona(m, c.lunghezza);
    EXPECT_EQ(m.metri_totali, c.metri_totali) << c.lunghezza;
    EXPECT_EQ(m.n_celle, c.n_celle) << c.lunghezza;
    EXPECT_EQ(m.celle.size(), static_cast<size_t>(c.n_celle) + 1);
    EXPECT_EQ(m.planimetria[1].size(), static_cast<size_t>(c.metri_totali) + 1);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(m.planimetria[0].back()));
  }
}

TEST(Modello, SizingWithoutPlanLeavesThePlanEmptyAndResizingDiscards) {
  modello m;
  m.scrivi_planimetria = 1;
  dimensiona(m, 1000);
  m.celle[3].tipo = tipo_cella::segnale;
  m.scrivi_planimetria = 0;
  dimensiona(m, 1000);
  EXPECT_TRUE(m.planimetria[0].empty());
  EXPECT_EQ(m.celle[3].tipo, 0);
}

TEST(Modello, InitialisedElementsAreEmpty) {
  modello m;
  m.elementi[85].testo = "x";
  m.elementi[3].orario = 7;
  inizializza_elementi(m);
  for (const elemento& e : m.elementi) {
    EXPECT_TRUE(e.testo.empty());
    EXPECT_EQ(e.orario, 0);
  }
  EXPECT_EQ(m.elementi.size(), 87u);
}

TEST(Modello, OnlyEmptyCellsAndTunnelMarkersAreFree) {
  for (int tipo = 0; tipo < 256; ++tipo) {
    cella c;
    c.tipo = static_cast<uint8_t>(tipo);
    EXPECT_EQ(cella_libera(c), tipo == 0 || tipo == 11) << tipo;
  }
}

}  // namespace
}  // namespace scenario
