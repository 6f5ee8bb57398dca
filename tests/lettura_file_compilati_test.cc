#include "file_compilati/lettura_file_compilati.h"

#include <gtest/gtest.h>

#include "base/errore_file.h"
#include "cartella_temporanea.h"
#include "file_compilati/file_compilati.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

// Reading each file and encoding what was read gives the same bytes.
void verifica_andata_e_ritorno(const modello& m, const char* caso) {
  const std::string piano = codifica_file_planimetria(m);
  const std::string tabella = codifica_file_elementi(m);
  const std::string griglia = codifica_file_celle(m);
  auto letto = std::make_unique<modello>();
  decodifica_file_planimetria(*letto, piano, "p");
  decodifica_file_elementi(*letto, tabella, "e");
  decodifica_file_celle(*letto, griglia, "c");
  EXPECT_EQ(codifica_file_planimetria(*letto), piano) << caso;
  EXPECT_EQ(codifica_file_elementi(*letto), tabella) << caso;
  EXPECT_EQ(codifica_file_celle(*letto), griglia) << caso;
  EXPECT_EQ(letto->metri_totali, m.metri_totali) << caso;
  EXPECT_EQ(letto->n_celle, m.n_celle) << caso;
  EXPECT_EQ(letto->linea, m.linea) << caso;
  EXPECT_EQ(letto->treno, m.treno) << caso;
  EXPECT_TRUE(dimensioni_discordanti(*letto, {"p", "e", "c"}).empty()) << caso;
}

TEST(LetturaFileCompilati, EachFileReadBackEncodesToTheSameBytes) {
  auto minuscolo = prova::scenario_minuscolo();
  ASSERT_EQ(minuscolo->n_errore, 0);
  verifica_andata_e_ritorno(*minuscolo, "small route");
  verifica_andata_e_ritorno(*prova::scenario_predefinito(), "built-in route");
}

TEST(LetturaFileCompilati, ValuesComeBackInTheirFields) {
  auto m = prova::scenario_minuscolo();
  modello letto;
  decodifica_file_elementi(letto, codifica_file_elementi(*m), "e");
  decodifica_file_celle(letto, codifica_file_celle(*m), "c");
  decodifica_file_planimetria(letto, codifica_file_planimetria(*m), "p");
  EXPECT_EQ(letto.elementi[2].testo, "Beta");
  EXPECT_EQ(letto.elementi[2].posizione, 2600);
  EXPECT_EQ(letto.elementi[elemento_linea].fine, 3000);
  EXPECT_EQ(letto.celle[1].val1, 5121);
  EXPECT_EQ(letto.planimetria[1][1], valore_planimetria(int16_t{1}));
  EXPECT_EQ(letto.planimetria[0].tipo(static_cast<size_t>(letto.metri_totali)),
            coordinata_planimetria::vuoto);
  EXPECT_EQ(letto.planimetria[0].numero(700), m->planimetria[0].numero(700));
}

