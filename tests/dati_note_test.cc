#include "documenti/dati_note.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "documento_prova.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {
namespace {

std::string testo_note() { return prova::testo_documento(dati_note, nome_note); }

TEST(DatiNote, EveryLineHasItsLength) {
  const std::array<size_t, 33> lunghezze = {78,  50,  57, 0,   16, 0,  0,  26,  289, 322, 617,
                                            179, 87,  73, 128, 31, 23, 0,  0,   37,  142, 198,
                                            69,  105, 67, 100, 7,  95, 98, 101, 126, 6,   525};
  std::vector<std::string> righe = prova::righe_crlf(testo_note());
  ASSERT_EQ(righe.size(), lunghezze.size());
  for (size_t i = 0; i < righe.size(); ++i) {
    EXPECT_EQ(righe[i].size(), lunghezze[i]) << "line " << i + 1;
  }
}

TEST(DatiNote, QuotedLinesAndTheFormOfTheOthers) {
  std::vector<std::string> righe = prova::righe_crlf(testo_note());
  ASSERT_EQ(righe.size(), 33u);
  EXPECT_EQ(righe[4], "N.ro scenario: 5");
  EXPECT_EQ(righe[7], "***NOTE SUL TRENO 27364***");
  EXPECT_EQ(righe[15], "CONDIZIONI DI ADERENZA: Pessime");
  EXPECT_EQ(righe[16], "N.RO RALLENTAMENTI: ???");
  EXPECT_TRUE(
      std::regex_match(righe[19], std::regex(R"(\*\*\*NOTE SULLA LINEA [A-Z]+ [A-Z]+\*\*\*)")))
      << righe[19];
  EXPECT_EQ(righe[12].rfind("Attenzione:", 0), 0u);

  // The credits: three authors, each with a contact under the reserved domain.
  const std::regex autore(R"([A-Z][a-z]+ [A-Z][a-z]+ - [a-z0-9.]+@example\.org)");
  EXPECT_EQ(righe[0].substr(0, 24), "Autori dello scenario:  ");
  EXPECT_TRUE(std::regex_match(righe[0].substr(24), autore)) << righe[0];
  for (size_t i : {1, 2}) {
    EXPECT_EQ(righe[i].substr(0, 18), std::string(18, ' '));
    EXPECT_TRUE(std::regex_match(righe[i].substr(18), autore)) << righe[i];
  }
  std::string testo = testo_note();
  EXPECT_EQ(std::count(testo.begin(), testo.end(), '@'), 3);

  // A sentence carried over to the next line: the break is between words.
  for (size_t n : {22, 24, 26, 29, 30, 31}) {
    EXPECT_NE(righe[n - 1].back(), '.') << "line " << n;
    EXPECT_NE(righe[n - 1].back(), ' ') << "line " << n;
    EXPECT_TRUE(std::islower(static_cast<unsigned char>(righe[n][0]))) << "line " << n + 1;
  }
}

TEST(DatiNote, AccentedVowelsAreSingleWindows1252Bytes) {
  std::string testo = testo_note();
  const std::string accentate = "\xe0\xe8\xec\xf2\xf9";  // à è ì ò ù
  for (char c : testo) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      EXPECT_NE(accentate.find(c), std::string::npos)
          << "byte " << static_cast<int>(static_cast<unsigned char>(c));
    }
  }
  for (char c : accentate) {
    EXPECT_NE(testo.find(c), std::string::npos) << static_cast<int>(static_cast<unsigned char>(c));
  }
}

// The notes speak of the places that the sheet and the descriptions name.
TEST(DatiNote, TheyNameThePlacesOfTheRoute) {
  std::string testo = testo_note();
  const auto& st = luoghi::stazioni;
  for (std::string_view nome : {st[0].nome, st[1].nome, st[2].nome, st[10].nome, st.back().nome}) {
    EXPECT_NE(testo.find(nome), std::string::npos) << nome;
  }
  // The 60 km/h between the two junctions is the line's limit from 1950 m to 3150 m.
  EXPECT_NE(testo.find("Tra " + std::string(st[1].nome) + " e " + std::string(st[2].nome)),
            std::string::npos);
  EXPECT_LE(st[1].posizione, 3150);
  EXPECT_GE(st[2].posizione, 1950);
}

}  // namespace
}  // namespace scenario
