// Runs in one directory at the same time: one waits for the other, through
// a lock of the directory that leaves nothing in it.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#endif

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <sstream>
#include <streambuf>
#include <thread>
#include <vector>

#include "base/blocco_cartella.h"
#include "base/errore_file.h"
#include "base/sistema_file.h"
#include "cartella_temporanea.h"
#include "esegui_generatore.h"
#include "generazione/errore.h"
#include "generazione/finestra.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"

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

// Whether a thread other than the caller's finds the lock of `cartella`
// taken: within one process, since on Windows the thread that holds the lock
// may take it again.
bool presa_altrove(const std::filesystem::path& cartella) {
  std::error_code esito;
  std::thread([&] {
    sistema_file& sistema = sistema_file_di_piattaforma();
    maniglia_file f = -1;
    if ((esito = sistema.apri_blocco(cartella, f))) return;
    esito = sistema.blocca(f, false);
    if (esito) {
      sistema.chiudi(f);
    } else {
      sistema.rilascia_blocco(f);
    }
  }).join();
  EXPECT_TRUE(!esito || esito == std::errc::resource_unavailable_try_again)
      << cartella << ": " << esito.message();
  return esito == std::errc::resource_unavailable_try_again;
}

// Two paths to one directory must not give two runs a lock each.
TEST(EsecuzioniConcorrenti, TheLockIsTheDirectorysWhicheverPathNamesIt) {
  cartella_temporanea cartella, altra;
  std::filesystem::create_directory(cartella / "sotto");
  std::vector<std::filesystem::path> nomi = {cartella.percorso(), cartella.percorso() / "",
                                             cartella / "sotto/..", cartella.percorso() / "."};
#ifdef _WIN32
  std::string maiuscolo = cartella.percorso().filename().string();
  std::transform(maiuscolo.begin(), maiuscolo.end(), maiuscolo.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  nomi.push_back(cartella.percorso().parent_path() / maiuscolo);
  nomi.push_back(cartella.percorso().generic_string());
#else
  std::filesystem::create_directory_symlink(cartella.percorso(), altra / "collegamento");
  nomi.push_back(altra / "collegamento");
#endif
  std::ostringstream avvisi;
  auto blocco = std::make_unique<blocco_cartella>(cartella.percorso(), avvisi);
  for (const auto& nome : nomi) EXPECT_TRUE(presa_altrove(nome)) << nome;
  EXPECT_FALSE(presa_altrove(altra.percorso()));
  EXPECT_FALSE(presa_altrove(cartella / "sotto"));
  blocco.reset();
  for (const auto& nome : nomi) EXPECT_FALSE(presa_altrove(nome)) << nome;
  EXPECT_EQ(avvisi.str(), "");
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"sotto"});
}

// What a waiting lock writes, readable while it waits.
class avvisi_condivisi : public std::streambuf {
 public:
  // The text once it ends a line, or what there is after a minute.
  std::string riga() {
    std::unique_lock<std::mutex> chiave(mutex_);
    scritto_.wait_for(chiave, std::chrono::minutes(1),
                      [&] { return !testo_.empty() && testo_.back() == '\n'; });
    return testo_;
  }

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) xsputn(reinterpret_cast<const char*>(&c), 1);
    return c;
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    std::lock_guard<std::mutex> chiave(mutex_);
    testo_.append(s, static_cast<size_t>(n));
    scritto_.notify_all();
    return n;
  }

 private:
  std::mutex mutex_;
  std::condition_variable scritto_;
  std::string testo_;
};

