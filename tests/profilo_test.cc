#include "disegno/profilo.h"

#include <gtest/gtest.h>

#include "scenario_di_prova.h"

namespace scenario {
namespace {

TEST(Profilo, ALongRouteSplitsItsProfileIntoPagesOfAHundredKilometres) {
  modello m;
  const struct {
    int32_t lunghezza;
    int pagine;
  } casi[] = {{3000, 1}, {103000, 1}, {120000, 1}, {120050, 2}, {1000000, 10}};
  for (const auto& c : casi) {
    m.elementi[elemento_linea].fine = c.lunghezza;
    EXPECT_EQ(pagine_profilo(m), c.pagine) << c.lunghezza;
  }
}

TEST(Profilo, ChainageFromTheKilometricProgressives) {
  auto m = prova::scenario_predefinito();
  // uno: from 3000 m, 9100; due: from 5800 m, -2000; tre: from 35400 m, 100250.
  EXPECT_EQ(progressiva_di(*m, 0), 6100);
  EXPECT_EQ(progressiva_di(*m, 3000), 9100);
  EXPECT_EQ(progressiva_di(*m, 5799), 11899);
  EXPECT_EQ(progressiva_di(*m, 5800), -2000);
  EXPECT_EQ(progressiva_di(*m, 35400), 100250);
}

}  // namespace
}  // namespace scenario
