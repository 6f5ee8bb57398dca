#include "compilazione/compilatore_treno.h"

#include <gtest/gtest.h>

#include <memory>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "compilazione/lettore_campi.h"
#include "compilazione/memorizza_dati.h"
#include "modello/errore_esecuzione.h"
#include "generazione/nomi_file.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::scrivi_file;

constexpr const char* stazione_prima =
    "stazione,       0,   8,   500,   1, 1, 0,   4, 1, 0,   2, 1, 1,     1,    18, 30,   0, "
    "Lorvento Centrale\r\n";

// Compiles a train description, given as text, on a grid sized for a route of
// `lunghezza` metres, with sign texts from record `indice_testo` + 1 up.
class CompilatoreTreno : public testing::Test {
 protected:
  void compila(const std::string& testo, int32_t lunghezza = 103000,
               int32_t indice_testo = primo_elemento_testo) {
    compila_in(m, testo, lunghezza, indice_testo);
  }

  // The same into a model of a table's case.
  void compila_in(modello& g, const std::string& testo, int32_t lunghezza = 103000,
                  int32_t indice_testo = primo_elemento_testo) {
    if (!g.griglia_dimensionata()) dimensiona(g, lunghezza);
    g.primo_testo_cartello = indice_testo + 1;
    letta = false;
    lettore_campi file(testo, "treno.txt");
    compila_treno(g, file, [this] { letta = true; });
  }

  // A fresh model on the grid of a 103000 m route, compiled from `testo`.
  std::unique_ptr<modello> compilato(const std::string& testo,
                                     int32_t indice_testo = primo_elemento_testo,
                                     void (*prepara)(modello&) = nullptr) {
    auto g = std::make_unique<modello>();
    dimensiona(*g, 103000);
    if (prepara != nullptr) prepara(*g);
    compila_in(*g, testo, 103000, indice_testo);
    return g;
  }

  modello m;
  bool letta = false;  // whether the reading ended (where a file is deleted)
};

TEST_F(CompilatoreTreno, GeneralValues) {
  compila(
      "[generale]\r\nnumero vetture,    5\r\npercentuale massa frenata,    105\r\n"
      "sabbia,    50\r\norologio,    18              29            50 \r\n[fine]\r\n");
  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(m.elementi[elemento_linea].posizione, 5);
  EXPECT_EQ(m.elementi[elemento_linea].inizio, 105);
  const elemento& e = m.elementi[elemento_testata_treno];
  EXPECT_EQ(e.dato_d, 50);
  EXPECT_EQ(e.dato_g, 18);
  EXPECT_EQ(e.dato_h, 29);
  EXPECT_EQ(e.dato_i, 50);
  EXPECT_TRUE(letta);
}

TEST_F(CompilatoreTreno, SpeedAndAdhesionProfiles) {
  compila(
      "[generale]\r\nvelocita,       0,   105\r\nvelocita,    1950,    60\r\n"
      "aderenza,       0,   100\r\naderenza,    1750,    70\r\n[fine]\r\n",
      3000);  // n_celle 200
  EXPECT_EQ(m.n_errore, 0);
  for (int i = 0; i <= 200; ++i) {
    uint8_t velocita = i <= 38 ? 21 : i <= 197 ? 12 : 0;
    uint8_t aderenza = i <= 34 ? 100 : i <= 197 ? 70 : 0;
    ASSERT_EQ(m.celle[i].vel_max, velocita) << "cell " << i;
    ASSERT_EQ(m.celle[i].aderenza, aderenza) << "cell " << i;
  }
}

// A row at or before the fill point still writes one cell.
TEST_F(CompilatoreTreno, ARowBehindTheFillPointWritesOneCell) {
  compila(
      "[generale]\r\nvelocita, 500, 50\r\nvelocita, 100, 100\r\nvelocita, 100, 20\r\n[fine]\r\n",
      3000);
  EXPECT_EQ(m.celle[9].vel_max, 0);
  EXPECT_EQ(m.celle[10].vel_max, 10);
  EXPECT_EQ(m.celle[11].vel_max, 20);
  EXPECT_EQ(m.celle[12].vel_max, 4);
}

TEST_F(CompilatoreTreno, ARowBeyondTheGridEndsTheReadingButTheTailsRun) {
  // n_celle 200: 9900 + 100 is the last position allowed.
  compila(
      "[generale]\r\nvelocita, 0, 105\r\nvelocita, 9900, 60\r\nvelocita, 9901, 30\r\n"
      "segnale, 850, 2, 5, 6, 1, 0, 0, 0, 0, 0, 0\r\n[fine]\r\n",
      3000);
  EXPECT_EQ(m.n_errore, numero_errore::oltre_la_griglia);
  EXPECT_EQ(m.pos_errore, 9901);
  EXPECT_EQ(m.celle[18].tipo, 0);
  EXPECT_EQ(m.celle[197].vel_max, 21);
  EXPECT_EQ(m.celle[198].vel_max, 12);
  EXPECT_EQ(m.celle[199].vel_max, 0);
  EXPECT_TRUE(letta);
}

