#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/distanza_modifica.h"

namespace scenario {
namespace {

TEST(DistanzaModifica, CountsEachEditOnceAndASwapAsOne) {
  const struct {
    std::string a, b;
    size_t distanza;
  } casi[] = {
      {"", "", 0},
      {"", "abc", 3},
      {"stazione", "stazione", 0},
      {"stazoine", "stazione", 1},  // a swap of two neighbours
      {"stazine", "stazione", 1},
      {"stazionee", "stazione", 1},
      {"stazjone", "stazione", 1},
      {"STAZIONE", "stazione", 0},
      {"[generali]", "[generale]", 1},
      {"ca", "abc", 3},  // no substring is edited twice
      {"abcdef", "badcfe", 3},
      {"uno", "due", 3},
      {"X-linea.txt", "X_linea.txt", 1},
  };
  for (const auto& c : casi) {
    EXPECT_EQ(distanza_modifica(c.a, c.b, 10), c.distanza) << c.a << " / " << c.b;
    EXPECT_EQ(distanza_modifica(c.b, c.a, 10), c.distanza) << c.b << " / " << c.a;
  }
  EXPECT_EQ(distanza_modifica("Linea", "linea", 10, false), 1u);
  EXPECT_EQ(distanza_modifica("\xC8", "\xE8", 10), 1u) << "only A-Z are folded";
}

// Past the limit the answer is limit + 1, also for words far longer than the
// limit allows, which are not compared at all.
TEST(DistanzaModifica, StopsPastItsLimit) {
  EXPECT_EQ(distanza_modifica("abcdef", "uvwxyz", 2), 3u);
  EXPECT_EQ(distanza_modifica("abcdef", "abcdxy", 2), 2u);
  EXPECT_EQ(distanza_modifica(std::string(1000000, 'a'), "stazione", 2), 3u);
  EXPECT_EQ(distanza_modifica("stazione", "", 0), 1u);
}

// Which word of a table a written word is a typo of: the nearest within 2
// edits and fewer than half its length, the first on a tie, none otherwise.
TEST(DistanzaModifica, ChoosesTheNearestPlausibleCandidate) {
  const std::vector<std::string_view> parole = {"stazione", "segnale", "sabbia",     "uno",   "due",
                                                "curvas",   "curvad",  "[generale]", "[fine]"};
  const struct {
    std::string scritta;
    std::string attesa;  // empty: none
  } casi[] = {
      {"stazoine", "stazione"},
      {"Stazione", "stazione"},
      {"stazzione", "stazione"},
      {"segnalle", "segnale"},
      {"sabia", "sabbia"},
      {"[generali]", "[generale]"},
      {"[fin]", "[fine]"},
      {"curvax", "curvas"},
      {"duo", "due"},
      {"tre", ""},
      {"uno due", ""},
      {"stz", ""},
      {"fine", ""},
      {"", ""},
      {"sabbiatura", ""},
      {"stazioni di", ""},
      {"x", ""},
  };
  for (const auto& c : casi) {
    const std::optional<size_t> i = piu_vicina(c.scritta, parole);
    EXPECT_EQ(i ? std::string(parole[*i]) : std::string(), c.attesa) << c.scritta;
  }
}

TEST(DistanzaModifica, ATypoHasAtMostTwoEditsAndFewerThanHalfItsLength) {
  const size_t attesi[] = {0, 0, 0, 1, 1, 2, 2, 2, 2, 2};
  for (size_t n = 0; n < std::size(attesi); ++n) EXPECT_EQ(refusi_ammessi(n), attesi[n]) << n;
  EXPECT_EQ(refusi_ammessi(1000), 2u);
}

}  // namespace
}  // namespace scenario
