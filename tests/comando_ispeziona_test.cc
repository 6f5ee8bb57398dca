#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/stato_uscita.h"
#include "cartella_temporanea.h"
#include "comandi/comando_ispeziona.h"
#include "esegui_ispezione.h"
#include "ispezione/curve_ritrovate.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;

using esito = prova::esito_ispezione;
using prova::esegui_ispezione;

class IspezionaMinuscolo : public ::testing::Test {
 protected:
  void SetUp() override {
    m = prova::scenario_minuscolo();
    ASSERT_EQ(m->n_errore, 0);
    p = prova::scrivi_compilati(*m, cartella);
  }
  cartella_temporanea cartella;
  std::unique_ptr<modello> m;
  percorsi_scenario p;
};

TEST_F(IspezionaMinuscolo, GridAsTextWithinAMetreRange) {
  opzioni_ispezione o;
  o.file = {p.celle.string()};
  o.intervallo = {1800, 1960};
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, 0) << e.errori;
  EXPECT_EQ(
      e.uscita,
      "file:           " + p.celle.string() +
          "\n"
          "tipo:           griglia delle celle\n"
          "celle:          201\n"
          "metri:          10050\n"
          "celle_mostrate: 1\n"
          "\n"
          "celle (1)\n"
          "cella  da_metro  a_metro  tipo  genere                campi                     "
          "avviso  pendenza_permille  velocita_kmh  aderenza_percento  galleria\n"
          // The slow-down's start, on the signal's fourth approach mark.
          "   39      1950     2000     3  inizio_rallentamento  velocita=40 d_v=0 f_tt=1      "
          "64                 12            60                100         0\n");
}

TEST_F(IspezionaMinuscolo, ElementTableAsText) {
  opzioni_ispezione o;
  o.file = {p.elementi.string()};
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, 0) << e.errori;
  const std::string atteso_inizio = "file:                       " + p.elementi.string() +
                                    "\n"
                                    "tipo:                       tabella degli elementi\n"
                                    "percorso:                   Prova\n"
                                    "treno:                      1\n"
                                    "lunghezza_percorso:         3000\n";
  EXPECT_EQ(e.uscita.substr(0, atteso_inizio.size()), atteso_inizio);
  EXPECT_NE(e.uscita.find("valore_riservato:           610\n"), std::string::npos) << e.uscita;
  EXPECT_NE(e.uscita.find("\nstazioni (2)\n"), std::string::npos) << e.uscita;
  EXPECT_NE(e.uscita.find("\n     2  Beta    12    2450  2750       2600  08:34:00"),
            std::string::npos)
      << e.uscita;
  EXPECT_NE(e.uscita.find("\nrecord_liberi (2)\nda  a\n 0   0\n 3  80\n"), std::string::npos)
      << e.uscita;
}

// A name read from a file is data: in text its control characters are shown,
// never sent to the terminal.
TEST_F(IspezionaMinuscolo, ControlCharactersOfNamesAreShownInText) {
  m->elementi[2].testo = "Be\x1b]0;x\x07ta";
  cartella_temporanea altra;
  percorsi_scenario q = prova::scrivi_compilati(*m, altra);
  opzioni_ispezione o;
  o.file = {q.elementi.string()};
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, 0) << e.errori;
  EXPECT_EQ(e.uscita.find_first_of("\x1b\x07"), std::string::npos) << e.uscita;
  EXPECT_NE(e.uscita.find("Be\u241B]0;x\u2407ta"), std::string::npos) << e.uscita;
}

// The plan's CSV is its metres, one a row; the summary stays in text and JSON.
TEST_F(IspezionaMinuscolo, PlanAsCsv) {
  opzioni_ispezione o;
  o.file = {p.planimetria.string()};
  o.formato = formato_rapporto::csv;
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, 0) << e.errori;
  const std::string inizio = "metro,x,y\n0,0,0\n1,0,1\n2,0,2\n3,0,3\n";
  const std::string fine = "\n9999,,\n10000,,\n";
  ASSERT_GT(e.uscita.size(), inizio.size() + fine.size());
  EXPECT_EQ(e.uscita.substr(0, inizio.size()), inizio);
  EXPECT_EQ(e.uscita.substr(e.uscita.size() - fine.size()), fine);
  EXPECT_EQ(std::count(e.uscita.begin(), e.uscita.end(), '\n'), 1 + 10001);
  EXPECT_EQ(e.uscita.find("x_min"), std::string::npos);
  misure_planimetria misure = misura_planimetria(*m);
  EXPECT_LT(misure.x_min, 0);
  EXPECT_GT(misure.lunghezza_disegnata, 9998);
}

