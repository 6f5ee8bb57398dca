#include "base/numeri_errore.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

// The README lists every error number of the table, and no other, and marks
// the same numbers as shown with a position.
TEST(NumeriErrore, TheReadmeListsExactlyTheNumbersOfTheTable) {
  std::string readme = prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "README.md");
  size_t inizio = readme.find("## Error numbers");
  ASSERT_NE(inizio, std::string::npos);
  readme = readme.substr(inizio, readme.find("\n## ", inizio + 1) - inizio);
  std::set<int32_t> nel_readme, con_posizione_nel_readme;
  std::regex voce(R"(\n\| (\d+) \|[^|\n]*\|([^|\n]*)\|)");
  for (std::sregex_iterator i(readme.begin(), readme.end(), voce), fine; i != fine; ++i) {
    nel_readme.insert(std::stoi((*i)[1]));
    if ((*i)[2] == " yes ") con_posizione_nel_readme.insert(std::stoi((*i)[1]));
  }
  std::set<int32_t> in_tabella, con_posizione;
  for (const voce_errore& v : tabella_errori()) {
    in_tabella.insert(v.numero);
    if (v.con_posizione) con_posizione.insert(v.numero);
  }
  EXPECT_EQ(nel_readme, in_tabella);
  EXPECT_EQ(con_posizione_nel_readme, con_posizione);
  EXPECT_STREQ(significato_errore(15), "an entry lies beyond the cell grid");
  EXPECT_EQ(significato_errore(14), nullptr);
  EXPECT_TRUE(errore_con_posizione(16));
  EXPECT_FALSE(errore_con_posizione(25));
  EXPECT_FALSE(errore_con_posizione(14));
}

}  // namespace
}  // namespace scenario
