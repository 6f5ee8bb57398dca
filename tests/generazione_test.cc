// The whole run through the real executable, copied into an empty directory.

#include <gtest/gtest.h>

#include "run/generazione.h"
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdlib>

#include "cartella_temporanea.h"
#include "run/errore.h"
#include "run/nomi_file.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

#ifndef _WIN32
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

#endif

// The built-in scenario end to end, through the real executable copied into
// an empty directory and started from elsewhere.
TEST(Generazione, TheBuiltInRunThroughTheExecutable) {
#ifdef _WIN32
  GTEST_SKIP() << "starts the executable through a POSIX shell; windows/prove-wine runs the "
                  "Windows executable and compares its files byte for byte";
#else
  cartella_temporanea cartella;
  esito_processo esito = esegui_copia(cartella);
  EXPECT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
  EXPECT_EQ(esito.uscita, "Attendere\n");
  EXPECT_EQ(esito.errori, "");
  const std::string l = linea_predefinita, t = treno_predefinito;
  // Both description files are gone; everything else lies beside the program.
  EXPECT_EQ(cartella.contenuto(),
            (std::vector<std::string>{nome_celle(l, t), nome_elementi(l, t), nome_note(l, t),
                                      nome_rallentamenti(l, t), nome_scheda_treno(l, t),
                                      nome_planimetria(l), "generatore"}));
  EXPECT_EQ(leggi_file(cartella / nome_planimetria(l)).size(), 2199964u);

  std::string celle = leggi_file(cartella / nome_celle(l, t));
  ASSERT_EQ(celle.size(), 33015u);
  std::map<int, int> per_tipo;
  for (size_t c = 0; c < celle.size(); c += 15) ++per_tipo[static_cast<uint8_t>(celle[c])];
  // Signals, slow-down ends, starts and warning points, distance boards, speed
  // boards, station stop marks, tunnel markers left free, code points placed by
  // the finishing pass, the code point without code, sign boards.
  EXPECT_EQ(per_tipo, (std::map<int, int>{{0, 1989},
                                          {1, 46},
                                          {2, 6},
                                          {3, 6},
                                          {4, 6},
                                          {5, 20},
                                          {6, 17},
                                          {10, 14},
                                          {11, 4},
                                          {12, 36},
                                          {13, 1},
                                          {14, 56}}));
  // Cell 1 carries 5121 and codice_gara_og.
  EXPECT_EQ(celle.substr(16, 4), std::string("\x01\x14\x18\x09", 4));

  // Record 85 of the element table: dato_d 610 and orario codice_gara_st.
  std::string elementi = leggi_file(cartella / nome_elementi(l, t));
  size_t record = 0;
  for (int r = 0; r < 85; ++r) {
    record += 34 + static_cast<uint8_t>(elementi[record + 14]) +
              256 * static_cast<uint8_t>(elementi[record + 15]);
  }
  ASSERT_EQ(elementi.substr(record + 14, 18), std::string("\x10\x00Lorvento-Basalto", 18));
  EXPECT_EQ(elementi.substr(record + 32, 2), std::string("\x62\x02", 2));          // 610
  EXPECT_EQ(elementi.substr(record + 46, 4), std::string("\xd2\x7e\x00\x00", 4));  // 32466
#endif
}

}  // namespace
}  // namespace scenario
