#include "disegno/semplifica.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace scenario {
namespace {

// The distance from p to the polyline `linea`.
double distanza(punto p, const std::vector<punto>& linea) {
  double migliore = 1e300;
  for (size_t k = 0; k + 1 < linea.size(); ++k) {
    const punto a = linea[k], b = linea[k + 1];
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    migliore = std::min(migliore, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
  }
  return migliore;
}

TEST(Semplifica, KeepsEveryPointWithinTheToleranceWithFewPoints) {
  const struct {
    const char* nome;
    std::vector<punto> linea;
    size_t al_piu;
  } casi[] = {
      {"a straight line", [] {
         std::vector<punto> l;
         for (int k = 0; k <= 5000; ++k) l.push_back({k * 0.01, k * 0.02});
         return l;
       }(), 6},
      {"an arc of 300 m drawn at 0.02 points per metre", [] {
         std::vector<punto> l;
         for (int k = 0; k <= 3000; ++k) {
           const double a = k / 3000.0 * std::numbers::pi;
           l.push_back({300 * 0.02 * std::cos(a), 300 * 0.02 * std::sin(a)});
         }
         return l;
       }(), 40},
      {"a line that turns back on itself", [] {
         std::vector<punto> l;
         for (int k = 0; k <= 100; ++k) l.push_back({k * 1.0, 0});
         for (int k = 99; k >= 0; --k) l.push_back({k * 1.0, 0});
         return l;
       }(), 4},
  };
  for (const auto& c : casi) {
    const std::vector<punto> s = semplifica(c.linea, 0.1);
    EXPECT_LE(s.size(), c.al_piu) << c.nome;
    EXPECT_EQ(s.front().x, c.linea.front().x) << c.nome;
    EXPECT_EQ(s.back().y, c.linea.back().y) << c.nome;
    for (const punto& p : c.linea) ASSERT_LE(distanza(p, s), 0.1 + 1e-9) << c.nome;
  }
}

TEST(Semplifica, AZigzagOfManyCornersIsKeptWhole) {
  // Every corner stands out of the line: nothing may go, and the stretches
  // keep the work to a multiple of the length.
  std::vector<punto> l;
  for (int k = 0; k < 200000; ++k) l.push_back({k * 1.0, (k % 2) * 1.0});
  const std::vector<punto> s = semplifica(l, 0.1);
  EXPECT_EQ(s.size(), l.size());
  EXPECT_TRUE(semplifica(std::vector<punto>{}, 0.1).empty());
  EXPECT_EQ(semplifica(std::vector<punto>{{1, 2}}, 0.1).size(), 1u);
}

}  // namespace
}  // namespace scenario
