#include "piattaforma/osserva_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <fstream>
#include <thread>

#include "base/interruzione.h"
#include "cartella_temporanea.h"
#include "comandi/comando_disegna.h"
#include "comandi/file_da_disegnare.h"
#include "disegno/opzioni_disegno.h"
#include "esegui_generatore.h"
#include "generazione/nomi_file.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

#ifdef _WIN32

TEST(OsservaFile, RunByTheWindowsScript) {
  GTEST_SKIP() << "starts the watching in POSIX child processes and ends it with SIGINT; "
                  "windows/prove-wine watches with the Windows executable";
}

#else

using prova::cartella_temporanea;
using prova::leggi_file;

size_t conta(const std::string& testo, const std::string& parola) {
  size_t n = 0;
  for (size_t k = 0; (k = testo.find(parola, k)) != std::string::npos; k += parola.size()) ++n;
  return n;
}

// Waits up to five seconds for `file` to hold `testo` `n` times.
bool attendi_testo(const std::filesystem::path& file, const std::string& testo, size_t n = 1) {
  auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (std::chrono::steady_clock::now() < fine) {
    if (conta(leggi_file(file), testo) >= n) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// Waits up to five seconds for `file` to hold `n` rounds.
bool attendi_giri(const std::filesystem::path& file, size_t n) {
  return attendi_testo(file, "-- done in ", n);
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

// Both commands that watch, through the executable: the rounds are marked
// on standard error, so that standard output holds just what each round
// writes there, as a single run would (the JSON form stays a document a
// round). A file deleted, or renamed away, is said to be so and waited for,
// with no round; its return brings one.
TEST(OsservaFile, RoundsAreMarkedOnStandardErrorAndADeletedFileIsWaitedFor) {
  cartella_temporanea cartella;
  const std::string l = linea_predefinita, t = treno_predefinito;
  const std::string file_linea = nome_descrizione_linea(l),
                    file_treno = nome_descrizione_treno(l, t);
  ASSERT_EQ(prova::esegui_con_argomenti({"descrizioni"}, cartella.percorso()).stato, 0);
  ASSERT_EQ(
      prova::esegui_con_argomenti({"compila", file_linea, file_treno}, cartella.percorso()).stato,
      0);
  const struct {
    std::vector<std::string> argomenti;
    std::string tolto;  // the file taken away and put back
    bool rinominato;    // renamed away and back rather than deleted and written again
  } casi[] = {
      {{"compila", file_linea, file_treno, "-o", "out", "--formato", "json"}, file_treno, false},
      {{"compila", file_linea, file_treno, "-o", "out"}, file_linea, true},
      {{"disegna", nome_elementi(l, t), "-o", "figure", "--formato", "svg"},
       nome_celle(l, t),
       true},
      {{"disegna", nome_elementi(l, t), "-o", "figure", "--formato", "pdf"},
       nome_planimetria(l),
       false},
  };
  for (const auto& c : casi) {
    const std::string caso = c.argomenti[0] + " " + c.tolto;
    const prova::esito_processo unico =
        prova::esegui_con_argomenti(c.argomenti, cartella.percorso());
    ASSERT_EQ(unico.stato, 0) << caso << "\n" << unico.errori;
    std::vector<std::string> argomenti = c.argomenti;
    argomenti.push_back("--osserva");
    cartella_temporanea flussi;
    const std::filesystem::path err = flussi / "err";
    pid_t figlio = prova::avvia_con_argomenti(argomenti, cartella.percorso(), flussi / "out", err);
    ASSERT_TRUE(attendi_giri(err, 1)) << caso << "\n" << leggi_file(err);
    const std::filesystem::path tolto = cartella / c.tolto;
    const std::string contenuto = leggi_file(tolto);
    if (c.rinominato) {
      std::filesystem::rename(tolto, cartella / "altrove");
    } else {
      std::filesystem::remove(tolto);
    }
    const std::string detto = "-- " + c.tolto + " was deleted; waiting for it to come back\n";
    EXPECT_TRUE(attendi_testo(err, detto)) << caso << "\n" << leggi_file(err);
    // Past a burst: still no round.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(conta(leggi_file(err), "-- done in "), 1u) << caso << "\n" << leggi_file(err);
    if (c.rinominato) {
      std::filesystem::rename(cartella / "altrove", tolto);
    } else {
      prova::scrivi_file(tolto, contenuto);
    }
    EXPECT_TRUE(attendi_giri(err, 2)) << caso << "\n" << leggi_file(err);
    kill(figlio, SIGINT);
    EXPECT_EQ(prova::attendi(figlio), 0) << caso;
    const std::string errori = leggi_file(err);
    EXPECT_NE(errori.find(detto + "-- changed: " + c.tolto + "\n"), std::string::npos)
        << caso << "\n"
        << errori;
    EXPECT_EQ(conta(errori, "-- done in "), 2u) << caso << "\n" << errori;
    EXPECT_TRUE(errori.ends_with("-- stopped\n")) << caso << "\n" << errori;
    EXPECT_EQ(leggi_file(flussi / "out"), unico.uscita + unico.uscita) << caso;
  }
}

#endif

}  // namespace
}  // namespace scenario
