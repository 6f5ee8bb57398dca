#include "model/numeri_errore.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

// The README lists every error number of the table, and no other.
TEST(NumeriErrore, TheReadmeListsExactlyTheNumbersOfTheTable) {
  std::string readme = prova::leggi_file(std::filesystem::path(CARTELLA_PROGETTO) / "README.md");
  size_t inizio = readme.find("## Error numbers");
  ASSERT_NE(inizio, std::string::npos);
  readme = readme.substr(inizio, readme.find("\n## ", inizio + 1) - inizio);
  std::set<int32_t> nel_readme;
  std::regex voce(R"(\n\| (\d+) \|)");
  for (std::sregex_iterator i(readme.begin(), readme.end(), voce), fine; i != fine; ++i) {
    nel_readme.insert(std::stoi((*i)[1]));
  }
  std::set<int32_t> in_tabella;
  for (const voce_errore& v : tabella_errori()) in_tabella.insert(v.numero);
  EXPECT_EQ(nel_readme, in_tabella);
  EXPECT_STREQ(significato_errore(15), "an entry lies beyond the cell grid");
  EXPECT_EQ(significato_errore(14), nullptr);
}

}  // namespace
}  // namespace scenario
