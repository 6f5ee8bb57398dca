#include "generazione/errore.h"

#include <gtest/gtest.h>

#include <sstream>

namespace scenario {
namespace {

TEST(Errore, ShowsTheNumberAndEndsTheRun) {
  EXPECT_EQ(messaggio_errore("1250"), " Errore n. 1250");
  EXPECT_EQ(messaggio_errore("1250").size(), 15u);

  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  EXPECT_EQ(mostra_errore_fatale(f, 1251), stato_uscita::errore_mostrato);
  EXPECT_EQ(errori.str(), " Errore n. 1251\n");
  EXPECT_EQ(uscita.str(), "");
}

TEST(Errore, ARecordedErrorShowsItsPositionOnlyWhereItRecordsOne) {
  const struct {
    int32_t n_errore;
    int32_t pos_errore;
    const char* atteso;
  } casi[] = {
      {16, 38200, " Errore n. 16, posizione 38200 m"},
      {13, 0, " Errore n. 13, posizione 0 m"},
      {15, -50, " Errore n. 15, posizione -50 m"},
      // pos_errore still holds the position of an earlier error.
      {25, 38200, " Errore n. 25"},
      {104, 0, " Errore n. 104"},
  };
  for (const auto& c : casi) {
    modello m;
    m.n_errore = c.n_errore;
    m.pos_errore = c.pos_errore;
    EXPECT_EQ(messaggio_errore_registrato(m), c.atteso);
  }
}

}  // namespace
}  // namespace scenario