TEST_F(IspezionaMinuscolo, AllThreeAsJsonParsedBack) {
  opzioni_ispezione o;
  o.file = {p.elementi.string(), p.celle.string(), p.planimetria.string()};
  o.formato = formato_rapporto::json;
  o.verifica = true;
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, 0) << e.errori << e.uscita;
  nlohmann::json j = nlohmann::json::parse(e.uscita);
  ASSERT_EQ(j.size(), 4u);
  EXPECT_EQ(j[0]["tipo"], "tabella degli elementi");
  EXPECT_EQ(j[0]["codice_gara_st"], m->elementi[85].orario);
  EXPECT_EQ(j[0]["tabelle"]["stazioni"][0]["nome"], "Alfa");
  EXPECT_EQ(j[0]["tabelle"]["stazioni"][1]["orario"], "08:34:00");
  nlohmann::json celle = j[1]["tabelle"]["celle"];
  std::vector<nlohmann::json> segnali;
  for (const auto& c : celle) {
    if (c["genere"] == "segnale") segnali.push_back(c);
  }
  ASSERT_EQ(segnali.size(), 2u);
  // "segnale, 1000, 2, 2, 3, 1, 0, 0, ...": s1 2 and d1 0, in cell 1000 / 50 + 1.
  EXPECT_EQ(segnali[0]["cella"], 21);
  EXPECT_EQ(segnali[0]["campi"]["s1_d1"], 20);
  EXPECT_EQ(segnali[0]["campi"]["rapp_sx_dx"], 6);
  EXPECT_EQ(celle[0]["cella"], 1);
  EXPECT_EQ(celle[0]["campi"]["valore_riservato"], 5121);
  EXPECT_EQ(j[2]["tabelle"]["curve"][1]["k"], 0.0004);
  EXPECT_EQ(j[3]["tipo"], "verifica");
  EXPECT_EQ(j[3]["esito"], "valido");
}

TEST_F(IspezionaMinuscolo, RefusedFilesAndMisnamedOnes) {
  prova::scrivi_file(cartella / "Altro_linea.dat", prova::leggi_file(p.celle));
  prova::scrivi_file(cartella / "Rotto.dat", "abc");
  const struct {
    std::vector<std::string> file;
    int stato;
    std::string errori;
  } casi[] = {
      {{(cartella / "Altro_linea.dat").string()},
       3,
       (cartella / "Altro_linea.dat").string() +
           ": type code 25620 at byte 12 (0, 2 and 5 are allowed) (the content is that of a "
           "cell grid)\n"},
      {{(cartella / "Rotto.dat").string()},
       3,
       (cartella / "Rotto.dat").string() + ": 3 bytes: not a whole number of cells of 15 bytes\n"},
      {{(cartella / "nota.txt").string()},
       stato_uscita::uso_errato,
       "generatore: " + (cartella / "nota.txt").string() +
           ": the name tells no kind of compiled file (expected _linea.dat, .sim or .dat)\n"},
      {{(cartella / "Manca.sim").string()},
       1,
       "generatore: file operation failed: " + (cartella / "Manca.sim").string() +
           ": No such file or directory\n"},
  };
  for (const auto& c : casi) {
    opzioni_ispezione o;
    o.file = c.file;
    esito e = esegui_ispezione(o);
    EXPECT_EQ(e.stato, c.stato) << c.file[0];
    EXPECT_EQ(e.errori, c.errori) << c.file[0];
  }
}

// With --verifica a difference is reported after the files and ends with 3.
TEST_F(IspezionaMinuscolo, VerificaEndsWith3OnADifference) {
  std::string griglia = prova::leggi_file(p.celle);
  griglia[15 + 1] = static_cast<char>(griglia[15 + 1] + 1);
  prova::scrivi_file(p.celle, griglia);
  opzioni_ispezione o;
  o.file = {p.elementi.string(), p.celle.string()};
  o.verifica = true;
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, stato_uscita::errore_registrato) << e.errori;
  EXPECT_NE(e.uscita.find("esito:      differenze\ndifferenze: 1\n"), std::string::npos)
      << e.uscita;
  EXPECT_NE(e.uscita.find(p.celle.string() + ": cell 1, reserved value 5122 (expected 5121)"),
            std::string::npos)
      << e.uscita;
}

}  // namespace
}  // namespace scenario
