#include "compilazione/codici_controllo.h"

#include <gtest/gtest.h>

#include <string>

#include "modello/numeri_errore.h"

namespace scenario {
namespace {

// A compiled model as the check codes find it: the identifiers in the header
// records and a grid of a few cells.
modello compilato(const std::string& treno, const std::string& linea) {
  modello m;
  m.elementi[elemento_testata_treno].testo = treno;
  m.elementi[elemento_testata_percorso].testo = linea;
  m.n_celle = 3;
  m.celle.assign(4, cella{});
  return m;
}

TEST(CodiciControllo, BuiltInIdentifiersFillTheFourReservedValues) {
  modello m = compilato("27364", "Lorvento-Basalto");
  EXPECT_EQ(codici_controllo(m), numero_errore::nessuno);
  EXPECT_EQ(m.elementi[elemento_testata_percorso].dato_d, 610);
  EXPECT_EQ(m.celle[1].val1, 5121);
  EXPECT_EQ(m.elementi[elemento_testata_percorso].orario, 32466);
  EXPECT_EQ(m.celle[1].val2, 2328);
  EXPECT_EQ(m.riga, "27364lorvento-basaltoaabbccddeeffgghhiillmmnnoo");
  // The rest of the grid and of the header records is not touched.
  EXPECT_EQ(m.celle[1].tipo, 0);
  EXPECT_EQ(m.celle[0].val1, 0);
  EXPECT_EQ(m.elementi[elemento_testata_treno].dato_d, 0);
  EXPECT_EQ(m.elementi[elemento_testata_treno].orario, 0);
}

TEST(CodiciControllo, CodesOfTheFirst25CharactersOfTheLowerCasedString) {
  const struct {
    const char* treno;
    const char* linea;
    int32_t st;
    int32_t og;
  } casi[] = {
      {"27364", "Lorvento-Basalto", 32466, 2328},
      {"27364", "LORVENTO-BASALTO", 32466, 2328},
      // Windows-1252 codes, not UTF-8 bytes: a grave a counts 224.
      {"27364", "citt\u00e0", 33542, 2426},
      {"27364", "CITT\u00c0", 33542, 2426},
      // 25 characters or more: the fixed text plays no part.
      {"1234567890", "abcdefghijklmno", 31285, 2085},
      {"1234567890", "ABCDEFGHIJKLMNO", 31285, 2085},
      {"1234567890", "abcdefghijklmnoPQRSTUVWXYZ", 31285, 2085},
      // Short identifiers take the rest from the start of the fixed text.
      {"1", "A", 33907, 2508},
      // Letters that Windows-1252 lacks count as "?".
      {"27364", "\u0141\u00f3d\u017a", 32543, 2339},
      {"27364", "?\u00f3d?", 32543, 2339},
  };
  for (const auto& c : casi) {
    modello m = compilato(c.treno, c.linea);
    EXPECT_EQ(codice_gara_st(m), c.st) << c.treno << " " << c.linea;
    EXPECT_EQ(codice_gara_og(m), c.og) << c.treno << " " << c.linea;
    // A second call gives the same.
    EXPECT_EQ(codice_gara_st(m), c.st) << c.treno << " " << c.linea;
  }
}

TEST(CodiciControllo, FilledPlacesAreReturnedAsTheirError) {
  const struct {
    const char* nome;
    void (*riempi)(modello&);
    int32_t errore;
    int16_t dato_d_dopo;
  } casi[] = {
      {"dato_d", [](modello& m) { m.elementi[elemento_testata_percorso].dato_d = 1; },
       numero_errore::valori_riservati_occupati, 1},
      {"val1", [](modello& m) { m.celle[1].val1 = -1; }, numero_errore::valori_riservati_occupati, 0},
      {"orario", [](modello& m) { m.elementi[elemento_testata_percorso].orario = 7; },
       numero_errore::codici_controllo_occupati, 610},
      {"val2", [](modello& m) { m.celle[1].val2 = 1; }, numero_errore::codici_controllo_occupati, 610},
      {"dato_d and orario: 1251 is not looked at",
       [](modello& m) {
         m.elementi[elemento_testata_percorso].dato_d = 1;
         m.elementi[elemento_testata_percorso].orario = 7;
       },
       numero_errore::valori_riservati_occupati, 1},
  };
  for (const auto& c : casi) {
    modello m = compilato("27364", "Lorvento-Basalto");
    m.n_errore = 16;
    c.riempi(m);
    modello prima = m;
    EXPECT_EQ(codici_controllo(m), c.errore) << c.nome;
    EXPECT_EQ(m.n_errore, 16) << c.nome;
    EXPECT_EQ(m.elementi[elemento_testata_percorso].dato_d, c.dato_d_dopo) << c.nome;
    // No code was computed.
    EXPECT_EQ(m.elementi[elemento_testata_percorso].orario,
              prima.elementi[elemento_testata_percorso].orario)
        << c.nome;
    EXPECT_EQ(m.celle[1].val2, prima.celle[1].val2) << c.nome;
  }
}

}  // namespace
}  // namespace scenario
