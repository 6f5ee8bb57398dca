#include "compilazione/memorizza_dati.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::scrivi_file;

const std::string linea_breve = "[generale]\r\nlunghezza percorso, 2000\r\n[fine]\r\n";
const std::string treno_breve = "[generale]\r\nvelocita, 0, 100\r\n[fine]\r\n";

// Which description files a compile from files leaves, by the way it ends.
TEST(MemorizzaDati, EachFileIsDeletedOnceItsRowsAreRead) {
  const struct {
    const char* caso;
    const char* linea;  // nullptr: no line description
    std::string treno;
    bool conserva;
    int32_t errore;
    std::vector<std::string> restano;
  } casi[] = {
      {"both read", linea_breve.c_str(), treno_breve, false, 0, {}},
      {"both kept", linea_breve.c_str(), treno_breve, true, 0, {"l.txt", "t.txt"}},
      {"the line half stops: the train file is not read",
       "[generale]\r\nlunghezza percorso, 1000001\r\n",
       treno_breve,
       false,
       numero_errore::lunghezza_eccessiva,
       {"t.txt"}},
      {"no line description",
       nullptr,
       treno_breve,
       false,
       numero_errore::file_linea_mancante,
       {"t.txt"}},
      {"a run-time failure deletes both",
       linea_breve.c_str(),
       "",
       false,
       numero_errore::errore_esecuzione,
       {}},
  };
  for (const auto& c : casi) {
    cartella_temporanea cartella;
    if (c.linea != nullptr) scrivi_file(cartella / "l.txt", c.linea);
    scrivi_file(cartella / "t.txt", c.treno);
    modello m;
    opzioni_compilazione opzioni;
    opzioni.cancella_descrizioni = !c.conserva;
    memorizza_dati(m, cartella / "l.txt", cartella / "t.txt", opzioni);
    EXPECT_EQ(m.n_errore, c.errore) << c.caso;
    EXPECT_EQ(cartella.contenuto(), c.restano) << c.caso;
  }
}

TEST(MemorizzaDati, AMissingFileIsNamedInTheError) {
  cartella_temporanea cartella;
  modello m;
  memorizza_dati(m, cartella / "manca.txt", cartella / "t.txt");
  ASSERT_EQ(m.diagnostiche.size(), 1u);
  EXPECT_EQ(m.diagnostiche[0].numero, numero_errore::file_linea_mancante);
  EXPECT_EQ(m.diagnostiche[0].luogo.file, (cartella / "manca.txt").string());
  EXPECT_EQ(m.diagnostiche[0].luogo.riga, 0);

  scrivi_file(cartella / "l.txt", linea_breve);
  modello n;
  memorizza_dati(n, cartella / "l.txt", cartella / "manca.txt");
  ASSERT_EQ(n.diagnostiche.size(), 1u);
  EXPECT_EQ(n.diagnostiche[0].numero, numero_errore::errore_esecuzione);
  EXPECT_EQ(n.diagnostiche[0].luogo.file, (cartella / "manca.txt").string());
  EXPECT_NE(n.diagnostiche[0].motivo.find("manca.txt"), std::string::npos);
}

// The same descriptions compile alike from files and from memory.
TEST(MemorizzaDati, FromMemoryAsFromFiles) {
  cartella_temporanea cartella;
  const std::string linea =
      "[generale]\r\nlunghezza percorso, 3000\r\n[pendenze]\r\npendenza, 500, 12\r\n"
      "[cartelli]\r\ncartello_indicatore, 1000, Testo\r\n[fine]\r\n";
  const std::string treno =
      "[generale]\r\nvelocita, 0, 100\r\nsegnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n[fine]\r\n";
  scrivi_file(cartella / "l.txt", linea);
  scrivi_file(cartella / "t.txt", treno);
  modello da_file, da_testo;
  memorizza_dati(da_file, cartella / "l.txt", cartella / "t.txt");
  compila_descrizioni(da_testo, {"l.txt", linea}, {"t.txt", treno});
  EXPECT_EQ(da_file.n_errore, 0);
  EXPECT_EQ(da_testo.n_errore, 0);
  ASSERT_EQ(da_file.celle.size(), da_testo.celle.size());
  for (size_t k = 0; k < da_file.celle.size(); ++k) {
    EXPECT_EQ(da_file.celle[k].tipo, da_testo.celle[k].tipo) << k;
    EXPECT_EQ(da_file.celle[k].pendenza, da_testo.celle[k].pendenza) << k;
    EXPECT_EQ(da_file.celle[k].vel_max, da_testo.celle[k].vel_max) << k;
  }
  EXPECT_EQ(da_testo.primo_testo_cartello, 80);
  EXPECT_EQ(da_testo.elementi[80].testo, "Testo");
}

