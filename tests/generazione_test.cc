// The whole run, in a temporary directory: in process, and through the real
// executable copied into an empty directory.

#include "run/generazione.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "cartella_temporanea.h"
#include "run/errore.h"
#include "run/memorizza_percorso.h"
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
                        "' >'" + (altrove / "out").string() + "' 2>'" +
                        (altrove / "err").string() + "'";
  int stato = std::system(comando.c_str());
  return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, leggi_file(altrove / "out"),
          leggi_file(altrove / "err")};
}

TEST(Generazione, TheExecutableWritesIntoItsOwnDirectory) {
  cartella_temporanea cartella;
  esito_processo esito = esegui_copia(cartella);
  EXPECT_EQ(esito.stato, 0) << esito.errori;
  EXPECT_EQ(esito.uscita, "Attendere\n");
  EXPECT_EQ(esito.errori, "");
  for (const std::string& nome : {nome_elementi(linea_predefinita, treno_predefinito),
                                  nome_celle(linea_predefinita, treno_predefinito),
                                  nome_planimetria(linea_predefinita)}) {
    EXPECT_TRUE(std::filesystem::exists(cartella / nome)) << nome;
  }
}

TEST(Generazione, AFailedFileOperationNamesTheFileAndEndsWithItsStatus) {
  cartella_temporanea cartella;
  std::string bloccato = nome_celle(linea_predefinita, treno_predefinito);
  std::filesystem::create_directory(cartella / bloccato);
  esito_processo esito = esegui_copia(cartella);
  EXPECT_EQ(esito.stato, stato_uscita::errore_file);
  EXPECT_EQ(esito.errori, "Operazione sul file non riuscita: " + (cartella / bloccato).string() +
                              ": Is a directory\n");
  // What was written before the failure stays.
  EXPECT_TRUE(std::filesystem::exists(cartella / nome_elementi(linea_predefinita, treno_predefinito)));
}

TEST(Generazione, ASecondRunLeavesFilesOfExactlyTheNewLength) {
  cartella_temporanea cartella;
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  ASSERT_EQ(esegui_generazione(cartella.percorso(), f, errori), 0);
  std::vector<std::string> nomi = cartella.contenuto();
  std::map<std::string, std::string> prima;
  for (const std::string& nome : nomi) {
    prima[nome] = leggi_file(cartella / nome);
    scrivi_file(cartella / nome, prima[nome] + std::string(70000, 'x'));
  }
  ASSERT_EQ(esegui_generazione(cartella.percorso(), f, errori), 0);
  EXPECT_EQ(cartella.contenuto(), nomi);
  for (const std::string& nome : nomi) EXPECT_EQ(leggi_file(cartella / nome), prima[nome]) << nome;
}

TEST(Generazione, WithoutTrackPlanAnOlderPlanStaysUntouched) {
  cartella_temporanea cartella;
  scrivi_file(cartella / nome_planimetria(linea_predefinita), "vecchia");
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  int32_t j = 0;
  memorizza_percorso(m, cartella.percorso(), f, j);
  EXPECT_EQ(leggi_file(cartella / nome_planimetria(linea_predefinita)), "vecchia");
  EXPECT_TRUE(std::filesystem::exists(cartella / nome_elementi(linea_predefinita, treno_predefinito)));
}

}  // namespace
}  // namespace scenario