// Between two threads as between two processes, so that the waiting is tried
// on either system: the second says once that it waits, and takes the lock
// once the first lets it go.
TEST(EsecuzioniConcorrenti, ALockWaitsForTheHolderAndSaysSoOnce) {
  cartella_temporanea cartella;
  std::ostringstream avvisi_primo;
  auto primo = std::make_unique<blocco_cartella>(cartella.percorso(), avvisi_primo);
  avvisi_condivisi testo;
  std::mutex stato;
  bool preso = false;
  std::thread secondo([&] {
    std::ostream avvisi(&testo);
    blocco_cartella blocco(cartella.percorso(), avvisi);
    std::lock_guard<std::mutex> chiave(stato);
    preso = true;
  });
  const std::string atteso = messaggio_attesa + cartella.percorso().string() + "\n";
  EXPECT_EQ(testo.riga(), atteso);
  {
    std::lock_guard<std::mutex> chiave(stato);
    EXPECT_FALSE(preso);
  }
  primo.reset();
  secondo.join();
  EXPECT_TRUE(preso);
  EXPECT_EQ(testo.riga(), atteso);
  EXPECT_EQ(avvisi_primo.str(), "");
}

// A holder that ended without letting the lock go, as a killed process does,
// holds nothing.
TEST(EsecuzioniConcorrenti, AHolderThatEndedWithoutReleasingHoldsNothing) {
  cartella_temporanea cartella;
  sistema_file& sistema = sistema_file_di_piattaforma();
#ifdef _WIN32
  // A thread that ends owning the mutex leaves it abandoned, as a process
  // that dies does.
  maniglia_file lasciato = -1;
  std::thread([&] {
    ASSERT_FALSE(sistema.apri_blocco(cartella.percorso(), lasciato));
    ASSERT_FALSE(sistema.blocca(lasciato, false));
  }).join();
#else
  pid_t figlio = fork();
  if (figlio == 0) {
    maniglia_file f = -1;
    _exit(sistema.apri_blocco(cartella.percorso(), f) || sistema.blocca(f, false) ? 1 : 0);
  }
  ASSERT_EQ(prova::attendi(figlio), 0);
#endif
  std::ostringstream avvisi;
  { blocco_cartella blocco(cartella.percorso(), avvisi); }
  EXPECT_EQ(avvisi.str(), "");
#ifdef _WIN32
  sistema.chiudi(lasciato);
#endif
}

// The lock is never taken of what is not a directory; nothing is created.
TEST(EsecuzioniConcorrenti, NoLockOfWhatIsNotADirectory) {
  cartella_temporanea cartella;
  prova::scrivi_file(cartella / "file", "");
  for (const std::filesystem::path& nome : {cartella / "assente", cartella / "file"}) {
    std::ostringstream avvisi;
    try {
      blocco_cartella blocco(nome, avvisi);
      ADD_FAILURE() << nome << " locked";
    } catch (const errore_file& e) {
      EXPECT_EQ(e.percorso(), nome) << e.what();
    }
    EXPECT_EQ(avvisi.str(), "");
  }
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"file"});
}

// The file that the lock once was, as a link to a file that is not there:
// left as it is, and the file it points to is not created.
TEST(EsecuzioniConcorrenti, ALinkNamedAsTheOldLockFileIsNeitherFollowedNorTouched) {
#ifdef _WIN32
  GTEST_SKIP() << "a symbolic link needs a privilege on Windows";
#else
  cartella_temporanea cartella, altrove;
  const std::filesystem::path bersaglio = altrove / "bersaglio";
  const std::filesystem::path collegamento = cartella / ".generatore.blocco";
  std::filesystem::create_symlink(bersaglio, collegamento);
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  ASSERT_EQ(esegui_generazione(cartella.percorso(), f, errori), stato_uscita::successo)
      << errori.str();
  EXPECT_TRUE(std::filesystem::is_symlink(collegamento));
  EXPECT_EQ(std::filesystem::read_symlink(collegamento), bersaglio);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(bersaglio)));
  EXPECT_EQ(altrove.contenuto(), std::vector<std::string>{});
  std::vector<std::string> attesi = {".generatore.blocco"};
  for (const auto& [nome, contenuto] : uscite(cartella)) attesi.push_back(nome);
  std::sort(attesi.begin(), attesi.end());
  EXPECT_EQ(cartella.contenuto(), attesi);
#endif
}

}  // namespace
}  // namespace scenario
