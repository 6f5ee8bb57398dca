#include "compilazione/planimetria.h"

#include <gtest/gtest.h>

#include <cmath>

#include "modello/numeri_errore.h"

namespace scenario {
namespace {

struct piano {
  modello m;
  int32_t metro = 2;
  explicit piano(int32_t lunghezza) {
    m.scrivi_planimetria = 1;
    dimensiona(m, lunghezza);
    semina_planimetria(m);
  }
  double x(int32_t metro) const { return std::get<double>(m.planimetria[0][metro]); }
  double y(int32_t metro) const { return std::get<double>(m.planimetria[1][metro]); }
  bool vuoto(int32_t metro) const {
    return std::holds_alternative<std::monostate>(m.planimetria[0][metro]) &&
           std::holds_alternative<std::monostate>(m.planimetria[1][metro]);
  }
};

TEST(Planimetria, ClassAndSideOfACurve) {
  const struct {
    const char* parola;
    double k;
  } casi[] = {
      {"curvad1", 0.0001},  {"curvad2", 0.0002},  {"curvad3", 0.0004},
      {"curvad4", 0.001},   {"curvad5", 0.002},   {"curvad6", 0.003},
      {"curvas6", -0.003},  {"CURVAS6", -0.003},  {"curvad53", 0.0004},
      {"curvad35", 0.0004}, {"curvas1", -0.0001}, {"curvad destra 2", -0.0002},
  };
  for (const auto& c : casi) {
    ASSERT_TRUE(curvatura(c.parola).has_value()) << c.parola;
    EXPECT_EQ(*curvatura(c.parola), c.k) << c.parola;
  }
  EXPECT_FALSE(curvatura("curvad").has_value());
  EXPECT_FALSE(curvatura("curvas7").has_value());
}

TEST(Planimetria, WithoutCurvesTheLineIsStraight) {
  piano p(0);
  coda_planimetria(p.m, p.metro);
  EXPECT_EQ(p.m.planimetria[0][0], valore_planimetria(int16_t{0}));
  EXPECT_EQ(p.m.planimetria[1][0], valore_planimetria(int16_t{0}));
  EXPECT_EQ(p.m.planimetria[0][1], valore_planimetria(int16_t{0}));
  EXPECT_EQ(p.m.planimetria[1][1], valore_planimetria(int16_t{1}));
  for (int32_t metro = 2; metro <= 6998; ++metro) {
    ASSERT_EQ(p.x(metro), 0.0) << metro;
    ASSERT_EQ(p.y(metro), metro) << metro;
  }
  EXPECT_TRUE(p.vuoto(6999));
  EXPECT_TRUE(p.vuoto(7000));
  EXPECT_EQ(p.metro, 6999);
}

// The first turning metre from a straight heading along the second
// coordinate moves the first coordinate by k exactly.
TEST(Planimetria, OneMetreOfCurve) {
  for (const char* parola : {"curvad6", "curvas6", "CURVAS6"}) {
    piano p(0);
    ASSERT_TRUE(memo_curva(p.m, p.metro, 10, 1, parola));
    EXPECT_EQ(p.x(10), 0.0) << parola;
    EXPECT_EQ(p.y(10), 10.0) << parola;
    EXPECT_EQ(p.x(11), *curvatura(parola)) << parola;
    EXPECT_EQ(p.y(11), 11.0) << parola;
    EXPECT_EQ(p.metro, 12) << parola;
    EXPECT_TRUE(p.vuoto(12)) << parola;
  }
}

// Each turning metre turns the step by atan(k) and lengthens it by
// sqrt(1 + k*k): after the first built-in curve, 350 metres at 0.003 to the
// left, the step has turned by 350 * atan(0.003).
TEST(Planimetria, TheFirstBuiltInCurves) {
  piano p(103000);
  ASSERT_TRUE(memo_curva(p.m, p.metro, 550, 350, "curvas6"));
  for (int32_t metro = 2; metro <= 550; ++metro) {
    ASSERT_EQ(p.x(metro), 0.0) << metro;
    ASSERT_EQ(p.y(metro), metro) << metro;
  }
  EXPECT_EQ(p.x(551), -0.003);
  for (int32_t metro = 552; metro <= 900; ++metro) ASSERT_LT(p.x(metro), p.x(metro - 1)) << metro;
  double angolo = 350 * std::atan(0.003);
  double lunghezza = std::pow(1 + 0.003 * 0.003, 350 / 2.0);
  EXPECT_NEAR(p.x(900) - p.x(899), -lunghezza * std::sin(angolo), 1e-12);
  EXPECT_NEAR(p.y(900) - p.y(899), lunghezza * std::cos(angolo), 1e-12);
  EXPECT_TRUE(p.vuoto(901));
  // The next curve turns right from its first metre.
  ASSERT_TRUE(memo_curva(p.m, p.metro, 900, 100, "curvad5"));
  double d0 = p.x(900) - p.x(899), d1 = p.y(900) - p.y(899);
  EXPECT_EQ(p.x(901), p.x(900) + d0 + 0.002 * d1);
  EXPECT_EQ(p.y(901), p.y(900) + d1 - 0.002 * d0);
  EXPECT_EQ(p.metro, 1001);
  // Bit for bit, as an independent evaluation of the same formulas in IEEE
  // double, left to right and without fused operations, gives them.
  EXPECT_EQ(p.x(900), -0x1.502a601fba21cp+7);
  EXPECT_EQ(p.y(900), 0x1.a38c1df2cca98p+9);
  EXPECT_EQ(p.x(1000), -0x1.f2bba10dce741p+7);
  EXPECT_EQ(p.y(1000), 0x1.c0ac3386db1c4p+9);
}

// A curve that begins behind the plan turns only from where the plan is; one
// that ends behind it changes nothing.
TEST(Planimetria, CurvesOutOfOrder) {
  piano p(0);
  ASSERT_TRUE(memo_curva(p.m, p.metro, 100, 100, "curvad6"));
  piano q(0);
  ASSERT_TRUE(memo_curva(q.m, q.metro, 100, 100, "curvad6"));
  ASSERT_TRUE(memo_curva(p.m, p.metro, 150, 100, "curvas1"));
  ASSERT_TRUE(memo_curva(q.m, q.metro, 200, 50, "curvas1"));
  for (int32_t metro = 2; metro <= 250; ++metro) {
    ASSERT_EQ(p.x(metro), q.x(metro)) << metro;
    ASSERT_EQ(p.y(metro), q.y(metro)) << metro;
  }
  ASSERT_TRUE(memo_curva(p.m, p.metro, 50, 100, "curvad2"));
  EXPECT_EQ(p.metro, 251);
  EXPECT_TRUE(p.vuoto(251));
}

TEST(Planimetria, CurvesThatCannotBeDrawn) {
  {
    piano p(0);
    EXPECT_FALSE(memo_curva(p.m, p.metro, 100, 50, "curvad"));
    EXPECT_EQ(p.m.n_errore, numero_errore::curva_errata);
    EXPECT_EQ(p.metro, 2);
  }
  {
    // Past the last metre of the plan: drawn up to it, clipped there.
    piano p(0);
    EXPECT_TRUE(memo_curva(p.m, p.metro, 6900, 500, "curvad1"));
    EXPECT_EQ(p.m.n_errore, 0);
    ASSERT_EQ(p.m.diagnostiche.size(), 1u);
    EXPECT_EQ(p.m.diagnostiche[0].numero, numero_avviso::curva_tagliata);
    EXPECT_EQ(p.metro, 7001);
    EXPECT_FALSE(p.vuoto(7000));
    EXPECT_EQ(p.m.planimetria[0].size(), 7001u);
  }
  {
    // Past metre 1000000.
    piano p(1000000);
    EXPECT_FALSE(memo_curva(p.m, p.metro, 999000, 5000, "curvad1"));
    EXPECT_EQ(p.m.n_errore, numero_errore::curva_errata);
    EXPECT_EQ(p.metro, 1000001);
    EXPECT_FALSE(p.vuoto(1000000));
    EXPECT_TRUE(p.vuoto(1000001));
  }
}

}  // namespace
}  // namespace scenario
