#include "disegno/pianta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <sstream>

#include "disegno/etichette.h"
#include "disegno/pagina.h"
#ifdef DISEGNO_CON_CAIRO
#include "disegno/tela_cairo.h"
#endif
#include "disegno/tela_svg.h"
#include "scenari_disegnati.h"
#include "scritte_svg.h"

namespace scenario {
namespace {

std::string svg_pianta(const modello& m, const oggetti_linea& o) {
  return svg_della_pagina(pagina_pianta(m, o));
}

// A model whose plan runs through `punti`, one a metre, empty where a
// coordinate is not given.
std::unique_ptr<modello> piano_di(const std::vector<std::pair<double, double>>& punti) {
  auto m = std::make_unique<modello>();
  inizializza_elementi(*m);
  m->elementi[elemento_testata_percorso].testo = "Prova";
  m->elementi[elemento_testata_treno].testo = "1";
  for (auto& c : m->planimetria) c.dimensiona(punti.size());
  for (size_t k = 0; k < punti.size(); ++k) {
    m->planimetria[0].metti_reale(k, punti[k].first);
    m->planimetria[1].metti_reale(k, punti[k].second);
  }
  return m;
}

std::vector<std::pair<double, double>> retta(double dx, double dy, int metri) {
  std::vector<std::pair<double, double>> punti;
  for (int k = 0; k < metri; ++k) punti.emplace_back(dx * k, dy * k);
  return punti;
}

punto sulla_pagina(const modello& m, const trasformazione_pianta& t, size_t metro) {
  return {t.pagina_x(m.planimetria[0].numero(metro)), t.pagina_y(m.planimetria[1].numero(metro))};
}

TEST(PaginaPianta, EveryNameIsOnThePageAndOffEveryOtherAndTheStationsOffTheLine) {
  const struct {
    const char* nome;
    std::unique_ptr<modello> (*crea)();
  } casi[] = {{"built-in", prova::scenario_predefinito},
              {"1,000 km", prova::scenario_mille_km},
              {"branch line", prova::scenario_diramazione},
              {"tiny", prova::scenario_minuscolo}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const auto m = c.crea();
    const oggetti_linea o = oggetti_di(*m);
    const prova::pagina_svg p = prova::leggi_pagina_svg(svg_pianta(*m, o));
    ASSERT_TRUE(p.ben_formata);
    EXPECT_EQ(prova::scritte_in_conflitto(p), std::vector<std::string>{});
    // Each station's name is written, and where it crosses no metre of the
    // line: the route loops over itself, but there is room off it.
    const trasformazione_pianta t = impagina_pianta(*m, o).t;
    for (const auto& s : o.stazioni) {
      auto scritta = std::find_if(p.scritte.begin(), p.scritte.end(),
                                  [&](const auto& v) { return v.testo == s.nome; });
      ASSERT_NE(scritta, p.scritte.end()) << s.nome;
      const auto angoli = angoli_scritta(*scritta);
      const rettangolo r{angoli[0].x + 1, angoli[0].y + 1, angoli[2].x - 1, angoli[2].y - 1};
      for (size_t metro = 0; metro < m->planimetria[0].riempiti(); metro += 5) {
        const punto q = sulla_pagina(*m, t, metro);
        ASSERT_FALSE(q.x > r.x0 && q.x < r.x1 && q.y > r.y0 && q.y < r.y1)
            << s.nome << " covers metre " << metro;
      }
    }
  }
}

TEST(ImpaginaPianta, ThePageLiesAlongTheLineAndItsSideAcrossIsWhatTheDrawingNeeds) {
  // Straight lines of 5 km, each way: wider than tall is landscape, anything
  // else portrait.
  const struct {
    double dx, dy;
    bool orizzontale;
  } casi[] = {{1, 0, true},  {-1, 0.3, true}, {1, 0.999, true},
              {1, 1, false}, {0.3, 1, false}, {0, -1, false}};
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
    const auto m = piano_di(retta(c.dx, c.dy, 5000));
    oggetti_linea o;
    o.lunghezza = 4999;
    o.stazioni = {{0, "Capolinea di partenza"}, {2500, "Mezzavia"}, {4999, "Capolinea"}};
    const impaginazione_pianta imp = impagina_pianta(*m, o);
    const double lungo = c.orizzontale ? imp.larghezza : imp.altezza;
    const double corto = c.orizzontale ? imp.altezza : imp.larghezza;
    // As large as A3 allows, on a page no larger.
    EXPECT_TRUE(lungo == lato_lungo_a3 || corto == lato_corto_a3) << lungo << " × " << corto;
    EXPECT_LE(lungo, lato_lungo_a3);
    EXPECT_LE(corto, lato_corto_a3);
    EXPECT_LE(corto, lungo);
    // Both ends inside the page, clear of the title and the bands of the
    // scale bar and legend; the line's length along the page fills it.
    const punto a = sulla_pagina(*m, imp.t, 0), b = sulla_pagina(*m, imp.t, 4999);
    for (punto q : {a, b}) {
      EXPECT_GE(q.x, margine);
      EXPECT_LE(q.x, imp.larghezza - margine);
      EXPECT_GE(q.y, margine + altezza_titolo);
      EXPECT_LE(q.y, imp.altezza - margine - 40);
    }
    const double lungo_disegnato = c.orizzontale ? std::fabs(b.x - a.x) : std::fabs(b.y - a.y);
    EXPECT_GT(lungo_disegnato, lungo * 0.6);
    // The title, the scale bar and the legend fit the page cut to the line.
    const prova::pagina_svg p = prova::leggi_pagina_svg(svg_pianta(*m, o));
    EXPECT_EQ(prova::scritte_in_conflitto(p), std::vector<std::string>{});
  }
  // A line that runs one way is a strip of an A3 sheet no longer.
  const auto m = prova::scenario_predefinito();
  const impaginazione_pianta imp = impagina_pianta(*m, oggetti_di(*m));
  EXPECT_DOUBLE_EQ(imp.larghezza, lato_lungo_a3);
  EXPECT_LT(imp.altezza, lato_corto_a3 * 0.7);
}

TEST(PassoTacche, TheTicksStandComfortablyApart) {
  const struct {
    double scala;  // points per metre
    int32_t passo;
  } casi[] = {{0.1, 1000},     {0.04, 1000},
              {0.039, 5000},   {0.008, 5000},
              {0.0079, 10000}, {0.004, 10000},
              {0.001, 50000},  {0.0001, 100000},
              {0, 100000},     {std::numeric_limits<double>::quiet_NaN(), 100000}};
  for (const auto& c : casi) EXPECT_EQ(passo_tacche(c.scala), c.passo) << c.scala;
}

TEST(PaginaPianta, TheKilometresAlongTheRouteAreNumberedAtTheirStep) {
  const auto m = prova::scenario_predefinito();
  const oggetti_linea o = oggetti_di(*m);
  const int32_t passo = passo_tacche(impagina_pianta(*m, o).t.scala);
  const prova::pagina_svg p = prova::leggi_pagina_svg(svg_pianta(*m, o));
  std::vector<int> numeri;
  for (const scritta& s : p.scritte) {
    // The scale bar's "0" aside, the texts that are numbers are kilometres.
    if (s.testo == "0" || s.testo.find_first_not_of("0123456789") != std::string::npos) continue;
    numeri.push_back(std::stoi(s.testo));
  }
  for (int n : numeri) {
    EXPECT_EQ(n * 1000 % passo, 0) << n;
    EXPECT_GT(n, 0);
    EXPECT_LT(n * 1000, o.lunghezza);
  }
  // Some give way to the stations' names, most are written.
  EXPECT_GT(numeri.size(), static_cast<size_t>(o.lunghezza / passo / 2));
  EXPECT_EQ(std::set<int>(numeri.begin(), numeri.end()).size(), numeri.size());
}

TEST(PaginaPianta, ThePlanBeyondTheRoutesEndIsFadedAndInTheLegendOnlyWhenThereIsOne) {
  const auto m = prova::scenario_minuscolo();
  const oggetti_linea o = oggetti_di(*m);
  const int32_t metri = static_cast<int32_t>(m->planimetria[0].riempiti());
  ASSERT_GT(metri, o.lunghezza + 1000);
  const struct {
    int32_t lunghezza;
    bool sbiadita;
  } casi[] = {{o.lunghezza, true}, {metri - 1, false}, {metri + 5000, false}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.lunghezza);
    oggetti_linea con_fine = o;
    con_fine.lunghezza = c.lunghezza;
    const std::string svg = svg_pianta(*m, con_fine);
    const trasformazione_pianta t = impagina_pianta(*m, con_fine).t;
    const size_t tratteggio = svg.find("stroke-dasharray");
    EXPECT_EQ(tratteggio != std::string::npos, c.sbiadita);
    EXPECT_EQ(svg.find(">oltre la fine del percorso<") != std::string::npos, c.sbiadita);
    if (!c.sbiadita) continue;
    // The line stops at the route's end, where the faded part begins.
    const punto fine = sulla_pagina(*m, t, static_cast<size_t>(c.lunghezza));
    const std::string punto_fine = numero_svg(fine.x) + ' ' + numero_svg(fine.y);
    const size_t sbiadita = svg.rfind("<path d=\"M", tratteggio);
    EXPECT_EQ(svg.substr(sbiadita + 10, punto_fine.size() + 1), punto_fine + 'L');
    // The page is laid out for the route, and the faded part cut to it: 7 km
    // of plan beyond a route of 3 km would leave the route a corner.
    const impaginazione_pianta imp = impagina_pianta(*m, con_fine);
    std::istringstream punti(
        svg.substr(sbiadita + 10, svg.find('"', sbiadita + 10) - sbiadita - 10));
    std::string x, y;
    while (punti >> x >> y) {
      if (x[0] == 'L') x.erase(0, 1);
      EXPECT_TRUE(std::stod(x) >= 0 && std::stod(x) <= imp.larghezza) << x;
      EXPECT_TRUE(std::stod(y) >= 0 && std::stod(y) <= imp.altezza) << y;
    }
    const size_t linea = svg.rfind("<path d=\"M", svg.find("stroke-width=\"2\""));
    const std::string d = svg.substr(linea + 9, svg.find('"', linea + 9) - linea - 9);
    EXPECT_TRUE(d.ends_with(' ' + punto_fine)) << d;
  }
}

