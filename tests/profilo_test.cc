#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "disegno/etichette.h"
#include "disegno/pagina.h"
#include "disegno/profilo.h"
#include "disegno/tela_svg.h"
#include "scenari_disegnati.h"
#include "scenario_di_prova.h"
#include "scritte_svg.h"

namespace scenario {
namespace {

TEST(Profilo, ALongRouteSplitsItsProfileIntoPagesOfAHundredKilometres) {
  modello m;
  const struct {
    int32_t lunghezza;
    int pagine;
  } casi[] = {{3000, 1}, {103000, 1}, {120000, 1}, {120050, 2}, {1000000, 10}};
  for (const auto& c : casi) {
    m.elementi[elemento_linea].fine = c.lunghezza;
    EXPECT_EQ(pagine_profilo(m), c.pagine) << c.lunghezza;
  }
}

TEST(Profilo, ChainageFromTheKilometricProgressives) {
  auto m = prova::scenario_predefinito();
  // uno: from 3000 m, 9100; due: from 5800 m, -2000; tre: from 35400 m, 100250.
  EXPECT_EQ(progressiva_di(*m, 0), 6100);
  EXPECT_EQ(progressiva_di(*m, 3000), 9100);
  EXPECT_EQ(progressiva_di(*m, 5799), 11899);
  EXPECT_EQ(progressiva_di(*m, 5800), -2000);
  EXPECT_EQ(progressiva_di(*m, 35400), 100250);
}

// What a page draws, shape by shape: the box of each, the kind of item it
// belongs to (empty outside an item) and the texts as written.
struct forma {
  std::string genere;
  rettangolo riquadro;
  bool riempita = false;
  bool linea = false;
  std::optional<scritta> testo;
};

class tela_registrata : public tela {
 public:
  std::vector<forma> forme;
  std::map<std::string, int> aperti;  // items of each kind

  void apri(const genere_disegnato& g) override {
    EXPECT_TRUE(genere_.empty()) << "an item opened inside " << genere_;
    genere_ = g.nome;
    ++aperti[genere_];
  }
  void chiudi() override { genere_.clear(); }
  void spezzata(std::span<const punto> punti, const pennello& p) override {
    aggiungi(punti, p).linea = true;
  }
  void poligono(std::span<const punto> punti, const pennello& p) override { aggiungi(punti, p); }
  void rettangolo(double x, double y, double larghezza, double altezza,
                  const pennello& p) override {
    const punto angoli[] = {{x, y}, {x + larghezza, y + altezza}};
    aggiungi(angoli, p);
  }
  void cerchio(punto c, double r, const pennello& p) override {
    const punto angoli[] = {{c.x - r, c.y - r}, {c.x + r, c.y + r}};
    aggiungi(angoli, p);
  }
  void scrivi(const scritta& s) override {
    const std::array<punto, 4> angoli = angoli_scritta(s);
    aggiungi(angoli, {}).testo = s;
  }

  // The three panels' frames, top to bottom: the rectangles outlined and
  // not filled, outside any item.
  std::vector<scenario::rettangolo> cornici() const {
    std::vector<scenario::rettangolo> c;
    for (const forma& f : forme) {
      if (f.genere.empty() && !f.riempita && !f.linea && !f.testo) c.push_back(f.riquadro);
    }
    return c;
  }
  std::vector<const forma*> di(const std::string& genere) const {
    std::vector<const forma*> v;
    for (const forma& f : forme) {
      if (f.genere == genere) v.push_back(&f);
    }
    return v;
  }

