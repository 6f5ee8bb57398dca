#include "compilazione/segnali_rallentamenti.h"

#include <gtest/gtest.h>

#include "modello/numeri_errore.h"

namespace scenario {
namespace {

class SegnaliRallentamenti : public testing::Test {
 protected:
  SegnaliRallentamenti() { dimensiona(m, 103000); }

  // The cells that differ from an empty cell, by index.
  std::vector<size_t> toccate() const {
    std::vector<size_t> indici;
    for (size_t i = 0; i < m.celle.size(); ++i) {
      const cella& c = m.celle[i];
      if (c.tipo || c.val1 || c.val2 || c.val3 || c.val4 || c.tempo || c.avviso)
        indici.push_back(i);
    }
    return indici;
  }

  modello m;
};

TEST_F(SegnaliRallentamenti, TheFirstBuiltInSignal) {
  memo_segnale(m, 850, 2, 5, 6, 1, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(m.n_errore, 0);
  const cella& c = m.celle[18];
  EXPECT_EQ(c.tipo, tipo_cella::segnale);
  EXPECT_EQ(c.val1, 50);
  EXPECT_EQ(c.val2, 60);
  EXPECT_EQ(c.val3, 10);
  EXPECT_EQ(c.val4, 6);
  EXPECT_EQ(c.tempo, 0);
  EXPECT_EQ(m.celle[16].avviso, 61);
  EXPECT_EQ(m.celle[14].avviso, 62);
  EXPECT_EQ(m.celle[12].avviso, 63);
  EXPECT_EQ(m.celle[10].avviso, 64);
  EXPECT_EQ(toccate(), (std::vector<size_t>{10, 12, 14, 16, 18}));
  EXPECT_EQ(m.celle[16].tipo, 0);
}

TEST_F(SegnaliRallentamenti, TimeIsKeptOnlyWithSx2AndRaisedAbove100) {
  const struct {
    int32_t sx, tempo;
    uint8_t atteso;
  } casi[] = {{2, 50, 101}, {2, 1, 101},  {2, 100, 101}, {2, 101, 101}, {2, 250, 250},
              {2, 0, 0},    {2, -5, 251}, {2, 300, 44},  {1, 250, 0},   {1, 50, 0}};
  int32_t posizione = 10000;
  for (const auto& c : casi) {
    memo_segnale(m, posizione, c.sx, 3, 0, 0, 0, 0, 0, 0, 0, c.tempo);
    EXPECT_EQ(m.celle[posizione / 50 + 1].tempo, c.atteso) << "sx " << c.sx << " tempo " << c.tempo;
    posizione += 1000;
  }
}

TEST_F(SegnaliRallentamenti, ValuesWrapInTheirFields) {
  memo_segnale(m, 10000, 9, 4000, 0, 0, 3277, 0, 7, 0, 0, 0);
  const cella& c = m.celle[201];
  EXPECT_EQ(c.val1, -25529);  // 40007 in 16 bits
  EXPECT_EQ(c.val4, 32797 - 65536);
  EXPECT_EQ(m.celle[199].avviso, 271 - 256);
}

TEST_F(SegnaliRallentamenti, ASignalReplacesATunnelMarkButNotAnItem) {
  m.celle[18].tipo = tipo_cella::marca_galleria;
  memo_segnale(m, 850, 2, 5, 6, 1, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(m.celle[18].tipo, tipo_cella::segnale);

  m.celle[40].tipo = tipo_cella::fermata;
  memo_segnale(m, 1950, 2, 2, 5, 6, 1, 0, 0, 0, 0, 0);
  EXPECT_EQ(m.n_errore, numero_errore::segnale_su_cella_occupata);
  EXPECT_EQ(m.celle[40].val1, 0);
  EXPECT_EQ(m.celle[38].avviso, 0);
}

// Marks before cell 0 are dropped; a signal whose own cell is before it is refused.
TEST_F(SegnaliRallentamenti, NearTheStartOfTheLine) {
  memo_segnale(m, 300, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(toccate(), (std::vector<size_t>{1, 3, 5, 7}));
  EXPECT_EQ(m.celle[1].avviso, 63);

  memo_segnale(m, -100, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(m.n_errore, numero_errore::cella_fuori_griglia);
  EXPECT_EQ(toccate(), (std::vector<size_t>{1, 3, 5, 7}));
}

TEST_F(SegnaliRallentamenti, TheFirstBuiltInSlowDown) {
  memo_rallentamento(m, 9500, 40, 450, 1, 1, 40);
  EXPECT_EQ(m.n_errore, 0);
  const struct {
    size_t indice;
    uint8_t tipo;
    int16_t val1, val2, val3;
  } attese[] = {{191, tipo_cella::inizio_rallentamento, 40, 40, 1},
                {200, tipo_cella::fine_rallentamento, 40, 40, 1},
                {167, tipo_cella::avviso_rallentamento, 40, 40, 0},
                {166, tipo_cella::tabella_distanziometrica, 1, 1, 0},
                {165, tipo_cella::tabella_distanziometrica, 2, 2, 0},
                {164, tipo_cella::tabella_distanziometrica, 3, 3, 0},
                {163, tipo_cella::tabella_distanziometrica, 4, 4, 0}};
  for (const auto& a : attese) {
    const cella& c = m.celle[a.indice];
    EXPECT_EQ(c.tipo, a.tipo) << "cell " << a.indice;
    EXPECT_EQ(c.val1, a.val1) << "cell " << a.indice;
    EXPECT_EQ(c.val2, a.val2) << "cell " << a.indice;
    EXPECT_EQ(c.val3, a.val3) << "cell " << a.indice;
  }
  EXPECT_EQ(toccate().size(), 7u);
}

TEST_F(SegnaliRallentamenti, WithoutAFurtherValueTheBoardsCarryTheirNumberOnce) {
  memo_rallentamento(m, 38000, 25, 950, 0, 1, 0);
  EXPECT_EQ(m.celle[761].val2, 0);
  EXPECT_EQ(m.celle[737].val2, 0);
  EXPECT_EQ(m.celle[733].val1, 4);
  EXPECT_EQ(m.celle[733].val2, 0);
}

TEST_F(SegnaliRallentamenti, UpTo1500MetresNoWarningPointAndNoBoards) {
  memo_rallentamento(m, 1500, 30, 100, 1, 1, 0);
  EXPECT_EQ(toccate(), (std::vector<size_t>{31, 33}));

  modello vicino;
  dimensiona(vicino, 103000);
  memo_rallentamento(vicino, 1550, 30, 100, 1, 1, 0);
  EXPECT_EQ(vicino.celle[8].tipo, tipo_cella::avviso_rallentamento);
  for (size_t i = 4; i <= 7; ++i) {
    EXPECT_EQ(vicino.celle[i].tipo, tipo_cella::tabella_distanziometrica) << i;
    EXPECT_EQ(vicino.celle[i].val1, 8 - static_cast<int>(i)) << i;
  }
}

TEST_F(SegnaliRallentamenti, ALengthOfZeroLeavesTheStart) {
  memo_rallentamento(m, 47500, 70, 0, 1, 0, 0);
  EXPECT_EQ(m.celle[951].tipo, tipo_cella::inizio_rallentamento);
  EXPECT_EQ(toccate(), (std::vector<size_t>{927, 951}));
}

// A taken warning, start or end cell leaves the grid as it was.
TEST_F(SegnaliRallentamenti, ATakenCellRefusesTheWholeSlowDown) {
  const struct {
    size_t occupata;
    int32_t errore;
  } casi[] = {{167, numero_errore::avviso_su_cella_occupata},
              {191, numero_errore::inizio_rallentamento_occupato},
              {200, numero_errore::fine_rallentamento_occupata}};
  for (const auto& c : casi) {
    modello g;
    dimensiona(g, 103000);
    g.celle[c.occupata].tipo = tipo_cella::segnale;
    memo_rallentamento(g, 9500, 40, 450, 1, 1, 40);
    EXPECT_EQ(g.n_errore, c.errore) << "cell " << c.occupata;
    int piene = 0;
    for (const cella& x : g.celle) piene += x.tipo != 0;
    EXPECT_EQ(piene, 1) << "cell " << c.occupata;
  }
}

TEST_F(SegnaliRallentamenti, ABoardOnASignalLeavesTheOtherItems) {
  m.celle[164].tipo = tipo_cella::segnale;
  memo_rallentamento(m, 9500, 40, 450, 1, 1, 40);
  EXPECT_EQ(m.n_errore, numero_errore::tabelle_distanziometriche_occupate);
  EXPECT_EQ(m.celle[191].tipo, tipo_cella::inizio_rallentamento);
  EXPECT_EQ(m.celle[200].tipo, tipo_cella::fine_rallentamento);
  EXPECT_EQ(m.celle[167].tipo, tipo_cella::avviso_rallentamento);
  for (size_t i : {163, 165, 166}) EXPECT_EQ(m.celle[i].tipo, 0) << i;
}

TEST_F(SegnaliRallentamenti, ASlowDownLeavingTheGridIsRefused) {
  const struct { int32_t x, l; } casi[] = {{100000, 20000}, {-1000, 500}, {5000, -6000}};
  for (const auto& c : casi) {
    modello g;
    dimensiona(g, 103000);
    memo_rallentamento(g, c.x, 30, c.l, 1, 1, 0);
    EXPECT_EQ(g.n_errore, numero_errore::cella_fuori_griglia) << c.x << " " << c.l;
    for (const cella& x : g.celle) ASSERT_EQ(x.tipo, 0) << c.x << " " << c.l;
  }
}

}  // namespace
}  // namespace scenario
