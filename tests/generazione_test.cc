// The whole run through the real executable, copied into an empty directory.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "base/scrittore_file.h"
#include "cartella_temporanea.h"
#include "esegui_generatore.h"
#include "generazione/errore.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "sistema_file_prova.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
#ifndef _WIN32
using prova::esegui_copia;
using prova::esito_processo;
#endif
using prova::leggi_file;
using prova::passo_file;
using prova::scrivi_file;

const std::string l = linea_predefinita, t = treno_predefinito;
const std::vector<std::string> uscite = {nome_celle(l, t),        nome_elementi(l, t),
                                         nome_note(l, t),         nome_rallentamenti(l, t),
                                         nome_scheda_treno(l, t), nome_planimetria(l)};

// The six outputs of a run alone, by name.
std::map<std::string, std::string> uscite_di_riferimento() {
  static const std::map<std::string, std::string> riferimento = [] {
    cartella_temporanea cartella;
    std::ostringstream scarto;
    finestra_console f(scarto, scarto);
    esegui_generazione(cartella.percorso(), f, scarto);
    std::map<std::string, std::string> file;
    for (const std::string& nome : uscite) file[nome] = leggi_file(cartella / nome);
    return file;
  }();
  return riferimento;
}

// The built-in scenario end to end, through the real executable copied into
// an empty directory and started from elsewhere.
TEST(Generazione, TheBuiltInRunThroughTheExecutable) {
#ifdef _WIN32
  GTEST_SKIP() << "starts the Linux executable in a POSIX child process; windows/prove-wine runs "
                  "the Windows one and compares its files byte for byte";
#else
  cartella_temporanea cartella;
  esito_processo esito = esegui_copia(cartella);
  EXPECT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
  EXPECT_EQ(esito.uscita, "Attendere\n");
  EXPECT_EQ(esito.errori, "");
  // Both description files are gone; the six outputs lie beside the program,
  // and nothing else: the lock leaves no file.
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

// A failure at any step of replacing a file ends the run with status 1 and
// the file's name: the old file stays whole (after a failed directory sync
// the rename has happened, and the new file is whole), and neither the
// temporary file nor the description files are left.
TEST(Generazione, AFailedStepOfAReplacementKeepsAWholeFileAndLeavesNoTemporary) {
  const std::map<std::string, std::string> nuovi = uscite_di_riferimento();
  for (const std::string& nome : {nome_note(l, t), nome_celle(l, t)}) {
    for (passo_file passo :
         {passo_file::crea, passo_file::scrivi, passo_file::sincronizza, passo_file::chiudi,
          passo_file::rinomina, passo_file::sincronizza_cartella}) {
      std::string caso = nome + ", " + prova::nome_passo(passo);
      cartella_temporanea cartella;
      for (const std::string& uscita : uscite) scrivi_file(cartella / uscita, "vecchio " + uscita);
      prova::sistema_file_prova guasto;
      guasto.intercetta = [&](passo_file p, const std::string& file) {
        return p == passo && file == nome ? std::error_code(EIO, std::generic_category())
                                          : std::error_code{};
      };
      std::ostringstream uscita, errori;
      finestra_console f(uscita, errori);
      {
        sostituzione_sistema_file sostituzione(guasto);
        EXPECT_EQ(esegui_generazione(cartella.percorso(), f, errori), stato_uscita::errore_file)
            << caso;
      }
      EXPECT_EQ(errori.str(), "Operazione sul file non riuscita: " + (cartella / nome).string() +
                                  ": Input/output error\n")
          << caso;
      EXPECT_EQ(leggi_file(cartella / nome),
                passo == passo_file::sincronizza_cartella ? nuovi.at(nome) : "vecchio " + nome)
          << caso;
      std::vector<std::string> attesi = uscite;
      std::sort(attesi.begin(), attesi.end());
      EXPECT_EQ(cartella.contenuto(), attesi) << caso;
    }
  }
}

// Temporary files of this run's names left by an interrupted run go; any
// other file stays.
TEST(Generazione, TheNextRunRemovesTheTemporaryFilesOfItsNames) {
  const std::vector<std::pair<std::string, bool>> nomi = {
      {nome_celle(l, t) + ".temporaneo-Ab12Cd", true},
      {nome_descrizione_linea(l) + ".temporaneo-zzzzzz", true},
      {nome_planimetria(l) + ".temporaneo-000000", true},
      {"Altra_linea.dat.temporaneo-Ab12Cd", false},
      {nome_celle(l, t) + ".temporaneo-Ab12C", false},
      {nome_celle(l, t) + ".temporaneo-Ab12Cde", false},
      {nome_celle(l, t) + ".temporaneo-Ab_2Cd", false},
      {nome_celle(l, t) + ".temporaneo", false},
      {"x" + nome_celle(l, t) + ".temporaneo-Ab12Cd", false},
  };
  cartella_temporanea cartella;
  for (const auto& [nome, rimosso] : nomi) scrivi_file(cartella / nome, std::string(100, 'x'));
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  ASSERT_EQ(esegui_generazione(cartella.percorso(), f, errori), stato_uscita::successo);
  for (const auto& [nome, rimosso] : nomi) {
    EXPECT_EQ(std::filesystem::exists(cartella / nome), !rimosso) << nome;
  }
}

// Through strace, when it is installed and may trace: every output is synced
// under its temporary name, renamed over its name, and then its directory is
// synced.
TEST(Generazione, EachOutputIsSyncedRenamedAndItsDirectorySynced) {
#ifdef _WIN32
  GTEST_SKIP() << "traces the Linux executable with strace";
#else
  if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
  cartella_temporanea cartella, altrove;
  std::filesystem::path eseguibile = prova::copia_generatore(cartella);
  std::filesystem::path traccia = altrove / "traccia";
  // LeakSanitizer cannot run under ptrace; the sanitized build traces without it.
  std::string comando =
      "ASAN_OPTIONS=detect_leaks=0 strace -f -y -e trace=fsync,fdatasync,rename,renameat,renameat2 "
      "-o '" +
      traccia.string() + "' '" + eseguibile.string() + "' >/dev/null 2>&1";
  if (std::system(comando.c_str()) != 0 || !std::filesystem::exists(traccia)) {
    GTEST_SKIP() << "strace cannot trace here";
  }
  std::vector<std::string> righe;
  std::ifstream file(traccia);
  for (std::string riga; std::getline(file, riga);) righe.push_back(riga);

  const std::string dir = cartella.percorso().string();
  for (const std::string& nome : uscite) {
    const std::string finale = dir + "/" + nome;
    const std::string temporaneo = finale + ".temporaneo-";
    size_t rinomina = righe.size();
    std::string nome_temporaneo;
    for (size_t i = 0; i < righe.size(); ++i) {
      size_t a = righe[i].find("rename(\"" + temporaneo);
      if (a == std::string::npos ||
          righe[i].find(", \"" + finale + "\") = 0") == std::string::npos) {
        continue;
      }
      rinomina = i;
      nome_temporaneo = righe[i].substr(a + 8, temporaneo.size() + 6);
    }
    ASSERT_LT(rinomina, righe.size()) << nome << " was not renamed into place";
    // strace pads the result: "fsync(4</path>)     = 0".
    auto sincronizza = [&](size_t i, const std::string& percorso) {
      return righe[i].find("sync(") != std::string::npos &&
             righe[i].find("<" + percorso + ">)") != std::string::npos && righe[i].ends_with("= 0");
    };
    bool file_sincronizzato = false, cartella_sincronizzata = false;
    for (size_t i = 0; i < rinomina; ++i) {
      if (sincronizza(i, nome_temporaneo)) file_sincronizzato = true;
    }
    for (size_t i = rinomina + 1; i < righe.size(); ++i) {
      if (sincronizza(i, dir)) {
        cartella_sincronizzata = true;
        break;
      }
    }
    EXPECT_TRUE(file_sincronizzato) << nome;
    EXPECT_TRUE(cartella_sincronizzata) << nome;
  }
#endif
}

}  // namespace
}  // namespace scenario
