// Every error about a taken cell says what takes it: a note names the item in
// the cell and points at the row that put it there, so that both rows of a
// clash can be found.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "compilazione/memorizza_dati.h"
#include "compilazione/origini_celle.h"
#include "compilazione/passata_finale.h"
#include "esegui_generatore.h"
#include "generazione/memorizza_percorso.h"
#include "modello/numeri_errore.h"

namespace scenario {
namespace {

const std::string linea_breve = "[generale]\nlunghezza percorso, 3000\n[fine]\n";
const std::string linea_lunga = "[generale]\nlunghezza percorso, 10000\n[fine]\n";
const std::string segnale = ", 2, 5, 6, 1, 0, 0, 0,0,0, 0\n";

// The file's name as a plain pointer: g++ 12 sees an uninitialized string in
// a table of these.
struct luogo_atteso {
  const char* file;
  int32_t riga, colonna;
};

bool stesso(const luogo_sorgente& l, const luogo_atteso& a) {
  return l.file == a.file && l.riga == a.riga && l.colonna == a.colonna;
}

std::string descrivi(const diagnostica& d) {
  std::string s = std::to_string(d.numero) + " at " + d.luogo.file + ":" +
                  std::to_string(d.luogo.riga) + ":" + std::to_string(d.luogo.colonna);
  for (const nota_diagnostica& n : d.note) {
    s += "\n  note " + n.luogo.file + ":" + std::to_string(n.luogo.riga) + ":" +
         std::to_string(n.luogo.colonna) + " " + n.testo;
  }
  return s;
}

modello compila(const std::string& linea, const std::string& treno) {
  modello m;
  compila_percorso(m, {"l.txt", linea}, {"t.txt", treno}, 0);
  return m;
}

// The errors of the compile, one per clash, and of the finishing pass. `errore`
// is where the author must look for the row refused or served: the error's
// own place or a note's; each of `note` is the place of a note, the rows of
// the items in the way.
TEST(NoteCollisioni, EveryClashPointsAtBothRows) {
  const struct {
    const char* caso;
    std::string linea, treno;
    int32_t numero;
    luogo_atteso errore;
    std::vector<luogo_atteso> note;
  } casi[] = {
      {"6: sign board on a sign board",
       "[generale]\nlunghezza percorso, 3000\n[pendenze]\ncartello_indicatore, 1000, A\n"
       "cartello_indicatore, 1010, B\n[fine]\n",
       "[generale]\n[fine]\n",
       numero_errore::cartello_su_cella_occupata,
       {"l.txt", 5, 22},
       {{"l.txt", 4, 22}}},
      {"7: code point on a signal",
       linea_breve,
       "[generale]\nsegnale, 850" + segnale + "abbattimento, 900, 5\n",
       numero_errore::abbattimento_su_cella_occupata,
       {"t.txt", 3, 15},
       {{"t.txt", 2, 10}}},
      {"7: code point on a distance board",
       linea_breve,
       "[generale]\nrallentamento, 5000, 40, 100, 1, 1, 0\nabbattimento, 3750, 5\n",
       numero_errore::abbattimento_su_cella_occupata,
       {"t.txt", 3, 15},
       {{"t.txt", 2, 16}}},
      {"11: the signal whose two cells before it are taken",
       linea_breve,
       "[generale]\nsegnale, 3450" + segnale +
           "abbattimento, 3450, 0\nabbattimento, 3400, 0\nrallentamento, 5000, 40, 100, 1, 0, 0\n",
       numero_errore::segnale_prima_di_avviso_senza_posto,
       {"t.txt", 5, 1},
       {{"t.txt", 2, 10}, {"t.txt", 3, 15}, {"t.txt", 4, 15}}},
      {"12: a full group",
       linea_breve,
       "[generale]\nabbattimento, 4800, 0\nabbattimento, 4750, 0\nabbattimento, 4700, 0\n"
       "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       numero_errore::gruppo_codici_senza_posto,
       {"t.txt", 5, 1},
       {{"t.txt", 2, 15}, {"t.txt", 3, 15}, {"t.txt", 4, 15}}},
      {"13 inside a slow-down",
       linea_breve,
       "[generale]\nabbattimento, 5400, 0\nabbattimento, 5450, 0\nabbattimento, 5500, 0\n"
       "rallentamento, 5000, 40, 1000, 1, 0, 0\n",
       numero_errore::codice_senza_posto,
       {"t.txt", 5, 1},
       {{"t.txt", 2, 15}, {"t.txt", 3, 15}, {"t.txt", 4, 15}}},
      {"13 before the first signal after the end",
       linea_breve,
       "[generale]\nsegnale, 5500" + segnale +
           "abbattimento, 5500, 0\nabbattimento, 5450, 0\nrallentamento, 5000, 40, 100, 1, 0, 0\n",
       numero_errore::codice_senza_posto,
       {"t.txt", 5, 1},
       {{"t.txt", 2, 10}, {"t.txt", 3, 15}, {"t.txt", 4, 15}}},
      {"16: signal on a signal",
       linea_breve,
       "[generale]\nsegnale, 850" + segnale + "segnale, 850" + segnale,
       numero_errore::segnale_su_cella_occupata,
       {"t.txt", 3, 10},
       {{"t.txt", 2, 10}}},
      {"16: signal on a sign board of the line",
       "[generale]\nlunghezza percorso, 3000\n[pendenze]\ncartello_indicatore, 850, A\n[fine]\n",
       "[generale]\nsegnale, 850" + segnale,
       numero_errore::segnale_su_cella_occupata,
       {"t.txt", 2, 10},
       {{"l.txt", 4, 22}}},
      {"16: signal on a station's stop mark",
       linea_breve,
       "[generale]\nstazione, 2600, 12, 300, 0, 0, 0, 1, 1, 0, 3, 1, 1, 55, 8, 34, 0, Beta\n"
       "segnale, 2650" +
           segnale,
       numero_errore::segnale_su_cella_occupata,
       {"t.txt", 3, 10},
       {{"t.txt", 2, 11}}},
      {"17: warning point on a signal",
       linea_breve,
       "[generale]\nsegnale, 3800" + segnale + "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       numero_errore::avviso_su_cella_occupata,
       {"t.txt", 3, 16},
       {{"t.txt", 2, 10}}},
      {"17: warning point on a speed board of the line",
       "[generale]\nlunghezza percorso, 10000\n[pendenze]\n"
       "indicatori_vmax, 5100, 1,1,1,0,,,,\n[fine]\n",
       "[generale]\nrallentamento, 6300, 40, 100, 1, 0, 0\n",
       numero_errore::avviso_su_cella_occupata,
       {"t.txt", 2, 16},
       {{"l.txt", 4, 18}}},
      {"18: start on a signal",
       linea_breve,
       "[generale]\nsegnale, 5000" + segnale + "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       numero_errore::inizio_rallentamento_occupato,
       {"t.txt", 3, 16},
       {{"t.txt", 2, 10}}},
      {"18: start on another slow-down's end",
       linea_lunga,
       "[generale]\nrallentamento, 5000, 40, 500, 1, 0, 0\n"
       "rallentamento, 5500, 40, 100, 1, 0, 0\n",
       numero_errore::inizio_rallentamento_occupato,
       {"t.txt", 3, 16},
       {{"t.txt", 2, 16}}},
      {"19: end on a signal",
       linea_breve,
       "[generale]\nsegnale, 5100" + segnale + "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       numero_errore::fine_rallentamento_occupata,
       {"t.txt", 3, 1},
       {{"t.txt", 2, 10}}},
      {"20: a distance board on a signal",
       linea_breve,
       "[generale]\nsegnale, 3700" + segnale + "rallentamento, 5000, 40, 100, 1, 1, 0\n",
       numero_errore::tabelle_distanziometriche_occupate,
       {"t.txt", 3, 16},
       {{"t.txt", 2, 10}}},
      {"21: speed board on a speed board",
       "[generale]\nlunghezza percorso, 3000\n[pendenze]\n"
       "indicatori_vmax, 1000, 1,1,1,0,,,,\nindicatori_vmax, 1010, 1,1,1,0,1,1,1,0\n",
       "[generale]\n[fine]\n",
       numero_errore::indicatore_su_cella_occupata,
       {"l.txt", 5, 18},
       {{"l.txt", 4, 18}}},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.caso);
    modello m = compila(c.linea, c.treno);
    ASSERT_EQ(conta_errori(m), 1u);
    const diagnostica& d = m.diagnostiche.back();
    SCOPED_TRACE(descrivi(d));
    EXPECT_EQ(d.numero, c.numero);
    bool trovato = stesso(d.luogo, c.errore);
    for (const nota_diagnostica& n : d.note) trovato = trovato || stesso(n.luogo, c.errore);
    EXPECT_TRUE(trovato) << "the row refused or served is nowhere";
    for (const luogo_atteso& a : c.note) {
      bool nota = false;
      for (const nota_diagnostica& n : d.note) nota = nota || stesso(n.luogo, a);
      EXPECT_TRUE(nota) << "no note at " << a.file << ":" << a.riga << ":" << a.colonna;
    }

    // Without the compile's origins the finishing pass records the same
    // errors, without notes.
    modello senza;
    compila_descrizioni(senza, {"l.txt", c.linea}, {"t.txt", c.treno});
    passata_finale(senza);
    ASSERT_EQ(senza.diagnostiche.size(), m.diagnostiche.size());
    const diagnostica& s = senza.diagnostiche.back();
    EXPECT_EQ(s.numero, d.numero);
    EXPECT_EQ(s.posizione, d.posizione);
    EXPECT_EQ(s.luogo.riga, d.luogo.riga);
    if (c.numero >= numero_errore::segnale_prima_di_avviso_senza_posto &&
        c.numero <= numero_errore::codice_senza_posto) {
      EXPECT_TRUE(s.note.empty());
    } else {
      EXPECT_EQ(s.note.size(), d.note.size());
    }
  }
}

// A note names the item, its cell with the metres it covers, and the item's
// own position; one that no row placed says so and has no place.
TEST(NoteCollisioni, TheNoteNamesTheItemItsCellAndItsPosition) {
  modello m = compila(linea_breve, "[generale]\nsegnale, 3700" + segnale +
                                       "rallentamento, 5000, 40, 100, 1, 0, 0\n"
                                       "abbattimento, 3750, 5\n");
  ASSERT_EQ(m.diagnostiche.size(), 1u);
  ASSERT_EQ(m.diagnostiche[0].note.size(), 1u);
  EXPECT_EQ(m.diagnostiche[0].note[0].testo,
            "the cell 75 (3750 m to 3799 m) holds the signal of this row, at 3700 m");

  modello n = compila(linea_breve,
                      "[generale]\nrallentamento, 5000, 40, 100, 1, 1, 0\nabbattimento, 3700, 5\n");
  ASSERT_EQ(n.diagnostiche.size(), 1u);
  ASSERT_EQ(n.diagnostiche[0].note.size(), 1u);
  EXPECT_EQ(n.diagnostiche[0].note[0].testo,
            "the cell 74 (3700 m to 3749 m) holds distance board 3 of this row's slow-down, at "
            "3650 m");

  modello g;
  dimensiona(g, 3000);
  origini_celle origini;
  g.celle[10].tipo = tipo_cella::segnale;
  g.celle[20].tipo = tipo_cella::punto_codice;
  origini.registra(20, occupante::punto_della_passata, 1000, {});
  g.celle[30].tipo = tipo_cella::fermata;
  origini.registra(30, occupante::fermata, 1500, {});
  diagnostica d;
  for (int64_t k : {10, 20, 30}) origini.annota(d, g, k);
  ASSERT_EQ(d.note.size(), 3u);
  EXPECT_EQ(d.note[0].testo, "the cell 10 (500 m to 549 m) holds a signal that no row placed");
  EXPECT_EQ(d.note[1].testo,
            "the cell 20 (1000 m to 1049 m) holds a code point that the finishing pass added, at "
            "1000 m");
  EXPECT_EQ(d.note[2].testo,
            "the cell 30 (1500 m to 1549 m) holds a station stop mark that no row placed, at "
            "1500 m");
  for (const nota_diagnostica& nota : d.note) EXPECT_TRUE(nota.luogo.vuoto()) << nota.testo;
}

#ifndef _WIN32

// The clash that an author could not tell from its position alone: a
// slow-down's warning point on a speed board 1200 m before it.
TEST(NoteCollisioni, TheCompileCommandShowsTheNoteInTextAndJson) {
  prova::cartella_temporanea cartella;
  prova::scrivi_file(cartella / "Prova_linea.txt",
              "[generale]\r\nlunghezza percorso, 10000\r\n[cartelli]\r\n"
              "indicatori_vmax, 5100, 100, 105, 105, 0, , , , 0\r\n[fine]\r\n");
  prova::scrivi_file(cartella / "Prova_1-.txt",
              "[generale]\r\n[rallentamenti]\r\nrallentamento, 6300, 40, 400, 1, 1, 0\r\n"
              "[fine]\r\n");
  const std::vector<std::string> argomenti = {"compila", "Prova_linea.txt", "Prova_1-.txt"};
  prova::esito_processo testo = prova::esegui_con_argomenti(argomenti, cartella.percorso());
  EXPECT_EQ(testo.uscita, "");
  EXPECT_EQ(testo.errori.substr(0, testo.errori.find("\n1 error")),
            "Prova_1-.txt:3:16: error: slow-down warning point on an occupied cell, at 6300 m "
            "[17]\n"
            "    3 | rallentamento, 6300, 40, 400, 1, 1, 0\n"
            "      |                ^\n"
            "Prova_linea.txt:4:18: note: the cell 103 (5150 m to 5199 m) holds the speed board "
            "of this row, at 5100 m\n"
            "    4 | indicatori_vmax, 5100, 100, 105, 105, 0, , , , 0\n"
            "      |                  ^");

  std::vector<std::string> json = argomenti;
  json.insert(json.end(), {"--formato", "json"});
  prova::esito_processo in_json = prova::esegui_con_argomenti(json, cartella.percorso());
  EXPECT_EQ(in_json.errori, "");
  nlohmann::json letto = nlohmann::json::parse(in_json.uscita);
  EXPECT_EQ(letto["diagnostics"][0]["number"], 17);
  EXPECT_EQ(letto["diagnostics"][0]["notes"], nlohmann::json::parse(R"([{
      "file": "Prova_linea.txt", "line": 4, "column": 18, "severity": "note",
      "message": "the cell 103 (5150 m to 5199 m) holds the speed board of this row, at 5100 m"
    }])"));
}

#endif

}  // namespace
}  // namespace scenario
