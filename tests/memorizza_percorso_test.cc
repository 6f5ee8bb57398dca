// The steps after the compile: what reaches the compiled files, and when none
// is written.

#include "generazione/memorizza_percorso.h"

#include <gtest/gtest.h>

#include <map>
#include "modello/numeri_errore.h"
#include "base/scrittore_file.h"
#include "cartella_temporanea.h"
#include "file_compilati/file_compilati.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

const std::string file_planimetria = nome_planimetria(linea_predefinita);
const std::string file_elementi = nome_elementi(linea_predefinita, treno_predefinito);
const std::string file_celle = nome_celle(linea_predefinita, treno_predefinito);

// A model as a compile of a 0 m route leaves it (cells 0 to 140), with one
// slow-down at 60 km/h from cell 100 to cell 130 for the pass to finish.
modello compilato(int32_t j) {
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  m.elementi[elemento_testata_percorso].testo = m.linea;
  m.elementi[elemento_testata_treno].testo = m.treno;
  m.scrivi_planimetria = j;
  dimensiona(m, 0);
  m.celle[100].tipo = tipo_cella::inizio_rallentamento;
  m.celle[100].val1 = 60;
  m.celle[130].tipo = tipo_cella::fine_rallentamento;
  m.celle[130].val1 = 60;
  return m;
}

percorsi_scenario percorsi(const cartella_temporanea& cartella) {
  return percorsi_in(cartella.percorso(), linea_predefinita, treno_predefinito);
}

TEST(MemorizzaPercorso, ACompileThatLeftNoGridGetsNoCompiledFile) {
  cartella_temporanea cartella;
  for (const std::string& nome : {file_planimetria, file_elementi, file_celle}) {
    scrivi_file(cartella / nome, "vecchia");
  }

  // No description to compile: the compile stops before any length.
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  int32_t j = 1;
  memorizza_percorso(m, percorsi(cartella), j);
  EXPECT_EQ(m.n_errore, numero_errore::file_linea_mancante);

  // A compile that sized nothing and recorded nothing gets a number of its own.
  modello senza_lunghezza;
  completa_percorso(senza_lunghezza, percorsi(cartella));
  EXPECT_EQ(senza_lunghezza.n_errore, numero_errore::griglia_mancante);

  // A compile that stopped on an error of its own keeps that number.
  modello fermato;
  fermato.n_errore = numero_errore::generale_mancante;
  completa_percorso(fermato, percorsi(cartella));
  EXPECT_EQ(fermato.n_errore, numero_errore::generale_mancante);
  EXPECT_FALSE(fermato.griglia_dimensionata());

  for (const std::string& nome : {file_planimetria, file_elementi, file_celle}) {
    EXPECT_EQ(leggi_file(cartella / nome), "vecchia") << nome;
  }
  EXPECT_EQ(cartella.contenuto().size(), 3u);
}

TEST(MemorizzaPercorso, TheFilesCarryTheFinishedGridAndTheCheckCodes) {
  cartella_temporanea cartella;
  modello m = compilato(1);
  // An error recorded by the compile does not keep the files from being written.
  m.n_errore = numero_errore::segnale_su_cella_occupata;
  completa_percorso(m, percorsi(cartella));
  EXPECT_EQ(m.n_errore, numero_errore::segnale_su_cella_occupata);

  std::string celle = leggi_file(cartella / file_celle);
  ASSERT_EQ(celle.size(), 141 * lunghezza_record_cella);
  // Cell 1: kind 0, 5121 and 2328.
  EXPECT_EQ(celle.substr(15, 5), std::string("\x00\x01\x14\x18\x09", 5));
  // Cell 108: the pass's first code point inside the slow-down, code 180.
  EXPECT_EQ(celle.substr(108 * 15, 3), std::string("\x0c\xb4\x00", 3));
  std::string atteso;
  for (const cella& c : m.celle) codifica_cella(atteso, c);
  EXPECT_EQ(celle, atteso);

  std::string elementi = leggi_file(cartella / file_elementi);
  size_t dopo_il_testo = 85 * lunghezza_record_elemento_senza_testo + 16 + 16;
  ASSERT_EQ(elementi.size(), 87 * lunghezza_record_elemento_senza_testo + 16 + 5);
  // Route header: 610 in dato_d, 32466 in orario.
  EXPECT_EQ(elementi.substr(dopo_il_testo, 2), "\x62\x02");
  EXPECT_EQ(elementi.substr(dopo_il_testo + 14, 4), std::string("\xd2\x7e\x00\x00", 4));

  EXPECT_EQ(leggi_file(cartella / file_planimetria).size(), 2u * 7001 * 2);
}