TEST_F(CompilatoreTreno, AdhesionRowsNeverWritePastTheLastCell) {
  std::string testo = "[generale]\r\n";
  for (int i = 0; i < 300; ++i) testo += "aderenza, 50, 40\r\n";
  compila(testo + "[fine]\r\n", 3000);
  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(m.celle.size(), 201u);
  EXPECT_EQ(m.celle[0].aderenza, 0);
  EXPECT_EQ(m.celle[1].aderenza, 40);
  EXPECT_EQ(m.celle[200].aderenza, 40);
}

TEST_F(CompilatoreTreno, SpeedsWhoseFifthDoesNotFitAByteAreARunTimeFailure) {
  EXPECT_THROW(compila("[generale]\r\nvelocita, 0, 1280\r\n[fine]\r\n", 3000), errore_esecuzione);
}

TEST_F(CompilatoreTreno, TheFirstBuiltInStation) {
  compila(std::string("[generale]\r\n") + stazione_prima + "[fine]\r\n");
  EXPECT_EQ(m.n_errore, 0);
  const elemento& e = m.elementi[1];
  EXPECT_EQ(e.posizione, 0);
  EXPECT_EQ(e.tipo, 8);
  EXPECT_EQ(e.inizio, -500);
  EXPECT_EQ(e.fine, 500);
  EXPECT_EQ(e.testo, "Lorvento Centrale");
  EXPECT_EQ(e.orario, 18 * 3600 + 30 * 60);
  EXPECT_EQ(e.dato_a, 1);
  EXPECT_EQ(e.dato_b, 0);  // cleared on the first station
  EXPECT_EQ(e.dato_d, 4);
  EXPECT_EQ(e.dato_g, 2);
  EXPECT_EQ(e.dato_l, 1);
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(m.celle[9 - n].avviso, 80 + n) << n;
  EXPECT_EQ(m.celle[9].tipo, tipo_cella::fermata);
  EXPECT_EQ(m.celle[9].val1, 1);
  EXPECT_EQ(m.celle[4].avviso, 0);
}

// Zones and marks by type: position 10000, length 400, the given c.
TEST_F(CompilatoreTreno, StationZonesAndMarksByType) {
  const struct {
    int tipo, c;
    int32_t inizio, fine;
    int attese_c;
    bool fermata, avvicinamento;
  } casi[] = {
      {12, 0, 9800, 10200, 0, true, true},   {12, 1, 9800, 10250, 1, true, true},
      {5, 1, 9600, 10150, 0, true, false},   {6, 0, 9600, 10150, 0, true, false},
      {7, 1, 9600, 10400, 0, true, true},    {24, 0, 9800, 10200, 0, true, true},
      {25, 1, 9800, 10250, 1, false, false}, {28, 0, 9800, 10200, 0, false, false},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(testing::Message() << "type " << c.tipo << " c " << c.c);
    modello g;
    dimensiona(g, 103000);
    std::string riga = "[generale]\r\n" + std::string(stazione_prima) + "stazione, 10000, " +
                       std::to_string(c.tipo) + ", 400, 1, 1, " + std::to_string(c.c) +
                       ", 1, 1, 0, 2, 1, 1, 7, 0, 0, 0, Sosta\r\n[fine]\r\n";
    compila_in(g, riga, 103000, primo_elemento_testo);
    ASSERT_EQ(g.n_errore, 0);
    const elemento& e = g.elementi[2];
    EXPECT_EQ(e.inizio, c.inizio);
    EXPECT_EQ(e.fine, c.fine);
    EXPECT_EQ(e.dato_c, c.attese_c);
    EXPECT_EQ(e.dato_b, 0);  // length below 600
    int fermata = c.fine / 50 - 1;
    EXPECT_EQ(g.celle[fermata].tipo, c.fermata ? tipo_cella::fermata : 0);
    EXPECT_EQ(g.celle[fermata].val1, c.fermata ? 2 : 0);
    EXPECT_EQ(g.celle[fermata - 1].avviso, c.avvicinamento ? 81 : 0);
    EXPECT_EQ(g.celle[fermata - 4].avviso, c.avvicinamento ? 84 : 0);
  }
}

