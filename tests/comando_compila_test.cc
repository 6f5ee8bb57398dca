// compila end to end, through the real executable: warnings treated as
// errors, the word or the file probably meant, and one JSON document on
// standard output however the command ends.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#endif

#include <chrono>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "base/testo_visibile.h"
#include "cartella_temporanea.h"
#include "esegui_generatore.h"
#include "generazione/errore.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "modello/numeri_errore.h"

namespace scenario {
namespace {

#ifndef _WIN32

using prova::cartella_temporanea;
using prova::esegui_con_argomenti;
using prova::esito_processo;
using prova::leggi_file;
using prova::scrivi_file;

const std::string l = linea_predefinita, t = treno_predefinito;
const std::string file_linea = nome_descrizione_linea(l), file_treno = nome_descrizione_treno(l, t);
const std::vector<std::string> compilati = {nome_planimetria(l), nome_elementi(l, t),
                                            nome_celle(l, t)};

void esporta(const cartella_temporanea& cartella) {
  esito_processo esito = esegui_con_argomenti({"descrizioni"}, cartella.percorso());
  ASSERT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
}

// The built-in train description with `da` replaced by `a` once.
std::string treno_con(const cartella_temporanea& cartella, const std::string& da,
                      const std::string& a) {
  std::string testo = leggi_file(cartella / file_treno);
  const size_t p = testo.find(da);
  EXPECT_NE(p, std::string::npos) << da;
  if (p != std::string::npos) testo.replace(p, da.size(), a);
  return testo;
}

// The stop of line 32 misspelt: the row is dropped with a warning alone.
std::string treno_con_refuso(const cartella_temporanea& cartella) {
  return treno_con(cartella, "stazione,   21600,", "stazoine,   21600,");
}

bool compilati_presenti(const cartella_temporanea& cartella, const std::string& sotto) {
  for (const std::string& nome : compilati) {
    if (std::filesystem::exists(cartella / sotto / nome)) return true;
  }
  return false;
}

TEST(ComandoCompila, WarningsTreatedAsErrorsFailTheCompileAndWriteNothing) {
  cartella_temporanea cartella;
  esporta(cartella);
  scrivi_file(cartella / file_treno, treno_con_refuso(cartella));
  const std::vector<std::string> argomenti = {"compila", file_linea, file_treno, "-o", "fuori"};
  const std::string avviso = file_treno +
                             ":32:1: warning: a row whose keyword is not known here is ignored: "
                             "'stazoine'; did you mean 'stazione'? [203]\n";

  esito_processo tollerato = esegui_con_argomenti(argomenti, cartella.percorso());
  EXPECT_EQ(tollerato.stato, stato_uscita::successo);
  EXPECT_TRUE(tollerato.errori.starts_with(avviso)) << tollerato.errori;
  EXPECT_TRUE(tollerato.errori.ends_with("\n0 errors, 1 warning\n")) << tollerato.errori;
  EXPECT_TRUE(compilati_presenti(cartella, "fuori"));
  std::filesystem::remove_all(cartella / "fuori");

  std::vector<std::string> severo = argomenti;
  severo.push_back("--avvisi-come-errori");
  esito_processo testo = esegui_con_argomenti(severo, cartella.percorso());
  EXPECT_EQ(testo.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(testo.uscita, "");
  EXPECT_TRUE(testo.errori.starts_with(avviso)) << testo.errori;
  EXPECT_TRUE(testo.errori.ends_with(
      "\n0 errors, 1 warning\nwarnings treated as errors (--avvisi-come-errori)\n"))
      << testo.errori;
  EXPECT_FALSE(std::filesystem::exists(cartella / "fuori"));

  std::vector<std::string> json = severo;
  json.insert(json.end(), {"--formato", "json"});
  esito_processo in_json = esegui_con_argomenti(json, cartella.percorso());
  EXPECT_EQ(in_json.stato, stato_uscita::errore_registrato);
  EXPECT_EQ(in_json.errori, "");
  const nlohmann::json documento = nlohmann::json::parse(in_json.uscita);
  EXPECT_EQ(documento["errors"], 0);
  EXPECT_EQ(documento["warnings"], 1);
  EXPECT_EQ(documento["diagnostics"][0]["severity"], "warning");
  EXPECT_EQ(documento["diagnostics"][0]["suggestion"], "stazione");
  EXPECT_FALSE(std::filesystem::exists(cartella / "fuori"));

  // Asked for, the files are written all the same, as with an error.
  std::vector<std::string> scritti = severo;
  scritti.push_back("--scrivi-con-errori");
  esito_processo con_errori = esegui_con_argomenti(scritti, cartella.percorso());
  EXPECT_EQ(con_errori.stato, stato_uscita::errore_registrato);
  for (const std::string& nome : compilati) {
    EXPECT_TRUE(std::filesystem::exists(cartella / "fuori" / nome)) << nome;
  }

  // The built-in descriptions have no warning to fail.
  esporta(cartella);
  esito_processo pulito = esegui_con_argomenti(severo, cartella.percorso());
  EXPECT_EQ(pulito.stato, stato_uscita::successo);
  EXPECT_EQ(pulito.errori, "0 errors, 0 warnings\n");
}

// What an author reported: a train description whose [generale] is
// misspelt is refused, and says which header was meant.
TEST(ComandoCompila, AMisspeltHeaderIsNamedWithTheOneMeant) {
  cartella_temporanea cartella;
  esporta(cartella);
  scrivi_file(cartella / file_treno, treno_con(cartella, "[generale]", "[generali]"));
  const std::vector<std::string> argomenti = {"compila", file_linea, file_treno, "-o", "fuori"};
  esito_processo testo = esegui_con_argomenti(argomenti, cartella.percorso());
  EXPECT_EQ(testo.stato, stato_uscita::errore_registrato);
  EXPECT_NE(testo.errori.find(file_treno +
                              ":1:1: warning: a section header that the format does not have: "
                              "'[generali]'; did you mean '[generale]'? [230]\n"),
            std::string::npos)
      << testo.errori;

  std::vector<std::string> json = argomenti;
  json.insert(json.end(), {"--formato", "json"});
  esito_processo in_json = esegui_con_argomenti(json, cartella.percorso());
  const nlohmann::json documento = nlohmann::json::parse(in_json.uscita);
  bool trovato = false;
  for (const nlohmann::json& d : documento["diagnostics"]) {
    if (d["number"] == numero_avviso::intestazione_sconosciuta) {
      trovato = true;
      EXPECT_EQ(d["suggestion"], "[generale]");
      EXPECT_EQ(d["line"], 1);
    }
  }
  EXPECT_TRUE(trovato) << in_json.uscita;
}

// A description named with a near miss of a file beside it: the file is
// named in text and as the suggestion in JSON; control characters of the
// names reach neither raw.
TEST(ComandoCompila, AMissingDescriptionNamesTheNearFile) {
  cartella_temporanea cartella;
  esporta(cartella);
  std::filesystem::create_directory(cartella / "linee");
  std::filesystem::rename(cartella / file_linea, cartella / "linee" / file_linea);
  scrivi_file(cartella / "Z\x1b_1-.txt", "");
  const struct {
    std::string linea, treno, mancante, vicino;
  } casi[] = {
      {"linee/Lorvento-Basalto-linea.txt", file_treno, "linee/Lorvento-Basalto-linea.txt",
       "linee/" + file_linea},
      {"linee/lorvento-basalto_LINEA.txt", file_treno, "linee/lorvento-basalto_LINEA.txt",
       "linee/" + file_linea},
      {"linee/" + file_linea, "Z\x1b_1.txt", "Z\x1b_1.txt", "Z\x1b_1-.txt"},
      {"linee/" + file_linea, "Manca_1-.txt", "Manca_1-.txt", ""},
  };
  for (const auto& c : casi) {
    const std::vector<std::string> argomenti = {"compila", c.linea, c.treno, "--treno",
                                                "1",       "-o",    "fuori"};
    esito_processo testo = esegui_con_argomenti(argomenti, cartella.percorso());
    EXPECT_EQ(testo.stato, stato_uscita::errore_file) << c.mancante;
    std::string atteso = "generatore: file operation failed: " + testo_visibile(c.mancante) +
                         ": No such file or directory";
    if (!c.vicino.empty()) atteso += "; did you mean '" + testo_visibile(c.vicino) + "'?";
    EXPECT_EQ(testo.errori, atteso + "\n");

    std::vector<std::string> json = argomenti;
    json.insert(json.end(), {"--formato", "json"});
    esito_processo in_json = esegui_con_argomenti(json, cartella.percorso());
    EXPECT_EQ(in_json.stato, stato_uscita::errore_file) << c.mancante;
    EXPECT_EQ(in_json.errori, testo.errori);
    EXPECT_EQ(in_json.uscita.find('\x1b'), std::string::npos);
    const nlohmann::json documento = nlohmann::json::parse(in_json.uscita);
    ASSERT_EQ(documento["diagnostics"].size(), 1u) << in_json.uscita;
    const nlohmann::json& d = documento["diagnostics"][0];
    EXPECT_EQ(d["file"], c.mancante);
    EXPECT_EQ(d["suggestion"],
              c.vicino.empty() ? nlohmann::json(nullptr) : nlohmann::json(c.vicino));
  }
  EXPECT_FALSE(std::filesystem::exists(cartella / "fuori"));
}

// With --formato json, standard output is one JSON document whatever ends
// the command, with what ended it as an error entry; the status is that of
// the text form.
TEST(ComandoCompila, JsonGivesOneDocumentForEveryOutcome) {
  cartella_temporanea cartella;
  esporta(cartella);
  std::filesystem::create_directory(cartella / "Cartella_linea.txt");
  scrivi_file(cartella / "file", "");
  scrivi_file(cartella / "Refuso_1-.txt", treno_con_refuso(cartella));
  // A compiled file's place taken by a directory: its rename fails.
  std::filesystem::create_directories(cartella / "occupata" / nome_celle(l, t));
  scrivi_file(cartella / "A_linea.txt",
              "[generale]\nlunghezza percorso, 10000\n[indicazioni]\n"
              "cartello_indicatore, 0, (A)(B)\n[fine]\n");
  scrivi_file(cartella / "A_1-.txt", "[generale]\n[fine]\n");

  const std::string json = "--formato";
  const struct {
    std::vector<std::string> argomenti;
    int stato;
    // The entry that ended the command, last in the list: its file (empty:
    // null) and the start of its message; none for an outcome without one.
    std::string file, messaggio;
    size_t diagnostiche;
  } casi[] = {
      {{"compila", file_linea, file_treno, json, "json"}, stato_uscita::successo, "", "", 0},
      {{"compila", file_linea, "Refuso_1-.txt", "--treno", t, json, "json"},
       stato_uscita::successo,
       "",
       "",
       1},
      {{"compila", "Manca_linea.txt", file_treno, json, "json"},
       stato_uscita::errore_file,
       "Manca_linea.txt",
       "file operation failed: No such file",
       1},
      {{"compila", "Cartella_linea.txt", file_treno, json, "json"},
       stato_uscita::errore_file,
       "Cartella_linea.txt",
       "file operation failed: ",
       1},
      {{"compila", file_linea, file_treno, "-o", "file", json, "json"},
       stato_uscita::errore_file,
       "file",
       "file operation failed: ",
       1},
      {{"compila", file_linea, "Refuso_1-.txt", "--treno", t, "-o", "occupata", json, "json"},
       stato_uscita::errore_file,
       "occupata/" + nome_celle(l, t),
       "file operation failed: ",
       2},
      {{"compila", "A_linea.txt", "A_1-.txt", json, "json"},
       stato_uscita::errore_mostrato,
       "",
       "",
       1},
      {{"compila", json, "json", file_linea}, stato_uscita::uso_errato, "", "TRENO is required", 1},
      {{"compila", file_linea, file_treno, json, "json", "--max-diagnostiche", "x"},
       stato_uscita::uso_errato,
       "",
       "--max-diagnostiche: x is not",
       1},
      {{"compila", file_linea, file_treno, json, "json", "--boh"},
       stato_uscita::uso_errato,
       "",
       "",
       1},
      {{"compila", "l.txt", "t.txt", json, "json"},
       stato_uscita::uso_errato,
       "",
       "the route name is missing",
       1},
  };
  for (const auto& c : casi) {
    std::string comando;
    for (const std::string& a : c.argomenti) comando += a + " ";
    esito_processo esito = esegui_con_argomenti(c.argomenti, cartella.percorso());
    EXPECT_EQ(esito.stato, c.stato) << comando << esito.errori;
    nlohmann::json documento;
    ASSERT_NO_THROW(documento = nlohmann::json::parse(esito.uscita)) << comando << esito.uscita;
    ASSERT_EQ(documento["diagnostics"].size(), c.diagnostiche) << comando << esito.uscita;
    if (c.stato == stato_uscita::successo || c.stato == stato_uscita::errore_mostrato) continue;
    const nlohmann::json& fine = documento["diagnostics"].back();
    EXPECT_EQ(fine["file"], c.file.empty() ? nlohmann::json(nullptr) : nlohmann::json(c.file))
        << comando;
    EXPECT_EQ(fine["line"], nullptr) << comando;
    EXPECT_EQ(fine["severity"], "error") << comando;
    EXPECT_EQ(fine["number"], nullptr) << comando;
    EXPECT_TRUE(fine["message"].get<std::string>().starts_with(c.messaggio)) << comando << fine;
    EXPECT_EQ(documento["errors"], 1) << comando;
  }

  // A format not yet known when the command line failed: no document.
  esito_processo ignoto =
      esegui_con_argomenti({"compila", "--boh", json, "json", file_linea}, cartella.percorso());
  EXPECT_EQ(ignoto.stato, stato_uscita::uso_errato);
  esito_processo sconosciuto =
      esegui_con_argomenti({"compila", file_linea, file_treno, json, "xml"}, cartella.percorso());
  EXPECT_EQ(sconosciuto.stato, stato_uscita::uso_errato);
  EXPECT_EQ(sconosciuto.uscita, "");
}

// Under --osserva each round fails on its warnings and writes nothing; a
// round without one writes the files.
TEST(ComandoCompila, WarningsTreatedAsErrorsUnderOsservaHoldEachRound) {
  cartella_temporanea cartella;
  esporta(cartella);
  const std::string pulito = leggi_file(cartella / file_treno);
  scrivi_file(cartella / file_treno, treno_con_refuso(cartella));
  cartella_temporanea flussi;
  pid_t figlio = prova::avvia_con_argomenti(
      {"compila", file_linea, file_treno, "-o", "fuori", "--osserva", "--avvisi-come-errori"},
      cartella.percorso(), flussi / "out", flussi / "err");
  const auto attendi_testo = [&](const std::string& testo) {
    auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < fine) {
      if (leggi_file(flussi / "err").find(testo) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  };
  ASSERT_TRUE(
      attendi_testo("0 errors, 1 warning\nwarnings treated as errors "
                    "(--avvisi-come-errori)\n"))
      << leggi_file(flussi / "err");
  EXPECT_FALSE(compilati_presenti(cartella, "fuori"));
  scrivi_file(cartella / file_treno, pulito);
  EXPECT_TRUE(attendi_testo("0 errors, 0 warnings\n")) << leggi_file(flussi / "err");
  for (int i = 0; i < 500 && !compilati_presenti(cartella, "fuori"); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_TRUE(compilati_presenti(cartella, "fuori"));
  kill(figlio, SIGINT);
  EXPECT_EQ(prova::attendi(figlio), stato_uscita::successo);
}

#endif

}  // namespace
}  // namespace scenario
