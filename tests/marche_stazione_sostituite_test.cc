// A signal's marks written over the approach marks of a station placed before
// it: the compile warns at the signal's row and writes them, and the check of
// the compiled files accepts them, but no other mark in their place.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/stato_uscita.h"
#include "esegui_generatore.h"
#include "ispezione/verifica.h"
#include "modello/numeri_errore.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

const std::string linea =
    "[generale]\nlunghezza percorso, 5000\n[pendenze]\npendenza, 0, 0\n[fine]\n";

// Three stations, their approach marks in cells 5 to 8, 50 to 53 and 78 to
// 81, and a signal after each whose marks fall on two of them.
const std::string treno =
    "[generale]\n"
    "velocita, 0, 100\n"
    "aderenza, 0, 100\n"
    "[stazioni]\n"
    "stazione, 0, 8, 500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 30, 0, Alfa\n"
    "stazione, 2600, 12, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 34, 0, Beta\n"
    "stazione, 4000, 12, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 38, 0, Gamma\n"
    "[segnali]\n"
    "segnale, 550, 2, 5, 6, 1, 0, 0, 0, 0, 0, 0\n"
    "segnale, 2750, 1, 5, 6, 1, 0, 0, 0, 0, 0, 0\n"
    "segnale, 4100, 2, 5, 6, 1, 1, 1, 0, 0, 0, 0\n"
    "[fine]\n";

// The same signals written before the stations: the stations' marks win.
std::string segnali_prima() {
  const size_t stazioni = treno.find("[stazioni]");
  const size_t segnali = treno.find("[segnali]");
  const size_t fine = treno.find("[fine]");
  return treno.substr(0, stazioni) + treno.substr(segnali, fine - segnali) +
         treno.substr(stazioni, segnali - stazioni) + treno.substr(fine);
}

struct attesa {
  int riga;
  std::string motivo;
};

const attesa avvisi_attesi[] = {
    {9, "station 1 (Alfa), in cells 6 and 8"},
    {10, "station 2 (Beta), in cells 50 and 52"},
    {11, "station 3 (Gamma), in cells 79 and 81"},
};

TEST(MarcheStazioneSostituite, TheCompileWarnsAtEachSignalNamingItsStation) {
  auto m = prova::compila_scenario(linea, treno);
  ASSERT_EQ(m->n_errore, 0);
  ASSERT_EQ(m->diagnostiche.size(), std::size(avvisi_attesi));
  for (size_t i = 0; i < std::size(avvisi_attesi); ++i) {
    const diagnostica& d = m->diagnostiche[i];
    EXPECT_EQ(d.numero, numero_avviso::marche_stazione_sostituite);
    EXPECT_EQ(d.livello, gravita::avviso);
    EXPECT_EQ(d.luogo.file, "t.txt");
    EXPECT_EQ(d.luogo.riga, avvisi_attesi[i].riga);
    EXPECT_EQ(d.luogo.colonna, 10);
    EXPECT_EQ(d.motivo, avvisi_attesi[i].motivo);
  }
  // The signals' marks stand where they fell; the stop marks are untouched.
  EXPECT_EQ(m->celle[8].avviso, 62);
  EXPECT_EQ(m->celle[7].avviso, 82);
  EXPECT_EQ(m->celle[52].avviso, 32);
  EXPECT_EQ(m->celle[79].avviso, 72);
  EXPECT_EQ(m->celle[54].tipo, tipo_cella::fermata);

  // Written first, the signals lose those marks to the stations: each station
  // warns at its own row, with a note at the signal's.
  auto prima = prova::compila_scenario(linea, segnali_prima());
  ASSERT_EQ(prima->n_errore, 0);
  EXPECT_EQ(prima->celle[8].avviso, 81);
  EXPECT_EQ(prima->celle[52].avviso, 82);
  std::vector<std::string> visti;
  for (const diagnostica& d : prima->diagnostiche) {
    std::string visto = std::to_string(d.numero) + " " + std::to_string(d.luogo.riga) + ":" +
                        std::to_string(d.luogo.colonna) + " " + d.motivo;
    for (const nota_diagnostica& n : d.note) visto += " | " + std::to_string(n.luogo.riga);
    visti.push_back(visto);
  }
  EXPECT_EQ(visti, (std::vector<std::string>{"226 9:11 in cells 6 and 8 | 5",
                                             "226 10:11 in cells 50 and 52 | 6",
                                             "226 11:11 in cells 79 and 81 | 7"}));
}

