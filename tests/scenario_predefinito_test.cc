// The built-in line and train descriptions compiled together, as the run does.

#include <gtest/gtest.h>

#include <map>

#include "cartella_temporanea.h"
#include "compilazione/memorizza_dati.h"
#include "modello/modello.h"
#include "compilazione/passata_finale.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {
namespace {

// Writes both built-in descriptions into `cartella` and compiles them.
modello compila_predefinito(const prova::cartella_temporanea& cartella) {
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  inizializza_elementi(m);
  dati_linea(cartella / nome_descrizione_linea(m.linea));
  dati_treno(cartella / nome_descrizione_treno(m.linea, m.treno));
  memorizza_dati(m, cartella / nome_descrizione_linea(m.linea),
                 cartella / nome_descrizione_treno(m.linea, m.treno));
  return m;
}

TEST(ScenarioPredefinito, CompilesWithoutErrorAndFillsTheGrid) {
  prova::cartella_temporanea cartella;
  modello m = compila_predefinito(cartella);

  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(m.pos_errore, 0);
  EXPECT_TRUE(cartella.contenuto().empty());
  ASSERT_EQ(m.n_celle, 2200);

  std::map<int, int> per_tipo;
  for (const cella& c : m.celle) ++per_tipo[c.tipo];
  EXPECT_EQ(per_tipo[tipo_cella::segnale], 46);
  EXPECT_EQ(per_tipo[tipo_cella::inizio_rallentamento], 6);
  EXPECT_EQ(per_tipo[tipo_cella::fine_rallentamento], 6);
  EXPECT_EQ(per_tipo[tipo_cella::avviso_rallentamento], 6);
  EXPECT_EQ(per_tipo[tipo_cella::tabella_distanziometrica], 20);
  EXPECT_EQ(per_tipo[tipo_cella::fermata], 14);
  EXPECT_EQ(per_tipo[tipo_cella::punto_senza_codice], 1);
  EXPECT_EQ(m.celle[380].tipo, tipo_cella::punto_senza_codice);
  EXPECT_EQ(per_tipo[tipo_cella::indicatore_v_max], 17);
  EXPECT_EQ(per_tipo[tipo_cella::cartello], 56);
  EXPECT_EQ(m.celle[1].val1, 0);
  EXPECT_EQ(m.celle[1].val2, 0);

  // 56 sign texts from record 80 down to 25, the stations from 1 up to 21.
  for (size_t r = 1; r <= 21; ++r) {
    EXPECT_EQ(m.elementi[r].testo, luoghi::stazioni[r - 1].nome) << r;
  }
  EXPECT_EQ(m.elementi[22].testo, "");
  EXPECT_EQ(m.elementi[elemento_linea].inizio, 105);
  EXPECT_EQ(m.elementi[elemento_linea].fine, 103000);
  EXPECT_EQ(m.elementi[elemento_linea].posizione, 5);

  for (int i = 0; i <= 2197; ++i) {
    ASSERT_NE(m.celle[i].vel_max, 0) << i;
    ASSERT_EQ(m.celle[i].aderenza, i < 35 ? 100 : 70) << i;
  }
  for (int i = 2198; i <= 2200; ++i) EXPECT_EQ(m.celle[i].vel_max, 0) << i;
}

// The finishing pass places exactly 36 code points in the built-in scenario and
// records no error. Per slow-down (warning point, start, end cells):
// - 9500 m, 40 km/h (167, 191, 200): rule A before the 7600 m signal (cell 153)
//   gives 152; B1 186, 180, 173; B2 199; B3 finds no signal in 200..212. 5.
// - 38000 m, 25 km/h (737, 761, 780): B1 756, 750, 743; B2 769, 777; B3 788,
//   before the signal that pairs with the one at 38200 m. 6.
// - 47500 m, 70 km/h (927, 951, 952): B1 946, 940, 933; the end comes before
//   the eighth cell. 3.
// - 62500 m, 30 km/h (1227, 1251, 1281): B1 1246, 1240, 1233; B2 1259, 1267,
//   1275. 6.
// - 77550 m, 15 km/h (1528, 1552, 1554): B1 1547, 1541, 1534. 3.
// - 85150 m, 75 km/h (1680, 1704, 1773): rule A before Ponte Orsaro's exit
//   signal at 83650 m (cell 1674) gives 1673; B1 1699, 1693, 1686; B2 every 8
//   cells from 1712 to 1768 (8 points); B3 1776, before Rivalta Nuova's entry
//   signal at 88800 m. 13.
TEST(ScenarioPredefinito, TheFinishingPassPlacesItsCodePoints) {
  prova::cartella_temporanea cartella;
  modello m = compila_predefinito(cartella);
  passata_finale(m);

  EXPECT_EQ(m.n_errore, 0);
  std::vector<int> punti;
  for (int i = 0; i <= m.n_celle; ++i) {
    if (m.celle[i].tipo != tipo_cella::punto_codice) continue;
    punti.push_back(i);
    EXPECT_EQ(m.celle[i].val1, 180) << i;
  }
  EXPECT_EQ(punti, (std::vector<int>{152,  173,  180,  186,  199,  743,  750,  756,  769,
                                     777,  788,  933,  940,  946,  1233, 1240, 1246, 1259,
                                     1267, 1275, 1534, 1541, 1547, 1673, 1686, 1693, 1699,
                                     1712, 1720, 1728, 1736, 1744, 1752, 1760, 1768, 1776}));
}

}  // namespace
}  // namespace scenario
