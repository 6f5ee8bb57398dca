#include "documenti/dati_scheda.h"

#include <gtest/gtest.h>

#include <array>

#include "documento_prova.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {
namespace {

std::vector<std::string> righe_scheda() {
  return prova::righe_crlf(prova::testo_documento(dati_scheda, nome_scheda_treno));
}

TEST(DatiScheda, EveryLineAsPrinted) {
  const std::array<const char*, 52> attese = {
      "",
      "",
      "  ___________________                                               ______________",
      " |                   |                    SCHEDA                   |              |",
      " |   TRENO n.27364   |                   da: Lorvento              |    V140 B    |",
      " |___________________|                    a: Basalto               |     105%     |",
      "                                                                   |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |         R         |              |      250T         |",
      " |___________________|              |___________________|",
      "",
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      " |_____|_____|__________|_____|____________________________|________________|_____|",
      " |  30 |  30 |    0.000 |  30 | LORVENTO                   |          18.30 |     |",
      " | 105 |  60 |          | 105 |     C.C.Km.0,900           |                |     |",
      " |  60 |     |    2.050 |  60 | BIVIO CARDETO              |      18.33     |     |",
      " |  85 |     |    3.250 |  85 | BIVIO FONTESCURA           |      18.36     | 1.0 |",
      " |     |     |    5.750 |     |                            |                |     |",
      " |     |     |          |     |                            |                |     |",
      " |     |     |    3.250 |     | VALCANDIDA                 | 18.40    18.42 | 1.0 |",
      " |     |     |    3.750 |     |                            |                |     |",
      " |     |     |          |     |                            |                |     |",
      " | 140 |  80 |          | 120 |     Cippo Km.6,000         |                |     |",
      " | 105 |     |          | 105 |     Cippo Km.10,000        |                |     |",
      " | 140 |  90 |   12.250 | 120 | CASTELVIERI                | 18.50    18.51 | 3.0 |",
      " |     |     |   15.900 |     | Poggiolento                |      18.55     | 1.0 |",
      " |     |     |   19.600 |     | BORGO TESSARO              | 18.58    18.59 | 0.5 |",
      " |     |     |   24.450 |     | Casalvento                 |      19.04     | 1.5 |",
      " |     |     |   27.000 |     | MONTECRESPO                |      19.07     | 1.5 |",
      " |     |     |   31.550 |     | BIVIO SANT'IRENE           |      19.09     | 0.5 |",
      " |  65 |  65 |   33.500 |  65 | TORRE SALVINA              | 19.12    19.14 | 0.5 |",
      " |     |     |   64.600 |     |                            |                |     |",
      " |     |     |          |     |                            |                |     |",
      " | 110 | 110 |          | 110 |     Cippo Km.63,000        |                |     |",
      " | 120 | 120 |   59.550 | 120 | COLLEARDO                  | 19.19    19.20 |     |",
      " |     | 110 |   53.750 |     | Piana dei Mirti            | 19.24+   19.25 |     |",
      " |     | 120 |   49.850 |     | PRATOMAGRO-LENZI           | 19.29+   19.30 | 0.5 |",
      " |     |     |   42.900 |     | RIVA SOTTANA               | 19.35    19.36 |     |",
      " |     | 110 |   39.000 |     | Acquafonda                 | 19.39+   19.40 |     |",
      " |     | 120 |   33.500 |     | SAN LIDANO                 | 19.45    19.46 | 0.5 |",
      " |     |     |   25.950 |     | MARAZZONE                  | 19.52    19.53 |     |",
      " |     |     |   17.150 |     | PONTE ORSARO               | 19.59    20.00 |     |",
      " | 105 | 105 |          | 105 |     Cippo Km.13,000        |                |     |",
      " | 120 | 120 |   10.850 | 120 | RIVALTA NUOVA              | 20.05    20.06 |     |",
      " |     |     |    5.240 |     | P.M. Km.5,240              |      20.10     |     |",
      " |  60 |  60 |          |  60 |     Cippo Km.2,000         |                |     |",
      " |     |     |    0.000 |     | BASALTO                    | 20.15          | 1.5 |",
      " |_____|_____|__________|_____|____________________________|________________|_____|",
      "",
  };
  std::vector<std::string> righe = righe_scheda();
  ASSERT_EQ(righe.size(), attese.size());
  for (size_t i = 0; i < righe.size(); ++i) EXPECT_EQ(righe[i], attese[i]) << "line " << i + 1;
}

TEST(DatiScheda, WidthsOfTheBoxesAndOfTheTable) {
  std::vector<std::string> righe = righe_scheda();
  ASSERT_EQ(righe.size(), 52u);
  auto larghezza_attesa = [](size_t n) -> size_t {
    if (n == 3 || n == 13) return 82;
    if (n >= 4 && n <= 7) return 83;
    if (n == 8) return 56;
    if (n == 9) return 64;  // seven trailing spaces
    if (n == 10 || n == 11) return 57;
    if (n >= 14 && n <= 51) return 83;
    return 0;
  };
  for (size_t n = 1; n <= righe.size(); ++n) {
    EXPECT_EQ(righe[n - 1].size(), larghezza_attesa(n)) << "line " << n;
  }
  // Every table line has its bars at the same columns.
  for (size_t n = 14; n <= 51; ++n) {
    for (size_t colonna : {1, 7, 13, 24, 30, 59, 76, 82}) {
      EXPECT_EQ(righe[n - 1][colonna], '|') << "line " << n << " column " << colonna;
    }
  }
}

// The sheet names the places of the route in the order the train meets them,
// as the descriptions of the line and the train name them.
TEST(DatiScheda, TheNamedRowsAreThePlacesOfTheRoute) {
  struct riga_con_nome {
    size_t riga;
    bool maiuscole;
  };
  const std::array<riga_con_nome, 21> righe_con_nome = {{
      {17, true},  {19, true},  {20, true}, {23, true}, {28, true}, {29, false}, {30, true},
      {31, false}, {32, true},  {33, true}, {34, true}, {38, true}, {39, false}, {40, true},
      {41, true},  {42, false}, {43, true}, {44, true}, {45, true}, {47, true},  {50, true},
  }};
  auto maiuscolo = [](std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
  };
  std::vector<std::string> righe = righe_scheda();
  ASSERT_EQ(righe.size(), 52u);
  for (size_t i = 0; i < righe_con_nome.size(); ++i) {
    const riga_con_nome& r = righe_con_nome[i];
    std::string_view nome = i == 0 ? luoghi::origine_breve : luoghi::stazioni[i].nome;
    std::string atteso = " " + (r.maiuscole ? maiuscolo(nome) : std::string(nome));
    atteso.resize(28, ' ');
    EXPECT_EQ(righe[r.riga - 1].substr(31, 28), atteso) << "line " << r.riga;
  }
  EXPECT_NE(righe[4].find("da: " + std::string(luoghi::origine_breve) + " "), std::string::npos);
  EXPECT_NE(righe[5].find("a: " + std::string(luoghi::stazioni.back().nome) + " "),
            std::string::npos);
}

}  // namespace
}  // namespace scenario
