#include "compilazione/parole_chiave.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario {
namespace {

// The test without a lowered copy finds a word exactly where the lowered copy
// does: capitals, accented capitals and bytes that are not UTF-8 around it or
// inside it.
TEST(ParoleChiave, IgnoringCaseFindsWhatTheLoweredFieldHolds) {
  const struct {
    std::string campo;
    std::string parola;
    bool atteso;
  } casi[] = {
      {"curvad3", "curva", true},
      {"CurvaS2", "curva", true},
      {"  [GENERALE] ", "[generale]", true},
      {"Pendénza", "pendenza", false},
      {"\xc3\x80PENDENZA\xc3\x80", "pendenza", true},  // À before and after
      {"PEN\xc3\x80"
       "DENZA",
       "pendenza", false},  // À inside
      {"\xff"
       "MONTAGNA\x80",
       "montagna", true},  // bytes that are not UTF-8
      {"INDICATORI_V", "indicatori_v", true},
      {"indicatori-v", "indicatori_v", false},
      {"curv", "curva", false},
      {"", "curva", false},
      {"\xc3\x80rea", "\xc3\xa0rea", true},  // a word that is not ASCII: À lowered
      {"\xc3\xa0rea", "\xc3\xa0rea", true},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(contiene_senza_maiuscole(c.campo, c.parola), c.atteso) << c.campo << " " << c.parola;
    EXPECT_EQ(contiene_senza_maiuscole(c.campo, c.parola),
              minuscolo(c.campo).find(c.parola) != std::string::npos)
        << c.campo << " " << c.parola;
  }
}

}  // namespace
}  // namespace scenario
