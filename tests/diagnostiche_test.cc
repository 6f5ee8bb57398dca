#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "compilazione/memorizza_dati.h"
#include "compilazione/passata_finale.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"

namespace scenario {
namespace {

// A 3000 m route: cells 0 to 200, rows up to 9900 m.
const std::string generale = "[generale]\nlunghezza percorso, 3000\n";
const std::string elementi = generale + "[pendenze]\n";
const std::string vuoto = "[generale]\n[fine]\n";
const std::string stazione_25 = ", 25, 200, 0,0,0,0,0,0,0,0,0,0,0,0,0, ";

struct attesa {
  int32_t numero;
  gravita livello;
  std::string file;
  int32_t riga, colonna;
  std::optional<int32_t> posizione;
  std::string motivo;
};

std::string righe(const std::string& riga, int n, int passo) {
  std::string testo;
  for (int i = 1; i <= n; ++i) {
    std::string r = riga;
    if (size_t p = r.find('#'); p != std::string::npos) r.replace(p, 1, std::to_string(i * passo));
    testo += r;
  }
  return testo;
}

modello compila(const std::string& linea, const std::string& treno, bool planimetria = false) {
  modello m;
  inizializza_elementi(m);
  m.scrivi_planimetria = planimetria ? 1 : 0;
  compila_descrizioni(m, {"l.txt", linea}, {"t.txt", treno});
  passata_finale(m);
  return m;
}

std::string descrivi(const diagnostica& d) {
  return std::to_string(d.numero) + (d.livello == gravita::errore ? " error " : " warning ") +
         d.luogo.file + ":" + std::to_string(d.luogo.riga) + ":" + std::to_string(d.luogo.colonna) +
         " @" + (d.posizione ? std::to_string(*d.posizione) : "-") + " '" + d.motivo + "'";
}

// One small description for each error a description can cause and for each
// warning: the list holds exactly that diagnostic, at its field.
TEST(Diagnostiche, EachBadDescriptionGivesItsDiagnosticAtItsField) {
  const auto E = gravita::errore;
  const auto A = gravita::avviso;
  const std::string ok_l = generale + "[fine]\n";
  const struct {
    const char* caso;
    std::string linea, treno;
    attesa a;
    bool planimetria = false;
  } casi[] = {
      {"1", "[generale]\nlunghezza percorso, 1000001\n", vuoto, {1, E, "l.txt", 2, 21, {}, ""}},
      {"2",
       generale + "progressiva chilometrica uno, 25, 0, 0\n[fine]\n",
       vuoto,
       {2, E, "l.txt", 3, 31, {}, ""}},
      {"3",
       "[generale]\nripetizione segnali 4 codici, 25, 100\n",
       vuoto,
       {3, E, "l.txt", 2, 31, {}, ""}},
      {"4",
       "[generale]\nripetizione segnali 4 codici, 50, 125\n",
       vuoto,
       {4, E, "l.txt", 2, 35, {}, ""}},
      {"5",
       "[generale]\nripetizione segnali codici, 50, 100\n",
       vuoto,
       {5, E, "l.txt", 2, 1, {}, ""}},
      {"6",
       elementi + "cartello_indicatore, 1000, A\ncartello_indicatore, 1010, B\n[fine]\n",
       vuoto,
       {6, E, "l.txt", 5, 22, 1010, ""}},
      {"7",
       ok_l,
       "[generale]\nsegnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\nabbattimento, 900, 5\n",
       {7, E, "t.txt", 3, 15, 900, ""}},
      {"8",
       ok_l,
       "[generale]\nstazione, 975" + stazione_25 + "A\n",
       {8, E, "t.txt", 2, 11, 975, ""}},
      {"9",
       ok_l,
       "[generale]\nstazione, 1000, 25, 250, 0,0,0,0,0,0,0,0,0,0,0,0,0, A\n",
       {9, E, "t.txt", 2, 21, 1000, ""}},
      {"10: 79 sign texts leave no record for a station",
       elementi + righe("cartello_indicatore, #, T\n", 79, 100) + "[fine]\n",
       "[generale]\nstazione, 1000" + stazione_25 + "A\n",
       {10, E, "t.txt", 2, 1, {}, ""}},
      {"11",
       ok_l,
       "[generale]\nsegnale, 3450, 2, 5, 6, 1, 0, 0, 0,0,0, 0\nabbattimento, 3450, 0\n"
       "abbattimento, 3400, 0\nrallentamento, 5000, 40, 100, 1, 0, 0\n",
       {11, E, "t.txt", 5, 1, 3500, ""}},
      {"12",
       ok_l,
       "[generale]\nabbattimento, 4800, 0\nabbattimento, 4750, 0\nabbattimento, 4700, 0\n"
       "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       {12, E, "t.txt", 5, 1, 5050, ""}},
      {"13",
       ok_l,
       "[generale]\nabbattimento, 5400, 0\nabbattimento, 5450, 0\nabbattimento, 5500, 0\n"
       "rallentamento, 5000, 40, 1000, 1, 0, 0\n",
       {13, E, "t.txt", 5, 1, 5450, ""}},
      {"15", elementi + "pendenza, 9950, 1\n", vuoto, {15, E, "l.txt", 4, 11, 9950, ""}},
      {"16",
       ok_l,
       "[generale]\nsegnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n"
       "segnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n",
       {16, E, "t.txt", 3, 10, 850, ""}},
      {"17",
       ok_l,
       "[generale]\nsegnale, 3800, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n"
       "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       {17, E, "t.txt", 3, 16, 5000, ""}},
      {"18",
       ok_l,
       "[generale]\nsegnale, 5000, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n"
       "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       {18, E, "t.txt", 3, 16, 5000, ""}},
      {"19: the end comes from two fields",
       ok_l,
       "[generale]\nsegnale, 5100, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n"
       "rallentamento, 5000, 40, 100, 1, 0, 0\n",
       {19, E, "t.txt", 3, 1, 5000, ""}},
      {"20",
       ok_l,
       "[generale]\nsegnale, 3700, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n"
       "rallentamento, 5000, 40, 100, 1, 1, 0\n",
       {20, E, "t.txt", 3, 16, 5000, ""}},
      {"21",
       elementi + "indicatori_vmax, 1000, 1,1,1,0,,,,\nindicatori_vmax, 1010, 1,1,1,0,1,1,1,0\n",
       vuoto,
       {21, E, "l.txt", 5, 18, 1010, ""}},
      {"22",
       ok_l,
       "[generale]\nstazione, 1000" + stazione_25 + "A\nstazione, 1200" + stazione_25 + "B\n",
       {22, E, "t.txt", 3, 11, 1200,
        "its zone begins at 1100 m, 0 m after the zone of the previous station (line 2) ends at "
        "1100 m"}},
      {"24",
       ok_l,
       "[generale]\nstazione, 0, 12, 100, 0,0,0,0,0,0,0,0,0,0,0,0,0, A\n",
       {24, E, "t.txt", 2, 18, {}, "its zone ends at 50 m"}},
      {"25: too wide",
       ok_l,
       "[generale]\nsabbia, 99999\n",
       {25,
        E,
        "t.txt",
        2,
        9,
        {},
        "field 'sabbia' of 'sabbia': '99999' does not fit a 16-bit field (-32768 to 32767)"}},
      {"25: 8 bits",
       ok_l,
       "[generale]\nstazione, 1000, -1, 200\n",
       {25,
        E,
        "t.txt",
        2,
        17,
        {},
        "field 'tipo' of 'stazione': '-1' does not fit an 8-bit field (0 to 255)"}},
      {"25: the file ends in a row",
       ok_l,
       "[generale]\nsegnale, 850, 2\n",
       {25, E, "t.txt", 2, 16, {}, "the file ends before field 's1' of 'segnale'"}},
      {"25: no length",
       "[generale]\n[curve]\n",
       vuoto,
       {25, E, "l.txt", 0, 0, {}, "no 'lunghezza percorso' row in the general section"}},
      {"25: a speed that does not fit its cell",
       ok_l,
       "[generale]\nvelocita, 0, 2000\n",
       {25,
        E,
        "t.txt",
        2,
        14,
        {},
        "speed 2000 km/h is stored as its fifth, which does not fit an 8-bit field (0 to "
        "1277 km/h)"}},
      {"26",
       elementi + righe("montagna, #, 9000, 3\n", 81, 100),
       vuoto,
       {26, E, "l.txt", 84, 1, 8100, ""}},
      {"27",
       elementi + righe("cartello_indicatore, #, T\n", 81, 100),
       vuoto,
       {27, E, "l.txt", 84, 1, 8100, ""}},
      {"29", ok_l, "[generale]\nabbattimento, -100, 5\n", {29, E, "t.txt", 2, 15, -100, ""}},
      {"102",
       "[fine]\n",
       vuoto,
       {102, E, "l.txt", 1, 1, {}, "the file begins without a line '[generale]'"}},
      {"103", elementi + "curvad, 100, 100\n", vuoto, {103, E, "l.txt", 4, 1, {}, ""}, true},

      {"201",
       ok_l,
       "[generale]\nvelocita, 0, 1x5\n",
       {201, A, "t.txt", 2, 14, {}, "field 'velocità' of 'velocita': '1x5'"}},
      {"223",
       ok_l,
       "[generale]\nvelocita, 0, 1.5\n",
       {223, A, "t.txt", 2, 14, {}, "field 'velocità' of 'velocita': '1.5' reads as 0"}},
      {"202",
       ok_l,
       "[generale]\nvelocita, 0,\n",
       {202, A, "t.txt", 2, 13, {}, "field 'velocità' of 'velocita' is empty"}},
      {"203",
       elementi + "pendenzza, 100, 1\n[fine]\n",
       vuoto,
       {203, A, "l.txt", 4, 1, {}, "'pendenzza'"}},
      {"203: capitals where case counts",
       "[generale]\nProgressiva chilometrica uno, 0, 0, 0\nlunghezza percorso, 3000\n",
       vuoto,
       {203,
        A,
        "l.txt",
        2,
        1,
        {},
        "'Progressiva chilometrica uno' has capitals where case counts: write 'progressiva "
        "chilometrica uno'"}},
      {"203: a row of the other file",
       generale + "[curve]\nvelocita, 0, 100\n[fine]\n",
       vuoto,
       {203, A, "l.txt", 4, 1, {}, "'velocita' belongs to a train description"}},
      {"203: an item row in the general section",
       "[generale]\npendenza, 0, 0\nlunghezza percorso, 3000\n[fine]\n",
       vuoto,
       {203, A, "l.txt", 2, 1, {}, "'pendenza' is read only after the general section"}},
      {"204",
       ok_l,
       "[generale]\nvelocita, 0, 100, 7\n[fine]\n",
       {204, A, "t.txt", 2, 19, {}, "'7' after the last value of 'velocita'"}},
      {"205", ok_l, "note\n[generale]\n[fine]\n", {205, A, "t.txt", 1, 1, {}, "from 'note'"}},
      {"206", ok_l, "[generale]\nsabbia", {206, A, "t.txt", 2, 1, {}, "'sabbia'"}},
      {"207", ok_l, "[generale]\n-- nota\nsabbia, 5\n", {207, A, "t.txt", 2, 1, {}, "'-- nota'"}},
      {"208",
       ok_l,
       "[generale]\nsegnale, 100, 2, 5, 6, 1, 0, 0, 0,0,0, 0\n",
       {208, A, "t.txt", 2, 10, {}, "3 of its 4 marks, the signal being in cell 3"}},
      {"209",
       ok_l,
       "[generale]\n" + righe("aderenza, 9850, 1\n", 6, 1),
       {209, A, "t.txt", 7, 11, {}, "the rows before it have filled every cell up to 200"}},
      {"210",
       elementi + righe("pendenza, 9850, 1\n", 6, 1),
       vuoto,
       {210,
        A,
        "l.txt",
        9,
        11,
        {},
        "the rows before it have filled every cell up to the last, 200"}},
      {"211",
       elementi + "montagna, 9800, 12000, 2\n",
       vuoto,
       {211, A, "l.txt", 4, 17, {}, "cells 201 to 239 lie past the last cell, 200"}},
      {"212",
       elementi + "montagna, 1000, 1000, 2\n",
       vuoto,
       {212, A, "l.txt", 4, 17, {}, "it ends at 1000 m, not beyond the cell of its start"}},
      {"213",
       elementi + "montagna, 1000, 2000, 2\nmontagna, 2100, 3000, 2\n",
       vuoto,
       {213,
        A,
        "l.txt",
        5,
        23,
        {},
        "it begins 100 m after the previous tunnel ends; type 2 is not kept"}},
      {"214",
       elementi + "curvad1, 9000, 5000\n",
       vuoto,
       {214, A, "l.txt", 4, 16, {}, "it would end at metre 14000, the plan's last is 10000"},
       true},
      {"215",
       generale +
           "progressiva chilometrica uno, 100, 0, 0\nprogressiva chilometrica due, 100, 0, 0\n",
       vuoto,
       {215,
        A,
        "l.txt",
        0,
        0,
        {},
        "two of them share the greatest start, or their starts add up to 0 and no chainage is "
        "above 0"}},
      {"216",
       elementi + "pendenza, 100, 200\n",
       vuoto,
       {216, A, "l.txt", 4, 16, {}, "gradient 200 outside -100 to 155 reads as -56"}},
      {"217",
       ok_l,
       "[generale]\nrallentamento, 1000, 30, 100, 1, 1, 0\n",
       {217, A, "t.txt", 2, 34, {}, "it starts at 1000 m"}},
      {"218",
       ok_l,
       "[generale]\nrallentamento, 5000, 30, 10, 1, 0, 0\n",
       {218, A, "t.txt", 2, 26, {}, "length 10 m: both in cell 101"}},
  };
  for (const auto& c : casi) {
    modello m = compila(c.linea, c.treno, c.planimetria);
    std::string tutte;
    for (const diagnostica& d : m.diagnostiche) tutte += "\n  " + descrivi(d);
    EXPECT_EQ(m.diagnostiche.size(), 1u) << c.caso << tutte;
    if (m.diagnostiche.empty()) continue;
    const diagnostica& d = m.diagnostiche[0];
    EXPECT_EQ(d.numero, c.a.numero) << c.caso << tutte;
    EXPECT_EQ(d.livello, c.a.livello) << c.caso;
    EXPECT_EQ(d.luogo.file, c.a.file) << c.caso << tutte;
    EXPECT_EQ(d.luogo.riga, c.a.riga) << c.caso << tutte;
    EXPECT_EQ(d.luogo.colonna, c.a.colonna) << c.caso << tutte;
    EXPECT_EQ(d.posizione, c.a.posizione) << c.caso << tutte;
    EXPECT_EQ(d.motivo, c.a.motivo) << c.caso;
    EXPECT_EQ(m.n_errore, c.a.livello == E ? c.a.numero : 0) << c.caso;
  }
}

// The files: a missing line description, an unreadable train description.
TEST(Diagnostiche, AFileThatCannotBeOpenedIsNamedWithTheSystemsReason) {
  prova::cartella_temporanea cartella;
  modello m;
  memorizza_dati(m, cartella / "manca.txt", cartella / "t.txt");
  ASSERT_EQ(m.diagnostiche.size(), 1u);
  EXPECT_EQ(m.diagnostiche[0].numero, numero_errore::file_linea_mancante);
  EXPECT_EQ(m.diagnostiche[0].luogo.riga, 0);

  prova::scrivi_file(cartella / "l.txt", generale + "[fine]\n");
  modello n;
  memorizza_dati(n, cartella / "l.txt", cartella / "manca.txt");
  ASSERT_EQ(n.diagnostiche.size(), 1u);
  EXPECT_EQ(n.diagnostiche[0].numero, numero_errore::errore_esecuzione);
  EXPECT_EQ(n.diagnostiche[0].luogo.file, (cartella / "manca.txt").string());
  EXPECT_EQ(n.diagnostiche[0].luogo.riga, 0);
  EXPECT_EQ(n.diagnostiche[0].motivo,
            "cannot open " + (cartella / "manca.txt").string() + ": No such file or directory");
}

// Warnings change no byte and no error: the built-in descriptions give none,
// and a description full of warnings compiles as its clean twin.
TEST(Diagnostiche, WarningsChangeNothingThatIsCompiled) {
  prova::cartella_temporanea cartella;
  dati_linea(cartella / "l.txt");
  dati_treno(cartella / "t.txt");
  modello m =
      compila(prova::leggi_file(cartella / "l.txt"), prova::leggi_file(cartella / "t.txt"), true);
  std::string tutte;
  for (const diagnostica& d : m.diagnostiche) tutte += "\n  " + descrivi(d);
  EXPECT_TRUE(m.diagnostiche.empty()) << tutte;

  const std::string pulita = generale + "[pendenze]\npendenza, 500, 3\n[fine]\n";
  const std::string sporca =
      "nota\n" + generale + "[pendenze]\n-- x\npendenza, 500, 3, 9\npendenzza, 1, 2\n[fine]\n";
  modello a = compila(pulita, "[generale]\nvelocita, 0, 100\n[fine]\n");
  modello b = compila(sporca, "[generale]\nvelocita, 0, 100, \n[fine]\n");
  EXPECT_EQ(a.diagnostiche.size(), 0u);
  EXPECT_EQ(b.diagnostiche.size(), 4u);
  EXPECT_EQ(b.n_errore, 0);
  ASSERT_EQ(a.celle.size(), b.celle.size());
  for (size_t k = 0; k < a.celle.size(); ++k) {
    EXPECT_EQ(a.celle[k].pendenza, b.celle[k].pendenza) << k;
    EXPECT_EQ(a.celle[k].vel_max, b.celle[k].vel_max) << k;
  }
}

}  // namespace
}  // namespace scenario