TEST(PaginaPianta, BoardsAreMarkedAndTheMarkersLieOverTheStartAndEndRings) {
  const auto m = prova::scenario_predefinito();
  const oggetti_linea o = oggetti_di(*m);
  ASSERT_FALSE(o.indicatori_velocita.empty());
  ASSERT_FALSE(o.cartelli.empty());
  const std::string svg = svg_pianta(*m, o);
  auto conta = [&](const std::string& classe) {
    size_t n = 0;
    for (size_t k = svg.find(classe); k != std::string::npos; k = svg.find(classe, k + 1)) ++n;
    return n;
  };
  EXPECT_EQ(conta("class=\"indicatore_velocita\""), o.indicatori_velocita.size());
  EXPECT_EQ(conta("class=\"cartello\""), o.cartelli.size());
  EXPECT_NE(svg.find("id=\"cartello-1\""), std::string::npos);
  for (const char* voce : {">stazione<", ">segnale<", ">indicatore di velocità<", ">cartello<"}) {
    EXPECT_NE(svg.find(voce), std::string::npos) << voce;
  }
  // The rings come first, so that a station at the start or the end shows.
  const size_t ultimo_anello = svg.rfind("r=\"9\"");
  ASSERT_NE(ultimo_anello, std::string::npos);
  for (const char* classe : {"class=\"stazione\"", "class=\"segnale\"", "class=\"cartello\"",
                             "class=\"indicatore_velocita\""}) {
    EXPECT_GT(svg.find(classe), ultimo_anello) << classe;
  }
}

