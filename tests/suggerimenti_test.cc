// The word an author probably meant, for a keyword or a section header that
// the grammar lacks: chosen by place, then by the nearest within a typo's
// edits, and none for a word that is no likely typo.

#include <gtest/gtest.h>

#include <string>

#include "compilazione/memorizza_dati.h"
#include "modello/numeri_errore.h"

namespace scenario {
namespace {

const std::string generale = "[generale]\nlunghezza percorso, 3000\n";
const std::string linea_vuota = generale + "[fine]\n";
const std::string treno_vuoto = "[generale]\n[fine]\n";

TEST(Suggerimenti, AWordTheGrammarLacksGetsTheNearestOfItsPlace) {
  const struct {
    const char* caso;
    std::string linea, treno;
    int32_t numero;
    int32_t riga;
    std::string motivo, suggerimento;
  } casi[] = {
      {"a swap in a train keyword", linea_vuota, "[generale]\nstazoine, 1000, 1\n[fine]\n",
       numero_avviso::parola_sconosciuta, 2, "'stazoine'", "stazione"},
      {"case ignored", linea_vuota, "[generale]\nSEGNALLE, 1000\n[fine]\n",
       numero_avviso::parola_sconosciuta, 2, "'SEGNALLE'", "segnale"},
      {"a general keyword of a line, whose case counts",
       "[generale]\nlunghezza percorso, 3000\n"
       "progresiva chilometrica uno, 0, 0, 0\n[fine]\n",
       treno_vuoto, numero_avviso::parola_sconosciuta, 3, "'progresiva chilometrica uno'",
       "progressiva chilometrica uno"},
      {"one of two keywords of a kind", generale + "[curve]\ncurvss, 100, 200\n[fine]\n",
       treno_vuoto, numero_avviso::parola_sconosciuta, 4, "'curvss'", "curvas"},
      {"an item keyword in the general section",
       "[generale]\npendenzza, 0, 0\nlunghezza percorso, 3000\n[fine]\n", treno_vuoto,
       numero_avviso::parola_sconosciuta, 2,
       "'pendenzza': the nearest keyword is read only after the general section", "pendenza"},
      {"a general keyword among the items", generale + "[pendenze]\nsfondo unno, 1\n[fine]\n",
       treno_vuoto, numero_avviso::parola_sconosciuta, 4,
       "'sfondo unno': the nearest keyword is read only in the general section", "sfondo uno"},
      {"a keyword of the other description", linea_vuota, "[generale]\npendenzza, 100, 1\n[fine]\n",
       numero_avviso::parola_sconosciuta, 2,
       "'pendenzza': the nearest keyword belongs to a line description", "pendenza"},
      {"no likely typo", linea_vuota, "[generale]\nfermata, 1000, 1\n[fine]\n",
       numero_avviso::parola_sconosciuta, 2, "'fermata'", ""},
      {"too short for two edits", linea_vuota, "[generale]\nsab, 1\n[fine]\n",
       numero_avviso::parola_sconosciuta, 2, "'sab'", ""},
      {"a misspelt header", generale + "[curvee]\n[fine]\n", treno_vuoto,
       numero_avviso::intestazione_sconosciuta, 3, "'[curvee]'", "[curve]"},
      {"a header of the other description", linea_vuota,
       "[generale]\n[pendenze]\nvelocita, 0, 100\n[fine]\n",
       numero_avviso::intestazione_sconosciuta, 2, "'[pendenze]' belongs to a line description",
       ""},
      {"a header far from any", linea_vuota, "[generale]\n[orari]\nvelocita, 0, 100\n[fine]\n",
       numero_avviso::intestazione_sconosciuta, 2, "'[orari]'", ""},
      {"a misspelt [generale] of a line",
       "[generali]\nlunghezza percorso, 3000\n[generale]\n"
       "lunghezza percorso, 3000\n[fine]\n",
       treno_vuoto, numero_avviso::intestazione_sconosciuta, 1, "'[generali]'", "[generale]"},
  };
  for (const auto& c : casi) {
    modello m;
    inizializza_elementi(m);
    compila_descrizioni(m, {"l.txt", c.linea}, {"t.txt", c.treno});
    ASSERT_FALSE(m.diagnostiche.empty()) << c.caso;
    const diagnostica& d = m.diagnostiche[0];
    EXPECT_EQ(d.numero, c.numero) << c.caso;
    EXPECT_EQ(d.livello, gravita::avviso) << c.caso;
    EXPECT_EQ(d.luogo.riga, c.riga) << c.caso;
    EXPECT_EQ(d.luogo.colonna, 1) << c.caso;
    EXPECT_EQ(d.motivo, c.motivo) << c.caso;
    EXPECT_EQ(d.suggerimento, c.suggerimento) << c.caso;
  }
}

// Headers of the format are known in any case; those are no warning.
TEST(Suggerimenti, TheFormatsHeadersInAnyCaseAreNoWarning) {
  modello m;
  inizializza_elementi(m);
  compila_descrizioni(m,
                      {"l.txt", generale + "[CURVE]\n[Pendenze]\n[montagne]\n[cartelli]\n"
                                           "[indicazioni]\n[fine]\n"},
                      {"t.txt",
                       "[generale]\n[aderenze]\n[VEL_LIMITE]\n[stazioni]\n"
                       "[rallentamenti]\n[segnali]\n[codici]\n[fine]\n"});
  std::string tutte;
  for (const diagnostica& d : m.diagnostiche) tutte += " " + std::to_string(d.numero) + d.motivo;
  EXPECT_TRUE(m.diagnostiche.empty()) << tutte;
}

// A train description whose [generale] is misspelt is no description: its
// error is told with the header probably meant.
TEST(Suggerimenti, AMisspeltGeneralHeaderOfATrainIsNamed) {
  modello m;
  inizializza_elementi(m);
  opzioni_compilazione opzioni;
  opzioni.rifiuta_non_descrizioni = true;
  opzioni.cancella_descrizioni = false;
  compila_descrizioni(m, {"l.txt", linea_vuota},
                      {"t.txt", "-- orario\n[Generali]\nstazione, 1000, 1\n[fine]\n"}, opzioni);
  ASSERT_EQ(m.diagnostiche.size(), 3u);
  EXPECT_EQ(m.diagnostiche[0].numero, numero_errore::generale_treno_mancante);
  EXPECT_EQ(m.diagnostiche[1].numero, numero_avviso::intestazione_sconosciuta);
  EXPECT_EQ(m.diagnostiche[1].luogo.riga, 2);
  EXPECT_EQ(m.diagnostiche[1].suggerimento, "[generale]");
  EXPECT_EQ(m.diagnostiche[2].numero, numero_avviso::prima_di_generale);
  EXPECT_EQ(m.diagnostiche[2].luogo.riga, 1);
}

}  // namespace
}  // namespace scenario
