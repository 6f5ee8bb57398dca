// Runs in one directory at the same time: one waits for the other.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#endif

#include <chrono>
#include <map>
#include <sstream>
#include <thread>

#include "base/blocco_cartella.h"
#include "cartella_temporanea.h"
#include "esegui_generatore.h"
#include "run/errore.h"
#include "run/finestra.h"
#include "run/generazione.h"
#include "run/nomi_file.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;

const std::string l = linea_predefinita, t = treno_predefinito;

[[maybe_unused]] std::map<std::string, std::string> uscite(const cartella_temporanea& cartella) {
  std::map<std::string, std::string> file;
  for (const std::string& nome :
       {nome_celle(l, t), nome_elementi(l, t), nome_note(l, t), nome_rallentamenti(l, t),
        nome_scheda_treno(l, t), nome_planimetria(l)}) {
    file[nome] = leggi_file(cartella / nome);
  }
  return file;
}

const std::string messaggio_attesa = "In attesa che finisca un'altra esecuzione nella cartella ";

// Without the lock, one run deleted the train description that the other was
// about to read, and the second wrote a grid of the line alone over the good
// files.
TEST(EsecuzioniConcorrenti, TwoRunsStartedTogetherBothLeaveTheFilesOfARunAlone) {
#ifdef _WIN32
  GTEST_SKIP() << "runs the Linux executable in POSIX child processes; windows/prove-wine runs the "
                  "Windows one";
#else
  cartella_temporanea da_sola;
  ASSERT_EQ(prova::esegui_copia(da_sola).stato, stato_uscita::successo);
  const std::map<std::string, std::string> attese = uscite(da_sola);

  cartella_temporanea cartella, altrove;
  std::filesystem::path eseguibile = prova::copia_generatore(cartella);
  for (int prova_n = 0; prova_n < 30; ++prova_n) {
    pid_t a = prova::avvia(eseguibile, altrove / "out_a", altrove / "err_a");
    pid_t b = prova::avvia(eseguibile, altrove / "out_b", altrove / "err_b");
    EXPECT_EQ(prova::attendi(a), stato_uscita::successo) << prova_n;
    EXPECT_EQ(prova::attendi(b), stato_uscita::successo) << prova_n;
    for (const char* errori : {"err_a", "err_b"}) {
      std::string testo = leggi_file(altrove / errori);
      EXPECT_TRUE(testo.empty() || testo == messaggio_attesa + cartella.percorso().string() + "\n")
          << prova_n << ": " << testo;
    }
    ASSERT_TRUE(uscite(cartella) == attese) << prova_n;
    // The program and its six outputs: the lock leaves no file.
    EXPECT_EQ(cartella.contenuto().size(), 7u) << prova_n;
  }
#endif
}

// While another holds the lock, a run says once that it waits, writes
// nothing, and goes on once the lock is free.
TEST(EsecuzioniConcorrenti, ARunWaitsForTheLockAndSaysSoOnce) {
#ifdef _WIN32
  GTEST_SKIP() << "runs the Linux executable in POSIX child processes; windows/prove-wine runs the "
                  "Windows one";
#else
  cartella_temporanea cartella, altrove;
  std::filesystem::path eseguibile = prova::copia_generatore(cartella);
  std::ostringstream avvisi;
  auto blocco = std::make_unique<blocco_cartella>(cartella.percorso(), avvisi);
  EXPECT_EQ(avvisi.str(), "");
  pid_t figlio = prova::avvia(eseguibile, altrove / "out", altrove / "err");
  const std::string atteso = messaggio_attesa + cartella.percorso().string() + "\n";
  for (int i = 0; i < 600 && leggi_file(altrove / "err") != atteso; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_EQ(leggi_file(altrove / "err"), atteso);
  EXPECT_FALSE(std::filesystem::exists(cartella / nome_descrizione_linea(l)));
  blocco.reset();
  EXPECT_EQ(prova::attendi(figlio), stato_uscita::successo);
  EXPECT_EQ(leggi_file(altrove / "err"), atteso);
  EXPECT_EQ(leggi_file(altrove / "out"), "Attendere\n");
  EXPECT_EQ(cartella.contenuto().size(), 7u);
#endif
}

}  // namespace
}  // namespace scenario