// dato_b is kept from a length of 600 m up, after the first station.
TEST_F(CompilatoreTreno, ALongStationKeepsB) {
  for (int32_t lunghezza : {500, 600, 700}) {
    auto g = compilato(std::string("[generale]\r\n") + stazione_prima + "stazione, 5750, 4, " +
                       std::to_string(lunghezza) +
                       ", 1, 1, 0, 3, 1, 0, 2, 1, 1, 99, 18, 42, 0, Valcandida\r\n");
    EXPECT_EQ(g->n_errore, 0) << lunghezza;
    EXPECT_EQ(g->elementi[2].dato_b, lunghezza >= 600 ? 1 : 0) << lunghezza;
    EXPECT_EQ(g->n_stazioni, 2) << lunghezza;
  }
}

// The approach marks stop where one would fall on cell 1 or before: a stop
// mark in cell 5 gets marks in cells 4, 3 and 2 only.
TEST_F(CompilatoreTreno, TheApproachMarkGuardAtExactlyOne) {
  compila("[generale]\r\nstazione, 200, 12, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n");
  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(m.celle[5].tipo, tipo_cella::fermata);
  EXPECT_EQ(m.celle[4].avviso, 81);
  EXPECT_EQ(m.celle[2].avviso, 83);
  EXPECT_EQ(m.celle[1].avviso, 0);
}

TEST_F(CompilatoreTreno, StationErrors) {
  const std::string prima = std::string("[generale]\r\n") + stazione_prima;
  const struct {
    std::string righe;
    int32_t errore, posizione;
  } casi[] = {
      {"stazione, 2025, 25, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n",
       numero_errore::stazione_non_multipla, 2025},
      {"stazione, 2050, 25, 250, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n",
       numero_errore::lunghezza_stazione_non_multipla, 2050},
      // 800 - 350 is below the end of the first station, 500; 850 - 350 is not.
      {"stazione, 900, 25, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n",
       numero_errore::stazioni_troppo_vicine, 900},
      {"stazione, 950, 25, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n", 0, 0},
      // The stop mark of a type 8 station 3000 m long lies past cell 2200.
      {"stazione, 109200, 8, 3000, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n",
       numero_errore::cella_fuori_griglia, 109200},
      {"stazione, 109250, 25, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n",
       numero_errore::oltre_la_griglia, 109250},
  };
  for (const auto& c : casi) {
    modello g;
    dimensiona(g, 103000);
    g.pos_errore = -1;
    compila_in(g, prima + c.righe, 103000, primo_elemento_testo);
    EXPECT_EQ(g.n_errore, c.errore) << c.righe;
    EXPECT_EQ(g.pos_errore, c.errore ? c.posizione : -1) << c.righe;
    EXPECT_TRUE(letta);
  }
}

// A station of type below 25 must end beyond 100 m; the error has no position.
TEST_F(CompilatoreTreno, AStationEndingTooEarly) {
  m.pos_errore = 77;
  compila("[generale]\r\nstazione, 0, 12, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n");
  EXPECT_EQ(m.n_errore, numero_errore::stazione_troppo_corta);
  EXPECT_EQ(m.pos_errore, 77);
  EXPECT_EQ(m.celle[1].tipo, 0);
}

TEST_F(CompilatoreTreno, StationsStayBelowTheSignTexts) {
  const std::string riga = "stazione, %, 25, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n";
  std::string testo = "[generale]\r\n";
  for (int i = 0; i < 3; ++i) {
    std::string r = riga;
    testo += r.replace(r.find('%'), 1, std::to_string(1000 * i));
  }
  // Record 3 holds a sign text: the second station already ends the compile.
  compila(testo + "velocita, 0, 100\r\n", 103000, 3);
  EXPECT_EQ(m.n_errore, numero_errore::troppe_stazioni);
  EXPECT_EQ(m.elementi[2].posizione, 1000);
  EXPECT_EQ(m.elementi[3].posizione, 0);
  EXPECT_EQ(m.celle[0].vel_max, 0);  // an abort skips the tails

  // With no record left at all, the first station is refused unwritten.
  modello g;
  compila_in(g, testo, 103000, 1);
  EXPECT_EQ(g.n_errore, numero_errore::troppe_stazioni);
  EXPECT_EQ(g.elementi[1].testo, "");
}

