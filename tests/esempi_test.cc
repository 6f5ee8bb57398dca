// The example scenarios of docs/esempi/, which authors copy from, compile as
// they are: without an error or a warning, into files that pass the check of
// `ispeziona --verifica`. A change of the compile that an example no longer
// meets shows here, not in an author's hands.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "comandi/stampa_diagnostiche.h"
#include "generazione/nomi_file.h"
#include "ispezione/verifica.h"
#include "scenari_disegnati.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

const std::filesystem::path cartella_esempi = std::filesystem::path(CARTELLA_PROGETTO) / "docs/esempi";

struct esempio {
  std::string linea, treno;  // the route name and the train number
};

bool finisce_con(const std::string& testo, const std::string& fine) {
  return testo.size() > fine.size() && testo.ends_with(fine);
}

// The description files of docs/esempi/, sorted by name.
std::vector<std::string> descrizioni() {
  std::vector<std::string> nomi;
  for (const auto& voce : std::filesystem::directory_iterator(cartella_esempi)) {
    if (voce.is_regular_file() && voce.path().extension() == ".txt")
      nomi.push_back(voce.path().filename().string());
  }
  std::sort(nomi.begin(), nomi.end());
  return nomi;
}

// One example for each train description "<route>_<train>-.txt", split at
// the last "_" as `compila` splits it.
std::vector<esempio> esempi() {
  std::vector<esempio> trovati;
  for (const std::string& nome : descrizioni()) {
    if (!finisce_con(nome, "-.txt")) continue;
    const std::string radice = nome.substr(0, nome.size() - std::string("-.txt").size());
    const size_t trattino = radice.rfind('_');
    if (trattino == std::string::npos) continue;
    trovati.push_back({radice.substr(0, trattino), radice.substr(trattino + 1)});
  }
  return trovati;
}

// Every description of the folder is one half of a pair: a train description
// whose line is missing, or a line without a train, would go uncompiled.
TEST(Esempi, EveryDescriptionIsHalfOfAPair) {
  const std::vector<esempio> trovati = esempi();
  ASSERT_FALSE(trovati.empty()) << "no <route>_<train>-.txt in " << cartella_esempi;
  std::vector<std::string> accoppiati;
  for (const esempio& e : trovati) {
    accoppiati.push_back(nome_descrizione_linea(e.linea));
    accoppiati.push_back(nome_descrizione_treno(e.linea, e.treno));
  }
  for (const std::string& nome : descrizioni()) {
    EXPECT_NE(std::find(accoppiati.begin(), accoppiati.end(), nome), accoppiati.end())
        << nome << " has no other half";
  }
  for (const std::string& nome : accoppiati) {
    EXPECT_TRUE(std::filesystem::is_regular_file(cartella_esempi / nome)) << nome << " is missing";
  }
}

// As the built-in run writes its descriptions: every line ends with CR LF,
// the last one too. The compile reads other line ends as well, so only this
// test sees an example saved by an editor that changed them.
TEST(Esempi, LinesEndWithCrLf) {
  for (const std::string& nome : descrizioni()) {
    const std::string testo = prova::leggi_file(cartella_esempi / nome);
    ASSERT_FALSE(testo.empty()) << nome;
    EXPECT_TRUE(testo.ends_with("\r\n")) << nome;
    int riga = 1;
    for (size_t i = 0; i < testo.size(); ++i) {
      const bool cr_senza_lf = testo[i] == '\r' && (i + 1 == testo.size() || testo[i + 1] != '\n');
      const bool lf_senza_cr = testo[i] == '\n' && (i == 0 || testo[i - 1] != '\r');
      EXPECT_FALSE(cr_senza_lf || lf_senza_cr) << nome << ", line " << riga;
      if (testo[i] == '\n') ++riga;
    }
  }
}

// Each pair compiled as the run compiles it, the files read as their bytes
// (Windows-1252): no error, no warning, and the compiled files pass the check.
TEST(Esempi, EveryPairCompilesCleanAndPassesTheCheck) {
  for (const esempio& e : esempi()) {
    const std::string file_linea = nome_descrizione_linea(e.linea);
    const std::string file_treno = nome_descrizione_treno(e.linea, e.treno);
    SCOPED_TRACE(file_linea + " and " + file_treno);
    // A missing half fails the test of the pairs.
    if (!std::filesystem::is_regular_file(cartella_esempi / file_linea)) continue;
    const std::string linea = prova::leggi_file(cartella_esempi / file_linea);
    const std::string treno = prova::leggi_file(cartella_esempi / file_treno);
    const std::unique_ptr<modello> m = prova::compila_scenario(linea, treno, e.linea, e.treno);

    // The compile names its files l.txt and t.txt.
    std::ostringstream elenco;
    stampa_diagnostiche(elenco, m->diagnostiche, {{"l.txt", linea}, {"t.txt", treno}},
                        m->tralasciate);
    EXPECT_TRUE(m->diagnostiche.empty()) << "l.txt is " << file_linea << ", t.txt is "
                                         << file_treno << ":\n" << elenco.str();
    EXPECT_EQ(m->n_errore, 0);

    const file_letti nomi{nome_planimetria(e.linea), nome_elementi(e.linea, e.treno),
                          nome_celle(e.linea, e.treno)};
    const std::vector<std::string> differenze =
        differenze_dei_byte(nomi, codifica_file_planimetria(*m), codifica_file_elementi(*m),
                            codifica_file_celle(*m));
    for (const std::string& d : differenze) ADD_FAILURE() << d;
  }
}

// The branch line that the drawing tests draw is read from the example's
// files: renamed or moved, it would be drawn from nothing.
TEST(Esempi, TheDrawnBranchLineIsTheExample) {
  const std::unique_ptr<modello> m = prova::scenario_diramazione();
  EXPECT_TRUE(m->diagnostiche.empty());
  ASSERT_TRUE(m->griglia_dimensionata());
  const std::vector<esempio> trovati = esempi();
  EXPECT_NE(std::find_if(trovati.begin(), trovati.end(),
                         [&](const esempio& e) { return e.linea == m->linea && e.treno == m->treno; }),
            trovati.end())
      << m->linea << "_" << m->treno;
}

}  // namespace
}  // namespace scenario
