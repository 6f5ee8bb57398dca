// Items at the very start of the route fill the values that the check codes
// need: the compile ends with 1250 or 1251, and the author learns which row
// did it.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "esegui_generatore.h"
#include "generazione/errore.h"
#include "generazione/memorizza_percorso.h"

namespace scenario {
namespace {

const std::string generale = "[generale]\nlunghezza percorso, 10000\n";
const std::string treno_vuoto = "[generale]\n[fine]\n";

struct esito_compilazione {
  esito_percorso esito;
  modello m;
};

esito_compilazione compila_in_memoria(const std::string& linea, const std::string& treno) {
  esito_compilazione e;
  e.m.linea = "L";
  e.m.treno = "1";
  e.esito = compila_percorso(e.m, {"l.txt", linea}, {"t.txt", treno}, 0);
  return e;
}

TEST(ValoriRiservati, TheErrorPointsAtTheRowWhoseItemFilledCellOne) {
  const struct {
    const char* caso;
    std::string linea, treno;
    int32_t numero;
    std::string file;
    int32_t riga, colonna;
  } casi[] = {
      {"a sign board at 0 m", generale + "[indicazioni]\ncartello_indicatore, 0, (A)(B)\n[fine]\n",
       treno_vuoto, numero_errore::valori_riservati_occupati, "l.txt", 4, 22},
      {"a position that reads as 0",
       generale + "[indicazioni]\ncartello_indicatore, 1OO, (A)(B)\n[fine]\n", treno_vuoto,
       numero_errore::valori_riservati_occupati, "l.txt", 4, 22},
      {"a speed board at 0 m showing a speed on its second side only",
       generale + "[cartelli]\nindicatori_vmax, 0, 0, 100, 0, 0, , , , 0\n[fine]\n", treno_vuoto,
       numero_errore::codici_controllo_occupati, "l.txt", 4, 18},
      {"a signal at 0 m", generale + "[fine]\n",
       "[generale]\nsegnale, 0, 2, 5, 6, 1, 0, 0, 0, 0, 0\n[fine]\n",
       numero_errore::valori_riservati_occupati, "t.txt", 2, 10},
      // Sign boards in cells 2 and 3 leave cell 1 to the first code point
      // group before the slow-down's start in cell 8: the finishing pass puts
      // it there for the slow-down.
      {"a code point that the finishing pass adds for a slow-down",
       generale +
           "[indicazioni]\ncartello_indicatore, 50, (A)\ncartello_indicatore, 100, (B)\n[fine]\n",
       "[generale]\nrallentamento, 350, 30, 200, 0, 0, 0\n[fine]\n",
       numero_errore::valori_riservati_occupati, "t.txt", 2, 1},
  };
  for (const auto& c : casi) {
    esito_compilazione e = compila_in_memoria(c.linea, c.treno);
    EXPECT_EQ(e.esito.errore_fatale, c.numero) << c.caso;
    EXPECT_FALSE(e.esito.da_scrivere) << c.caso;
    EXPECT_TRUE(compilazione_fallita(e.m)) << c.caso;
    ASSERT_FALSE(e.m.diagnostiche.empty()) << c.caso;
    const diagnostica& d = e.m.diagnostiche.back();
    EXPECT_EQ(d.numero, c.numero) << c.caso;
    EXPECT_EQ(d.livello, gravita::errore) << c.caso;
    EXPECT_EQ(d.luogo.file, c.file) << c.caso;
    EXPECT_EQ(d.luogo.riga, c.riga) << c.caso;
    EXPECT_EQ(d.luogo.colonna, c.colonna) << c.caso;
    EXPECT_NE(d.motivo.find("cell 1"), std::string::npos) << c.caso << ": " << d.motivo;
    // Shown, not recorded: n_errore keeps what the compile recorded.
    EXPECT_NE(e.m.n_errore, c.numero) << c.caso;
  }
}

TEST(ValoriRiservati, ASignBoardAtTheStartOfTheRouteCompilesWhenMovedOn) {
  esito_compilazione e = compila_in_memoria(
      generale + "[indicazioni]\ncartello_indicatore, 100, (A)(B)\n[fine]\n", treno_vuoto);
  EXPECT_EQ(e.esito.errore_fatale, numero_errore::nessuno);
  EXPECT_TRUE(e.esito.da_scrivere);
  EXPECT_FALSE(compilazione_fallita(e.m));
}

#ifndef _WIN32

using prova::cartella_temporanea;
using prova::esegui_con_argomenti;
using prova::scrivi_file;

TEST(ValoriRiservati, CompilaNamesTheRowInTextAndJson) {
  cartella_temporanea cartella;
  scrivi_file(cartella / "A_linea.txt",
              generale + "[indicazioni]\ncartello_indicatore, 0, (A)(B)\n[fine]\n");
  scrivi_file(cartella / "A_1-.txt", treno_vuoto);

  prova::esito_processo testo = esegui_con_argomenti(
      {"compila", "A_linea.txt", "A_1-.txt", "-o", "out"}, cartella.percorso());
  EXPECT_EQ(testo.stato, stato_uscita::errore_mostrato);
  EXPECT_NE(testo.errori.find(" Errore n. 1250\n"), std::string::npos) << testo.errori;
  EXPECT_NE(testo.errori.find("A_linea.txt:4:22: error: "), std::string::npos) << testo.errori;
  EXPECT_NE(testo.errori.find("[1250]\n"), std::string::npos) << testo.errori;
  EXPECT_NE(testo.errori.find("1 error, 0 warnings"), std::string::npos) << testo.errori;
  EXPECT_FALSE(std::filesystem::exists(cartella / "out" / "A_1.dat"));

  prova::esito_processo json =
      esegui_con_argomenti({"compila", "A_linea.txt", "A_1-.txt", "-o", "out", "--formato", "json"},
                           cartella.percorso());
  EXPECT_EQ(json.stato, stato_uscita::errore_mostrato);
  nlohmann::json documento = nlohmann::json::parse(json.uscita);
  ASSERT_EQ(documento["diagnostics"].size(), 1u) << json.uscita;
  const nlohmann::json& d = documento["diagnostics"][0];
  EXPECT_EQ(d["number"], 1250);
  EXPECT_EQ(d["file"], "A_linea.txt");
  EXPECT_EQ(d["line"], 4);
  EXPECT_EQ(d["column"], 22);
  EXPECT_EQ(documento["errors"], 1);

  prova::esito_processo spiega = esegui_con_argomenti({"spiega", "1250"}, cartella.percorso());
  EXPECT_EQ(spiega.errori, "");
  EXPECT_EQ(spiega.uscita.find("fault of the program"), std::string::npos) << spiega.uscita;
  EXPECT_NE(spiega.uscita.find("move the item"), std::string::npos) << spiega.uscita;
}

#endif

}  // namespace
}  // namespace scenario