TEST_F(CompilatoreTreno, CodePoints) {
  const struct {
    std::string riga;
    size_t cella;
    uint8_t tipo;
    int16_t val1;
  } casi[] = {{"abbattimento,   19000,   AC", 380, tipo_cella::punto_senza_codice, 0},
              {"abbattimento, 19000, -4", 380, tipo_cella::punto_senza_codice, 0},
              {"abbattimento, 19025, 270", 380, tipo_cella::punto_codice, 270},
              {"abbattimento, 19075, 70000", 382, tipo_cella::punto_codice, 4464}};
  for (const auto& c : casi) {
    modello g;
    dimensiona(g, 103000);
    g.celle[c.cella].tipo = tipo_cella::marca_galleria;
    compila_in(g, "[generale]\r\n" + c.riga + "\r\n[fine]\r\n", 103000, primo_elemento_testo);
    EXPECT_EQ(g.n_errore, 0) << c.riga;
    EXPECT_EQ(g.celle[c.cella].tipo, c.tipo) << c.riga;
    EXPECT_EQ(g.celle[c.cella].val1, c.val1) << c.riga;
  }
}

TEST_F(CompilatoreTreno, ACodePointOnASignal) {
  compila(
      "[generale]\r\nsegnale, 18950, 2, 3, 0, 0, 0, 0, 0,0,0, 0\r\n"
      "abbattimento, 19000, 5\r\nvelocita, 0, 100\r\n[fine]\r\n");
  EXPECT_EQ(m.n_errore, numero_errore::abbattimento_su_cella_occupata);
  EXPECT_EQ(m.pos_errore, 19000);
  EXPECT_EQ(m.celle[380].tipo, tipo_cella::segnale);
  EXPECT_EQ(m.celle[0].vel_max, 0);
}

TEST_F(CompilatoreTreno, ACodePointBeforeTheOriginIsRefused) {
  compila("[generale]\r\nabbattimento, -50, 5\r\n[fine]\r\n");
  EXPECT_EQ(m.n_errore, numero_errore::cella_fuori_griglia);
  EXPECT_EQ(m.pos_errore, -50);
}

TEST_F(CompilatoreTreno, ARefusedSignalOrSlowDownStopsWithItsPosition) {
  compila(
      "[generale]\r\nsegnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n"
      "rallentamento, 9500, 40, 450, 1, 1, 40\r\n"
      "segnale, 8250, 2, 3, 0, 0, 0, 0, 0,0,0, 0\r\n"
      "segnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n");
  EXPECT_EQ(m.n_errore, numero_errore::segnale_su_cella_occupata);
  EXPECT_EQ(m.pos_errore, 8250);
  EXPECT_EQ(m.celle[191].tipo, tipo_cella::inizio_rallentamento);
}

// After a 15 of the line half the first signal is placed and then ends the compile.
TEST_F(CompilatoreTreno, AnEarlierErrorEndsTheCompileAtTheFirstSignal) {
  dimensiona(m, 103000);
  m.n_errore = numero_errore::oltre_la_griglia;
  m.pos_errore = 5;
  compila(
      "[generale]\r\nvelocita, 0, 100\r\nvelocita, 1000, 50\r\n"
      "segnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n"
      "segnale, 1950, 2, 2, 5, 6, 1, 0, 0,0,0, 0\r\n[fine]\r\n");
  EXPECT_EQ(m.n_errore, numero_errore::oltre_la_griglia);
  EXPECT_EQ(m.pos_errore, 850);
  EXPECT_EQ(m.celle[18].tipo, tipo_cella::segnale);
  EXPECT_EQ(m.celle[40].tipo, 0);
  EXPECT_EQ(m.celle[19].vel_max, 20);
  EXPECT_EQ(m.celle[20].vel_max, 0);  // no tails after an abort
  EXPECT_TRUE(letta);
}

TEST_F(CompilatoreTreno, AProgressiveOffTheFiftyMetreStepIsReportedAfterTheFile) {
  for (bool oltre : {false, true}) {
    modello g;
    dimensiona(g, 103000);
    g.elementi[elemento_progressiva_due].fine = 1025;
    std::string testo = "[generale]\r\nvelocita, 0, 100\r\n";
    if (oltre) testo += "velocita, 200000, 50\r\n";
    compila_in(g, testo + "[fine]\r\n", 103000, primo_elemento_testo);
    EXPECT_EQ(g.n_errore, numero_errore::progressiva_non_multipla) << oltre;
    EXPECT_EQ(g.pos_errore, oltre ? 200000 : 0);
    EXPECT_EQ(g.celle[2197].vel_max, 20) << oltre;
  }
}

