#include "comandi/comando_disegna.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>

#include "base/blocco_cartella.h"
#include "base/stato_uscita.h"
#include "cartella_temporanea.h"
#include "comandi/file_da_disegnare.h"
#include "comandi/riga_di_comando.h"
#include "disegno/opzioni_disegno.h"
#include "esegui_generatore.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

#ifdef _WIN32
struct esito_processo {
  int stato;
  std::string uscita;
  std::string errori;
};

// The command line run in this process from the directory `lavoro`, which
// is the current one for the while: windows/prove-wine runs the executable.
esito_processo esegui_con_argomenti(const std::vector<std::string>& argomenti,
                                    const std::filesystem::path& lavoro) {
  struct nella_cartella {
    std::filesystem::path prima = std::filesystem::current_path();
    explicit nella_cartella(const std::filesystem::path& c) { std::filesystem::current_path(c); }
    ~nella_cartella() {
      std::error_code ignorato;
      std::filesystem::current_path(prima, ignorato);
    }
  } cartella(lavoro);
  std::vector<const char*> argv{"generatore"};
  for (const std::string& a : argomenti) argv.push_back(a.c_str());
  std::ostringstream uscita, errori;
  contesto_comando c{uscita, errori, lavoro, {}, nullptr, false};
  const int stato = esegui_riga_di_comando(static_cast<int>(argv.size()), argv.data(), c);
  return {stato, uscita.str(), errori.str()};
}
#else
using prova::esegui_con_argomenti;
using prova::esito_processo;
#endif

// `nome` in the directory `cartella`, as the command joins them: with '\' on
// Windows.
std::string in(const std::string& cartella, const std::string& nome) {
  return (std::filesystem::path(cartella) / nome).string();
}

TEST(ComandoDisegna, TheCommandFindsThePlanAndTheGridBesideTheTable) {
  const struct {
    formato_disegno formato;
    std::vector<std::string> disegni;
  } casi[] = {
#ifdef DISEGNO_CON_CAIRO
      {formato_disegno::pdf, {"Prova_1.pdf"}},
#endif
      {formato_disegno::svg, {"Prova_1_pianta.svg", "Prova_1_profilo.svg"}},
  };
  for (const auto& caso : casi) {
    cartella_temporanea cartella;
    auto m = prova::scenario_minuscolo();
    percorsi_scenario p = prova::scrivi_compilati(*m, cartella);
    std::ostringstream uscita, errori;
    opzioni_disegno o;
    o.formato = caso.formato;
    EXPECT_EQ(esegui_disegno(*file_accanto(p.elementi), {}, o, uscita, errori), 0) << errori.str();
    std::string attesa;
    for (const std::string& nome : caso.disegni) attesa += (cartella / nome).string() + "\n";
    EXPECT_EQ(uscita.str(), attesa);
    std::filesystem::remove(p.celle);
    std::ostringstream uscita2, errori2;
    EXPECT_EQ(esegui_disegno(*file_accanto(p.elementi), {}, o, uscita2, errori2), 1);
    EXPECT_EQ(errori2.str(), "generatore: file operation failed: " + p.celle.string() +
                                 ": No such file or directory\n");
  }
}

// The names in a directory, sorted.
std::vector<std::string> nomi_in(const std::filesystem::path& cartella) {
  std::vector<std::string> nomi;
  for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
    nomi.push_back(voce.path().filename().string());
  }
  std::sort(nomi.begin(), nomi.end());
  return nomi;
}

// The command through the executable (on Windows, through the command line
// in this process), started in `cartella`, on the files of the tiny scenario
// in its directory "scenario".
class DisegnaComando : public ::testing::Test {
 protected:
  void SetUp() override {
    m = prova::scenario_minuscolo();
    ASSERT_EQ(m->n_errore, 0);
    std::filesystem::create_directory(cartella / "scenario");
    scrivi_file(cartella / "scenario/Prova_linea.dat", codifica_file_planimetria(*m));
    scrivi_file(cartella / "scenario/Prova_1.sim", codifica_file_elementi(*m));
    scrivi_file(cartella / "scenario/Prova_1.dat", codifica_file_celle(*m));
  }
  esito_processo disegna(std::vector<std::string> argomenti) {
    argomenti.insert(argomenti.begin(), "disegna");
    return esegui_con_argomenti(argomenti, cartella.percorso());
  }
  cartella_temporanea cartella;
  std::unique_ptr<modello> m;
};

