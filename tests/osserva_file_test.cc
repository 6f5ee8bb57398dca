#include "piattaforma/osserva_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "base/interruzione.h"
#include "cartella_temporanea.h"
#include "comandi/comando_disegna.h"
#include "comandi/file_da_disegnare.h"
#include "disegno/opzioni_disegno.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;

size_t conta(const std::string& testo, const std::string& parola) {
  size_t n = 0;
  for (size_t k = 0; (k = testo.find(parola, k)) != std::string::npos; k += parola.size()) ++n;
  return n;
}

// Waits up to five seconds for `file` to hold `n` rounds.
bool attendi_giri(const std::filesystem::path& file, size_t n) {
  auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (std::chrono::steady_clock::now() < fine) {
    if (conta(leggi_file(file), "-- done in ") >= n) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// Drawing while watching copies of the compiled files, in a process of its
// own that has the run's signal handlers: a burst of saves brings one new
// round, and SIGINT ends it with status 0.
TEST(OsservaFile, ABurstOfSavesBringsOneRoundAndSigintEndsWithZero) {
  cartella_temporanea cartella;
  auto m = prova::scenario_minuscolo();
  percorsi_scenario p = prova::scrivi_compilati(*m, cartella);
  const std::filesystem::path uscita = cartella / "uscita.txt";
  pid_t figlio = fork();
  if (figlio == 0) {
    std::ofstream out(uscita);
    installa_gestori_interruzione();
    opzioni_disegno o;
    o.formato = formato_disegno::pdf;
    _exit(osserva_disegno(*file_accanto(p.elementi), {}, o, out, out));
  }
  ASSERT_TRUE(attendi_giri(uscita, 1)) << leggi_file(uscita);
  const std::string griglia = leggi_file(p.celle);
  // Another route's plan beside the table is none of this drawing's files.
  prova::scrivi_file(cartella / "Altra_linea.dat", "");
  for (int k = 0; k < 3; ++k) prova::scrivi_file(p.celle, griglia);
  EXPECT_TRUE(attendi_giri(uscita, 2)) << leggi_file(uscita);
  // The burst is over: no third round comes.
  std::this_thread::sleep_for(std::chrono::milliseconds(600));
  kill(figlio, SIGINT);
  int stato = 0;
  ASSERT_EQ(waitpid(figlio, &stato, 0), figlio);
  ASSERT_TRUE(WIFEXITED(stato));
  EXPECT_EQ(WEXITSTATUS(stato), 0);
  std::string testo = leggi_file(uscita);
  EXPECT_EQ(conta(testo, "-- done in "), 2u) << testo;
  EXPECT_EQ(conta(testo, "-- changed: Prova_1.dat\n"), 1u) << testo;
  EXPECT_EQ(conta(testo, (cartella / "Prova_1.pdf").string() + "\n"), 2u) << testo;
  EXPECT_NE(testo.find("-- stopped\n"), std::string::npos) << testo;
}

}  // namespace
}  // namespace scenario