// Which fields are examined: keywords in any case, the dash rule, the field
// before "[generale]" and the last field of the file.
TEST_F(CompilatoreTreno, WhichFieldsAreExamined) {
  const std::string segnale = "segnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n";
  const struct {
    std::string testo;
    bool posto;
  } casi[] = {
      {"[GENERALE]\r\nSEGNALE, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n[fine]\r\n", true},
      {"[generale]\r\nSeGnAlE, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n[fine]\r\n", true},
      {segnale + "[fine]\r\n", false},
      {segnale + "[generale]\r\n[fine]\r\n", false},
      {"[generale]\r\n[fine]\r\n" + segnale + "[fine]\r\n", true},
      // A dashed field hides the one after it from the tests.
      {"[generale]\r\n--\r\n" + segnale + "[fine]\r\n", true},
      {"[generale]\r\nseg-nale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n[fine]\r\n", false},
      {"[generale]\r\na-,b-," + segnale + "[fine]\r\n", true},
      {"[generale]\r\na-,b-,c-" + segnale + "[fine]\r\n", true},
      // The last field of the file is never examined.
      {"[generale]\r\n" + segnale + "[fine]\r\nsegnale", true},
  };
  for (const auto& c : casi) {
    modello g;
    dimensiona(g, 103000);
    compila_in(g, c.testo, 103000, primo_elemento_testo);
    EXPECT_EQ(g.n_errore, 0) << c.testo;
    EXPECT_EQ(g.celle[18].tipo, c.posto ? tipo_cella::segnale : 0) << c.testo;
  }
}

// Every test runs on the same field, each reading its own values.
TEST_F(CompilatoreTreno, AFieldMatchingTwoKeywordsRunsBoth) {
  compila("[generale]\r\nvelocita e aderenza, 500, 100, 500, 60\r\n[fine]\r\n", 3000);
  EXPECT_EQ(m.celle[9].vel_max, 0);
  EXPECT_EQ(m.celle[10].vel_max, 20);
  EXPECT_EQ(m.celle[10].aderenza, 60);
}

// Blanks after the last comma are a last value of 0, with or without a
// line end after them; the tails then run.
TEST_F(CompilatoreTreno, ABlankLastValueAtTheEndOfTheFile) {
  for (const char* ultimo : {"   ", " ", "\t", " \r\n", "\r\n", "\n", "\r", "0", " 0 "}) {
    modello g;
    compila_in(g,
               std::string("[generale]\r\naderenza, 0, 30\r\nvelocita, 0, 100\r\nvelocita,   14500,") +
                   ultimo,
               20000);
    EXPECT_EQ(g.n_errore, 0) << ultimo;
    EXPECT_EQ(g.celle[289].vel_max, 20) << ultimo;
    EXPECT_EQ(g.celle[290].vel_max, 0) << ultimo;
    EXPECT_EQ(g.celle[static_cast<size_t>(g.n_celle) - 3].aderenza, 30) << ultimo;
  }
}

TEST_F(CompilatoreTreno, AFileWithoutGeneraleIsReadToItsEnd) {
  compila("velocita, 0, 100\r\nvelocita, 1000, 50\r\n", 3000);
  EXPECT_EQ(m.n_errore, 0);
  for (const cella& c : m.celle) ASSERT_EQ(c.vel_max, 0);
  EXPECT_TRUE(letta);
}

TEST_F(CompilatoreTreno, RunTimeFailures) {
  const char* casi[] = {
      "",
      "[generale]\r\nstazione, 0, 256, 500, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n[fine]\r\n",
      "[generale]\r\nsabbia, 40000\r\n[fine]\r\n",
      "[generale]\r\nsegnale, 850, 2, 5",
      "[generale]\r\nstazione, 0, 8, 500, 0,0,0,0,0,0,0,0,0,0, 999999, 0, 0, X\r\n[fine]\r\n",
  };
  for (const char* testo : casi) {
    modello g;
    dimensiona(g, 103000);
    EXPECT_THROW(compila_in(g, testo), errore_esecuzione) << testo;
  }
}

// Through the compile boundary: 25, and both description files are gone.
TEST_F(CompilatoreTreno, AnEmptyTrainFileIsError25) {
  cartella_temporanea cartella;
  m.linea = "L";
  m.treno = "1";
  scrivi_file(cartella / nome_descrizione_linea(m.linea),
              "[generale]\r\nlunghezza percorso,    3000\r\n[fine]\r\n");
  scrivi_file(cartella / nome_descrizione_treno(m.linea, m.treno), "");
  memorizza_dati(m, cartella / nome_descrizione_linea(m.linea),
                 cartella / nome_descrizione_treno(m.linea, m.treno));
  EXPECT_EQ(m.n_errore, numero_errore::errore_esecuzione);
  EXPECT_TRUE(cartella.contenuto().empty());
}

}  // namespace
}  // namespace scenario