// The route name that the table holds is data: a table whose route reads as
// a path out of its directory is drawn with the plan that the table's own
// file name gives, and the file at that path is neither read nor written.
TEST_F(DisegnaComando, TheRouteWrittenInTheTableIsNeverAPath) {
  std::filesystem::create_directory(cartella / "fuori");
  const std::filesystem::path esca = cartella / "fuori/Esca_linea.dat";
  for (const std::string& linea :
       {std::string("../fuori/Esca"), (cartella / "fuori/Esca").string()}) {
    m->elementi[elemento_testata_percorso].testo = linea;
    scrivi_file(cartella / "scenario/Prova_1.sim", codifica_file_elementi(*m));
    scrivi_file(esca, "not a track plan");
    esito_processo e = disegna({"scenario/Prova_1.sim", "--formato", "svg"});
    EXPECT_EQ(e.stato, stato_uscita::successo) << linea << "\n" << e.errori;
    EXPECT_EQ(e.uscita, in("scenario", "Prova_1_pianta.svg") + "\n" +
                            in("scenario", "Prova_1_profilo.svg") + "\n")
        << linea;
    EXPECT_EQ(nomi_in(cartella / "fuori"), std::vector<std::string>{"Esca_linea.dat"}) << linea;

    // A good plan there and none beside the table: still not read.
    scrivi_file(esca, codifica_file_planimetria(*m));
    std::filesystem::rename(cartella / "scenario/Prova_linea.dat", cartella / "Prova_linea.dat");
    e = disegna({"scenario/Prova_1.sim", "--formato", "svg"});
    EXPECT_EQ(e.stato, stato_uscita::errore_file) << linea;
    EXPECT_EQ(e.errori, "generatore: file operation failed: " + in("scenario", "Prova_linea.dat") +
                            ": No such file or directory\n")
        << linea;
    std::filesystem::rename(cartella / "Prova_linea.dat", cartella / "scenario/Prova_linea.dat");
  }
}

// A table named without a route, drawn with the plan given; the pictures
// take the table's own name.
TEST_F(DisegnaComando, ThePlanGivenOnTheCommandLine) {
  std::filesystem::create_directory(cartella / "piante");
  std::filesystem::rename(cartella / "scenario/Prova_linea.dat", cartella / "piante/Tratta.dat");
  std::filesystem::rename(cartella / "scenario/Prova_1.sim", cartella / "scenario/corsa.sim");
  std::filesystem::rename(cartella / "scenario/Prova_1.dat", cartella / "scenario/corsa.dat");
  const struct {
    std::string formato;
    std::vector<std::string> disegni;
  } casi[] = {
#ifdef DISEGNO_CON_CAIRO
      {"pdf", {"corsa.pdf"}},
#endif
      {"svg", {"corsa_pianta.svg", "corsa_profilo.svg"}},
  };
  for (const auto& c : casi) {
    const std::string figure = "f-" + c.formato;
    esito_processo e = disegna({"scenario/corsa.sim", "--planimetria", "piante/Tratta.dat",
                                "--formato", c.formato, "-o", figure});
    EXPECT_EQ(e.stato, stato_uscita::successo) << c.formato << "\n" << e.errori;
    std::string attesa;
    for (const std::string& nome : c.disegni) attesa += in(figure, nome) + "\n";
    EXPECT_EQ(e.uscita, attesa);
    EXPECT_EQ(nomi_in(cartella / figure), c.disegni);
  }
}

#ifndef _WIN32
// The names of the pictures reach the terminal with their control
// characters shown, never sent: here an ESC in the directory of -o, which
// Windows takes in no file name.
TEST_F(DisegnaComando, ThePicturesNamesAreShownNotSent) {
  esito_processo e = disegna({"scenario/Prova_1.sim", "--formato", "svg", "-o", "f\x1b[2J"});
  EXPECT_EQ(e.stato, stato_uscita::successo) << e.errori;
  EXPECT_EQ(e.uscita, "f\u241b[2J/Prova_1_pianta.svg\nf\u241b[2J/Prova_1_profilo.svg\n");
  EXPECT_TRUE(std::filesystem::exists(cartella / "f\x1b[2J/Prova_1_pianta.svg"));
}
#endif