TEST(PaginaPianta, AnyPlanDrawsOnAPageThatHoldsItsNames) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<std::pair<double, double>> con_buchi = retta(0.7, 0.3, 3000);
  for (size_t k = 1000; k < 1200; ++k) con_buchi[k] = {nan, 3};
  con_buchi[2000] = {inf, -inf};
  const struct {
    const char* nome;
    std::vector<std::pair<double, double>> punti;
    int32_t lunghezza;
  } casi[] = {
      {"no plan", {}, 3000},
      {"one metre", {{5, 5}}, 0},
      {"not numbers", {{nan, nan}, {nan, 1}}, 1},
      {"gaps", con_buchi, 2500},
      {"far apart", {{-1e308, 1e308}, {1e308, -1e308}, {0, 0}}, 2},
      {"far away", {{1e300, 1e300}, {1e300 + 1e285, 1e300}}, 1},
      {"route beyond the plan", retta(1, 0, 100), 2000000000},
      {"route before the plan", retta(1, 0, 100), -50},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.nome);
    const auto m = piano_di(c.punti);
    oggetti_linea o;
    o.lunghezza = c.lunghezza;
    o.stazioni = {{0, "Alfa"}, {1500, "Beta"}, {c.lunghezza, "Gamma"}};
    o.segnali = {-100, 10, 2400};
    o.cartelli = {{20, ""}};
    o.indicatori_velocita = {30};
    o.gallerie = {{1000, 1100}};
    const impaginazione_pianta imp = impagina_pianta(*m, o);
    for (double v : {imp.larghezza, imp.altezza, imp.t.scala, imp.t.x0, imp.t.y0}) {
      EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_GT(imp.t.scala, 0);
    const pagina_disegno pagina = pagina_pianta(*m, o);
    const prova::pagina_svg p = prova::leggi_pagina_svg(svg_della_pagina(pagina));
    EXPECT_TRUE(p.ben_formata);
    EXPECT_EQ(prova::scritte_in_conflitto(p), std::vector<std::string>{});
#ifdef DISEGNO_CON_CAIRO
    EXPECT_FALSE(png_della_pagina(pagina, 400).empty());
#endif
  }
}

}  // namespace
}  // namespace scenario
