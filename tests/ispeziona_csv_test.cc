#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/stato_uscita.h"
#include "cartella_temporanea.h"
#include "comandi/comando_ispeziona.h"
#include "esegui_ispezione.h"
#include "scenario_di_prova.h"
#ifndef _WIN32
#include "esegui_generatore.h"
#endif

namespace scenario {
namespace {

using prova::cartella_temporanea;
using tabella_csv = std::vector<std::vector<std::string>>;

// A strict reader of RFC 4180 with LF line ends: a quoted field may hold
// anything, its quotes doubled; an unquoted one no quote, CR or LF; every row
// ends in an LF and has as many fields as the first. Any other text is a
// fault, told in `errore`.
std::optional<tabella_csv> leggi_csv(const std::string& t, std::string& errore) {
  tabella_csv righe;
  std::vector<std::string> riga;
  size_t i = 0;
  auto fallisci = [&](const std::string& perche) {
    errore = perche + " at byte " + std::to_string(i);
    return std::nullopt;
  };
  while (i < t.size()) {
    std::string campo;
    if (t[i] == '"') {
      for (++i;; ++i) {
        if (i >= t.size()) return fallisci("unclosed quote");
        if (t[i] != '"') {
          campo += t[i];
        } else if (i + 1 < t.size() && t[i + 1] == '"') {
          campo += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else {
      while (i < t.size() && t[i] != ',' && t[i] != '\n') {
        if (t[i] == '"' || t[i] == '\r') return fallisci("quote or CR in an unquoted field");
        campo += t[i++];
      }
    }
    riga.push_back(std::move(campo));
    if (i >= t.size()) return fallisci("a row without its LF");
    if (t[i] == ',') {
      ++i;
      continue;
    }
    if (t[i] != '\n') return fallisci("text after a closing quote");
    ++i;
    if (!righe.empty() && riga.size() != righe.front().size()) {
      return fallisci("a row of " + std::to_string(riga.size()) + " fields, not " +
                      std::to_string(righe.front().size()));
    }
    righe.push_back(std::move(riga));
    riga.clear();
  }
  if (righe.empty()) return fallisci("no header");
  return righe;
}

using esito = prova::esito_ispezione;
using prova::esegui_ispezione;

tabella_csv csv_di(const std::string& file, intervallo_metri intervallo = {}) {
  opzioni_ispezione o;
  o.file = {file};
  o.formato = formato_rapporto::csv;
  o.intervallo = intervallo;
  esito e = esegui_ispezione(o);
  EXPECT_EQ(e.stato, stato_uscita::successo) << e.errori;
  EXPECT_EQ(e.errori, "");
  std::string errore;
  std::optional<tabella_csv> t = leggi_csv(e.uscita, errore);
  EXPECT_TRUE(t) << file << ": " << errore;
  return t.value_or(tabella_csv{{}});
}

nlohmann::ordered_json json_di(const std::string& file) {
  opzioni_ispezione o;
  o.file = {file};
  o.formato = formato_rapporto::json;
  return nlohmann::ordered_json::parse(esegui_ispezione(o).uscita).at(0);
}

std::vector<std::string> chiavi(const nlohmann::ordered_json& oggetto) {
  std::vector<std::string> c;
  for (const auto& [chiave, valore] : oggetto.items()) c.push_back(chiave);
  return c;
}

// The files of the built-in run, written once for every test here.
class IspezionaCsvIncorporato : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    cartella = new cartella_temporanea;
    m = prova::scenario_predefinito().release();
    p = prova::scrivi_compilati(*m, *cartella);
  }
  static void TearDownTestSuite() {
    delete m;
    delete cartella;
  }
  static cartella_temporanea* cartella;
  static modello* m;
  static percorsi_scenario p;
};
cartella_temporanea* IspezionaCsvIncorporato::cartella = nullptr;
modello* IspezionaCsvIncorporato::m = nullptr;
percorsi_scenario IspezionaCsvIncorporato::p;

// Every cell is a row, empty or not, headed by the names of the JSON rows.
TEST_F(IspezionaCsvIncorporato, GridHasEveryCellUnderTheJsonNames) {
  tabella_csv t = csv_di(p.celle.string());
  ASSERT_EQ(t.size(), 1 + 2201u);
  nlohmann::ordered_json celle = json_di(p.celle.string())["tabelle"]["celle"];
  ASSERT_FALSE(celle.empty());
  EXPECT_EQ(t[0], chiavi(celle[0]));
  for (size_t i = 1; i < t.size(); ++i) ASSERT_EQ(t[i][0], std::to_string(i - 1));
  // The first built-in signal, "segnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0", in cell 18,
  // inside a tunnel of type 2.
  EXPECT_EQ(t[1 + 18], (std::vector<std::string>{"18", "900", "950", "1", "segnale",
                                                 "s1_d1=50 s2_d2=60 s3_d3=10 rapp_sx_dx=6 tempo=0",
                                                 "0", "0", "105", "100", "2"}));
  // Each cell that the JSON lists is the same row here.
  for (const nlohmann::ordered_json& c : celle) {
    const std::vector<std::string>& riga = t.at(1 + c["cella"].get<size_t>());
    EXPECT_EQ(riga[4], c["genere"]);
    EXPECT_EQ(riga[6], std::to_string(c["avviso"].get<int>()));
  }
}

TEST_F(IspezionaCsvIncorporato, ARangeSelectsTheCellsAndMetresThatMeetIt) {
  struct caso {
    std::string file;
    intervallo_metri intervallo;
    std::vector<std::string> prime;  // the first field of each row
  };
  const caso casi[] = {
      // Cell 19 covers [950, 1000) and ends before 1000; cell 22 begins at 1100.
      {p.celle.string(), {1000, 1100}, {"20", "21", "22"}},
      {p.celle.string(), {109990, std::nullopt}, {"2199", "2200"}},
      {p.celle.string(), {std::nullopt, 60}, {"0", "1"}},
      {p.planimetria.string(), {10, 12}, {"10", "11", "12"}},
      {p.planimetria.string(), {109999, 200000}, {"109999", "110000"}},
      {p.planimetria.string(), {200000, std::nullopt}, {}},
  };
  for (const caso& c : casi) {
    tabella_csv t = csv_di(c.file, c.intervallo);
    std::vector<std::string> prime;
    for (size_t i = 1; i < t.size(); ++i) prime.push_back(t[i][0]);
    EXPECT_EQ(prime, c.prime) << c.file << " " << c.intervallo.da.value_or(-1) << " "
                              << c.intervallo.a.value_or(-1);
  }
}

// Every metre, its coordinates reading back as the very values of the plan.
TEST_F(IspezionaCsvIncorporato, PlanHasEveryMetreReadingBackExactly) {
  tabella_csv t = csv_di(p.planimetria.string());
  ASSERT_EQ(t.size(), 1 + 110001u);
  EXPECT_EQ(t[0], (std::vector<std::string>{"metro", "x", "y"}));
  for (size_t metro = 0; metro <= 110000; ++metro) {
    const std::vector<std::string>& riga = t[1 + metro];
    ASSERT_EQ(riga[0], std::to_string(metro));
    for (size_t k = 0; k < 2; ++k) {
      const coordinata_planimetria& c = m->planimetria[k];
      if (c.tipo(metro) == coordinata_planimetria::vuoto) {
        ASSERT_EQ(riga[1 + k], "") << metro;
      } else {
        ASSERT_EQ(std::strtod(riga[1 + k].c_str(), nullptr), c.numero(metro)) << metro;
      }
    }
  }
}

TEST_F(IspezionaCsvIncorporato, ElementTableHasEveryRecordAndItsPart) {
  tabella_csv t = csv_di(p.elementi.string());
  ASSERT_EQ(t.size(), 1 + 87u);
  nlohmann::ordered_json stazioni = json_di(p.elementi.string())["tabelle"]["stazioni"];
  std::vector<std::string> attese = chiavi(stazioni[0]);
  attese.insert(attese.begin() + 1, "parte");
  EXPECT_EQ(t[0], attese);
  std::map<std::string, int> parti;
  for (size_t i = 1; i < t.size(); ++i) {
    EXPECT_EQ(t[i][0], std::to_string(i - 1));
    ++parti[t[i][1]];
  }
  EXPECT_EQ(parti, (std::map<std::string, int>{{"libero", 4},
                                               {"stazione", 21},
                                               {"progressiva", 3},
                                               {"linea", 1},
                                               {"testata_percorso", 1},
                                               {"testata_treno", 1},
                                               {"testo", 56}}));
  EXPECT_EQ(t[1 + 85][2], "Lorvento-Basalto");
  EXPECT_EQ(t[1 + 1][2], stazioni[0]["nome"]);
  EXPECT_EQ(t[1 + 1][7], stazioni[0]["orario"]);
}

// A name read from the file is one field whatever it holds: quoted where it
// must be, and without a control character.
TEST(IspezionaCsv, NamesAreQuotedAndShownAsOneField) {
  struct caso {
    std::string nome;
    std::string nel_file;  // as the row holds it
    std::string letto;     // as a CSV reader gives it back
  };
  const caso casi[] = {
      {"Alfa, Nord", "\"Alfa, Nord\"", "Alfa, Nord"},
      {"Alfa \"Nord\"", "\"Alfa \"\"Nord\"\"\"", "Alfa \"Nord\""},
      {"\"", "\"\"\"\"", "\""},
      {"Al\r\nfa", "Al\u240D\u240Afa", "Al\u240D\u240Afa"},
      {"Al\x1b[2Jfa", "Al\u241B[2Jfa", "Al\u241B[2Jfa"},
  };
  for (const caso& c : casi) {
    auto m = prova::scenario_minuscolo();
    m->elementi[1].testo = c.nome;
    cartella_temporanea cartella;
    percorsi_scenario p = prova::scrivi_compilati(*m, cartella);
    opzioni_ispezione o;
    o.file = {p.elementi.string()};
    o.formato = formato_rapporto::csv;
    esito e = esegui_ispezione(o);
    EXPECT_NE(e.uscita.find("\n1,stazione," + c.nel_file + ",8,"), std::string::npos)
        << c.letto << "\n"
        << e.uscita;
    std::string errore;
    std::optional<tabella_csv> t = leggi_csv(e.uscita, errore);
    ASSERT_TRUE(t) << errore;
    EXPECT_EQ(t->at(2).at(2), c.letto);
  }
}

// One table is of one file, and a check's findings have no column in it.
TEST(IspezionaCsv, TwoFilesOrACheckAreAUsageError) {
  cartella_temporanea cartella;
  auto m = prova::scenario_minuscolo();
  percorsi_scenario p = prova::scrivi_compilati(*m, cartella);
  struct caso {
    std::vector<std::string> file;
    bool verifica;
    std::string errori;
  };
  const caso casi[] = {
      {{p.elementi.string(), p.celle.string()},
       false,
       "generatore: --formato csv writes the table of one file: name one, not 2\n"},
      {{p.celle.string()}, true, "generatore: --verifica reports in text or JSON, not in CSV\n"},
  };
  for (const caso& c : casi) {
    opzioni_ispezione o;
    o.file = c.file;
    o.formato = formato_rapporto::csv;
    o.verifica = c.verifica;
    esito e = esegui_ispezione(o);
    EXPECT_EQ(e.stato, stato_uscita::uso_errato);
    EXPECT_EQ(e.errori, c.errori);
    EXPECT_EQ(e.uscita, "");
  }
}

#ifndef _WIN32
// The command line's own way there: the table of the grid, cut by --da/--a.
TEST(IspezionaCsv, ThroughTheExecutable) {
  cartella_temporanea cartella;
  auto m = prova::scenario_minuscolo();
  percorsi_scenario p = prova::scrivi_compilati(*m, cartella);
  prova::esito_processo e = prova::esegui_con_argomenti(
      {"ispeziona", p.celle.string(), "--formato", "csv", "--da", "1950", "--a", "1999"},
      cartella.percorso());
  EXPECT_EQ(e.stato, stato_uscita::successo) << e.errori;
  EXPECT_EQ(e.uscita,
            "cella,da_metro,a_metro,tipo,genere,campi,avviso,pendenza_permille,velocita_kmh,"
            "aderenza_percento,galleria\n"
            "39,1950,2000,3,inizio_rallentamento,velocita=40 d_v=0 f_tt=1,64,12,60,100,0\n");
}
#endif

}  // namespace
}  // namespace scenario
