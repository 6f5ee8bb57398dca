#include "compilazione/compilatore_linea.h"

#include <gtest/gtest.h>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "compilazione/memorizza_dati.h"
#include "compilazione/progressive.h"
#include "generazione/nomi_file.h"
#include "linea_di_prova.h"
#include "modello/errore_esecuzione.h"

namespace scenario {
namespace {

using prova::compila_linea_di_prova;
using prova::compila_testo_linea;

TEST(CompilatoreLinea, RouteLength) {
  const struct {
    const char* riga;
    int32_t errore;
    int32_t n_celle;
  } casi[] = {
      {"lunghezza percorso,    1000000", 0, 20140},
      {"Lunghezza Percorso,    2000", 0, 180},
      {"LUNGHEZZA del PERCORSO,0", 0, 140},
      {"lunghezza percorso,    1000001", numero_errore::lunghezza_eccessiva, 0},
      {"lunghezza percorso,    -1", numero_errore::lunghezza_eccessiva, 0},
  };
  for (const auto& c : casi) {
    auto r = compila_linea_di_prova({"[generale]", c.riga, "[fine]"});
    EXPECT_EQ(r->m->n_errore, c.errore) << c.riga;
    EXPECT_EQ(r->m->n_celle, c.n_celle) << c.riga;
    EXPECT_EQ(r->prosegue, c.errore == 0) << c.riga;
    EXPECT_TRUE(r->lettura_chiusa()) << c.riga;
    if (c.errore == 0) {
      EXPECT_EQ(r->m->celle.size(), static_cast<size_t>(c.n_celle) + 1) << c.riga;
    } else {
      EXPECT_TRUE(r->m->celle.empty()) << c.riga;
    }
  }
  auto r = compila_linea_di_prova({"[generale]", "lunghezza percorso,    1000001"});
  EXPECT_EQ(r->m->elementi[elemento_linea].fine, 1000001);
}

// The progressive and background keywords are tested case by case; a
// keyword that is not recognised leaves its numbers as stray fields.
TEST(CompilatoreLinea, GeneralKeywordsAreCaseSensitiveExceptTheLength) {
  auto r = compila_linea_di_prova({"[generale]", "lunghezza percorso,    2000",
                                   "Progressiva chilometrica uno,    3000,    9000,    1",
                                   "progressiva chilometrica due,    5800,    -2000,    0",
                                   "Sfondo due,    7", "sfondo tre,    8", "[fine]"});
  EXPECT_EQ(r->m->n_errore, 0);
  const elemento& uno = r->m->elementi[elemento_progressiva_uno];
  const elemento& due = r->m->elementi[elemento_progressiva_due];
  EXPECT_EQ(uno.inizio, 0);
  EXPECT_EQ(uno.fine, 0);
  // Sorted: the only progressive begins furthest and goes to record 81.
  EXPECT_EQ(r->m->elementi[elemento_progressiva_tre].inizio, 5800);
  EXPECT_EQ(due.inizio, 0);
  EXPECT_EQ(r->m->elementi[elemento_testata_percorso].posizione, 0);
  EXPECT_EQ(r->m->elementi[elemento_testata_percorso].fine, 8);
}

TEST(CompilatoreLinea, RepeatedSignalZone) {
  const struct {
    const char* riga;
    int32_t errore;
    int32_t posizione;
  } casi[] = {
      {"ripetizione segnali 4 codici,    7500,    35600", 0, 4},
      {"ripetizione segnali 9 codici,    7500,    35600", 0, 9},
      {"ripetizione segnali 94 codici,    7500,    35600", 0, 4},
      {"ripetizione segnali 9 codici,    7500,    0", 0, 0},
      {"ripetizione segnali 4 codici,    -50,    -100", 0, 4},
      {"ripetizione segnali codici,    7500,    0", numero_errore::ripetizione_senza_codici, 0},
      {"ripetizione segnali 4 codici,    7525,    1",
       numero_errore::ripetizione_inizio_non_multiplo, 0},
      {"ripetizione segnali 4 codici,    7500,    35610",
       numero_errore::ripetizione_fine_non_multipla, 0},
      {"Ripetizione segnali 4 codici,    7525,    1", 0, 0},
  };
  for (const auto& c : casi) {
    auto r =
        compila_linea_di_prova({"[generale]", "lunghezza percorso,    2000", c.riga, "[fine]"});
    EXPECT_EQ(r->m->n_errore, c.errore) << c.riga;
    EXPECT_EQ(r->m->elementi[elemento_testata_treno].posizione, c.posizione) << c.riga;
    EXPECT_EQ(r->prosegue, c.errore == 0) << c.riga;
    EXPECT_TRUE(r->lettura_chiusa()) << c.riga;
  }
}

TEST(CompilatoreLinea, StartOfTheFile) {
  const struct {
    const char* testo;
    int32_t errore;
  } casi[] = {
      {"", numero_errore::generale_mancante},
      {"lunghezza percorso, 2000\r\n[fine]\r\n", numero_errore::generale_mancante},
      {"lunghezza percorso, 2000\r\n[generale]\r\n", numero_errore::generale_mancante},
      {"lunghezza percorso, 5\r\nx [GENERALE] x\r\nlunghezza percorso, 2000\r\n[fine]\r\n", 0},
  };
  for (const auto& c : casi) {
    auto r = compila_testo_linea(c.testo);
    EXPECT_EQ(r->m->n_errore, c.errore) << c.testo;
    EXPECT_TRUE(r->lettura_chiusa()) << c.testo;
    if (c.errore == 0) {
      EXPECT_EQ(r->m->n_celle, 180) << c.testo;
    }
  }
}

TEST(CompilatoreLinea, RunTimeFailures) {
  const struct {
    const char* caso;
    std::vector<std::string> righe;
    int32_t scrivi_planimetria;
  } casi[] = {
      {"no length row", {"[generale]", "[curve]", "[fine]"}, 1},
      {"no length row, no plan", {"[generale]", "[fine]"}, 0},
      {"no length row, an item", {"[generale]", "[pendenze]", "pendenza,  0,  0", "[fine]"}, 0},
      {"dashes up to the end", {"[generale]", "lunghezza percorso, 2000", "-", "-"}, 1},
      {"too wide for 32 bits",
       {"[generale]", "lunghezza percorso, 2000", "[pendenze]", "pendenza, 2147483648, 1"},
       1},
      {"stripes too wide for 16 bits",
       {"[generale]", "lunghezza percorso, 2000", "[cartelli]",
        "indicatori_vmax, 900, 1, 1, 1, 32768, 1, 1, 1, 0", "[fine]"},
       1},
      {"values missing at the end",
       {"[generale]", "lunghezza percorso, 2000", "[curve]", "curvad1, 100"},
       1},
  };
  for (const auto& c : casi) {
    EXPECT_THROW(compila_linea_di_prova(c.righe, c.scrivi_planimetria), errore_esecuzione)
        << c.caso;
  }
}

// The compile's one failure boundary records 25 and deletes both files.
TEST(CompilatoreLinea, AFailureBecomesError25AtTheBoundary) {
  prova::cartella_temporanea cartella;
  modello m;
  m.linea = "Prova";
  m.treno = "1";
  m.scrivi_planimetria = 1;
  prova::scrivi_file(cartella / nome_descrizione_linea(m.linea), "[generale]\r\n[fine]\r\n");
  prova::scrivi_file(cartella / nome_descrizione_treno(m.linea, m.treno),
                     "[generale]\r\n[fine]\r\n");
  memorizza_dati(m, cartella / nome_descrizione_linea(m.linea),
                 cartella / nome_descrizione_treno(m.linea, m.treno));
  EXPECT_EQ(m.n_errore, numero_errore::errore_esecuzione);
  EXPECT_TRUE(cartella.contenuto().empty());
}

// In the item sections a keyword may stand behind two dash fields; a keyword
// that holds a dash is skipped with its row.
TEST(CompilatoreLinea, DashFieldsAndCase) {
  auto r = compila_linea_di_prova({"[generale]", "lunghezza percorso,    2000", "[pendenze]",
                                   "pendenza-bis,  100,   9", "-,  -,  PENDENZA,  100,   5",
                                   "Montagna,  100,  200,  4", "[fine]"});
  EXPECT_EQ(r->m->n_errore, 0);
  EXPECT_EQ(r->m->celle[1].pendenza, 100);
  EXPECT_EQ(r->m->celle[2].pendenza, 105);
  EXPECT_EQ(r->m->celle[2].galleria, 4);
  EXPECT_EQ(r->m->n_gallerie, 1);
}

// A row whose values end the file is read; a field standing alone at the end
// is not interpreted.
TEST(CompilatoreLinea, TheLastFieldOfTheFile) {
  auto r = compila_testo_linea(
      "[generale]\r\nlunghezza percorso, 2000\r\n[pendenze]\r\npendenza, 100, 5");
  EXPECT_EQ(r->m->celle[2].pendenza, 105);
  for (const char* fine : {"montagna\r\n", "-\r\nmontagna\r\n", "-, -, montagna"}) {
    auto solo = compila_testo_linea(
        std::string("[generale]\r\nlunghezza percorso, 2000\r\n[montagne]\r\n") + fine);
    EXPECT_EQ(solo->m->n_errore, 0) << fine;
    EXPECT_TRUE(solo->prosegue) << fine;
  }
}

// Blanks after the last comma are a last value of 0, with or without a
// line end after them.
TEST(CompilatoreLinea, ABlankLastValueAtTheEndOfTheFile) {
  for (const char* ultimo : {"   ", " ", "\t", " \r\n", "\r\n", "\n", "\r", "0", " 0 "}) {
    auto r =
        compila_testo_linea(std::string("[generale]\r\nlunghezza percorso, 2000\r\n[pendenze]\r\n"
                                        "pendenza, 100, 5\r\npendenza, 900,") +
                            ultimo);
    EXPECT_EQ(r->m->n_errore, 0) << ultimo;
    EXPECT_EQ(r->m->celle[17].pendenza, 105) << ultimo;
    EXPECT_EQ(r->m->celle[18].pendenza, 100) << ultimo;
  }
}

// Error 15 ends the item sections; the file is deleted, the tails still run
// and the train half is to run.
TEST(CompilatoreLinea, AnItemBeyondTheGrid) {
  const struct {
    const char* riga;
    int32_t errore;
    int32_t posizione;
  } casi[] = {
      {"pendenza,  109900,   5", 0, 0},
      {"pendenza,  109901,   5", numero_errore::oltre_la_griglia, 109901},
      {"montagna,  109901,  109950,  2", numero_errore::oltre_la_griglia, 109901},
      {"curvad1,  109901,  10", numero_errore::oltre_la_griglia, 109901},
      {"indicatori_vmax,  109901,  1,  1,  1,  0,  ,  ,  ,  0", numero_errore::oltre_la_griglia,
       109901},
      {"cartello_indicatore,  109901,   (x)", numero_errore::oltre_la_griglia, 109901},
      {"cartello_indicatore,  -75,   (x)", 0, 0},
      {"cartello_indicatore,  -76,   (x)", numero_errore::oltre_la_griglia, -76},
      {"indicatori_vmax,  -76,  1,  1,  1,  0,  ,  ,  ,  0", numero_errore::oltre_la_griglia, -76},
  };
  for (const auto& c : casi) {
    auto r = compila_linea_di_prova({"[generale]", "lunghezza percorso,    103000", "[curve]",
                                     "pendenza,  700,   -7", c.riga, "montagna,   600,  1750,  2",
                                     "[fine]"});
    EXPECT_EQ(r->m->n_errore, c.errore) << c.riga;
    EXPECT_EQ(r->m->pos_errore, c.posizione) << c.riga;
    EXPECT_TRUE(r->prosegue) << c.riga;
    EXPECT_TRUE(r->lettura_chiusa()) << c.riga;
    // The rows after the fault are not read.
    EXPECT_EQ(r->m->n_gallerie, c.errore == 0 ? 1 : 0) << c.riga;
    EXPECT_EQ(r->m->celle[2196].pendenza, 93) << c.riga;
    EXPECT_TRUE(std::holds_alternative<double>(r->m->planimetria[1][109998])) << c.riga;
  }
}

TEST(CompilatoreLinea, OnlyALengthRow) {
  auto r = compila_linea_di_prova({"[generale]", "lunghezza percorso,    3000"});
  const modello& m = *r->m;
  ASSERT_EQ(m.n_celle, 200);
  for (int32_t k = 0; k <= m.n_celle; ++k) {
    EXPECT_EQ(m.celle[static_cast<size_t>(k)].pendenza, k <= 197 ? 100 : 0) << k;
  }
  EXPECT_EQ(m.planimetria[1][1], valore_planimetria(int16_t{1}));
  for (int32_t metro = 2; metro <= 9998; ++metro) {
    ASSERT_EQ(m.planimetria[0][static_cast<size_t>(metro)], valore_planimetria(0.0)) << metro;
    ASSERT_EQ(m.planimetria[1][static_cast<size_t>(metro)], valore_planimetria(double(metro)))
        << metro;
  }
  EXPECT_EQ(m.planimetria[0][9999], valore_planimetria());
  EXPECT_EQ(m.planimetria[1][10000], valore_planimetria());
  EXPECT_EQ(r->indice_testo, primo_elemento_testo);
}

TEST(CompilatoreLinea, CurvesWithoutTrackPlan) {
  auto r = compila_linea_di_prova(
      {"[generale]", "lunghezza percorso,    3000", "[curve]", "curvad,  100,  700", "[fine]"}, 0);
  EXPECT_EQ(r->m->n_errore, 0);
  EXPECT_TRUE(r->m->planimetria[0].empty());
  auto con = compila_linea_di_prova(
      {"[generale]", "lunghezza percorso,    3000", "[curve]", "curvad,  100,  700", "[fine]"});
  EXPECT_EQ(con->m->n_errore, numero_errore::curva_errata);
  EXPECT_FALSE(con->prosegue);
  EXPECT_TRUE(con->lettura_chiusa());
}

TEST(CompilatoreLinea, RefusedItemsEndTheCompileWithTheirPosition) {
  std::vector<std::string> righe = {"[generale]", "lunghezza percorso,    3000", "[cartelli]",
                                    "indicatori_vmax,  900,  1,  1,  1,  0,  ,  ,  ,  0"};
  const struct {
    const char* riga;
    int32_t errore;
    int32_t posizione;
  } casi[] = {
      {"indicatori_vmax,  920,  1,  1,  1,  0,  ,  ,  ,  0",
       numero_errore::indicatore_su_cella_occupata, 920},
      {"cartello_indicatore,  880,   (x)", numero_errore::cartello_su_cella_occupata, 880},
  };
  for (const auto& c : casi) {
    std::vector<std::string> tutte = righe;
    tutte.push_back(c.riga);
    tutte.push_back("pendenza,  700,   -7");
    auto r = compila_linea_di_prova(tutte);
    EXPECT_EQ(r->m->n_errore, c.errore) << c.riga;
    EXPECT_EQ(r->m->pos_errore, c.posizione) << c.riga;
    EXPECT_FALSE(r->prosegue) << c.riga;
    EXPECT_TRUE(r->lettura_chiusa()) << c.riga;
    // No gradient tail after a stop.
    EXPECT_EQ(r->m->celle[0].pendenza, 0) << c.riga;
  }
}

// Tables that cannot grow: the 81st tunnel and the 81st sign board.
TEST(CompilatoreLinea, NoRoomLeft) {
  std::vector<std::string> gallerie = {"[generale]", "lunghezza percorso,    103000", "[montagne]"};
  std::vector<std::string> cartelli = gallerie;
  for (int i = 0; i < 81; ++i) {
    gallerie.push_back("montagna,  " + std::to_string(1000 * i) + ",  " +
                       std::to_string(1000 * i + 500) + ",  2");
    cartelli.push_back("cartello_indicatore,  " + std::to_string(1000 * i) + ",   (" +
                       std::to_string(i) + ")");
  }
  auto g = compila_linea_di_prova(gallerie);
  EXPECT_EQ(g->m->n_errore, numero_errore::troppe_gallerie);
  EXPECT_EQ(g->m->pos_errore, 80000);
  EXPECT_EQ(g->m->n_gallerie, 80);
  EXPECT_FALSE(g->prosegue);
  EXPECT_TRUE(g->lettura_chiusa());
  auto c = compila_linea_di_prova(cartelli);
  EXPECT_EQ(c->m->n_errore, numero_errore::testi_esauriti);
  EXPECT_EQ(c->m->pos_errore, 80000);
  EXPECT_EQ(c->m->elementi[1].testo, "(79)");
  EXPECT_EQ(c->indice_testo, 0);
  EXPECT_EQ(c->m->celle[1601].tipo, tipo_cella::vuota);
  EXPECT_FALSE(c->prosegue);
}

TEST(ProgressiveOrdina, Table) {
  struct terna {
    int32_t inizio, fine, posizione;
    bool operator==(const terna&) const = default;
  };
  const struct {
    const char* caso;
    terna t, d, u;        // records 81, 82, 83 before
    terna r81, r82, r83;  // after
  } casi[] = {
      {"built-in",
       {35400, 100150, 1},
       {5800, -2000, 0},
       {3000, 9000, 1},
       {35400, 100250, 1},
       {5800, -2000, 0},
       {3000, 9100, 1}},
      {"reversed",
       {3000, 9000, 1},
       {5800, -2000, 0},
       {35400, 100150, 1},
       {35400, 100250, 1},
       {5800, -2000, 0},
       {3000, 9100, 1}},
      {"middle first",
       {100, 1, 0},
       {300, 2, 0},
       {200, 3, 0},
       {300, 2, 0},
       {200, 3, 0},
       {100, 1, 0}},
      {"tie below: higher record first",
       {100, 1, 0},
       {50, 2, 0},
       {50, 3, 0},
       {100, 1, 0},
       {50, 3, 0},
       {50, 2, 0}},
      {"tie below, D and T",
       {50, 1, 0},
       {50, 2, 0},
       {100, 3, 0},
       {100, 3, 0},
       {50, 2, 0},
       {50, 1, 0}},
      {"tie on top", {100, 1, 0}, {100, 2, 0}, {50, 3, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
      {"sum 0, U positive", {-50, 5, 0}, {0, 7, 0}, {50, 9, 0}, {50, 9, 0}, {0, 7, 0}, {-50, 5, 0}},
      {"sum 0, D positive",
       {50, 1, 0},
       {-50, 2, 0},
       {0, -3, 0},
       {-50, 2, 0},
       {50, 1, 0},
       {0, -3, 0}},
      {"sum 0, T positive", {0, 4, 1}, {0, 0, 0}, {0, 0, 0}, {0, 104, 1}, {0, 0, 0}, {0, 0, 0}},
      {"sum 0, none positive", {0, 0, 1}, {0, -1, 1}, {0, 0, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
  };
  for (const auto& c : casi) {
    modello m;
    auto metti = [](elemento& e, const terna& v) {
      e.inizio = v.inizio;
      e.fine = v.fine;
      e.posizione = v.posizione;
    };
    auto leggi = [](const elemento& e) { return terna{e.inizio, e.fine, e.posizione}; };
    metti(m.elementi[81], c.t);
    metti(m.elementi[82], c.d);
    metti(m.elementi[83], c.u);
    progressive_ordina(m);
    EXPECT_TRUE(leggi(m.elementi[81]) == c.r81) << c.caso;
    EXPECT_TRUE(leggi(m.elementi[82]) == c.r82) << c.caso;
    EXPECT_TRUE(leggi(m.elementi[83]) == c.r83) << c.caso;
  }
}

}  // namespace
}  // namespace scenario
