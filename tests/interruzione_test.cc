// SIGINT and SIGTERM in the middle of a run: no temporary file, no
// description file, the old outputs whole, status 128 + the signal.

#include <gtest/gtest.h>

#include "base/interruzione.h"
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <sstream>

#include "cartella_temporanea.h"
#include "generazione/errore.h"
#include "generazione/finestra.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "sistema_file_prova.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::passo_file;
using prova::scrivi_file;

const std::string l = linea_predefinita, t = treno_predefinito;

// A child process runs the whole generation with the handlers installed and
// stops at a step of the file `nome` (at its first write its temporary file
// exists; at the directory sync after its rename, it is in place), until the
// signal arrives.
TEST(Interruzione, ASignalWhileAFileIsWrittenLeavesOnlyWholeFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "sends POSIX signals to a forked child; Windows has neither";
#else
  struct caso {
    int segnale;
    std::string nome;
    passo_file passo = passo_file::scrivi;
  };
  const caso casi[] = {
      {SIGTERM, nome_planimetria(l)},  // the descriptions already compiled and deleted
      {SIGINT, nome_note(l, t)},       // the descriptions written, not yet compiled
      // A description renamed into place and not yet synced.
      {SIGTERM, nome_descrizione_linea(l), passo_file::sincronizza_cartella},
      {SIGINT, nome_descrizione_treno(l, t), passo_file::sincronizza_cartella},
  };
  const std::vector<std::string> uscite = {nome_celle(l, t),        nome_elementi(l, t),
                                           nome_note(l, t),         nome_rallentamenti(l, t),
                                           nome_scheda_treno(l, t), nome_planimetria(l)};
  for (const caso& c : casi) {
    cartella_temporanea cartella;
    for (const std::string& nome : uscite) scrivi_file(cartella / nome, "vecchio " + nome);
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
      close(tubo[0]);
      prova::sistema_file_prova fermo;
      fermo.intercetta = [&](passo_file p, const std::string& nome) {
        if (p == c.passo && nome == c.nome) {
          if (write(tubo[1], "x", 1) != 1) _exit(120);
          for (;;) pause();
        }
        return std::error_code{};
      };
      sostituzione_sistema_file sostituzione(fermo);
      installa_gestori_interruzione();
      std::ostringstream scarto;
      finestra_console f(scarto, scarto);
      esegui_generazione(cartella.percorso(), f, scarto);
      _exit(121);
    }
    close(tubo[1]);
    char segnale_pronto = 0;
    ASSERT_EQ(read(tubo[0], &segnale_pronto, 1), 1) << c.nome;
    close(tubo[0]);
    // The test stops the run where it means to: the temporary file is there,
    // or the file itself after its rename.
    bool temporaneo = false;
    for (const std::string& voce : cartella.contenuto()) {
      if (voce.starts_with(c.nome + ".temporaneo-")) temporaneo = true;
    }
    EXPECT_EQ(temporaneo, c.passo == passo_file::scrivi) << c.nome;
    if (c.passo != passo_file::scrivi) {
      EXPECT_TRUE(std::filesystem::exists(cartella / c.nome)) << c.nome;
    }

    kill(figlio, c.segnale);
    int stato = 0;
    ASSERT_EQ(waitpid(figlio, &stato, 0), figlio);
    ASSERT_TRUE(WIFEXITED(stato)) << c.nome;
    EXPECT_EQ(WEXITSTATUS(stato), stato_uscita::base_segnale + c.segnale) << c.nome;
    if (c.passo == passo_file::scrivi) {
      EXPECT_EQ(leggi_file(cartella / c.nome), "vecchio " + c.nome);
    }
    std::vector<std::string> attesi = uscite;
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(cartella.contenuto(), attesi) << c.nome;
  }
#endif
}

}  // namespace
}  // namespace scenario
