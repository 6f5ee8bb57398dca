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

TEST(Generazione, TheExecutableWritesIntoItsOwnDirectory) {
  cartella_temporanea cartella;
  esito_processo esito = esegui_copia(cartella);
  EXPECT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
  EXPECT_EQ(esito.uscita, "Attendere\n");
  EXPECT_EQ(esito.errori, "");
  const std::string l = linea_predefinita, t = treno_predefinito;
  EXPECT_EQ(cartella.contenuto(),
            (std::vector<std::string>{nome_celle(l, t), nome_elementi(l, t), nome_note(l, t),
                                      nome_rallentamenti(l, t), nome_scheda_treno(l, t),
                                      nome_planimetria(l), "generatore"}));
}

}  // namespace
}  // namespace scenario
