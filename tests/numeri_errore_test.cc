#include "modello/numeri_errore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <regex>
#include <set>
#include <string>

#include "cartella_temporanea.h"
#include "generazione/errore.h"

namespace scenario {
namespace {

// The reference page of error numbers lists every error number of the table,
// and no other, and marks the same numbers as shown with a position.
TEST(NumeriErrore, TheReferenceListsExactlyTheNumbersOfTheTable) {
  std::string pagina =
      prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "docs/numeri-errore.md");
  size_t inizio = pagina.find("## Error numbers");
  ASSERT_NE(inizio, std::string::npos);
  pagina = pagina.substr(inizio, pagina.find("\n## ", inizio + 1) - inizio);
  std::set<int32_t> nella_pagina, con_posizione_nella_pagina;
  std::regex voce(R"(\n\| (\d+) \| ([^|\n]*) \|([^|\n]*)\|)");
  for (std::sregex_iterator i(pagina.begin(), pagina.end(), voce), fine; i != fine; ++i) {
    int32_t numero = std::stoi((*i)[1]);
    nella_pagina.insert(numero);
    if ((*i)[3] == " yes ") con_posizione_nella_pagina.insert(numero);
    const char* significato = significato_errore(numero);
    EXPECT_EQ(significato != nullptr ? std::string(significato) : "", (*i)[2].str()) << numero;
  }
  std::set<int32_t> in_tabella, con_posizione;
  for (const voce_errore& v : tabella_errori()) {
    in_tabella.insert(v.numero);
    if (v.con_posizione) con_posizione.insert(v.numero);
  }
  EXPECT_EQ(nella_pagina, in_tabella);
  EXPECT_EQ(con_posizione_nella_pagina, con_posizione);
  EXPECT_STREQ(significato_errore(15), "an entry lies beyond the cell grid");
  EXPECT_EQ(significato_errore(14), nullptr);
  EXPECT_TRUE(errore_con_posizione(16));
  EXPECT_FALSE(errore_con_posizione(25));
  EXPECT_FALSE(errore_con_posizione(14));
}

// The reference page of error numbers lists every warning code of the table
// with its meaning, and no other; every entry of both tables explains itself.
TEST(NumeriErrore, TheReferenceListsExactlyTheWarningsOfTheTable) {
  std::string pagina =
      prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "docs/numeri-errore.md");
  size_t inizio = pagina.find("## Warning codes");
  ASSERT_NE(inizio, std::string::npos);
  pagina = pagina.substr(inizio, pagina.find("\n## ", inizio + 1) - inizio);
  std::set<int32_t> nella_pagina;
  std::regex voce(R"(\n\| (\d+) \| ([^|\n]*) \|)");
  for (std::sregex_iterator i(pagina.begin(), pagina.end(), voce), fine; i != fine; ++i) {
    int32_t codice = std::stoi((*i)[1]);
    nella_pagina.insert(codice);
    const voce_errore* v = cerca_voce(codice);
    EXPECT_EQ(v != nullptr ? std::string(v->significato) : "", (*i)[2].str()) << codice;
  }
  std::set<int32_t> in_tabella;
  for (const voce_errore& v : tabella_avvisi()) {
    in_tabella.insert(v.numero);
    EXPECT_GT(v.numero, 200) << v.numero;
    EXPECT_EQ(significato_errore(v.numero), nullptr) << "a warning is no error: " << v.numero;
  }
  EXPECT_EQ(nella_pagina, in_tabella);
  for (auto tabella : {tabella_errori(), tabella_avvisi()}) {
    for (const voce_errore& v : tabella)
      EXPECT_GT(std::string(v.spiegazione).size(), 60u) << v.numero;
  }
}

// Every named number has its entry in the table: a number added to the list of
// constants without a meaning fails here.
TEST(NumeriErrore, EveryNamedNumberHasAMeaning) {
  std::string intestazione =
      prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "src/modello/numeri_errore.h");
  std::regex costante(R"(constexpr int32_t (\w+) = (\d+);)");
  int nominati = 0;
  for (std::sregex_iterator i(intestazione.begin(), intestazione.end(), costante), fine; i != fine;
       ++i) {
    int32_t numero = std::stoi((*i)[2]);
    if (numero == numero_errore::nessuno) continue;
    ++nominati;
    EXPECT_NE(cerca_voce(numero), nullptr) << (*i)[1] << " = " << numero;
  }
  EXPECT_EQ(static_cast<size_t>(nominati), tabella_errori().size() + tabella_avvisi().size());
}

// The table of exit statuses of the built-in run, on the reference page of
// exit statuses, lists the statuses of the program.
TEST(NumeriErrore, TheReferenceListsTheExitStatuses) {
  std::string pagina =
      prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "docs/stati-uscita.md");
  size_t inizio = pagina.find("## The built-in run");
  ASSERT_NE(inizio, std::string::npos);
  pagina = pagina.substr(inizio, pagina.find("\n## ", inizio + 1) - inizio);
  std::set<int> nella_pagina;
  std::regex voce(R"(\n\| (\d+) \|)");
  for (std::sregex_iterator i(pagina.begin(), pagina.end(), voce), fine; i != fine; ++i) {
    nella_pagina.insert(std::stoi((*i)[1]));
  }
  EXPECT_EQ(nella_pagina, (std::set<int>{stato_uscita::successo, stato_uscita::errore_file,
                                       stato_uscita::errore_mostrato,
                                       stato_uscita::errore_registrato,
                                       stato_uscita::uso_errato,
                                       stato_uscita::base_segnale + SIGINT,
                                       stato_uscita::base_segnale + SIGTERM}));
  EXPECT_NE(pagina.find("` Errore n. 1250`"), std::string::npos);
  EXPECT_NE(pagina.find("` Errore n. 1251`"), std::string::npos);
}

}  // namespace
}  // namespace scenario
