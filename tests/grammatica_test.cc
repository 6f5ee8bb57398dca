#include "compilazione/grammatica.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <algorithm>
#include <fstream>
#include <set>

#include "compilazione/compilatore_linea.h"
#include "compilazione/compilatore_treno.h"
#include "compilazione/lettore_campi.h"
#include "modello/modello.h"
#include "modello/numeri_errore.h"

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

// The warning codes recorded when the example row of `v`, with `coda` after
// it, is compiled alone in its place on a 103000 m route.
std::multiset<int32_t> avvisi_dell_esempio(const grammatica::voce& v, const std::string& coda) {
  auto m = std::make_unique<modello>();
  m->scrivi_planimetria = 1;
  const std::string riga = std::string(v.esempio) + coda + "\r\n";
  if (v.formato_ == grammatica::formato::linea) {
    std::string testo = "[generale]\r\nlunghezza percorso, 103000\r\n";
    if (v.sezione != grammatica::sezione_generale) testo += std::string(v.sezione) + "\r\n";
    lettore_campi file(testo + riga + "[fine]\r\n", "linea.txt");
    EXPECT_TRUE(compila_linea(*m, file)) << v.nome;
  } else {
    dimensiona(*m, 103000);
    lettore_campi file("[generale]\r\n" + riga + "[fine]\r\n", "treno.txt");
    compila_treno(*m, file);
  }
  EXPECT_EQ(m->n_errore, 0) << v.nome;
  std::multiset<int32_t> avvisi;
  for (const diagnostica& d : m->diagnostiche) avvisi.insert(d.numero);
  return avvisi;
}

// Each row kind of both descriptions reads exactly the fields the table
// gives it: a compiler that read one more would fail the reader's check of
// the grammar, and one that read fewer would leave a field on the line of
// the example row, which, with one more field, always holds one.
TEST(Grammatica, EveryRowReadsTheFieldsOfTheTable) {
  for (const grammatica::voce* v : grammatica::tutte) {
    std::multiset<int32_t> esatta = avvisi_dell_esempio(*v, "");
    EXPECT_EQ(esatta.count(numero_avviso::campi_in_piu), 0u) << v->nome;
    EXPECT_EQ(esatta.count(numero_avviso::parola_sconosciuta), 0u) << v->nome;
    EXPECT_EQ(avvisi_dell_esempio(*v, ", 0").count(numero_avviso::campi_in_piu), 1u) << v->nome;
  }
}

// The fuzz dictionary names only keywords and headers of the table, and
// every row kind and header of the table has an entry.
TEST(Grammatica, TheFuzzDictionaryFollowsTheTable) {
  std::ifstream dizionario(std::filesystem::path(CARTELLA_PROGETTO) / "fuzz/parole.dict");
  ASSERT_TRUE(dizionario);
  std::set<std::string_view> intestazioni(std::begin(grammatica::sezioni_linea),
                                          std::end(grammatica::sezioni_linea));
  intestazioni.insert(std::begin(grammatica::sezioni_treno), std::end(grammatica::sezioni_treno));
  std::set<std::string_view> intestazioni_trovate;
  std::set<const grammatica::voce*> voci_trovate;
  std::string riga;
  while (std::getline(dizionario, riga)) {
    if (riga.size() < 2 || riga.front() != '"' || riga.back() != '"') continue;
    const std::string voce = riga.substr(1, riga.size() - 2);
    // Separators and numbers, some written as escapes, are no words.
    if (voce.find('\\') != std::string::npos ||
        std::none_of(voce.begin(), voce.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
      continue;
    }
    if (voce.front() == '[') {
      auto i = intestazioni.find(voce);
      EXPECT_NE(i, intestazioni.end()) << voce;
      if (i != intestazioni.end()) intestazioni_trovate.insert(*i);
      continue;
    }
    bool nota = false;
    for (const grammatica::voce* v : grammatica::tutte) {
      if (!grammatica::corrisponde(*v, voce)) continue;
      nota = true;
      voci_trovate.insert(v);
    }
    EXPECT_TRUE(nota) << voce;
  }
  EXPECT_EQ(intestazioni_trovate.size(), intestazioni.size());
  for (const grammatica::voce* v : grammatica::tutte) {
    EXPECT_EQ(voci_trovate.count(v), 1u) << v->nome;
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
