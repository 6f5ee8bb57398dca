#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "cartella_temporanea.h"
#include "compilazione/grammatica.h"

namespace scenario {
namespace {

// The authors' reference and the grammar table say the same: every row kind
// stands under its heading with its keyword words, its fields and its
// example row, and every row heading of the reference is a kind of the table.
TEST(Formati, TheReferenceFollowsTheGrammarTable) {
  const std::string doc =
      prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "docs/formati.md");
  for (const grammatica::voce* v : grammatica::tutte) {
    const std::string titolo = "\n### `" + std::string(v->nome) + "`\n";
    size_t inizio = doc.find(titolo);
    ASSERT_NE(inizio, std::string::npos) << v->nome;
    size_t fine = std::min(doc.find("\n### ", inizio + 1), doc.find("\n## ", inizio + 1));
    const std::string parte = doc.substr(inizio, fine - inizio);
    const std::string sezione = "Section `" + std::string(v->sezione) + "`";
    EXPECT_NE(parte.find(sezione), std::string::npos) << v->nome;
    for (std::string_view parola : v->parole) {
      if (parola.empty()) continue;
      EXPECT_NE(parte.find("`" + std::string(parola) + "`"), std::string::npos)
          << v->nome << ": " << parola;
    }
    for (const grammatica::campo& c : v->campi) {
      EXPECT_NE(parte.find("`" + std::string(c.nome) + "`"), std::string::npos)
          << v->nome << ": " << c.nome;
    }
    EXPECT_NE(parte.find("\n    " + std::string(v->esempio) + "\n"), std::string::npos) << v->nome;
    EXPECT_TRUE(grammatica::corrisponde(*v, v->esempio)) << v->nome;
  }
  std::set<std::string> nomi;
  for (const grammatica::voce* v : grammatica::tutte) nomi.insert(std::string(v->nome));
  std::regex titolo(R"(\n### `([^`]*)`)");
  for (std::sregex_iterator i(doc.begin(), doc.end(), titolo), fine; i != fine; ++i) {
    EXPECT_EQ(nomi.count((*i)[1].str()), 1u) << (*i)[1];
  }
}

}  // namespace
}  // namespace scenario
