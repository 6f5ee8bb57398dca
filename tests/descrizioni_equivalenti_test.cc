// Descriptions that say the same thing by the reading rules compile to the
// same bytes, the same error number and the same error position.

#include <gtest/gtest.h>

#include <string>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"
#include "varianti_descrizione.h"

namespace scenario {
namespace {

using prova::file_descrizione;

struct coppia {
  const char* nome;
  std::string linea, treno;
  int32_t n_errore;
};

coppia predefinita() {
  prova::cartella_temporanea cartella;
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  dati_linea(cartella / nome_descrizione_linea(m.linea));
  dati_treno(cartella / nome_descrizione_treno(m.linea, m.treno));
  return {"built-in", prova::leggi_file(cartella / nome_descrizione_linea(m.linea)),
          prova::leggi_file(cartella / nome_descrizione_treno(m.linea, m.treno)), 0};
}

TEST(DescrizioniEquivalenti, EveryVariantCompilesToTheSameBytes) {
  const std::string linea_corta =
      "[generale]\r\nlunghezza percorso,  3000\r\n[pendenze]\r\npendenza,  0,  0\r\n"
      "pendenza,  900,  0";
  const coppia coppie[] = {
      predefinita(),
      // Both files end in a 0 without a line end: made empty, it is the
      // blank last field.
      {"cut short", linea_corta,
       "[generale]\r\nsabbia,  0\r\nvelocita,  0,  100\r\nvelocita,   1450,   0", 0},
      {"a row beyond the grid", linea_corta + "\r\n[fine]\r\n",
       "[generale]\r\norologio, 0 0 0\r\nvelocita,  0,  100\r\nvelocita,  99000,  0\r\n"
       "aderenza,  0,  30\r\n[fine]\r\n",
       numero_errore::oltre_la_griglia},
  };
  for (const coppia& c : coppie) {
    SCOPED_TRACE(c.nome);
    const prova::compilato originale = prova::compila_coppia(c.linea, c.treno, 1);
    ASSERT_EQ(originale.n_errore, c.n_errore);
    ASSERT_FALSE(originale.celle.empty());
    for (const prova::variante& v : prova::varianti()) {
      SCOPED_TRACE(v.nome);
      auto linea = prova::applica(c.linea, file_descrizione::linea, true, v);
      auto treno = prova::applica(c.treno, file_descrizione::treno, true, v);
      // Every change but CR LF, which it already has, has something to
      // change in the built-in pair.
      if (c.nome == std::string("built-in") &&
          v.modifiche != std::vector{prova::modifica::fine_riga_crlf}) {
        EXPECT_TRUE(linea || treno);
      }
      if (!linea && !treno) continue;
      const prova::compilato variato =
          prova::compila_coppia(linea.value_or(c.linea), treno.value_or(c.treno), 1);
      EXPECT_EQ(variato.n_errore, originale.n_errore);
      EXPECT_EQ(variato.pos_errore, originale.pos_errore);
      EXPECT_TRUE(variato.planimetria == originale.planimetria);
      EXPECT_TRUE(variato.elementi == originale.elementi);
      EXPECT_TRUE(variato.celle == originale.celle);
    }
  }
}

// The changes that depend on how a field is read leave text values alone
// and are not made where the rows do not read as expected.
TEST(DescrizioniEquivalenti, TextValuesAndStrayRowsAreLeftAlone) {
  using prova::modifica;
  const struct {
    const char* testo;
    modifica mod;
    const char* atteso;  // nullptr: the change does not apply
  } casi[] = {
      {"[generale]\r\nstazione, 0, 8, 500, 0,0,0,0,0,0,0,0,0,0, 18, 30, 0, Val 0\r\n",
       modifica::zeri_tolti,
       "[generale]\r\nstazione,  , 8, 500,  , , , , , , , , , , 18, 30,  , Val 0\r\n"},
      {"[generale]\r\nstazione, 0, 8, 500, 0,0,0,0,0,0,0,0,0,0, 18, 30, 0, Val 0\r\n",
       modifica::maiuscole,
       "[GENERALE]\r\nSTAZIONE, 0, 8, 500, 0,0,0,0,0,0,0,0,0,0, 18, 30, 0, Val 0\r\n"},
      {"[generale]\r\norologio, 18 29,  50\r\n", modifica::solo_spazi,
       "[generale]\r\norologio, 18 29 50\r\n"},
      {"[generale]\r\nvelocita, 5\r\n, 6\r\n", modifica::solo_spazi, nullptr},
      {"[generale]\r\nsabbia, \"0\"\r\n", modifica::fine_riga_lf, nullptr},
      {"x,\r\n", modifica::fine_riga_finale, nullptr},
      {"x, 5,\r\n", modifica::spazi_prima, " \t x, \t  5, \t \r\n"},
      {"x, 5,", modifica::spazi_prima, " \t x, \t  5,"},
      // A file that ends right after a comma has no field to pad or fill.
      {"[generale]\r\nvelocita, 5,", modifica::spazi_dopo, "[generale]\r\nvelocita, 5 \t ,"},
      {"[generale]\r\nvelocita, ,", modifica::zeri_messi, "[generale]\r\nvelocita, 0,"},
  };
  for (const auto& c : casi) {
    auto t = prova::modifica_descrizione(c.testo, file_descrizione::treno, true, c.mod);
    if (c.atteso == nullptr) {
      EXPECT_FALSE(t.has_value()) << c.testo;
    } else {
      EXPECT_EQ(t.value_or("(none)"), c.atteso) << c.testo;
    }
  }
}

}  // namespace
}  // namespace scenario
