#include "disegno/tela_svg.h"

#include <gtest/gtest.h>

#include <cmath>

namespace scenario {
namespace {

TEST(TelaSvg, NumbersWithTwoDecimalsAtMost) {
  const struct {
    double v;
    const char* atteso;
  } casi[] = {{0, "0"},         {-0.0, "0"},      {1.5, "1.5"},       {2.005, "2"},
              {-0.001, "0"},    {1190.55, "1190.55"}, {123456789.126, "123456789.13"},
              {0.1 + 0.2, "0.3"}, {1.0 / 0.0, "0"}, {std::nan(""), "0"}};
  for (const auto& c : casi) EXPECT_EQ(numero_svg(c.v), c.atteso) << c.v;
}

TEST(TelaSvg, TextIsEscapedAndHoldsNoControlCharacter) {
  pagina_disegno p;
  p.larghezza = 100;
  p.altezza = 50;
  p.titolo = "A & B <1>";
  p.disegna = [](tela& t) {
    scritta s;
    s.a = {10, 20};
    s.testo = std::string("Km \"3\" <&>\x01\x7f fine\xff");
    t.scrivi(s);
  };
  const std::string svg = svg_della_pagina(p);
  EXPECT_NE(svg.find("<title>A &amp; B &lt;1&gt;</title>"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">Km &quot;3&quot; &lt;&amp;&gt;?? fine?</text>"), std::string::npos) << svg;
}

TEST(TelaSvg, EachItemIsAGroupWithItsKindAndAnIdCountedByKind) {
  pagina_disegno p;
  p.larghezza = p.altezza = 10;
  p.disegna = [](tela& t) {
    for (const genere_disegnato* g : {&genere::stazione, &genere::segnale, &genere::stazione}) {
      t.apri(*g);
      t.cerchio({1, 1}, 1, pieno(g->c));
      t.chiudi();
    }
  };
  const std::string svg = svg_della_pagina(p);
  for (const char* atteso : {"<g class=\"stazione\" id=\"stazione-1\">",
                             "<g class=\"segnale\" id=\"segnale-1\">",
                             "<g class=\"stazione\" id=\"stazione-2\">"}) {
    EXPECT_NE(svg.find(atteso), std::string::npos) << atteso;
  }
}

TEST(TelaSvg, TextBoxesFollowTheAnchorAndTheTurn) {
  scritta s;
  s.a = {100, 100};
  s.testo = "Basalto";
  s.corpo = 10;
  const double w = larghezza_testo(s.testo, 10);
  EXPECT_GT(w, 30);
  EXPECT_LT(w, 50);
  EXPECT_GT(larghezza_testo(s.testo, 10, true), w);
  s.allinea = ancoraggio::fine;
  auto a = angoli_scritta(s);
  EXPECT_DOUBLE_EQ(a[0].x, 100 - w);
  EXPECT_DOUBLE_EQ(a[1].x, 100);
  EXPECT_DOUBLE_EQ(a[0].y, 100 - sopra_testo(10));
  s.allinea = ancoraggio::inizio;
  s.rotazione = -90;
  a = angoli_scritta(s);
  // Turned to read upwards: the text runs up the page from its start.
  EXPECT_NEAR(a[1].y, 100 - w, 1e-9);
  EXPECT_NEAR(a[0].x, 100 - sopra_testo(10), 1e-9);
}

}  // namespace
}  // namespace scenario