// Every error is recorded with the place of the field it is about: lines and
// columns from 1, a tab one column.
TEST(MemorizzaDati, ErrorsCarryTheLineAndColumnOfTheirField) {
  const std::string linea_ok = "[generale]\r\nlunghezza percorso, 3000\r\n[fine]\r\n";
  const struct {
    const char* caso;
    std::string linea, treno;
    int32_t errore;
    std::string file;
    int32_t riga, colonna;
  } casi[] = {
      {"length too long", "[generale]\nlunghezza percorso,\t1000001\n", "",
       numero_errore::lunghezza_eccessiva, "l.txt", 2, 21},
      {"no [generale]", "[fine]\r\n", "", numero_errore::generale_mancante, "l.txt", 1, 1},
      {"gradient beyond the grid", linea_ok + "pendenza,  9950, 1\r\n", "[generale]\r\n[fine]\r\n",
       numero_errore::oltre_la_griglia, "l.txt", 4, 12},
      {"a lone CR ends a line too",
       "[generale]\rlunghezza percorso, 3000\r[x]\rpendenza, 9950, 1\r", "[generale]\r\n[fine]\r\n",
       numero_errore::oltre_la_griglia, "l.txt", 4, 11},
      {"station length", linea_ok,
       "[generale]\r\nstazione, 950, 25, 250, 0,0,0,0,0,0,0,0,0,0,0,0,0, X\r\n",
       numero_errore::lunghezza_stazione_non_multipla, "t.txt", 2, 20},
      {"signal on a taken cell", linea_ok,
       "[generale]\r\nsegnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n"
       "  segnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n",
       numero_errore::segnale_su_cella_occupata, "t.txt", 3, 12},
      {"a run-time failure at its field", linea_ok, "[generale]\r\nsabbia,  40000\r\n[fine]\r\n",
       numero_errore::errore_esecuzione, "t.txt", 2, 10},
      {"a read past the end", linea_ok, "[generale]\r\nsegnale, 850, 2",
       numero_errore::errore_esecuzione, "t.txt", 2, 16},
  };
  for (const auto& c : casi) {
    modello m;
    compila_descrizioni(m, {"l.txt", c.linea}, {"t.txt", c.treno});
    ASSERT_FALSE(m.diagnostiche.empty()) << c.caso;
    const diagnostica& e = m.diagnostiche.back();
    EXPECT_EQ(e.numero, c.errore) << c.caso;
    EXPECT_EQ(m.n_errore, c.errore) << c.caso;
    EXPECT_EQ(e.luogo.file, c.file) << c.caso;
    EXPECT_EQ(e.luogo.riga, c.riga) << c.caso;
    EXPECT_EQ(e.luogo.colonna, c.colonna) << c.caso;
    // A run-time failure says what failed, a missing [generale] what stands there.
    EXPECT_EQ(e.motivo.empty(), c.errore != numero_errore::errore_esecuzione &&
                                    c.errore != numero_errore::generale_mancante)
        << c.caso;
  }
}

// n_errore and pos_errore are the last recorded; the list keeps them all.
TEST(MemorizzaDati, TheListKeepsEveryErrorInOrder) {
  modello m;
  compila_descrizioni(
      m, {"l.txt", "[generale]\r\nlunghezza percorso, 3000\r\n[pendenze]\r\npendenza, 9950, 1\r\n"},
      {"t.txt", "[generale]\r\nvelocita, 0, 100\r\nsegnale, 850, 2, 5, 6, 1, 0, 0, 0,0,0, 0\r\n"});
  ASSERT_EQ(m.diagnostiche.size(), 2u);
  EXPECT_EQ(m.diagnostiche[0].numero, numero_errore::oltre_la_griglia);
  EXPECT_EQ(m.diagnostiche[0].posizione, 9950);
  // The earlier 15 stops the compile at the first signal, with its position.
  EXPECT_EQ(m.diagnostiche[1].numero, numero_errore::oltre_la_griglia);
  EXPECT_EQ(m.diagnostiche[1].posizione, 850);
  EXPECT_EQ(m.diagnostiche[1].luogo.file, "t.txt");
  EXPECT_EQ(m.n_errore, numero_errore::oltre_la_griglia);
  EXPECT_EQ(m.pos_errore, 850);

  // A number recorded without a position leaves pos_errore as it was.
  registra_errore(m, numero_errore::stazione_troppo_corta);
  EXPECT_EQ(m.n_errore, numero_errore::stazione_troppo_corta);
  EXPECT_EQ(m.pos_errore, 850);
  EXPECT_FALSE(m.diagnostiche.back().posizione.has_value());
}

TEST(MemorizzaDati, ARouteLongerThanTheOptionAllowsIsError1) {
  opzioni_compilazione opzioni;
  opzioni.lunghezza_massima = 20000;
  for (int32_t lunghezza : {20000, 20001}) {
    modello m;
    compila_descrizioni(
        m,
        {"l", "[generale]\r\nlunghezza percorso, " + std::to_string(lunghezza) + "\r\n[fine]\r\n"},
        {"t", treno_breve}, opzioni);
    EXPECT_EQ(m.n_errore, lunghezza > 20000 ? numero_errore::lunghezza_eccessiva : 0) << lunghezza;
  }
}

}  // namespace
}  // namespace scenario