// Damaged copies of the small route's files, each refused with its message.
TEST(LetturaFileCompilati, DamagedFilesAreRefusedNamingTheFileAndTheFault) {
  auto m = prova::scenario_minuscolo();
  const std::string piano = codifica_file_planimetria(*m);
  const std::string tabella = codifica_file_elementi(*m);
  const std::string griglia = codifica_file_celle(*m);
  // The small route is 3000 m: 10001 metres a coordinate, 201 cells.
  ASSERT_EQ(griglia.size(), 201u * 15);
  std::string piano_codice_ignoto = piano;
  piano_codice_ignoto[4] = 7;  // metre 1's type code
  std::string tabella_testo_lungo = tabella;
  tabella_testo_lungo[14] = 0x7f;  // record 0 claims a text of 127 bytes... and more
  tabella_testo_lungo[15] = 0x7f;
  std::string tabella_lunghezza_negativa = tabella;
  {
    // Record 84's fine is the route length; every record before it is
    // 34 bytes and its text.
    size_t offset = 0;
    for (int r = 0; r < elemento_linea; ++r) {
      offset += 34 + m->elementi[r].testo.size();
    }
    tabella_lunghezza_negativa[offset + 8] = static_cast<char>(0xff);
  }
  modello altro_percorso;
  altro_percorso.elementi = m->elementi;
  altro_percorso.elementi[elemento_linea].fine = 3050;
  const std::string tabella_3050 = codifica_file_elementi(altro_percorso);

  const struct {
    const char* caso;
    std::string piano, tabella, griglia;  // empty: that file is not read
    std::string messaggio;                // {d}: the directory of the files
  } casi[] = {
      {"empty plan", std::string(), "", "", "p.dat: empty file"},
      {"plan cut inside a type code", piano.substr(0, piano.size() - 1), "", "",
       "p.dat: cut short at byte 199962, inside a type code"},
      {"plan cut inside a double", piano.substr(0, 30), "", "",
       "p.dat: cut short at byte 28, inside a value of 10 bytes"},
      {"unknown type code", piano_codice_ignoto, "", "",
       "p.dat: type code 7 at byte 4 (0, 2 and 5 are allowed)"},
      {"plan with one value too many", piano + std::string(2, '\0'), "", "",
       "p.dat: 20003 values: the two coordinates do not have as many each"},
      {"table cut inside a record", "", tabella.substr(0, 100), "",
       "e.sim: cut short at byte 100, inside record 2 of 87"},
      {"empty table", "", std::string(1, '\0'), "",
       "e.sim: cut short at byte 1, inside record 0 of 87"},
      {"text length past the end", "", tabella_testo_lungo, "",
       "e.sim: cut short at byte " + std::to_string(tabella.size()) + ", inside record 0 of 87"},
      {"bytes after the last record", "", tabella + "xyz", "",
       "e.sim: 3 bytes after the last record (86)"},
      {"grid of no cell", "", "", std::string(), "c.dat: empty file"},
      {"grid cut inside a cell", "", "", griglia.substr(0, griglia.size() - 4),
       "c.dat: 3011 bytes: not a whole number of cells of 15 bytes"},
      {"route length out of range", "", tabella_lunghezza_negativa, griglia,
       "e.sim: route length -16774216 m (record 84), outside 0 to 1000000"},
      {"plan against the table's length", piano, tabella_3050, "",
       "p.dat: 10001 metres, where the route length in {d}e.sim (3050 m) calls for 10051"},
      {"grid against the table's length", "", tabella_3050, griglia,
       "c.dat: 201 cells, where the route length in {d}e.sim (3050 m) calls for 202"},
      {"grid against the plan without a table", piano, "", griglia + std::string(15, '\0'),
       "c.dat: 202 cells, where the 10001 metres of {d}p.dat call for 201"},
  };
  for (const auto& c : casi) {
    prova::cartella_temporanea cartella;
    file_letti letti;
    bool con_piano = c.caso == std::string("empty plan") || !c.piano.empty();
    bool con_griglia = c.caso == std::string("grid of no cell") || !c.griglia.empty();
    if (con_piano) {
      prova::scrivi_file(cartella / "p.dat", c.piano);
      letti.planimetria = (cartella / "p.dat").string();
    }
    if (!c.tabella.empty()) {
      prova::scrivi_file(cartella / "e.sim", c.tabella);
      letti.elementi = (cartella / "e.sim").string();
    }
    if (con_griglia) {
      prova::scrivi_file(cartella / "c.dat", c.griglia);
      letti.celle = (cartella / "c.dat").string();
    }
    auto letto = std::make_unique<modello>();
    try {
      leggi_file_compilati(*letto, letti);
      ADD_FAILURE() << c.caso << ": accepted";
    } catch (const file_compilato_non_valido& e) {
      std::string atteso = "{d}" + c.messaggio;
      for (size_t k; (k = atteso.find("{d}")) != std::string::npos;) {
        atteso.replace(k, 3, (cartella.percorso() / "").string());
      }
      EXPECT_EQ(e.what(), atteso) << c.caso;
    }
  }
}

TEST(LetturaFileCompilati, AMissingFileIsAFileError) {
  prova::cartella_temporanea cartella;
  modello m;
  file_letti letti;
  letti.celle = (cartella / "assente.dat").string();
  try {
    leggi_file_compilati(m, letti);
    ADD_FAILURE() << "accepted";
  } catch (const errore_file& e) {
    EXPECT_EQ(e.what(), letti.celle.value() + ": No such file or directory");
  }
}

// Each file as large as the longest route and the longest texts make it is
// read back; one byte more and it is refused unread, naming the limit.
TEST(LetturaFileCompilati, EachFileIsReadUpToItsLargestSizeAndRefusedAbove) {
  prova::cartella_temporanea cartella;
  auto m = std::make_unique<modello>();
  m->scrivi_planimetria = 1;
  dimensiona(*m, lunghezza_massima_percorso);
  for (auto& coordinata : m->planimetria) {
    for (size_t metro = 0; metro < coordinata.size(); ++metro) coordinata.metti_reale(metro, 0.5);
  }
  for (elemento& e : m->elementi) e.testo = std::string(0xFFFF, 'a');
  const struct {
    const char* nome;
    std::string byte;
    size_t massimo;
    const char* cosa;
    std::optional<std::string> file_letti::*posto;
  } casi[] = {
      {"p_linea.dat", codifica_file_planimetria(*m), massimo_byte_planimetria, "a track plan",
       &file_letti::planimetria},
      {"e.sim", codifica_file_elementi(*m), massimo_byte_elementi, "an element table",
       &file_letti::elementi},
      {"c.dat", codifica_file_celle(*m), massimo_byte_celle, "a cell grid", &file_letti::celle},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(c.byte.size(), c.massimo) << c.nome;
    const std::string percorso = (cartella / c.nome).string();
    prova::scrivi_file(percorso, c.byte);
    file_letti letti;
    letti.*c.posto = percorso;
    auto letto = std::make_unique<modello>();
    EXPECT_NO_THROW(leggi_file_compilati(*letto, letti)) << c.nome;

    prova::scrivi_file(percorso, c.byte + '\0');
    try {
      leggi_file_compilati(*letto, letti);
      ADD_FAILURE() << c.nome << " accepted";
    } catch (const errore_file& e) {
      EXPECT_EQ(e.what(), percorso + ": " + std::to_string(c.massimo + 1) +
                              " bytes, larger than the " + std::to_string(c.massimo) + " bytes " +
                              c.cosa + " may have");
    }
  }
}

}  // namespace
}  // namespace scenario
