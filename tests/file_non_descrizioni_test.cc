// compila is given whatever file an author names: a binary file, a file
// without [generale] or the line description in place of the train is an
// error of its own, not "an empty train" compiled with success.

#include <gtest/gtest.h>

#include <string>

#include "modello/numeri_errore.h"
#include "generazione/errore.h"
#include "generazione/memorizza_percorso.h"

namespace scenario {
namespace {

const std::string linea = "[generale]\nlunghezza percorso, 3000\n[fine]\n";
const std::string treno = "[generale]\nvelocita, 0, 100\n[fine]\n";

modello compila(const std::string& l, const std::string& t) {
  modello m;
  m.linea = "L";
  m.treno = "1";
  compila_percorso(m, {"l.txt", l}, {"t.txt", t}, 0);
  return m;
}

TEST(FileNonDescrizioni, EachIsAnErrorAtItsPlaceAndNothingIsCompiled) {
  const struct {
    const char* caso;
    std::string linea, treno;
    int32_t numero;
    std::string file;
    int32_t riga, colonna;
    // After the error: where the fields of a train without [generale] were
    // passed over from (warning 205).
    size_t avvisi = 0;
  } casi[] = {
      {"all NUL", std::string(64, '\0'), treno, numero_errore::byte_non_di_testo, "l.txt", 1, 1},
      {"a control byte in the train", linea, "[generale]\nvelocita, 0,\x01 100\n",
       numero_errore::byte_non_di_testo, "t.txt", 2, 13},
      {"a train without [generale]", linea, "velocita, 0, 100\n",
       numero_errore::generale_treno_mancante, "t.txt", 1, 1, 1},
      {"an empty train", linea, "", numero_errore::generale_treno_mancante, "t.txt", 0, 0},
      {"the line description as the train", linea, linea, numero_errore::linea_come_treno, "t.txt",
       2, 1},
  };
  for (const auto& c : casi) {
    modello m = compila(c.linea, c.treno);
    EXPECT_EQ(m.n_errore, c.numero) << c.caso;
    ASSERT_EQ(m.diagnostiche.size(), 1u + c.avvisi) << c.caso;
    for (size_t i = 1; i < m.diagnostiche.size(); ++i) {
      EXPECT_EQ(m.diagnostiche[i].livello, gravita::avviso) << c.caso;
    }
    EXPECT_EQ(m.diagnostiche[0].luogo.file, c.file) << c.caso;
    EXPECT_EQ(m.diagnostiche[0].luogo.riga, c.riga) << c.caso;
    EXPECT_EQ(m.diagnostiche[0].luogo.colonna, c.colonna) << c.caso;
    EXPECT_FALSE(m.griglia_dimensionata()) << c.caso;
  }
}

TEST(FileNonDescrizioni, TabsAndEveryLineEndAreText) {
  modello m = compila("[generale]\r\nlunghezza percorso,\t3000\r[fine]\n",
                      "[generale]\nvelocita, 0, 100\n[fine]\n");
  EXPECT_EQ(m.n_errore, numero_errore::nessuno);
  EXPECT_TRUE(m.griglia_dimensionata());
}

}  // namespace
}  // namespace scenario