 private:
  forma& aggiungi(std::span<const punto> punti, const pennello& p) {
    forma f;
    f.genere = genere_;
    f.riempita = p.riempimento.has_value();
    f.riquadro = {1e300, 1e300, -1e300, -1e300};
    for (const punto& q : punti) {
      f.riquadro.x0 = std::min(f.riquadro.x0, q.x);
      f.riquadro.y0 = std::min(f.riquadro.y0, q.y);
      f.riquadro.x1 = std::max(f.riquadro.x1, q.x);
      f.riquadro.y1 = std::max(f.riquadro.y1, q.y);
    }
    forme.push_back(f);
    return forme.back();
  }
  std::string genere_;
};

bool dentro(const rettangolo& fuori, const rettangolo& r) {
  constexpr double e = 1e-6;
  return r.x0 >= fuori.x0 - e && r.y0 >= fuori.y0 - e && r.x1 <= fuori.x1 + e &&
         r.y1 <= fuori.y1 + e;
}

// The tiny route's page, with the items along it made by hand.
class ProfiloFatto : public ::testing::Test {
 protected:
  void SetUp() override {
    m = prova::scenario_minuscolo();
    ASSERT_EQ(m->n_errore, 0);
    o.lunghezza = 3000;
  }
  tela_registrata disegna() {
    tela_registrata t;
    pagina_profilo(*m, o, 0, 3000, 0, 1).disegna(t);
    return t;
  }
  // Where metre `metro` lies across the frame.
  static double x_di(const rettangolo& cornice, double metro) {
    return cornice.x0 + metro / 3000 * (cornice.x1 - cornice.x0);
  }
  std::unique_ptr<modello> m;
  oggetti_linea o;
};

TEST_F(ProfiloFatto, ASlowDownIsABandInsideEachPanelEvenWhereThePageCutsIt) {
  o.rallentamenti = {{-500, 100, 30}, {1000, 1400, 40}, {2999, 4000, 50}, {3000, 3500, 60}};
  tela_registrata t = disegna();
  const std::vector<rettangolo> cornici = t.cornici();
  ASSERT_EQ(cornici.size(), 3u);
  // The one past the page is not drawn.
  EXPECT_EQ(t.aperti["rallentamento"], 3);
  std::vector<const forma*> bande;
  for (const forma* f : t.di("rallentamento")) {
    if (f->testo) {
      EXPECT_TRUE(dentro(cornici[2], f->riquadro)) << f->testo->testo;
    } else if (!f->linea) {
      bande.push_back(f);
    }
  }
  ASSERT_EQ(bande.size(), 3u * 3);
  for (size_t b = 0; b < 3; ++b) {
    for (size_t p = 0; p < 3; ++p) {
      const rettangolo& r = bande[b * 3 + p]->riquadro;
      EXPECT_TRUE(dentro(cornici[p], r)) << "band " << b << ", panel " << p;
      EXPECT_DOUBLE_EQ(r.y0, cornici[p].y0);
      EXPECT_DOUBLE_EQ(r.y1, cornici[p].y1);
    }
  }
  EXPECT_NEAR(bande[3]->riquadro.x0, x_di(cornici[0], 1000), 1e-6);
  EXPECT_NEAR(bande[3]->riquadro.x1, x_di(cornici[0], 1400), 1e-6);
}

TEST_F(ProfiloFatto, SpeedAndSignBoardsAreMarkedOnTheSpeedPanelAtTheirPlace) {
  o.indicatori_velocita = {500, 2990, 3000, -50};
  o.cartelli = {{1200, "ALT"}, {1200, ""}, {4000, "fuori"}};
  tela_registrata t = disegna();
  const std::vector<rettangolo> cornici = t.cornici();
  ASSERT_EQ(cornici.size(), 3u);
  EXPECT_EQ(t.aperti["indicatore_velocita"], 2);
  EXPECT_EQ(t.aperti["cartello"], 2);
  const struct {
    std::string genere;
    std::vector<double> metri;
  } casi[] = {{"indicatore_velocita", {500, 2990}}, {"cartello", {1200, 1200}}};
  for (const auto& c : casi) {
    std::vector<double> centri;
    for (const forma* f : t.di(c.genere)) {
      // Across the speed panel; centred on its place, even if that leaves
      // half a mark past the frame's end.
      EXPECT_GE(f->riquadro.y0, cornici[2].y0) << c.genere;
      EXPECT_LE(f->riquadro.y1, cornici[2].y1) << c.genere;
      if (f->riempita) centri.push_back((f->riquadro.x0 + f->riquadro.x1) / 2);
    }
    ASSERT_EQ(centri.size(), c.metri.size()) << c.genere;
    for (size_t k = 0; k < centri.size(); ++k) {
      EXPECT_NEAR(centri[k], x_di(cornici[2], c.metri[k]), 1e-6) << c.genere << " " << k;
    }
  }
}

TEST_F(ProfiloFatto, StationNamesStayInsideTheFrameBelowTheTitleInOrderAndApart) {
  // Records out of order, crowded at the end of the line, one name far too
  // long for the room above the panels.
  const std::string lunghissimo(400, 'M');
  o.stazioni = {{2999, "Stazione di Testata"},
                {2950, "Bivio Est"},
                {2990, "Posto di Movimento Capolinea"},
                {10, lunghissimo},
                {2000, "Centro"}};
  tela_registrata t = disegna();
  const std::vector<rettangolo> cornici = t.cornici();
  ASSERT_EQ(cornici.size(), 3u);
  std::vector<scritta> nomi;
  for (const forma* f : t.di("stazione")) {
    if (f->testo) nomi.push_back(*f->testo);
  }
  ASSERT_EQ(nomi.size(), 5u);
  const std::vector<std::string> in_ordine{lunghissimo, "Centro", "Bivio Est",
                                           "Posto di Movimento Capolinea", "Stazione di Testata"};
  const scritta* titolo = nullptr;
  for (const forma& f : t.forme) {
    if (f.testo && f.testo->corpo > 10) titolo = &*f.testo;
  }
  ASSERT_NE(titolo, nullptr);
  for (size_t k = 0; k < nomi.size(); ++k) {
    if (k == 0) {
      EXPECT_TRUE(nomi[k].testo.ends_with("…")) << nomi[k].testo;
      EXPECT_TRUE(in_ordine[k].starts_with(nomi[k].testo.substr(0, nomi[k].testo.size() - 3)));
    } else {
      EXPECT_EQ(nomi[k].testo, in_ordine[k]);
      EXPECT_GT(nomi[k].a.x, nomi[k - 1].a.x) << nomi[k].testo;
    }
    for (const punto& v : angoli_scritta(nomi[k])) {
      EXPECT_LE(v.x, cornici[0].x1 + 1e-6) << nomi[k].testo;
      EXPECT_GE(v.x, 0) << nomi[k].testo;
      EXPECT_LT(v.y, cornici[0].y0) << nomi[k].testo;
    }
    EXPECT_FALSE(prova::si_sovrappongono(angoli_scritta(nomi[k]), angoli_scritta(*titolo)))
        << nomi[k].testo;
    for (size_t j = 0; j < k; ++j) {
      EXPECT_FALSE(prova::si_sovrappongono(angoli_scritta(nomi[j]), angoli_scritta(nomi[k])))
          << nomi[j].testo << " and " << nomi[k].testo;
    }
  }
}

TEST_F(ProfiloFatto, TheCellWhereThePageEndsIsLeftToTheNextPage) {
  // The page is [0, 3000): the cell from 3000 m is the next page's, and its
  // limit must not stretch this page's scale nor draw a step at its end.
  ASSERT_GT(m->celle.size(), 60u);
  m->celle[60].vel_max = 250;
  tela_registrata t = disegna();
  std::vector<std::string> scala;
  for (const forma& f : t.forme) {
    if (f.testo && f.testo->testo.ends_with(" km/h")) scala.push_back(f.testo->testo);
  }
  EXPECT_EQ(scala,
            (std::vector<std::string>{"0 km/h", "25 km/h", "50 km/h", "75 km/h", "100 km/h"}));
}

TEST(Profilo, KilometreTicksAndLabelsStandAtTheirChainageAndLabelsApart) {
  // The built-in line's third progressive starts at 35400 m, 650 m into its
  // km 25: at 100250 the whole km 100 would lie before the jump; at 100000
  // its label would crowd that of km 25.
  for (double valore : {100250.0, 100000.0}) {
    auto m = prova::scenario_predefinito();
    m->elementi[elemento_progressiva_tre].fine = static_cast<int32_t>(valore);
    const oggetti_linea o = oggetti_di(*m);
    const int32_t a = std::max(o.lunghezza, 1);
    tela_registrata t;
    pagina_profilo(*m, o, 0, a, 0, 1).disegna(t);
    const std::vector<rettangolo> cornici = t.cornici();
    ASSERT_EQ(cornici.size(), 3u);
    const rettangolo& c = cornici[2];
    std::vector<const forma*> etichette;
    for (const forma& f : t.forme) {
      if (f.testo && f.testo->allinea == ancoraggio::centro && f.riquadro.y0 > c.y1) {
        etichette.push_back(&f);
      }
      // A tick hangs from the frame at a whole kilometre.
      if (f.linea && f.genere.empty() && f.riquadro.y0 == c.y1 && f.riquadro.y1 > c.y1) {
        const double metro = (f.riquadro.x0 - c.x0) / (c.x1 - c.x0) * a;
        EXPECT_LT(std::fmod(progressiva_di(*m, metro + 0.5) + 1e9, 1000), 1)
            << valore << ": tick at " << metro << " m";
      }
    }
    ASSERT_FALSE(etichette.empty());
    for (size_t k = 0; k < etichette.size(); ++k) {
      const scritta& e = *etichette[k]->testo;
      const double metro = (e.a.x - c.x0) / (c.x1 - c.x0) * a;
      EXPECT_EQ(km(std::floor(progressiva_di(*m, metro + 1) / 1000) * 1000, 0), e.testo)
          << valore << ": at " << metro << " m";
      if (k == 0) continue;
      // Closer than a label's width, "25 100" reads as one number.
      const rettangolo& prima = etichette[k - 1]->riquadro;
      const rettangolo& questa = etichette[k]->riquadro;
      EXPECT_GE(questa.x0 - prima.x1, questa.x1 - questa.x0) << valore << ": " << e.testo;
    }
  }
}

TEST(Profilo, PagesPastTheEndOfTheGridAreDrawn) {
  // A table whose route is longer than its grid, as a damaged file may be:
  // the pages with no cell of their own once looped on their elevation scale.
  modello m;
  m.elementi[elemento_linea].fine = 250000;
  oggetti_linea o;
  o.lunghezza = 250000;
  o.stazioni = {{240000, "Capolinea"}};
  o.rallentamenti = {{230000, 235000, 30}};
  for (int k = 0; k < pagine_profilo(m); ++k) {
    const std::string svg = svg_della_pagina(
        pagina_profilo(m, o, k * metri_per_pagina_profilo,
                       std::min((k + 1) * metri_per_pagina_profilo, o.lunghezza), k, 3));
    EXPECT_TRUE(prova::leggi_pagina_svg(svg).ben_formata) << k;
    EXPECT_EQ(svg.find("Capolinea") != std::string::npos, k == 2) << k;
  }
}

// Every text of every profile page of a few routes, as a reader sees it:
// none overlaps another or leaves the page, and no item's mark lies over one.
TEST(Profilo, NoTextOverlapsAnotherLeavesThePageOrLiesUnderAMark) {
  struct caso {
    std::string nome;
    std::unique_ptr<modello> m;
    std::optional<oggetti_linea> fatti;  // the items by hand, not the route's
  };
  std::vector<caso> casi;
  casi.push_back({"built-in", prova::scenario_predefinito(), std::nullopt});
  casi.push_back({"1000 km", prova::scenario_mille_km(), std::nullopt});
  casi.push_back({"branch line", prova::scenario_diramazione(), std::nullopt});
  casi.push_back({"tiny", prova::scenario_minuscolo(), std::nullopt});
  // As many stations as the table holds, and slow-downs a cell apart: too
  // many for one row of names or speeds at their size.
  oggetti_linea affollati;
  affollati.lunghezza = 3000;
  for (int32_t k = 0; k < 85; ++k) {
    affollati.stazioni.push_back({k * 35, "Fermata " + std::to_string(k + 1)});
  }
  for (int32_t k = 0; k < 60; ++k) affollati.rallentamenti.push_back({k * 50, k * 50 + 50, 100});
  casi.push_back({"crowded", prova::scenario_minuscolo(), affollati});
  for (const caso& c : casi) {
    const oggetti_linea o = c.fatti ? *c.fatti : oggetti_di(*c.m);
    const int pagine = pagine_profilo(*c.m);
    const int32_t per_pagina = metri_pagina_profilo(*c.m);
    for (int k = 0; k < pagine; ++k) {
      const int32_t da = k * per_pagina, a = std::min(da + per_pagina, std::max(o.lunghezza, 1));
      const pagina_disegno p = pagina_profilo(*c.m, o, da, a, k, pagine);
      const std::string dove = c.nome + ", page " + std::to_string(k + 1);
      const prova::pagina_svg svg = prova::leggi_pagina_svg(svg_della_pagina(p));
      ASSERT_TRUE(svg.ben_formata) << dove;
      std::string elenco;
      for (const std::string& conflitto : prova::scritte_in_conflitto(svg)) {
        elenco += "\n  " + conflitto;
      }
      EXPECT_TRUE(elenco.empty()) << dove << elenco;

      tela_registrata t;
      p.disegna(t);
      for (const forma& segno : t.forme) {
        // A slow-down's band is a shade that its speed is written on.
        if (segno.genere.empty() || segno.genere == "rallentamento" || !segno.riempita ||
            segno.testo) {
          continue;
        }
        const rettangolo& r = segno.riquadro;
        const std::array<punto, 4> angoli{{{r.x0, r.y0}, {r.x1, r.y0}, {r.x1, r.y1}, {r.x0, r.y1}}};
        for (const forma& f : t.forme) {
          if (f.testo && prova::si_sovrappongono(angoli_scritta(*f.testo), angoli)) {
            ADD_FAILURE() << dove << ": a mark of " << segno.genere << " lies over '"
                          << f.testo->testo << "'";
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace scenario
