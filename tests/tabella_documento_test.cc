#include "documenti/tabella_documento.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

TEST(TabellaDocumento, CellsAreAlignedAndNeverCut) {
  struct caso {
    std::string ottenuto, atteso;
  } casi[] = {
      {a_sinistra("ab", 5), "ab   "},          {a_sinistra("abcdef", 3), "abcdef"},
      {a_destra("63", 7), "     63"},          {a_destra("12345678", 7), "12345678"},
      {centrato("A", 12), "     A      "},     {centrato("---", 12), "    ---     "},
      {centrato("A-D-E", 12), "   A-D-E    "}, {centrato("abcdef", 3), "abcdef"},
  };
  for (const caso& c : casi) EXPECT_EQ(c.ottenuto, c.atteso);
}

TEST(TabellaDocumento, NumbersWithDecimals) {
  struct caso {
    int32_t valore;
    int decimali;
    const char* atteso;
  } casi[] = {{12250, 3, "12.250"}, {0, 3, "0.000"}, {5240, 3, "5.240"}, {64600, 3, "64.600"},
              {5, 1, "0.5"},        {30, 1, "3.0"},  {7, 0, "7"},        {-15, 1, "-1.5"}};
  for (const caso& c : casi) {
    EXPECT_EQ(con_decimali(c.valore, c.decimali), c.atteso) << c.valore << " " << c.decimali;
  }
}

TEST(TabellaDocumento, LinesOfATable) {
  const std::array<size_t, 3> larghezze = {3, 5, 2};
  const std::vector<std::string> celle = {" 1", "abc"};
  EXPECT_EQ(riga_tabella(larghezze, celle), " | 1 |abc  |  |");
  EXPECT_EQ(riga_tabella(larghezze, {}), " |   |     |  |");
  EXPECT_EQ(riga_filetto(larghezze), " |___|_____|__|");
  EXPECT_EQ(riga_copertura(larghezze), "  ____________");
}

TEST(TabellaDocumento, ADocumentIsItsLinesUpToTheMarker) {
  prova::cartella_temporanea cartella;
  const std::vector<std::string> righe = {"uno", "", "tre"};
  scrivi_documento(cartella / "d.txt", righe);
  EXPECT_EQ(prova::leggi_file(cartella / "d.txt"), "uno\r\n\r\ntre\r\n");

  // The list has room for 1000 lines and the marker.
  const std::vector<std::string> troppe(1001, "x");
  EXPECT_THROW(scrivi_documento(cartella / "e.txt", troppe), std::length_error);
  scrivi_documento(cartella / "e.txt", std::vector<std::string>(1000, "x"));
  EXPECT_EQ(prova::leggi_file(cartella / "e.txt").size(), 3000u);
}

}  // namespace
}  // namespace scenario