// A station's stop mark written over an item placed before it: the item is
// lost, and the station's row says which, with a note at the item's row.
TEST(MarcheStazioneSostituite, AStopMarkOverAnItemWarnsAndNamesIt) {
  auto m = prova::compila_scenario(linea,
                                   "[generale]\nvelocita, 0, 100\n"
                                   "segnale, 2650, 1, 5, 6, 1, 0, 0, 0, 0, 0, 0\n"
                                   "stazione, 2600, 12, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, "
                                   "34, 0, Beta\n[fine]\n");
  ASSERT_EQ(m->n_errore, 0);
  const auto fermata = std::find_if(m->diagnostiche.begin(), m->diagnostiche.end(),
                                    [](const diagnostica& d) {
                                      return d.numero == numero_avviso::fermata_sopra_elemento;
                                    });
  ASSERT_NE(fermata, m->diagnostiche.end());
  EXPECT_EQ(fermata->luogo.riga, 4);
  EXPECT_EQ(fermata->motivo, "in cell 54");
  ASSERT_EQ(fermata->note.size(), 1u);
  EXPECT_EQ(fermata->note[0].luogo.riga, 3);
  EXPECT_NE(fermata->note[0].testo.find("signal"), std::string::npos) << fermata->note[0].testo;
  EXPECT_EQ(m->celle[54].tipo, tipo_cella::fermata);
}

// A mark of the station's own value replaces nothing (sx 2 and dx 2 write 81
// to 84, here 81 over 81 and 82 over 83), nor does a signal over a station of
// type 5 or 6, which has no approach marks.
TEST(MarcheStazioneSostituite, OnlyAMarkThatChangesAnApproachMarkWarns) {
  const struct {
    const char* caso;
    std::string stazione, segnale;
    std::vector<std::string> motivi;
  } casi[] = {
      {"sx 2 and dx 2",
       "stazione, 2600, 12, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 34, 0, Beta\n",
       "segnale, 2700, 2, 5, 6, 1, 0, 2, 0, 0, 0, 0\n",
       {"station 1 (Beta), in cell 51"}},
      {"type 5",
       "stazione, 2600, 5, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 34, 0, Beta\n",
       "segnale, 2800, 1, 5, 6, 1, 0, 0, 0, 0, 0, 0\n",
       {}},
      {"a station without a name",
       "stazione, 2600, 12, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 34, 0, \n",
       "segnale, 2950, 1, 5, 6, 1, 0, 0, 0, 0, 0, 0\n",
       {"station 1, in cell 52"}},
  };
  for (const auto& c : casi) {
    auto m = prova::compila_scenario(
        linea, "[generale]\nvelocita, 0, 100\n" + c.stazione + c.segnale + "[fine]\n");
    EXPECT_EQ(m->n_errore, 0) << c.caso;
    std::vector<std::string> motivi;
    for (const diagnostica& d : m->diagnostiche) {
      motivi.push_back(d.numero == numero_avviso::marche_stazione_sostituite
                           ? d.motivo
                           : std::to_string(d.numero));
    }
    EXPECT_EQ(motivi, c.motivi) << c.caso;
  }
}

