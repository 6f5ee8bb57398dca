#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

const std::filesystem::path progetto = CARTELLA_PROGETTO;

// The targets of the links of a Markdown page, `[text](target)` and
// `![text](target)`, as written.
std::vector<std::string> collegamenti(const std::string& pagina) {
  std::vector<std::string> trovati;
  std::regex collegamento(R"(\]\(([^)\s]+)\))");
  for (std::sregex_iterator i(pagina.begin(), pagina.end(), collegamento), fine; i != fine; ++i)
    trovati.push_back((*i)[1]);
  return trovati;
}

bool esterno(const std::string& obiettivo) {
  return obiettivo.starts_with("http://") || obiettivo.starts_with("https://") ||
         obiettivo.starts_with("mailto:");
}

// The anchors of a page's headings, made as the usual renderers make them:
// lower case, punctuation dropped, a hyphen for each space.
std::set<std::string> ancore(const std::string& pagina) {
  std::set<std::string> trovate;
  std::regex titolo(R"((^|\n)#+ ([^\n]*))");
  for (std::sregex_iterator i(pagina.begin(), pagina.end(), titolo), fine; i != fine; ++i) {
    std::string ancora;
    for (unsigned char c : (*i)[2].str()) {
      if (std::isalnum(c) || c == '-' || c == '_' || c >= 0x80)
        ancora += static_cast<char>(std::tolower(c));
      else if (c == ' ')
        ancora += '-';
    }
    trovate.insert(ancora);
  }
  return trovate;
}

// Every link of the README and of the pages of docs/, its folders too, that
// leads into the project names a file that is there, and a heading of that
// file where it names one.
void controlla_collegamenti(const std::filesystem::path& percorso) {
  const std::string pagina = prova::leggi_file(percorso);
  ASSERT_FALSE(pagina.empty()) << percorso;
  for (const std::string& obiettivo : collegamenti(pagina)) {
    if (esterno(obiettivo)) continue;
    const size_t cancelletto = obiettivo.find('#');
    const std::string file = obiettivo.substr(0, cancelletto);
    const std::filesystem::path destinazione =
        file.empty() ? percorso : percorso.parent_path() / file;
    EXPECT_FALSE(obiettivo.starts_with("/")) << percorso << ": " << obiettivo;
    EXPECT_TRUE(std::filesystem::is_regular_file(destinazione)) << percorso << ": " << obiettivo;
    if (cancelletto != std::string::npos && std::filesystem::is_regular_file(destinazione)) {
      EXPECT_TRUE(ancore(prova::leggi_file(destinazione)).contains(obiettivo.substr(cancelletto + 1)))
          << percorso << ": " << obiettivo;
    }
  }
}

TEST(Documentazione, EveryLinkOfTheReadmeNamesAFileThatIsThere) {
  controlla_collegamenti(progetto / "README.md");
}

TEST(Documentazione, EveryLinkOfTheDocsNamesAFileThatIsThere) {
  for (const auto& voce : std::filesystem::recursive_directory_iterator(progetto / "docs")) {
    if (voce.path().extension() == ".md") controlla_collegamenti(voce.path());
  }
}

// The pages whose tables other tests keep in step with the sources are
// reachable from the README.
TEST(Documentazione, TheReadmeLinksTheReferencePages) {
  const std::vector<std::string> trovati = collegamenti(prova::leggi_file(progetto / "README.md"));
  const std::set<std::string> nel_readme(trovati.begin(), trovati.end());
  for (const char* pagina : {"docs/formati.md", "docs/numeri-errore.md", "docs/stati-uscita.md"})
    EXPECT_TRUE(nel_readme.contains(pagina)) << pagina;
}

// The anchors are made as a reader's renderer makes them.
TEST(Documentazione, AnchorsFollowTheHeadings) {
  const std::set<std::string> trovate =
      ancore("# Exit statuses\n\n## The commands\ntext\n### `compila`, in short\n");
  EXPECT_EQ(trovate,
            (std::set<std::string>{"exit-statuses", "the-commands", "compila-in-short"}));
}

}  // namespace
}  // namespace scenario
