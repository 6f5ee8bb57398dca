// The whole run through the real executable, copied into an empty directory.

#include "run/generazione.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "cartella_temporanea.h"
#include "run/errore.h"
#include "run/nomi_file.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

struct esito_processo {
  int stato;
  std::string uscita;
  std::string errori;
};

// Runs the generator copied into `cartella`, from another working directory.
esito_processo esegui_copia(const cartella_temporanea& cartella) {
  std::filesystem::path eseguibile = cartella / "generatore";
  std::filesystem::copy_file(PERCORSO_GENERATORE, eseguibile,
                             std::filesystem::copy_options::overwrite_existing);
  cartella_temporanea altrove;
  std::string comando = "cd '" + altrove.percorso().string() + "' && '" + eseguibile.string() +
                        "' >'" + (altrove / "out").string() + "' 2>'" + (altrove / "err").string() +
                        "'";
  int stato = std::system(comando.c_str());
  return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, leggi_file(altrove / "out"),
          leggi_file(altrove / "err")};
}

// With no description to compile there is no route length and so no grid:
// the run must say so and must not leave compiled files of an empty route.
TEST(Generazione, ARunWithoutGridEndsOnItsErrorAndWritesNoCompiledFile) {
  cartella_temporanea cartella;
  std::string vecchio = nome_celle(linea_predefinita, treno_predefinito);
  scrivi_file(cartella / vecchio, "vecchia");
  esito_processo esito = esegui_copia(cartella);
  EXPECT_EQ(esito.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(esito.uscita, "Attendere\n");
  EXPECT_EQ(esito.errori, " Errore n. 104\n");
  EXPECT_EQ(cartella.contenuto(),
            (std::vector<std::string>{vecchio, nome_note(linea_predefinita, treno_predefinito),
                                      nome_rallentamenti(linea_predefinita, treno_predefinito),
                                      nome_scheda_treno(linea_predefinita, treno_predefinito),
                                      "generatore"}));
  EXPECT_EQ(leggi_file(cartella / vecchio), "vecchia");
}

}  // namespace
}  // namespace scenario
