#include "run/errore.h"

#include <gtest/gtest.h>

#include <sstream>

namespace scenario {
namespace {

TEST(Errore, ShowsTheNumberAndEndsTheRun) {
  EXPECT_EQ(messaggio_errore("1250"), " Errore n. 1250");
  EXPECT_EQ(messaggio_errore("1250").size(), 15u);

  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  modello m;
  try {
    errore(m, f, "1251");
    FAIL() << "errore returned";
  } catch (const fine_programma& fine) {
    EXPECT_EQ(fine.stato, stato_uscita::errore_mostrato);
  }
  EXPECT_EQ(errori.str(), " Errore n. 1251\n");
  EXPECT_EQ(uscita.str(), "");
  EXPECT_EQ(m.risposta, risposta_ok);
}

}  // namespace
}  // namespace scenario
