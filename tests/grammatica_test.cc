#include "compilazione/grammatica.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "compilazione/compilatore_treno.h"
#include "compilazione/lettore_campi.h"
#include "modello/modello.h"

namespace scenario {
namespace {

// A row of kind `v` with its first `n` fields: a position far enough along,
// and a station of a type without marks, 200 m long.
std::string riga_di(const grammatica::voce& v, size_t n) {
  std::string riga(v.parole[0]);
  if (!v.parole[1].empty()) riga += " " + std::string(v.parole[1]);
  for (size_t i = 0; i < n; ++i) {
    std::string valore = i == 0 ? "1000" : "0";
    if (&v == &grammatica::stazione && i == 1) valore = "25";
    if (&v == &grammatica::stazione && i == 2) valore = "200";
    riga += ", " + valore;
  }
  return riga;
}

// The sand value after compiling `righe` on a 3000 m grid.
int16_t sabbia_dopo(const std::string& righe) {
  auto m = std::make_unique<modello>();
  dimensiona(*m, 3000);
  lettore_campi file("[generale]\r\n" + righe + "\r\n[fine]\r\n", "treno.txt");
  compila_treno(*m, file);
  EXPECT_EQ(m->n_errore, 0) << righe;
  return m->elementi[elemento_testata_treno].dato_d;
}

// Each row kind of the train description reads exactly the fields the table
// gives it. With its last field replaced by "sabbia, 7", a kind that read one
// field fewer would leave "sabbia" to be examined as a keyword; with all its
// fields and a sand row after it, a kind that read more would swallow that
// row's keyword.
TEST(Grammatica, EveryTrainRowReadsTheFieldsOfTheTable) {
  for (const grammatica::voce* v : grammatica::tutte) {
    if (v->formato_ != grammatica::formato::treno || v == &grammatica::sabbia) continue;
    size_t n = v->campi.size();
    EXPECT_EQ(sabbia_dopo(riga_di(*v, n - 1) + ", sabbia, 7"), 0) << v->parole[0];
    EXPECT_EQ(sabbia_dopo(riga_di(*v, n) + "\r\nsabbia, 7"), 7) << v->parole[0];
  }
}

TEST(Grammatica, KeywordsAreLowerCaseAndEveryKindHasFields) {
  for (const grammatica::voce* v : grammatica::tutte) {
    EXPECT_FALSE(v->parole[0].empty());
    EXPECT_FALSE(v->campi.empty()) << v->parole[0];
    for (std::string_view parola : v->parole) {
      for (char c : parola) EXPECT_FALSE(c >= 'A' && c <= 'Z') << parola;
    }
  }
  EXPECT_TRUE(grammatica::corrisponde(grammatica::lunghezza_percorso, "LUNGHEZZA del PERCORSO"));
  EXPECT_FALSE(grammatica::corrisponde(grammatica::progressiva_uno, "Progressiva uno"));
  EXPECT_TRUE(grammatica::corrisponde(grammatica::cartello_indicatore, "cartello_indicatore"));
}

}  // namespace
}  // namespace scenario
