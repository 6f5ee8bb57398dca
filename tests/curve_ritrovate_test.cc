#include "ispezione/curve_ritrovate.h"

#include <gtest/gtest.h>

#include "scenario_di_prova.h"

namespace scenario {
namespace {

// The curves found in the plan are the curve rows that drew it.
TEST(CurveRitrovate, CurvesRecoveredFromThePlanAreTheRowsThatMadeIt) {
  auto m = prova::scenario_minuscolo();
  std::vector<curva_ritrovata> curve = curve_ritrovate(*m);
  ASSERT_EQ(curve.size(), 2u);
  EXPECT_EQ(curve[0].inizio, 300);
  EXPECT_EQ(curve[0].lunghezza, 200);
  EXPECT_EQ(curve[0].k, -0.003);
  EXPECT_EQ(curve[0].classe, 6);
  EXPECT_EQ(curve[0].lato, 's');
  EXPECT_EQ(curve[1].inizio, 1200);
  EXPECT_EQ(curve[1].lunghezza, 400);
  EXPECT_EQ(curve[1].k, 0.0004);
  EXPECT_EQ(curve[1].classe, 3);
  EXPECT_EQ(curve[1].lato, 'd');

  // The built-in line: 42 curve rows, back to back in places.
  auto predefinito = prova::scenario_predefinito();
  std::vector<curva_ritrovata> tutte = curve_ritrovate(*predefinito);
  ASSERT_FALSE(tutte.empty());
  EXPECT_EQ(tutte[0].inizio, 550);
  EXPECT_EQ(tutte[0].lunghezza, 350);
  EXPECT_EQ(tutte[0].classe, 6);
  EXPECT_EQ(tutte[1].inizio, 900);
  EXPECT_EQ(tutte[1].lunghezza, 100);
  EXPECT_EQ(tutte[1].classe, 5);
  EXPECT_EQ(tutte[1].lato, 'd');
  for (const curva_ritrovata& c : tutte) EXPECT_NE(c.classe, 0) << c.inizio;
}

}  // namespace
}  // namespace scenario