TEST(MemorizzaPercorso, WithoutTrackPlanAnOlderPlanStaysUntouched) {
  cartella_temporanea cartella;
  scrivi_file(cartella / file_planimetria, "vecchia");
  modello m = compilato(0);
  completa_percorso(m, percorsi(cartella));
  EXPECT_EQ(leggi_file(cartella / file_planimetria), "vecchia");
  EXPECT_TRUE(std::filesystem::exists(cartella / file_elementi));
  EXPECT_TRUE(std::filesystem::exists(cartella / file_celle));
}

TEST(MemorizzaPercorso, FilledCheckPlacesEndTheRunBeforeAnyCompiledFile) {
  const struct {
    const char* nome;
    void (*prepara)(modello&);
    int32_t errore_fatale;
  } casi[] = {
      {"a start in cell 8 whose first group can only go into cell 1",
       [](modello& m) {
         m.celle[8].tipo = tipo_cella::inizio_rallentamento;
         m.celle[8].val1 = 110;
         m.celle[3].tipo = tipo_cella::cartello;
         m.celle[2].tipo = tipo_cella::cartello;
       },
       numero_errore::valori_riservati_occupati},
      {"a route header whose orario the compile filled",
       [](modello& m) { m.elementi[elemento_testata_percorso].orario = 1; },
       numero_errore::codici_controllo_occupati},
  };
  for (const auto& c : casi) {
    cartella_temporanea cartella;
    modello m = compilato(1);
    c.prepara(m);
    const esito_percorso esito = completa_percorso(m, percorsi(cartella));
    EXPECT_EQ(esito.errore_fatale, c.errore_fatale) << c.nome;
    EXPECT_FALSE(esito.da_scrivere) << c.nome;
    EXPECT_TRUE(cartella.contenuto().empty()) << c.nome;
  }
}

TEST(MemorizzaPercorso, ASecondRunLeavesFilesOfExactlyTheNewLength) {
  cartella_temporanea cartella;
  modello primo = compilato(1);
  completa_percorso(primo, percorsi(cartella));
  std::vector<std::string> nomi = cartella.contenuto();
  ASSERT_EQ(nomi.size(), 3u);
  std::map<std::string, std::string> prima;
  for (const std::string& nome : nomi) {
    prima[nome] = leggi_file(cartella / nome);
    scrivi_file(cartella / nome, prima[nome] + std::string(70000, 'x'));
  }
  modello secondo = compilato(1);
  completa_percorso(secondo, percorsi(cartella));
  EXPECT_EQ(cartella.contenuto(), nomi);
  for (const std::string& nome : nomi) EXPECT_EQ(leggi_file(cartella / nome), prima[nome]) << nome;
}

TEST(MemorizzaPercorso, AFailedFileOperationNamesTheFileAndKeepsWhatWasWritten) {
  cartella_temporanea cartella;
  std::filesystem::create_directory(cartella / file_celle);
  modello m = compilato(1);
  try {
    completa_percorso(m, percorsi(cartella));
    ADD_FAILURE() << "the cell grid was written over a directory";
  } catch (const errore_file& e) {
    EXPECT_TRUE(prova::messaggio_su_cartella(e.what(), cartella / file_celle)) << e.what();
  }
  EXPECT_TRUE(std::filesystem::exists(cartella / file_elementi));
  EXPECT_TRUE(std::filesystem::exists(cartella / file_planimetria));
}

}  // namespace
}  // namespace scenario
