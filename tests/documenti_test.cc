// What the three driver's documents share: fixed content of a fixed number of
// lines, each ended by CR LF, named after the route and the train, written
// by the run before the compile.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "cartella_temporanea.h"
#include "documento_prova.h"
#include "documenti/dati_note.h"
#include "documenti/dati_rallentamenti.h"
#include "documenti/dati_scheda.h"
#include "generazione/errore.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/scrivi_righe.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;

struct documento {
  const char* nome;
  prova::scrittore_documento scrivi;
  prova::nome_documento nome_file;
  size_t n_righe;
  std::set<size_t> righe_vuote;  // numbered from 1
  bool solo_7_bit;
};

const documento documenti[] = {
    {"note", dati_note, nome_note, 33, {4, 6, 7, 18, 19}, false},
    {"rallentamenti", dati_rallentamenti, nome_rallentamenti, 47, {1, 6, 38}, true},
    {"scheda", dati_scheda, nome_scheda_treno, 52, {1, 2, 12, 52}, true},
};

TEST(Documenti, FixedLinesEndedByCrLfWithoutTheMarker) {
  for (const documento& d : documenti) {
    std::string testo = prova::testo_documento(d.scrivi, d.nome_file);
    std::vector<std::string> righe = prova::righe_crlf(testo);
    ASSERT_EQ(righe.size(), d.n_righe) << d.nome;
    for (size_t n = 1; n <= righe.size(); ++n) {
      EXPECT_EQ(righe[n - 1].empty(), d.righe_vuote.count(n) == 1) << d.nome << " line " << n;
    }
    EXPECT_EQ(testo.find(marcatore_fine), std::string::npos) << d.nome;
    if (d.solo_7_bit) {
      EXPECT_TRUE(std::all_of(testo.begin(), testo.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
      })) << d.nome;
    }
  }
}

TEST(Documenti, AnotherTrainNumberChangesTheFileNameOnly) {
  for (const documento& d : documenti) {
    cartella_temporanea cartella;
    const std::string nome = d.nome_file("Lorvento-Basalto", "99001");
    d.scrivi(cartella / nome);
    EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{nome}) << d.nome;
    EXPECT_EQ(leggi_file(cartella / nome), prova::testo_documento(d.scrivi, d.nome_file)) << d.nome;
  }
}

TEST(Documenti, TheRunLeavesThemInItsDirectory) {
  cartella_temporanea cartella;
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  esegui_generazione(cartella.percorso(), f, errori);
  const std::string linea = linea_predefinita, treno = treno_predefinito;
  for (const documento& d : documenti) {
    EXPECT_EQ(leggi_file(cartella / d.nome_file(linea, treno)),
              prova::testo_documento(d.scrivi, d.nome_file))
        << d.nome;
  }
}

// Notes, then the order, then the sheet, all before the compile: a failure
// on the order leaves the notes alone on disk.
TEST(Documenti, TheRunWritesThemInTheirOrderBeforeTheCompile) {
  cartella_temporanea cartella;
  const std::string linea = linea_predefinita, treno = treno_predefinito;
  std::filesystem::create_directory(cartella / nome_rallentamenti(linea, treno));
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  EXPECT_EQ(esegui_generazione(cartella.percorso(), f, errori), stato_uscita::errore_file);
  EXPECT_TRUE(std::filesystem::is_regular_file(cartella / nome_note(linea, treno)));
  for (const std::string& nome :
       {nome_scheda_treno(linea, treno), nome_elementi(linea, treno), nome_celle(linea, treno)}) {
    EXPECT_FALSE(std::filesystem::exists(cartella / nome)) << nome;
  }
}

}  // namespace
}  // namespace scenario
