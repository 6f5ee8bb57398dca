#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>
#include <string>

#include "cartella_temporanea.h"
#include "compilazione/grammatica.h"
#include "compilazione/riferimento_grammatica.h"

namespace scenario {
namespace {

struct parte_generata {
  grammatica::formato formato;
  const char* nome;
};

constexpr parte_generata parti[] = {{grammatica::formato::linea, "line"},
                                    {grammatica::formato::treno, "train"}};

std::string inizio_parte(const parte_generata& p) {
  return std::string("<!-- The ") + p.nome +
         " rows below are written from the grammar table: do not edit them here. -->\n";
}

const std::string fine_parte = "<!-- End of the rows written from the grammar table. -->\n";

// The authors' reference holds, between its markers, the rows that the
// grammar table writes. With RIGENERA_FORMATI set in the environment the
// test writes them there instead:
//   RIGENERA_FORMATI=1 build/prove --gtest_filter=Formati.*
TEST(Formati, TheReferenceIsWrittenFromTheGrammarTable) {
  const std::filesystem::path percorso =
      std::filesystem::path(CARTELLA_PROGETTO) / "docs/formati.md";
  std::string doc = prova::leggi_file(percorso);
  const bool rigenera = std::getenv("RIGENERA_FORMATI") != nullptr;
  for (const parte_generata& p : parti) {
    SCOPED_TRACE(p.nome);
    size_t inizio = doc.find(inizio_parte(p));
    ASSERT_NE(inizio, std::string::npos);
    inizio += inizio_parte(p).size();
    size_t fine = doc.find(fine_parte, inizio);
    ASSERT_NE(fine, std::string::npos);
    const std::string atteso = "\n" + grammatica::riferimento_formato(p.formato) + "\n";
    if (rigenera) {
      doc.replace(inizio, fine - inizio, atteso);
    } else {
      EXPECT_EQ(doc.substr(inizio, fine - inizio), atteso)
          << "regenerate with RIGENERA_FORMATI=1 build/prove --gtest_filter=Formati.*";
    }
  }
  if (rigenera) prova::scrivi_file(percorso, doc);
}

// Every example row holds its own kind, and no row heading of the reference
// stands outside what the table writes.
TEST(Formati, ExamplesMatchTheirKindAndEveryHeadingIsAKind) {
  std::set<std::string> nomi;
  for (const grammatica::voce* v : grammatica::tutte) {
    EXPECT_TRUE(grammatica::corrisponde(*v, v->esempio)) << v->nome;
    nomi.insert(std::string(v->nome));
  }
  const std::string doc =
      prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "docs/formati.md");
  std::regex titolo(R"(\n### `([^`]*)`)");
  for (std::sregex_iterator i(doc.begin(), doc.end(), titolo), fine; i != fine; ++i) {
    EXPECT_EQ(nomi.count((*i)[1].str()), 1u) << (*i)[1];
  }
}

}  // namespace
}  // namespace scenario
