#include <gtest/gtest.h>

#include "disegno/etichette.h"

#include <limits>

namespace scenario {
namespace {

const rettangolo pagina{0, 0, 1000, 700};

rettangolo marcatore(double x, double y) { return {x - 5, y - 5, x + 5, y + 5}; }

TEST(PosaEtichette, ALoneNameStandsRightOfItsMarker) {
  auto posate = posa_etichette({{100, 100, 60, 12}}, {marcatore(100, 100)}, {}, pagina);
  ASSERT_EQ(posate.size(), 1u);
  EXPECT_DOUBLE_EQ(posate[0].riquadro.x0, 108);
  EXPECT_DOUBLE_EQ(posate[0].riquadro.y0, 94);
  EXPECT_FALSE(posate[0].con_richiamo);
}

TEST(PosaEtichette, NamesOfMarkersCloseTogetherHideNoNameAndNoMarker) {
  // Six stations 6 units apart along a line, as at a junction: the names go
  // round them, farther out with a leader line where they must.
  std::vector<etichetta_da_posare> etichette;
  std::vector<rettangolo> marcatori;
  for (int k = 0; k < 6; ++k) {
    etichette.push_back({300.0 + 6 * k, 300.0 + 2 * k, 80, 12});
    marcatori.push_back(marcatore(300.0 + 6 * k, 300.0 + 2 * k));
  }
  auto posate = posa_etichette(etichette, marcatori, {}, pagina);
  ASSERT_EQ(posate.size(), etichette.size());
  bool richiamo = false;
  for (size_t i = 0; i < posate.size(); ++i) {
    richiamo = richiamo || posate[i].con_richiamo;
    for (size_t j = i + 1; j < posate.size(); ++j) {
      EXPECT_EQ(area_comune(posate[i].riquadro, posate[j].riquadro), 0) << i << " and " << j;
    }
    for (const rettangolo& m : marcatori) EXPECT_EQ(area_comune(posate[i].riquadro, m), 0) << i;
  }
  EXPECT_TRUE(richiamo);
}

TEST(PosaEtichette, ANameKeepsOffTheLineAndThePageEdgeWhereItCan) {
  // The line runs to the right of the marker, which stands at the right
  // edge of the page: the name goes above it, not across the line or off
  // the page.
  std::vector<rettangolo> tracciato;
  for (double x = 900; x < 1000; x += 4) tracciato.push_back({x - 1, 199, x + 1, 201});
  const rettangolo stretta{0, 0, 960, 700};
  auto posate = posa_etichette({{900, 200, 50, 12}}, {marcatore(900, 200)}, tracciato, stretta);
  const rettangolo& r = posate[0].riquadro;
  EXPECT_LE(r.x1, 960);
  for (const rettangolo& t : tracciato) EXPECT_EQ(area_comune(r, t), 0);
}

// Horizontal lines of the drawing, one every 6 units from y0, as the points
// that the names keep off.
std::vector<rettangolo> fascio(double y0, int linee) {
  std::vector<rettangolo> tracciato;
  for (int j = 0; j < linee; ++j) {
    for (double x = 0; x < 1000; x += 4) {
      tracciato.push_back({x - 1, y0 + 6 * j - 1, x + 1, y0 + 6 * j + 1});
    }
  }
  return tracciato;
}

TEST(PosaEtichette, ANameLeavesABundleOfLinesForTheNearestFreeSpotHoweverFar) {
  // Nine lines through the marker, 48 units across, as where a route passes
  // again and again: no spot of the three nearest rings is off them.
  const std::vector<rettangolo> tracciato = fascio(276, 9);
  auto posate = posa_etichette({{300, 300, 60, 12}}, {marcatore(300, 300)}, tracciato, pagina);
  const rettangolo& r = posate[0].riquadro;
  for (const rettangolo& t : tracciato) ASSERT_EQ(area_comune(r, t), 0);
  EXPECT_TRUE(posate[0].con_richiamo);
  // Just above the bundle, on the fourth ring.
  EXPECT_DOUBLE_EQ(r.y1, 300 - 4 * 8);
}

TEST(PosaEtichette, ANameThatMayBeLeftOutTakesOnlyAFreeSpotBesideItsMarker) {
  const struct {
    const char* caso;
    std::vector<rettangolo> ostacoli, tracciato;
    std::vector<etichetta_da_posare> prima;  // names placed before it
    bool posata;
  } casi[] = {
      {"free", {}, {}, {}, true},
      {"beside a line", {}, fascio(100, 1), {}, true},
      {"beside a name", {}, {}, {{100, 100, 14, 10, 6}}, true},
      {"in a bundle of lines", {}, fascio(76, 9), {}, false},
      {"among markers", {{80, 80, 120, 120}}, {}, {}, false},
  };
  for (const auto& c : casi) {
    std::vector<etichetta_da_posare> etichette = c.prima;
    etichette.push_back({100, 100, 14, 10, 6, true});
    auto posate = posa_etichette(etichette, c.ostacoli, c.tracciato, pagina);
    const etichetta_posata& p = posate.back();
    EXPECT_EQ(p.posata, c.posata) << c.caso;
    EXPECT_FALSE(p.con_richiamo) << c.caso;
    if (!p.posata) continue;
    for (const rettangolo& t : c.tracciato) EXPECT_EQ(area_comune(p.riquadro, t), 0) << c.caso;
    for (size_t k = 0; k + 1 < posate.size(); ++k) {
      EXPECT_EQ(area_comune(p.riquadro, posate[k].riquadro), 0) << c.caso;
    }
  }
}

TEST(PosaEtichette, AMarkerNotAtANumberGetsNoNameAndHidesNone) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  auto posate = posa_etichette({{nan, 100, 60, 12}, {100, nan, 60, 12}, {100, 100, 60, 12}},
                               {{nan, nan, nan, nan}}, {{nan, 0, 1, 1}}, pagina);
  EXPECT_FALSE(posate[0].posata);
  EXPECT_FALSE(posate[1].posata);
  EXPECT_TRUE(posate[2].posata);
  EXPECT_DOUBLE_EQ(posate[2].riquadro.x0, 108);
}

TEST(DistribuisciInFila, SpreadsOnlyWhatIsTooCloseAndStaysInTheRow) {
  const struct {
    std::vector<double> x;
    double minimo, massimo;
    std::vector<double> atteso;
  } casi[] = {
      {{0, 20, 50}, -100, 100, {0, 20, 50}},          // far enough apart
      {{10, 10}, -100, 100, {5, 15}},                 // spread evenly round their place
      {{0, 40, 41, 42}, -100, 100, {0, 31, 41, 51}},  // only the crowded ones move
      {{0, 1}, 0, 100, {0, 10}},                      // held at the start of the row
      {{99, 100}, 0, 100, {90, 100}},                 // and at its end
      {{50, 50, 50}, 0, 15, {0, 10, 20}},             // a row too short starts at its start
      {{}, 0, 100, {}},
  };
  for (const auto& c : casi) {
    std::vector<double> p = distribuisci_in_fila(c.x, 10, c.minimo, c.massimo);
    ASSERT_EQ(p.size(), c.atteso.size());
    for (size_t k = 0; k < p.size(); ++k) EXPECT_NEAR(p[k], c.atteso[k], 1e-9) << k;
  }
}

TEST(DistribuisciInFila, EachPositionStaysWithinABoundOfItsOwn) {
  const struct {
    std::vector<double> x, massimi;
    std::vector<double> atteso;
  } casi[] = {
      {{0, 30, 60}, {100, 100, 45}, {0, 30, 45}},    // only the one past its bound moves
      {{90, 95, 98}, {100, 100, 70}, {50, 60, 70}},  // a tight last bound pushes all before it
      {{10, 10}, {0, 110}, {0, 10}},                 // the next one moves only as spacing needs
      {{50, 50, 50}, {15, 15, 15}, {0, 10, 20}},     // a row too short starts at its start
      {{}, {}, {}},
  };
  for (const auto& c : casi) {
    std::vector<double> p = distribuisci_in_fila(c.x, 10, 0, c.massimi);
    ASSERT_EQ(p.size(), c.atteso.size());
    for (size_t k = 0; k < p.size(); ++k) EXPECT_NEAR(p[k], c.atteso[k], 1e-9) << k;
  }
}

}  // namespace
}  // namespace scenario