// Input that fails, for its name or its content: the status says which, and
// the directory of -o is not made.
TEST_F(DisegnaComando, AFailedInputCreatesNoDirectory) {
  const struct {
    std::vector<std::string> argomenti;
    int stato;
    std::string detto;
  } casi[] = {
      {{"scenario/Prova_1.dat"},
       stato_uscita::uso_errato,
       "generatore: FILE.sim: scenario/Prova_1.dat is not an element table (its name must end in "
       ".sim)\n"},
      {{"scenario/Prova_linea.dat"},
       stato_uscita::uso_errato,
       "generatore: FILE.sim: scenario/Prova_linea.dat is not an element table"},
      {{"scenario/prova.sim"},
       stato_uscita::uso_errato,
       "generatore: FILE.sim: scenario/prova.sim names no route (<route>_<train>.sim): give "
       "--planimetria\n"},
      {{"scenario/Prova_2.sim"},
       stato_uscita::errore_file,
       "generatore: file operation failed: scenario/Prova_2.sim: No such file or directory\n"},
      {{"scenario/Prova_1.sim", "--planimetria", "scenario/Prova_1.dat"},
       stato_uscita::errore_registrato,
       "scenario/Prova_1.dat: "},
  };
  const std::vector<std::string> prima = nomi_in(cartella / "scenario");
  for (const auto& c : casi) {
    std::vector<std::string> argomenti = c.argomenti;
    argomenti.insert(argomenti.end(), {"-o", "nuova/figure"});
    esito_processo e = disegna(argomenti);
    EXPECT_EQ(e.stato, c.stato) << c.argomenti[0];
    EXPECT_EQ(e.errori.substr(0, c.detto.size()), c.detto) << c.argomenti[0];
    EXPECT_EQ(e.uscita, "") << c.argomenti[0];
    EXPECT_FALSE(std::filesystem::exists(cartella / "nuova")) << c.argomenti[0];
    EXPECT_EQ(nomi_in(cartella / "scenario"), prima);
  }
}

// What an interrupted drawing left for the names about to be written, and
// the profile pages of an earlier drawing of the same name and format, of a
// route with more pages, go; every other file stays.
TEST_F(DisegnaComando, LeftoversOfEarlierDrawingsGoAndNothingElse) {
  const struct {
    std::string nome;
    bool resta;
  } casi[] = {
      {"Prova_1_pianta.svg.temporaneo-Ab12Cd", false},
      {"Prova_1_profilo.svg.temporaneo-zzzzzz", false},
      {"Prova_1_profilo_2.svg", false},
      {"Prova_1_profilo_7.svg", false},
      {"Prova_1_profilo_1.svg", false},
      {"Prova_1_profilo_07.svg", false},
      {"Prova_1_profilo_011.svg", false},
      {"Prova_1.pdf.temporaneo-Ab12Cd", true},
      {"Prova_1_profilo_.svg", true},
      {"Prova_1_profilo_-1.svg", true},
      {"Prova_1_profilo_1a.svg", true},
      {"Prova_1_profilo_x.svg", true},
      {"Prova_1_profilo_7.png", true},
      {"Prova_1_profilo_7.svg.bak", true},
      {"Prova_11_profilo_7.svg", true},
      {"Altra_1_profilo_7.svg", true},
  };
  for (const auto& c : casi) scrivi_file(cartella / "scenario" / c.nome, "vecchio");
  std::filesystem::create_directory(cartella / "scenario/Prova_1_profilo_9.svg");
  esito_processo e = disegna({"scenario/Prova_1.sim", "--formato", "svg"});
  ASSERT_EQ(e.stato, stato_uscita::successo) << e.errori;
  for (const auto& c : casi) {
    EXPECT_EQ(std::filesystem::exists(cartella / "scenario" / c.nome), c.resta) << c.nome;
  }
  EXPECT_TRUE(std::filesystem::is_directory(cartella / "scenario/Prova_1_profilo_9.svg"));
}

// A profile of several pages numbers every one, the numbers as wide as the
// last, so that the pages sort by name in their order; a drawing with another
// number of pages, or an earlier naming, replaces the pages of the one before.
TEST_F(DisegnaComando, ProfilePagesSortByNameAndReplaceThoseOfTheDrawingBefore) {
  std::string linea = prova::linea_minuscola;
  linea.replace(linea.find("3000"), 4, "1000000");
  auto lunga = prova::compila_scenario(linea, prova::treno_minuscolo);
  ASSERT_EQ(lunga->n_errore, 0);
  const auto scrivi = [&](const modello& x) {
    scrivi_file(cartella / "scenario/Prova_linea.dat", codifica_file_planimetria(x));
    scrivi_file(cartella / "scenario/Prova_1.sim", codifica_file_elementi(x));
    scrivi_file(cartella / "scenario/Prova_1.dat", codifica_file_celle(x));
  };
  const auto disegni = [&] {
    std::vector<std::string> nomi;
    for (const std::string& nome : nomi_in(cartella / "scenario")) {
      if (nome.ends_with(".svg")) nomi.push_back(in("scenario", nome));
    }
    return nomi;
  };
  const auto righe = [](const std::string& testo) {
    std::vector<std::string> r;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) r.push_back(riga);
    return r;
  };

  // Pages named as drawings before this naming did.
  for (const char* nome : {"Prova_1_profilo_2.svg", "Prova_1_profilo_9.svg"}) {
    scrivi_file(cartella / "scenario" / nome, "vecchio");
  }
  esito_processo corta = disegna({"scenario/Prova_1.sim", "--formato", "svg"});
  ASSERT_EQ(corta.stato, stato_uscita::successo) << corta.errori;
  EXPECT_EQ(righe(corta.uscita), (std::vector<std::string>{in("scenario", "Prova_1_pianta.svg"),
                                                           in("scenario", "Prova_1_profilo.svg")}));
  EXPECT_EQ(disegni(), righe(corta.uscita));

  scrivi(*lunga);
  esito_processo e = disegna({"scenario/Prova_1.sim", "--formato", "svg"});
  ASSERT_EQ(e.stato, stato_uscita::successo) << e.errori;
  std::vector<std::string> attesi{in("scenario", "Prova_1_pianta.svg")};
  for (const char* n : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}) {
    attesi.push_back(in("scenario", "Prova_1_profilo_" + std::string(n) + ".svg"));
  }
  EXPECT_EQ(righe(e.uscita), attesi);
  // Sorted by name, the files are in the order of their pages; the single
  // page of the shorter drawing is gone.
  EXPECT_EQ(disegni(), attesi);

  scrivi(*m);
  corta = disegna({"scenario/Prova_1.sim", "--formato", "svg"});
  ASSERT_EQ(corta.stato, stato_uscita::successo) << corta.errori;
  EXPECT_EQ(disegni(), righe(corta.uscita));
}