// The compiled grid passes the check; a mark that no signal can have written
// in its place, or a replaced mark whose signal is gone, is reported.
TEST(MarcheStazioneSostituite, TheCheckAcceptsTheSignalsMarksAndNothingElse) {
  auto compilato = prova::compila_scenario(linea, treno);
  const file_letti nomi{"P_linea.dat", "P_1.sim", "P_1.dat"};
  const auto verifica = [&](const modello& m) {
    return differenze_dei_byte(nomi, codifica_file_planimetria(m), codifica_file_elementi(m),
                               codifica_file_celle(m));
  };
  ASSERT_EQ(verifica(*compilato), std::vector<std::string>{});

  const struct {
    const char* caso;
    void (*cambia)(modello&);
    std::string differenza;
  } casi[] = {
      {"a value the signal cannot write", [](modello& m) { m.celle[52].avviso = 33; },
       "P_1.dat: cell 52 lacks the approach mark 82 of station 2 (Beta) (avviso 33)"},
      {"the signal's mark of another distance", [](modello& m) { m.celle[52].avviso = 31; },
       "P_1.dat: cell 52 lacks the approach mark 82 of station 2 (Beta) (avviso 31)"},
      {"the signal gone", [](modello& m) { m.celle[56] = cella{}; },
       "P_1.dat: cell 52 lacks the approach mark 82 of station 2 (Beta) (avviso 32)"},
      {"a mark with no signal after it", [](modello& m) { m.celle[51].avviso = 31; },
       "P_1.dat: cell 51 lacks the approach mark 83 of station 2 (Beta) (avviso 31)"},
      {"the stop mark", [](modello& m) { m.celle[54].val1 = 3; },
       "P_1.dat: cell 54 lacks the stop mark of station 2 (Beta) (tipo 10, val1 3)"},
  };
  for (const auto& c : casi) {
    auto m = prova::compila_scenario(linea, treno);
    c.cambia(*m);
    const std::vector<std::string> d = verifica(*m);
    EXPECT_NE(std::find(d.begin(), d.end(), c.differenza), d.end())
        << c.caso << "\n"
        << (d.empty() ? "no difference" : d[0]);
  }
}

#ifndef _WIN32
// The author's case through the executable: the warning names each station,
// in text and in JSON, and the files it writes pass `ispeziona --verifica`.
TEST(MarcheStazioneSostituite, ThePairCompilesWithTheWarningsAndPassesTheCheck) {
  prova::cartella_temporanea cartella;
  prova::scrivi_file(cartella / "Prova_linea.txt", linea);
  prova::scrivi_file(cartella / "Prova_1-.txt", treno);
  const std::vector<std::string> compila = {"compila", "Prova_linea.txt", "Prova_1-.txt", "-o",
                                            "out"};
  const prova::esito_processo testo = prova::esegui_con_argomenti(compila, cartella.percorso());
  ASSERT_EQ(testo.stato, stato_uscita::successo) << testo.errori;
  for (const attesa& a : avvisi_attesi) {
    const std::string riga = "Prova_1-.txt:" + std::to_string(a.riga) +
                             ":10: warning: a signal's approach marks replace a station's "
                             "approach marks: " +
                             a.motivo + " [219]\n";
    EXPECT_NE(testo.errori.find(riga), std::string::npos) << riga << "\n" << testo.errori;
  }

  std::vector<std::string> in_json = compila;
  in_json.insert(in_json.end(), {"--formato", "json"});
  const prova::esito_processo json = prova::esegui_con_argomenti(in_json, cartella.percorso());
  ASSERT_EQ(json.stato, stato_uscita::successo) << json.errori;
  const nlohmann::json letto = nlohmann::json::parse(json.uscita);
  ASSERT_EQ(letto["diagnostics"].size(), std::size(avvisi_attesi));
  for (size_t i = 0; i < std::size(avvisi_attesi); ++i) {
    const nlohmann::json& d = letto["diagnostics"][i];
    EXPECT_EQ(d["file"], "Prova_1-.txt");
    EXPECT_EQ(d["line"], avvisi_attesi[i].riga);
    EXPECT_EQ(d["column"], 10);
    EXPECT_EQ(d["severity"], "warning");
    EXPECT_EQ(d["number"], 219);
    EXPECT_EQ(d["message"], "a signal's approach marks replace a station's approach marks: " +
                                avvisi_attesi[i].motivo);
  }

  const prova::esito_processo verificato = prova::esegui_con_argomenti(
      {"ispeziona", "out/Prova_linea.dat", "out/Prova_1.sim", "out/Prova_1.dat", "--verifica"},
      cartella.percorso());
  EXPECT_EQ(verificato.stato, stato_uscita::successo) << verificato.uscita << verificato.errori;
}
#endif

}  // namespace
}  // namespace scenario
