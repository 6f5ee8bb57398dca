// The built-in line and train descriptions compiled together, as the run does.

#include <gtest/gtest.h>

#include <map>

#include "cartella_temporanea.h"
#include "compiler/memorizza_dati.h"
#include "model/modello.h"
#include "run/generazione.h"
#include "sources/dati_linea.h"
#include "sources/dati_treno.h"
#include "sources/luoghi.h"

namespace scenario {
namespace {

TEST(ScenarioPredefinito, CompilesWithoutErrorAndFillsTheGrid) {
  prova::cartella_temporanea cartella;
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  inizializza_elementi(m);
  dati_linea(m, cartella.percorso());
  dati_treno(m, cartella.percorso());
  memorizza_dati(m, cartella.percorso());

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

}  // namespace
}  // namespace scenario