// PNG by default where the build draws it, SVG where it does not; a format
// that the build lacks is refused before any file is read, with the build
// that draws it named. --larghezza is taken either way.
TEST_F(DisegnaComando, TheDefaultFormatIsTheBuildsAndAFormatItLacksIsAUsageError) {
#ifdef DISEGNO_CON_CAIRO
  const std::string predefinito = "png";
  const std::vector<std::string> mancanti;
#else
  const std::string predefinito = "svg";
  const std::vector<std::string> mancanti = {"png", "pdf", "PDF"};
#endif
  esito_processo e = disegna({"scenario/Prova_1.sim", "--larghezza", "400"});
  EXPECT_EQ(e.stato, stato_uscita::successo) << e.errori;
  EXPECT_EQ(e.uscita, in("scenario", "Prova_1_pianta." + predefinito) + "\n" +
                          in("scenario", "Prova_1_profilo." + predefinito) + "\n");
  const std::string aiuto = disegna({"--help"}).uscita;
  EXPECT_NE(aiuto.find("Picture format (default: " + predefinito + ")"), std::string::npos)
      << aiuto;
  for (const std::string& formato : mancanti) {
    // The table does not exist: it is not even looked for.
    e = disegna({"scenario/Manca_1.sim", "--formato", formato, "-o", "nuova"});
    EXPECT_EQ(e.stato, stato_uscita::uso_errato) << formato;
    EXPECT_EQ(e.errori,
              "generatore: this build draws svg only; png and pdf are drawn by the Linux build "
              "of the same version\nRun 'generatore disegna --help' for more information.\n")
        << formato;
    EXPECT_EQ(e.uscita, "") << formato;
    EXPECT_FALSE(std::filesystem::exists(cartella / "nuova")) << formato;
  }
}

#ifndef _WIN32
// While another run holds the lock of the directory of the pictures, the
// drawing waits and writes nothing. On Windows the lock is tested by
// esecuzioni_concorrenti_test.cc, within one process.
TEST_F(DisegnaComando, TheDrawingWaitsForTheDirectorysLock) {
  std::filesystem::create_directory(cartella / "figure");
  std::ostringstream avvisi;
  auto blocco = std::make_unique<blocco_cartella>(cartella / "figure", avvisi);
  cartella_temporanea flussi;
  pid_t figlio = prova::avvia_con_argomenti(
      {"disegna", "scenario/Prova_1.sim", "--formato", "pdf", "-o", "figure"}, cartella.percorso(),
      flussi / "out", flussi / "err");
  // It says that it waits, or it ends without waiting.
  int stato = 0;
  pid_t finito = 0;
  for (int i = 0; i < 600 && leggi_file(flussi / "err").empty() &&
                  (finito = waitpid(figlio, &stato, WNOHANG)) == 0;
       ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_EQ(finito, 0) << "ended without waiting: " << leggi_file(flussi / "err");
  EXPECT_FALSE(std::filesystem::exists(cartella / "figure/Prova_1.pdf"));
  blocco.reset();
  EXPECT_EQ(prova::attendi(figlio), stato_uscita::successo) << leggi_file(flussi / "err");
  EXPECT_EQ(leggi_file(flussi / "out"), "figure/Prova_1.pdf\n");
}
#endif

}  // namespace
}  // namespace scenario
