#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "base/stato_uscita.h"
#include "cartella_temporanea.h"
#include "compilazione/grammatica.h"
#ifndef _WIN32
#include "esegui_generatore.h"
#endif
#include "file_compilati/file_compilati.h"
#include "scenario_di_prova.h"

namespace scenario {
namespace {

using namespace grammatica;

// Every value of every row says what becomes of it: "stored" alone tells an
// author nothing.
TEST(SignificatoCampi, EveryFieldSaysWhatBecomesOfIt) {
  for (const voce* v : tutte) {
    for (const campo& c : v->campi) {
      EXPECT_GT(c.significato.size(), std::string_view("stored").size())
          << v->nome << ": " << c.nome;
    }
  }
}

// The bytes that the reference names for the station values a to l are those
// that the element table's writer puts them in: a station row with a distinct
// value in each, compiled and encoded, holds each where its meaning says.
TEST(SignificatoCampi, StationValuesLieInTheBytesTheirMeaningNames) {
  const std::string treno =
      "[generale]\r\n"
      "[stazioni]\r\n"
      "stazione, 0, 8, 500, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 8, 30, 0, Alfa\r\n"
      "stazione, 2600, 25, 600, 11, 12, 13, 1400, 1500, 16, 1700, 1800, 1900, 20, 8, 34, 0, "
      "Beta\r\n"
      "[fine]\r\n";
  auto m = prova::compila_scenario(prova::linea_minuscola, treno);
  ASSERT_EQ(m->n_errore, 0);
  std::string record;
  codifica_elemento(record, m->elementi[2]);
  const size_t n = m->elementi[2].testo.size();
  const std::regex byte_citati(R"(bytes? (\d+)( \+ n)?)");
  struct caso {
    std::string_view nome;
    int64_t atteso;
  };
  const caso casi[] = {{"a", 11}, {"b", 12},   {"c", 13},   {"d", 1400}, {"e", 1500},
                       {"f", 16}, {"g", 1700}, {"h", 1800}, {"i", 1900}, {"l", 20}};
  for (const caso& k : casi) {
    const campo* c = nullptr;
    for (const campo& x : campi_stazione) {
      if (x.nome == k.nome) c = &x;
    }
    ASSERT_NE(c, nullptr) << k.nome;
    std::string significato(c->significato);
    std::smatch trovato;
    ASSERT_TRUE(std::regex_search(significato, trovato, byte_citati)) << significato;
    size_t offset = std::stoul(trovato[1].str()) + (trovato[2].matched ? n : 0);
    ASSERT_LT(offset + 1, record.size()) << k.nome;
    auto byte = [&](size_t i) { return static_cast<uint8_t>(record[i]); };
    int64_t letto = c->tipo == larghezza::u8
                        ? byte(offset)
                        : static_cast<int16_t>(byte(offset) | byte(offset + 1) << 8);
    EXPECT_EQ(letto, k.atteso) << k.nome << ": " << significato;
    EXPECT_EQ(valori_di(*c).massimo, c->tipo == larghezza::u8 ? 255 : 32767) << k.nome;
  }
}

// The executable on POSIX only: on Windows it is run by windows/prove-wine.
#ifndef _WIN32
TEST(SignificatoCampi, SpiegaStazioneShowsWhatAndTheRange) {
  prova::cartella_temporanea cartella;
  prova::esito_processo esito =
      prova::esegui_con_argomenti({"spiega", "stazione"}, cartella.percorso());
  EXPECT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
  for (std::string_view riga :
       {"| `a` | | 8-bit | 0 to 255 | stored as the record's dato_a (byte 13); no other use in "
        "the compile. The built-in rows hold 0 or 1 |",
        "| `d` | | 16-bit | -32768 to 32767 | stored as the record's dato_d (bytes 16 + n, 17 + "
        "n); no other use. The built-in rows hold 0, 1, 3 or 4 |"}) {
    EXPECT_NE(esito.uscita.find(riga), std::string::npos) << riga << "\n" << esito.uscita;
  }
}
#endif

}  // namespace
}  // namespace scenario
