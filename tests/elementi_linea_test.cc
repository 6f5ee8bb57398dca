#include "compilazione/elementi_linea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "modello/numeri_errore.h"
#include "modello/errore_esecuzione.h"

namespace scenario {
namespace {

// A grid for a route of `lunghezza` metres, without plan.
modello griglia(int32_t lunghezza) {
  modello m;
  dimensiona(m, lunghezza);
  return m;
}

TEST(ElementiLinea, BoardCellTiesGoToEven) {
  const struct {
    int32_t posizione, cella;
  } casi[] = {{900, 19}, {16275, 326}, {16325, 328}, {920, 19}, {880, 19}, {-75, 0}, {-76, -1}};
  for (const auto& c : casi) EXPECT_EQ(cella_cartello(c.posizione), c.cella) << c.posizione;
}

TEST(ElementiLinea, GradientSteps) {
  modello m = griglia(103000);
  lavoro_linea w;
  memo_pendenza(m, w, 0, 0);
  EXPECT_EQ(w.cella_pendenza, 0);
  memo_pendenza(m, w, 700, -7);
  memo_pendenza(m, w, 750, -6);
  // Rounds to the same cell as the row before: one cell still moves on.
  memo_pendenza(m, w, 760, 3);
  memo_pendenza(m, w, 850, -101);
  memo_pendenza(m, w, 900, 156);
  memo_pendenza(m, w, 1000, 0);
  const uint8_t attesi[] = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100,
                            100, 100, 100, 93,  94,  103, 255, 0,   0,   0};
  for (size_t k = 0; k < std::size(attesi); ++k) EXPECT_EQ(m.celle[k].pendenza, attesi[k]) << k;
  EXPECT_EQ(w.cella_pendenza, 20);
  EXPECT_EQ(w.pendenza_attuale, 0);
  coda_pendenze(m, w);
  EXPECT_EQ(m.celle[2197].pendenza, 100);
  EXPECT_EQ(m.celle[2198].pendenza, 0);
  EXPECT_EQ(w.cella_pendenza, 2198);
}

// Rows crowding the last cell fill up to it and no further.
TEST(ElementiLinea, GradientRowsStopAtTheLastCell) {
  modello m = griglia(0);
  ASSERT_EQ(m.n_celle, 140);
  lavoro_linea w;
  for (int i = 0; i < 6; ++i) memo_pendenza(m, w, 6900, i);
  coda_pendenze(m, w);
  EXPECT_EQ(m.celle.size(), 141u);
  EXPECT_EQ(w.cella_pendenza, 141);
  EXPECT_EQ(m.celle[137].pendenza, 100);
  EXPECT_EQ(m.celle[138].pendenza, 100);
  EXPECT_EQ(m.celle[139].pendenza, 101);
  EXPECT_EQ(m.celle[140].pendenza, 102);
  EXPECT_EQ(w.pendenza_attuale, 5);
}

TEST(ElementiLinea, Tunnels) {
  const struct {
    const char* caso;
    int32_t inizio, fine, tipo;
    int32_t tipo_dopo;
    std::vector<int> marche;
  } casi[] = {
      {"type 12: type 2 with markers (cell 19 taken)", 600, 1750, 12, 2, {15, 23, 27, 31}},
      {"type 10: no markers", 600, 1750, 10, 10, {}},
      {"begins 150 m after the previous", 1900, 2500, 15, 3, {41, 45, 49}},
      {"begins 151 m after the previous", 1901, 2500, 5, 5, {}},
      {"ends before it begins", 1000, 1000, 12, 2, {}},
  };
  for (const auto& c : casi) {
    modello m = griglia(103000);
    m.celle[19].tipo = tipo_cella::segnale;
    int32_t tipo = 2;
    if (c.inizio > 1750) {
      ASSERT_TRUE(memo_montagna(m, 600, 1750, tipo));
    }
    tipo = c.tipo;
    ASSERT_TRUE(memo_montagna(m, c.inizio, c.fine, tipo)) << c.caso;
    EXPECT_EQ(tipo, c.tipo_dopo) << c.caso;
    EXPECT_EQ(m.galleria_inizio[static_cast<size_t>(m.n_gallerie)], c.inizio) << c.caso;
    EXPECT_EQ(m.galleria_fine[static_cast<size_t>(m.n_gallerie)], c.fine) << c.caso;
    int prima = static_cast<int>(std::lround(c.inizio / 50.0));
    int ultima = c.fine / 50 - 1;
    for (int k = 0; k < 60; ++k) {
      uint8_t galleria = k >= prima && k <= ultima ? static_cast<uint8_t>(c.tipo_dopo) : 0;
      if (c.inizio > 1750 && k >= 12 && k <= 34) galleria = 2;
      EXPECT_EQ(m.celle[k].galleria, galleria) << c.caso << " cell " << k;
      bool marca = std::find(c.marche.begin(), c.marche.end(), k) != c.marche.end();
      if (k != 19) {
        EXPECT_EQ(m.celle[k].tipo == tipo_cella::marca_galleria, marca) << c.caso << " cell " << k;
      }
    }
    EXPECT_EQ(m.celle[19].tipo, tipo_cella::segnale) << c.caso;
  }
}

// Only the start of a tunnel is checked against the grid; the rest is drawn
// only where the grid is.
TEST(ElementiLinea, TunnelsOutsideTheGridAreCut) {
  modello m = griglia(0);
  int32_t tipo = 12;
  ASSERT_TRUE(memo_montagna(m, -500, 300, tipo));
  EXPECT_EQ(m.celle[0].galleria, 2);
  EXPECT_EQ(m.celle[5].galleria, 2);
  EXPECT_EQ(m.celle[6].galleria, 0);
  EXPECT_EQ(m.celle[1].tipo, tipo_cella::marca_galleria);
  EXPECT_EQ(m.celle[5].tipo, tipo_cella::marca_galleria);
  EXPECT_EQ(m.celle[3].tipo, 0);
  tipo = 4;
  ASSERT_TRUE(memo_montagna(m, 6800, 2000000000, tipo));
  EXPECT_EQ(m.celle[136].galleria, 4);
  EXPECT_EQ(m.celle[140].galleria, 4);
  EXPECT_EQ(m.celle.size(), 141u);
}

TEST(ElementiLinea, TheEightyFirstTunnelIsRefused) {
  modello m = griglia(103000);
  for (int32_t i = 0; i < 80; ++i) {
    int32_t tipo = 1;
    ASSERT_TRUE(memo_montagna(m, i * 1000, i * 1000 + 100, tipo));
  }
  int32_t tipo = 1;
  EXPECT_FALSE(memo_montagna(m, 90000, 90100, tipo));
  EXPECT_EQ(m.n_errore, numero_errore::troppe_gallerie);
  EXPECT_EQ(m.n_gallerie, 80);
  EXPECT_EQ(m.celle[1800].galleria, 0);
}

TEST(ElementiLinea, SpeedBoards) {
  const struct {
    int32_t posizione, vas, vbs, vcs;
    int16_t strisces;
    int32_t vad, vbd, vcd;
    int16_t strisced;
    int16_t val1, val2, val3, val4;
  } casi[] = {
      {7900, 140, 145, 150, 0, 0, 0, 0, 0, 2800, 2900, 3000, 0},
      {900, 100, 105, 105, 0, 100, 105, 105, 0, 2020, 2121, 2121, 0},
      {10050, 100, 105, 110, 2, 0, 0, 0, 1, 2000, 2100, 2200, 21},
      {1000, 1, 1, 1, 0, 2, 3, -3, 0, 20, 21, 19, 0},
      {1000, 1638, -1638, 0, 32767, 35, -40, 0, 5, 32767, -32768, 0, -5},
  };
  for (const auto& c : casi) {
    modello m = griglia(103000);
    int32_t k = cella_cartello(c.posizione);
    m.celle[static_cast<size_t>(k)].tipo = tipo_cella::marca_galleria;
    ASSERT_TRUE(memo_indicatori_v_max(m, c.posizione, c.vas, c.vbs, c.vcs, c.strisces, c.vad, c.vbd,
                                      c.vcd, c.strisced))
        << c.posizione;
    const cella& e = m.celle[static_cast<size_t>(k)];
    EXPECT_EQ(e.tipo, tipo_cella::indicatore_v_max) << c.posizione;
    EXPECT_EQ(e.val1, c.val1) << c.posizione;
    EXPECT_EQ(e.val2, c.val2) << c.posizione;
    EXPECT_EQ(e.val3, c.val3) << c.posizione;
    EXPECT_EQ(e.val4, c.val4) << c.posizione;
  }
}

TEST(ElementiLinea, SpeedsTooLargeAreRunTimeFailures) {
  modello m = griglia(103000);
  EXPECT_THROW(memo_indicatori_v_max(m, 900, 1638, 0, 0, 0, 40, 0, 0, 0), errore_esecuzione);
  EXPECT_THROW(memo_indicatori_v_max(m, 900, 0, -1639, 0, 0, 0, 0, 0, 0), errore_esecuzione);
  EXPECT_THROW(memo_indicatori_v_max(m, 900, 0, 0, 200000000, 0, 0, 0, -1000000000, 0),
               errore_esecuzione);
}

TEST(ElementiLinea, TwoBoardsInOneCell) {
  modello m = griglia(103000);
  lavoro_linea w;
  ASSERT_TRUE(memo_indicatori_v_max(m, 900, 1, 1, 1, 0, 0, 0, 0, 0));
  EXPECT_FALSE(memo_indicatori_v_max(m, 920, 2, 2, 2, 0, 0, 0, 0, 0));
  EXPECT_EQ(m.n_errore, numero_errore::indicatore_su_cella_occupata);
  EXPECT_EQ(m.celle[19].val1, 20);
  m.n_errore = 0;
  EXPECT_FALSE(memo_cartello_indicatore(m, w, 880, "(x)"));
  EXPECT_EQ(m.n_errore, numero_errore::cartello_su_cella_occupata);
  EXPECT_EQ(m.pos_errore, 880);
  EXPECT_EQ(w.indice_testo, primo_elemento_testo);
  EXPECT_EQ(m.elementi[80].testo, "");
}

TEST(ElementiLinea, SignBoardsTakeTextRecordsDownwards) {
  modello m = griglia(103000);
  lavoro_linea w;
  m.celle[326].tipo = tipo_cella::marca_galleria;
  ASSERT_TRUE(memo_cartello_indicatore(m, w, 16275, "(-----)(|_|_|)(  /  )"));
  ASSERT_TRUE(memo_cartello_indicatore(m, w, 16325, "( 1000mt )(Marazzone)"));
  EXPECT_EQ(m.celle[326].tipo, tipo_cella::cartello);
  EXPECT_EQ(m.celle[326].val1, 80);
  EXPECT_EQ(m.celle[328].val1, 79);
  EXPECT_EQ(m.elementi[80].testo, "(-----)(|_|_|)(  /  )");
  EXPECT_EQ(m.elementi[79].testo, "( 1000mt )(Marazzone)");
  EXPECT_EQ(w.indice_testo, 78);
  w.indice_testo = 0;
  EXPECT_FALSE(memo_cartello_indicatore(m, w, 20000, "(x)"));
  EXPECT_EQ(m.n_errore, numero_errore::testi_esauriti);
  EXPECT_EQ(m.pos_errore, 20000);
  EXPECT_EQ(m.celle[401].tipo, tipo_cella::vuota);
  EXPECT_EQ(m.elementi[0].testo, "");
}

}  // namespace
}  // namespace scenario
