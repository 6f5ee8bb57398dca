// The command line end to end, through the real executable: the subcommands,
// their statuses, what they write and what they leave alone.

#include <gtest/gtest.h>

#include "comandi/riga_di_comando.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#endif

#include <algorithm>
#include <chrono>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "compilazione/lettore_campi.h"
#include "compilazione/riferimento_grammatica.h"
#include "esegui_generatore.h"
#include "file_compilati/file_compilati.h"
#include "generazione/errore.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"

#ifdef __SANITIZE_ADDRESS__
#define CON_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CON_ADDRESS_SANITIZER
#endif
#endif

namespace scenario {
namespace {

#ifdef _WIN32

TEST(RigaDiComando, RunByTheWindowsScript) {
  GTEST_SKIP() << "starts the executable in POSIX child processes; windows/prove-wine runs the "
                  "Windows commands and compares what they write with the Linux build's";
}

#else

using prova::cartella_temporanea;
using prova::esegui_con_argomenti;
using prova::esito_processo;
using prova::leggi_file;
using prova::scrivi_file;

const std::string l = linea_predefinita, t = treno_predefinito;
const std::string file_linea = nome_descrizione_linea(l), file_treno = nome_descrizione_treno(l, t);
const std::vector<std::string> compilati = {nome_planimetria(l), nome_elementi(l, t),
                                            nome_celle(l, t)};
const std::vector<std::string> documenti = {nome_note(l, t), nome_rallentamenti(l, t),
                                            nome_scheda_treno(l, t)};

// The files of a directory, by name, a directory as its name and "/": every
// file, so that a command leaving anything else in it shows.
std::map<std::string, std::string> file_in(const cartella_temporanea& cartella,
                                           const std::string& sotto = "") {
  std::map<std::string, std::string> file;
  std::filesystem::path base = cartella.percorso() / sotto;
  for (const auto& voce : std::filesystem::directory_iterator(base)) {
    std::string nome = voce.path().filename().string();
    if (voce.is_directory()) {
      file[nome + "/"] = "";
    } else {
      file[nome] = leggi_file(voce.path());
    }
  }
  return file;
}

// The two built-in descriptions exported into `cartella` by the command.
void esporta(const cartella_temporanea& cartella) {
  esito_processo esito = esegui_con_argomenti({"descrizioni"}, cartella.percorso());
  ASSERT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
}

// The built-in train description with the station of line 32 moved off the
// 50 m grid.
std::string treno_con_errore(const cartella_temporanea& cartella) {
  std::string testo = leggi_file(cartella / file_treno);
  size_t campo = testo.find("stazione,   21600,");
  EXPECT_NE(campo, std::string::npos);
  testo.replace(campo, 18, "stazione,   21630,");
  return testo;
}

TEST(RigaDiComando, UsageErrorsEndWith64AndWriteNothing) {
  cartella_temporanea cartella;
  esporta(cartella);
  const auto prima = file_in(cartella);
  struct caso {
    std::vector<std::string> argomenti;
    std::string detto;  // what standard error says is wrong
  };
  const std::vector<caso> casi = {
      {{"boh"}, "unknown command 'boh'"},
      {{"--boh"}, "--boh"},
      {{"compila"}, "LINEA is required"},
      {{"compila", file_linea}, "TRENO is required"},
      {{"compila", file_linea, file_treno, "--boh"}, "--boh"},
      {{"compila", file_linea, file_treno, "--formato", "xml"}, "xml"},
      {{"compila", file_linea, file_treno, "--max-diagnostiche", "-1"},
       "--max-diagnostiche: -1 is not a whole number from 0 to 2147483647"},
      {{"compila", "l.txt", "t.txt", "-o", "fuori"}, "the route name is missing"},
      {{"compila", file_linea, "t.txt", "-o", "fuori"}, "the train number is missing"},
      {{"compila", file_linea, file_treno, "--linea", "../x", "-o", "fuori"}, "'/'"},
      {{"compila", file_linea, file_treno, "--treno", "..\\x", "-o", "fuori"}, "'\\'"},
      {{"compila", file_linea, file_treno, "--linea", "A", "--treno", "linea", "-o", "fuori"},
       "two files would have one name: A_linea.dat and A_linea.dat"},
      {{"compila", file_linea, file_treno, "--linea", "A", "--treno", "LINEA", "-o", "fuori"},
       "two files would have one name: A_linea.dat and A_LINEA.dat"},
      {{"compila", file_linea, file_treno, "--linea", "C:x", "-o", "fuori"}, "':'"},
      {{"compila", file_linea, file_treno, "--linea", "a\tb", "-o", "fuori"}, "\\x09"},
      {{"compila", file_linea, file_treno, "--linea", "..", "-o", "fuori"}, "is '..'"},
      {{"compila", file_linea, file_treno, "--linea", "NUL", "-o", "fuori"}, "device name"},
      {{"compila", file_linea, file_treno, "--treno", "com1.x", "-o", "fuori"}, "device name"},
      {{"compila", file_linea, file_treno, "--linea", std::string(228, 'a'), "-o", "fuori"},
       "is too long: 238 bytes, and a file name may have 237 at most"},
      {{"descrizioni", "-o", "fuori", "in-piu"}, "in-piu"},
      {{"spiega"}, "N is required"},
      {{"spiega", "otto"}, "otto"},
      {{"spiega", "99999"}, "99999 is neither an error number nor a warning code"},
  };
  // After the one line of what is wrong, where the usage is, not the usage
  // itself; nothing after a number that the table does not know, which the
  // command line does not tell.
  const auto dove_aiuto = [](const std::vector<std::string>& a) -> std::string {
    if (a == std::vector<std::string>{"spiega", "99999"}) return "";
    const std::string comando =
        a[0] == "boh" || a[0] == "--boh" ? "generatore" : "generatore " + a[0];
    return "Run '" + comando + " --help' for more information.\n";
  };
  for (const caso& c : casi) {
    std::string riga;
    for (const std::string& a : c.argomenti) riga += a + " ";
    esito_processo esito = esegui_con_argomenti(c.argomenti, cartella.percorso());
    EXPECT_EQ(esito.stato, stato_uscita::uso_errato) << riga;
    EXPECT_EQ(esito.uscita, "") << riga;
    const std::string prima_riga = esito.errori.substr(0, esito.errori.find('\n') + 1);
    EXPECT_TRUE(prima_riga.starts_with("generatore: ")) << riga << "\n" << esito.errori;
    EXPECT_NE(prima_riga.find(c.detto), std::string::npos) << riga << "\n" << esito.errori;
    EXPECT_EQ(esito.errori, prima_riga + dove_aiuto(c.argomenti)) << riga;
    EXPECT_EQ(file_in(cartella), prima) << riga;
  }
}

// A value that an option does not take: one line naming the option and what
// it takes, then the usage; numbers only in plain decimal digits.
TEST(RigaDiComando, OptionValuesRefusedByNameAndRange) {
  cartella_temporanea cartella;
  const auto prima = file_in(cartella);
  const std::string metri = " is not a whole number of metres from 0 to 2147483647";
  const std::string larghezza = " is not a whole number from 200 to 20000";
  const std::string numero = " is not a whole number from 0 to 2147483647";
  const struct {
    std::vector<std::string> argomenti;
    std::string detto;
  } casi[] = {
      {{"ispeziona", "a.dat", "--da", "-1"}, "--da: -1" + metri},
      {{"ispeziona", "a.dat", "--a", "2147483648"}, "--a: 2147483648" + metri},
      {{"ispeziona", "a.dat", "--da", "99999999999999999999"},
       "--da: 99999999999999999999" + metri},
      {{"ispeziona", "a.dat", "--da", "1e3"}, "--da: 1e3" + metri},
      {{"ispeziona", "a.dat", "--da", "0x10"}, "--da: 0x10" + metri},
      // 010 is ten, not eight.
      {{"ispeziona", "a.dat", "--da", "010", "--a", "9"}, "--a 9 is before --da 10"},
      {{"ispeziona", "a.dat", "--formato", "xml"}, "--formato: xml is not one of testo, csv, json"},
      {{"compila", "a_linea.txt", "a_1-.txt", "--formato", "2"},
       "--formato: 2 is not one of testo, json"},
      {{"disegna", "a_1.sim", "--larghezza", "0x100"}, "--larghezza: 0x100" + larghezza},
      {{"disegna", "a_1.sim", "--larghezza", "0b11111111111"},
       "--larghezza: 0b11111111111" + larghezza},
      {{"disegna", "a_1.sim", "--larghezza", " 300"}, "--larghezza:  300" + larghezza},
      {{"disegna", "a_1.sim", "--larghezza", "+300"}, "--larghezza: +300" + larghezza},
      {{"disegna", "a_1.sim", "--larghezza", "300.0"}, "--larghezza: 300.0" + larghezza},
      {{"disegna", "a_1.sim", "--larghezza", "199"}, "--larghezza: 199" + larghezza},
      {{"disegna", "a_1.sim", "--larghezza", "20001"}, "--larghezza: 20001" + larghezza},
      {{"disegna", "a_1.sim", "--formato", "2"}, "--formato: 2 is not one of svg, png, pdf"},
      {{"spiega", "otto"},
       "N: otto is neither a number nor a keyword or section header of the descriptions"},
      {{"spiega", "0x8"}, "N: 0x8" + numero},
  };
  for (const auto& c : casi) {
    std::string riga;
    for (const std::string& a : c.argomenti) riga += a + " ";
    esito_processo esito = esegui_con_argomenti(c.argomenti, cartella.percorso());
    EXPECT_EQ(esito.stato, stato_uscita::uso_errato) << riga;
    EXPECT_EQ(esito.uscita, "") << riga;
    EXPECT_EQ(esito.errori, "generatore: " + c.detto + "\nRun 'generatore " + c.argomenti[0] +
                                " --help' for more information.\n")
        << riga;
    EXPECT_EQ(file_in(cartella), prima) << riga;
  }
  // A name in any case; leading zeros are decimal ones.
  esito_processo maiuscolo =
      esegui_con_argomenti({"ispeziona", "a.dat", "--formato", "JSON"}, cartella.percorso());
  EXPECT_EQ(maiuscolo.stato, stato_uscita::errore_file) << maiuscolo.errori;
  esito_processo dieci = esegui_con_argomenti({"spiega", "0010"}, cartella.percorso());
  EXPECT_EQ(dieci.stato, stato_uscita::successo) << dieci.errori;
  EXPECT_TRUE(dieci.uscita.starts_with("error 10: ")) << dieci.uscita;
}

// An unexpected failure, here the memory running out while a file is read
// whole, is said in English, with status 1.
TEST(RigaDiComando, RunningOutOfMemoryIsSaidInEnglish) {
#ifdef CON_ADDRESS_SANITIZER
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
  cartella_temporanea cartella;
  // Two descriptions of 64 MiB of holes each, the most allowed, read into a
  // program allowed 128 MiB of addresses.
  for (const std::string& nome : {file_linea, file_treno}) {
    scrivi_file(cartella / nome, "");
    std::filesystem::resize_file(cartella / nome, massimo_byte_descrizione);
  }
  cartella_temporanea flussi;
  int stato = prova::attendi(prova::avvia_con_argomenti({"compila", file_linea, file_treno},
                                                        cartella.percorso(), flussi / "out",
                                                        flussi / "err", size_t{128} << 20));
  EXPECT_EQ(stato, stato_uscita::errore_file);
  EXPECT_EQ(leggi_file(flussi / "err"), "generatore: unexpected failure: out of memory\n");
  EXPECT_EQ(leggi_file(flussi / "out"), "");
#endif
}

TEST(RigaDiComando, HelpAndVersionOnTheProgramAndEveryCommand) {
  cartella_temporanea cartella;
  for (std::vector<std::string> prefisso : {std::vector<std::string>{},
                                            {"descrizioni"},
                                            {"compila"},
                                            {"spiega"},
                                            {"ispeziona"},
                                            {"disegna"}}) {
    std::string nome = prefisso.empty() ? "generatore" : "generatore " + prefisso.front();
    prefisso.push_back("--help");
    esito_processo aiuto = esegui_con_argomenti(prefisso, cartella.percorso());
    EXPECT_EQ(aiuto.stato, stato_uscita::successo) << nome;
    EXPECT_NE(aiuto.uscita.find("Usage: " + nome + " [OPTIONS]"), std::string::npos) << nome;
    EXPECT_EQ(aiuto.errori, "") << nome;
    prefisso.back() = "--version";
    esito_processo versione = esegui_con_argomenti(prefisso, cartella.percorso());
    EXPECT_EQ(versione.stato, stato_uscita::successo) << nome;
    EXPECT_EQ(versione.uscita, "generatore " VERSIONE_GENERATORE "\n") << nome;
  }
  EXPECT_TRUE(cartella.contenuto().empty());
}

// An option that takes one of some names shows them in the help, in their
// order, as its value: no type of the library's, no number that stands for a
// name.
TEST(RigaDiComando, TheHelpShowsTheNamesAnOptionTakes) {
  cartella_temporanea cartella;
  const struct {
    std::string comando;
    std::string opzione;
  } casi[] = {
      {"compila", "--formato testo|json "},
      {"ispeziona", "--formato testo|csv|json "},
      {"disegna", "--formato svg|png|pdf "},
  };
  for (const auto& c : casi) {
    esito_processo aiuto = esegui_con_argomenti({c.comando, "--help"}, cartella.percorso());
    EXPECT_EQ(aiuto.stato, stato_uscita::successo) << c.comando;
    EXPECT_NE(aiuto.uscita.find("\n  " + c.opzione), std::string::npos) << aiuto.uscita;
    for (const char* libreria : {"ENUM", "TEXT:{", "->", "} OR {"}) {
      EXPECT_EQ(aiuto.uscita.find(libreria), std::string::npos) << libreria << "\n" << aiuto.uscita;
    }
  }
}

// An author's round trip: the built-in descriptions exported, compiled
// elsewhere into a directory that does not exist yet, give the very files of
// the run without arguments; the descriptions stay as they were.
TEST(RigaDiComando, TheExportedDescriptionsCompileToTheBuiltInRunsFiles) {
  cartella_temporanea programma;
  ASSERT_EQ(prova::esegui_copia(programma).stato, stato_uscita::successo);

  cartella_temporanea autore;
  esito_processo esportate =
      esegui_con_argomenti({"descrizioni", "-o", "nuove/linee", "--documenti"}, autore.percorso());
  ASSERT_EQ(esportate.stato, stato_uscita::successo) << esportate.errori;
  EXPECT_EQ(esportate.uscita, "");
  const auto descrizioni = file_in(autore, "nuove/linee");
  std::vector<std::string> attesi = documenti;
  attesi.insert(attesi.end(), {file_linea, file_treno});
  ASSERT_EQ(descrizioni.size(), attesi.size());
  for (const std::string& nome : documenti) {
    EXPECT_EQ(descrizioni.at(nome), leggi_file(programma / nome)) << nome;
  }

  esito_processo compilato = esegui_con_argomenti(
      {"compila", "nuove/linee/" + file_linea, "nuove/linee/" + file_treno, "-o", "a/b"},
      autore.percorso());
  EXPECT_EQ(compilato.stato, stato_uscita::successo) << compilato.errori;
  EXPECT_EQ(compilato.uscita, "");
  EXPECT_EQ(compilato.errori, "0 errors, 0 warnings\n");
  const auto scritti = file_in(autore, "a/b");
  EXPECT_EQ(scritti.size(), compilati.size());
  for (const std::string& nome : compilati) {
    EXPECT_EQ(scritti.at(nome), leggi_file(programma / nome)) << nome;
  }
  EXPECT_EQ(file_in(autore, "nuove/linee"), descrizioni);

  // Without the track plan, and with the names given instead of taken from
  // the files' names.
  std::filesystem::copy_file(autore / ("nuove/linee/" + file_linea), autore / "l.txt");
  std::filesystem::copy_file(autore / ("nuove/linee/" + file_treno), autore / "t.txt");
  esito_processo senza = esegui_con_argomenti(
      {"compila", "l.txt", "t.txt", "--linea", l, "--treno", t, "--senza-planimetria", "-o", "c"},
      autore.percorso());
  EXPECT_EQ(senza.stato, stato_uscita::successo) << senza.errori;
  const auto senza_planimetria = file_in(autore, "c");
  EXPECT_EQ(senza_planimetria.size(), 2u);
  EXPECT_EQ(senza_planimetria.count(nome_planimetria(l)), 0u);
  EXPECT_EQ(senza_planimetria.at(nome_celle(l, t)), leggi_file(programma / nome_celle(l, t)));
}

// An error: the diagnostic in text with its source line, no compiled file
// (the older ones stay) unless --scrivi-con-errori asks for them, status 3
// either way, and the descriptions untouched.
TEST(RigaDiComando, AnErrorWritesNoCompiledFileUnlessAskedTo) {
  cartella_temporanea cartella;
  esporta(cartella);
  std::filesystem::create_directory(cartella / "linee");
  scrivi_file(cartella / ("linee/" + file_treno), treno_con_errore(cartella));
  std::filesystem::rename(cartella / file_linea, cartella / ("linee/" + file_linea));
  std::filesystem::remove(cartella / file_treno);
  for (const std::string& nome : compilati) scrivi_file(cartella / nome, "vecchio");
  const auto prima = file_in(cartella);
  const auto descrizioni = file_in(cartella, "linee");

  const std::vector<std::string> argomenti = {"compila", "linee/" + file_linea,
                                              "linee/" + file_treno};
  esito_processo esito = esegui_con_argomenti(argomenti, cartella.percorso());
  EXPECT_EQ(esito.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(esito.uscita, "");
  EXPECT_EQ(esito.errori.substr(0, esito.errori.find('\n', esito.errori.find('^')) + 1),
            "linee/Lorvento-Basalto_27364-.txt:32:13: error: station position not a multiple "
            "of 50, at 21630 m [8]\n"
            "   32 | stazione,   21630,  23,   400,   1, 0, 0,   1, 1, 0,   2, 1, 1,    40,    "
            "18, 59,   0, Borgo Tessaro\n"
            "      |             ^\n");
  EXPECT_NE(esito.errori.find("\n1 error, "), std::string::npos) << esito.errori;
  EXPECT_EQ(file_in(cartella), prima);

  std::vector<std::string> json = argomenti;
  json.insert(json.end(), {"--formato", "json"});
  esito_processo in_json = esegui_con_argomenti(json, cartella.percorso());
  EXPECT_EQ(in_json.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(in_json.errori, "");
  nlohmann::json letto = nlohmann::json::parse(in_json.uscita);
  EXPECT_EQ(letto["errors"], 1);
  EXPECT_EQ(letto["diagnostics"][0],
            nlohmann::json::parse(R"({"file": "linee/Lorvento-Basalto_27364-.txt", "line": 32,
              "column": 13, "severity": "error", "number": 8,
              "message": "station position not a multiple of 50", "position_m": 21630,
              "suggestion": null, "notes": []})"));
  EXPECT_EQ(file_in(cartella), prima);

  std::vector<std::string> con_errori = argomenti;
  con_errori.push_back("--scrivi-con-errori");
  esito_processo scritti = esegui_con_argomenti(con_errori, cartella.percorso());
  EXPECT_EQ(scritti.stato, stato_uscita::errore_registrato);
  for (const std::string& nome : compilati) {
    EXPECT_NE(leggi_file(cartella / nome), "vecchio") << nome;
  }
  EXPECT_EQ(file_in(cartella, "linee"), descrizioni);
}

// A train description of 40 KB with a problem in every few bytes, on one
// line: standard error stays small, lists the first 100 with their lines cut
// round the caret, says how many more there were and counts them all; the
// JSON form likewise.
TEST(RigaDiComando, DiagnosticsStayFewOnADescriptionFullOfProblems) {
  cartella_temporanea cartella;
  esporta(cartella);
  std::string treno = "[generale]\n";
  while (treno.size() < 40000) treno += "-,";
  scrivi_file(cartella / "Y_1-.txt", treno);
  const std::vector<std::string> argomenti = {"compila", file_linea, "Y_1-.txt", "-o", "fuori"};

  const auto conta = [](const std::string& testo, const std::string& cosa) {
    size_t n = 0;
    for (size_t p = testo.find(cosa); p != std::string::npos; p = testo.find(cosa, p + 1)) ++n;
    return n;
  };
  const auto righe_lunghe = [](const std::string& testo) {
    size_t massima = 0;
    std::istringstream righe(testo);
    for (std::string riga; std::getline(righe, riga);) massima = std::max(massima, riga.size());
    return massima;
  };

  esito_processo tutte = esegui_con_argomenti(
      {"compila", file_linea, "Y_1-.txt", "-o", "fuori", "--max-diagnostiche", "0"},
      cartella.percorso());
  ASSERT_EQ(tutte.stato, stato_uscita::successo) << tutte.errori.substr(0, 2000);
  const size_t avvisi = conta(tutte.errori, ": warning: ");
  ASSERT_GT(avvisi, 10000u);
  EXPECT_TRUE(tutte.errori.ends_with("\n0 errors, " + std::to_string(avvisi) + " warnings\n"));
  EXPECT_LT(righe_lunghe(tutte.errori), 200u);

  esito_processo esito = esegui_con_argomenti(argomenti, cartella.percorso());
  EXPECT_EQ(esito.stato, stato_uscita::successo);
  EXPECT_LT(esito.errori.size(), 40u * 1024);
  EXPECT_EQ(conta(esito.errori, ": warning: "), 100u);
  const std::string altre = std::to_string(avvisi - 100);
  EXPECT_TRUE(esito.errori.ends_with("\n... " + altre + " more diagnostics not shown (0 errors, " +
                                     altre + " warnings); --max-diagnostiche 0 shows every one\n" +
                                     "0 errors, " + std::to_string(avvisi) + " warnings\n"))
      << esito.errori.substr(esito.errori.size() - 500);

  std::vector<std::string> json = argomenti;
  json.insert(json.end(), {"--formato", "json", "--max-diagnostiche", "5"});
  esito_processo in_json = esegui_con_argomenti(json, cartella.percorso());
  EXPECT_EQ(in_json.stato, stato_uscita::successo);
  EXPECT_LT(in_json.uscita.size(), 4u * 1024);
  nlohmann::json letto = nlohmann::json::parse(in_json.uscita);
  EXPECT_EQ(letto["diagnostics"].size(), 5u);
  EXPECT_EQ(letto["errors"], 0);
  EXPECT_EQ(letto["warnings"], avvisi);
  EXPECT_EQ(letto["omitted"], avvisi - 5);
}

// An escape sequence in a description, or in the name of its file, does not
// reach the terminal: standard error shows it in visible characters.
TEST(RigaDiComando, EscapeSequencesOfADescriptionAreShownNotSent) {
  cartella_temporanea cartella;
  esporta(cartella);
  const std::string nome = "Z\x1b[2J_1-.txt";
  scrivi_file(cartella / nome, "[generale]\nvel\x1b]0;x\x07ocita, 0, 100\n");
  esito_processo esito =
      esegui_con_argomenti({"compila", file_linea, nome, "-o", "fuori"}, cartella.percorso());
  // No description holds control characters: the first is an error.
  EXPECT_EQ(esito.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(esito.errori.find_first_of("\x1b\x07"), std::string::npos) << esito.errori;
  EXPECT_NE(esito.errori.find("Z\u241B[2J_1-.txt:2:4: error: a byte that no description text "
                              "holds: byte 0x1B [30]"),
            std::string::npos)
      << esito.errori;
  EXPECT_NE(esito.errori.find("    2 | vel\u241B]0;x\u2407ocita, 0, 100\n"), std::string::npos)
      << esito.errori;

  // A file that cannot be read, and a command line not understood, are named
  // in visible characters too.
  esito = esegui_con_argomenti(
      {"compila", "manca\x1b]0;x\x07_linea.txt", nome, "--linea", "A", "-o", "fuori"},
      cartella.percorso());
  EXPECT_EQ(esito.stato, stato_uscita::errore_file);
  EXPECT_EQ(esito.errori.find_first_of("\x1b\x07"), std::string::npos) << esito.errori;
  EXPECT_NE(esito.errori.find("manca\u241B]0;x\u2407_linea.txt"), std::string::npos)
      << esito.errori;
  esito = esegui_con_argomenti({"compila", "--\x1b[2J"}, cartella.percorso());
  EXPECT_EQ(esito.stato, stato_uscita::uso_errato);
  EXPECT_EQ(esito.errori.find_first_of("\x1b\x07"), std::string::npos) << esito.errori;
}

// A letter beyond ASCII is one byte of a description, Windows-1252, and one
// character: counted once in a column, under the text form's caret, in the
// JSON form and in the tables of an inspection, though it is two bytes of
// the UTF-8 shown.
TEST(RigaDiComando, ALetterBeyondAsciiTakesOneColumn) {
  cartella_temporanea cartella;
  esporta(cartella);
  const std::string verzu = "Verz\xF9";
  std::string treno = treno_con_errore(cartella);
  for (auto [prima, dopo] : {std::pair<std::string, std::string>{
                                 "stazione,   21630,", "stazione " + verzu + ",   21630,"},
                             {"Borgo Tessaro", verzu + " Tessaro"}}) {
    ASSERT_NE(treno.find(prima), std::string::npos) << prima;
    treno.replace(treno.find(prima), prima.size(), dopo);
  }
  scrivi_file(cartella / file_treno, treno);

  esito_processo testo =
      esegui_con_argomenti({"compila", file_linea, file_treno, "-o", "out"}, cartella.percorso());
  EXPECT_EQ(testo.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(testo.errori.substr(0, testo.errori.find('\n', testo.errori.find('^')) + 1),
            file_treno +
                ":32:19: error: station position not a multiple of 50, at 21630 m [8]\n"
                "   32 | stazione Verzù,   21630,  23,   400,   1, 0, 0,   1, 1, 0,   2, 1, 1,"
                "    40,    18, 59,   0, Verzù Tessaro\n"
                "      |                   ^\n");
  esito_processo json = esegui_con_argomenti(
      {"compila", file_linea, file_treno, "-o", "out", "--formato", "json"}, cartella.percorso());
  EXPECT_EQ(nlohmann::json::parse(json.uscita)["diagnostics"][0]["column"], 19) << json.uscita;

  treno.replace(treno.find("21630"), 5, "21600");
  scrivi_file(cartella / file_treno, treno);
  ASSERT_EQ(
      esegui_con_argomenti({"compila", file_linea, file_treno, "-o", "out"}, cartella.percorso())
          .stato,
      stato_uscita::successo);
  esito_processo ispezione =
      esegui_con_argomenti({"ispeziona", "out/" + nome_elementi(l, t)}, cartella.percorso());
  ASSERT_EQ(ispezione.stato, stato_uscita::successo) << ispezione.errori;
  // The last column is of numbers, aligned on the right: every line of the
  // table of stations, its heading too, is as wide as every other.
  const size_t inizio = ispezione.uscita.find("\nstazioni (");
  ASSERT_NE(inizio, std::string::npos) << ispezione.uscita;
  std::istringstream tabella(
      ispezione.uscita.substr(inizio + 1, ispezione.uscita.find("\n\n", inizio) - inizio));
  std::string riga;
  std::getline(tabella, riga);
  std::map<size_t, std::vector<std::string> > per_larghezza;
  while (std::getline(tabella, riga)) {
    const size_t caratteri =
        static_cast<size_t>(std::count_if(riga.begin(), riga.end(), [](char c) {
          return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    per_larghezza[caratteri].push_back(riga);
  }
  EXPECT_EQ(per_larghezza.size(), 1u) << ispezione.uscita;
  EXPECT_NE(ispezione.uscita.find("Verzù Tessaro  "), std::string::npos) << ispezione.uscita;
}

// A description that cannot be read: status 1, its name and the reason on
// standard error, nothing written.
TEST(RigaDiComando, AMissingOrUnreadableDescriptionIsNamed) {
  cartella_temporanea cartella;
  esporta(cartella);
  // A directory in place of a file: unreadable even for root.
  std::filesystem::create_directory(cartella / "Altra_linea.txt");
  const auto prima = file_in(cartella);
  struct caso {
    std::string linea, treno, detto;
  };
  for (const caso& c :
       {caso{"Manca_linea.txt", file_treno, "Manca_linea.txt: No such file or directory"},
        caso{file_linea, "Manca_1-.txt", "Manca_1-.txt: No such file or directory"},
        caso{"Altra_linea.txt", file_treno, "Altra_linea.txt: Is a directory"}}) {
    esito_processo esito =
        esegui_con_argomenti({"compila", c.linea, c.treno, "-o", "fuori"}, cartella.percorso());
    EXPECT_EQ(esito.stato, stato_uscita::errore_file) << c.detto;
    EXPECT_EQ(esito.uscita, "") << c.detto;
    EXPECT_NE(esito.errori.find(c.detto), std::string::npos) << esito.errori;
    EXPECT_EQ(file_in(cartella), prima) << c.detto;
  }
}

// What is not a regular file, or is larger than its kind can be, is refused
// unread with status 1: a FIFO with no writer does not hold the command, a
// device is not read without end. A command that blocks is killed after a
// minute, one that reads without end runs out of its addresses: either fails
// here rather than holding the suite.
TEST(RigaDiComando, WhatIsNotARegularFileOrIsTooLargeIsRefusedUnread) {
  cartella_temporanea cartella;
  esporta(cartella);
  ASSERT_EQ(mkfifo((cartella / "Fifo_linea.txt").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo((cartella / "Fifo.sim").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", cartella / "Zero.dat");
  std::filesystem::create_directory(cartella / "Cartella.sim");
  scrivi_file(cartella / "Grande_linea.txt", "");
  std::filesystem::resize_file(cartella / "Grande_linea.txt", massimo_byte_descrizione + 1);
  scrivi_file(cartella / "Grande_linea.dat", "");
  std::filesystem::resize_file(cartella / "Grande_linea.dat", massimo_byte_file_compilato + 1);
  const struct {
    std::vector<std::string> argomenti;
    std::string detto;
  } casi[] = {
      {{"compila", "Fifo_linea.txt", file_treno}, "Fifo_linea.txt: not a regular file"},
      {{"compila", file_linea, "/dev/zero", "--treno", "1"}, "/dev/zero: not a regular file"},
      {{"compila", "Grande_linea.txt", file_treno},
       "Grande_linea.txt: 67108865 bytes, larger than the 64 MiB a description may have"},
      {{"ispeziona", "Fifo.sim"}, "Fifo.sim: not a regular file"},
      {{"ispeziona", "Zero.dat"}, "Zero.dat: not a regular file"},
      {{"ispeziona", "Cartella.sim"}, "Cartella.sim: Is a directory"},
      {{"ispeziona", "Grande_linea.dat"},
       "Grande_linea.dat: 20140021 bytes, larger than the 20140020 bytes a compiled file may "
       "have"},
  };
  for (const auto& c : casi) {
    cartella_temporanea flussi;
    size_t indirizzi = size_t{1} << 30;
#ifdef CON_ADDRESS_SANITIZER
    indirizzi = 0;
#endif
    pid_t figlio = prova::avvia_con_argomenti(c.argomenti, cartella.percorso(), flussi / "out",
                                              flussi / "err", indirizzi);
    int stato = -1;
    for (int i = 0; i < 600; ++i) {
      int grezzo = 0;
      if (waitpid(figlio, &grezzo, WNOHANG) == figlio) {
        stato = WIFEXITED(grezzo) ? WEXITSTATUS(grezzo) : -1;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (stato == -1 && kill(figlio, SIGKILL) == 0) {
      prova::attendi(figlio);
      ADD_FAILURE() << c.detto << ": still running after a minute";
      continue;
    }
    EXPECT_EQ(stato, stato_uscita::errore_file) << c.detto;
    EXPECT_EQ(leggi_file(flussi / "err"), "generatore: file operation failed: " + c.detto + "\n");
    EXPECT_EQ(leggi_file(flussi / "out"), "") << c.detto;
  }
  EXPECT_FALSE(std::filesystem::exists(cartella / nome_celle(l, t)));
}

// The compiled files of an author's compile read back, checked and drawn by
// the same executable.
TEST(RigaDiComando, CompiledFilesAreInspectedCheckedAndDrawn) {
  cartella_temporanea cartella;
  esporta(cartella);
  ASSERT_EQ(
      esegui_con_argomenti({"compila", file_linea, file_treno, "-o", "out"}, cartella.percorso())
          .stato,
      stato_uscita::successo);
  std::vector<std::string> tutti;
  for (const std::string& nome : compilati) tutti.push_back("out/" + nome);

  std::vector<std::string> verifica = tutti;
  verifica.insert(verifica.begin(), "ispeziona");
  verifica.insert(verifica.end(), {"--verifica", "--formato", "json"});
  esito_processo verificati = esegui_con_argomenti(verifica, cartella.percorso());
  EXPECT_EQ(verificati.stato, stato_uscita::successo) << verificati.errori;
  const nlohmann::json letto = nlohmann::json::parse(verificati.uscita);
  ASSERT_EQ(letto.size(), 4u);
  EXPECT_EQ(letto.back()["differenze"], 0);

  // One byte of the grid's check code (cell 1, bytes 18 and 19) changed: the
  // check says so with 3.
  const std::filesystem::path celle = cartella / "out" / nome_celle(l, t);
  const std::string buona = leggi_file(celle);
  std::string cambiata = buona;
  cambiata[18] ^= 1;
  scrivi_file(celle, cambiata);
  esito_processo cambiato = esegui_con_argomenti(verifica, cartella.percorso());
  EXPECT_EQ(cambiato.stato, 3);
  EXPECT_EQ(nlohmann::json::parse(cambiato.uscita).back()["differenze"], 1);
  scrivi_file(celle, buona);

  esito_processo senza_tipo = esegui_con_argomenti({"ispeziona", file_linea}, cartella.percorso());
  EXPECT_EQ(senza_tipo.stato, stato_uscita::uso_errato);
  EXPECT_EQ(senza_tipo.uscita, "");

  esito_processo disegnato = esegui_con_argomenti(
      {"disegna", "out/" + nome_elementi(l, t), "--formato", "pdf", "-o", "figure"},
      cartella.percorso());
  EXPECT_EQ(disegnato.stato, stato_uscita::successo) << disegnato.errori;
  const std::string pdf = leggi_file(cartella / "figure" / (l + "_" + t + ".pdf"));
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}

// compila --osserva: a round at the start, one more for a save of the train
// description with its diagnostics, and SIGINT ends the watching with 0.
TEST(RigaDiComando, CompilaOsservaCompilesAgainOnEverySave) {
  cartella_temporanea cartella;
  esporta(cartella);
  cartella_temporanea flussi;
  pid_t figlio = prova::avvia_con_argomenti({"compila", file_linea, file_treno, "--osserva"},
                                            cartella.percorso(), flussi / "out", flussi / "err");
  const auto attendi_testo = [&](const std::string& testo) {
    auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < fine) {
      if (leggi_file(flussi / "err").find(testo) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  };
  ASSERT_TRUE(attendi_testo("0 errors, 0 warnings\n-- done in ")) << leggi_file(flussi / "err");
  EXPECT_TRUE(std::filesystem::exists(cartella / nome_celle(l, t)));
  scrivi_file(cartella / file_treno, treno_con_errore(cartella));
  EXPECT_TRUE(attendi_testo("1 error, 0 warnings\n-- done in ")) << leggi_file(flussi / "err");
  kill(figlio, SIGINT);
  EXPECT_EQ(prova::attendi(figlio), stato_uscita::successo);
  const std::string errori = leggi_file(flussi / "err");
  EXPECT_NE(errori.find("-- changed: " + file_treno + "\n" + file_treno +
                        ":32:13: error: station position not a multiple of 50"),
            std::string::npos)
      << errori;
  EXPECT_TRUE(errori.ends_with("-- stopped\n")) << errori;
}

TEST(RigaDiComando, SpiegaPrintsTheMeaningAndTheParagraph) {
  cartella_temporanea cartella;
  esito_processo esito = esegui_con_argomenti({"spiega", "8"}, cartella.percorso());
  EXPECT_EQ(esito.stato, stato_uscita::successo);
  const voce_errore* voce = cerca_voce(8);
  std::string atteso = std::string("error 8: ") + voce->significato + "\n";
  if (*voce->spiegazione != '\0') atteso += std::string("\n") + voce->spiegazione + "\n";
  EXPECT_EQ(esito.uscita, atteso);
  EXPECT_EQ(esito.errori, "");
}

// A keyword or a section header is explained by the grammar's own reference
// of the rows it names.
TEST(RigaDiComando, SpiegaExplainsTheRowsAWordNames) {
  cartella_temporanea cartella;
  using namespace grammatica;
  struct caso {
    std::string parola;
    std::vector<const voce*> voci;
  };
  const std::vector<caso> casi = {
      {"stazione", {&stazione}},
      {"Lunghezza Percorso", {&lunghezza_percorso}},
      {"curvad", {&curva}},
      {"progressiva", {&progressiva_tre, &progressiva_due, &progressiva_uno}},
      {"[segnali]", {&segnale}},
  };
  for (const caso& c : casi) {
    esito_processo esito = esegui_con_argomenti({"spiega", c.parola}, cartella.percorso());
    EXPECT_EQ(esito.stato, stato_uscita::successo) << c.parola;
    std::string atteso;
    for (const voce* v : c.voci) {
      atteso += std::string(atteso.empty() ? "" : "\n") + "A row of the " +
                (v->formato_ == formato::linea ? "line" : "train") + " description.\n\n" +
                riferimento_voce(*v);
    }
    EXPECT_EQ(esito.uscita, atteso) << c.parola;
    EXPECT_EQ(esito.errori, "") << c.parola;
  }
}

#endif

}  // namespace
}  // namespace scenario
