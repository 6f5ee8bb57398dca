#include "documenti/dati_rallentamenti.h"

#include <gtest/gtest.h>

#include <array>

#include "documento_prova.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {
namespace {

std::vector<std::string> righe_ordine() {
  return prova::righe_crlf(prova::testo_documento(dati_rallentamenti, nome_rallentamenti));
}

TEST(DatiRallentamenti, EveryLineAsPrinted) {
  std::vector<std::string> attese = {
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " ________________________________________________________________________________",
      "  Linea  Lorvento-Basalto",
      "",
      "  Si ordina al macchinista del treno 27364 di effettuare i seguenti rallentamenti",
      "  _______________________________________________________________________________",
      " |   |                            |Inizio dopo |          |         |            |",
      " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
      " |   |   (o nelle Stazioni di)    |chilometrico|  (Km/h)  |  metri  | specifiche |",
      " |___|____________________________|____________|__________|_________|____________|",
      " | 1 | Valcand.-C.vieri           |      7     |    40    |   450   |     A      |",
      " | 2 | Torre Salvina-Colleardo    |     63     |    25    |   950   |    ---     |",
      " | 3 | Piana dei Mirti-Pratom. L. |     53     |    70    |    50   |   A-D-E    |",
      " | 4 | Acquafonda-San Lidano      |     38     |    30    |  1500   |    ---     |",
      " | 5 | Ponte Orsaro-Rivalta Nuova |     16     |    75    |  3450   |     A      |",
  };
  attese.insert(
      attese.end(), 19,
      " |   |                            |            |          |         |            |");
  attese.insert(
      attese.end(),
      {
          " |___|____________________________|____________|__________|_________|____________|",
          "",
          "              Prescrizioni specifiche",
          " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
          " B - Interessa anche la stazione di.......",
          " C - Rallentamneto N. ... e N. ...  sono contigui",
          " D - Da rispettare dalle ore 7.00  alle ore 21.00 di tutti",
          "     i giorni.",
          " E - Segnale di avviso non preceduto da pannelli distanziometrici",
          " F - Preceduto da fermata",
          " G - Con pilotaggio e fermata anche dopo il rallentamento",
      });
  std::vector<std::string> righe = righe_ordine();
  ASSERT_EQ(righe.size(), attese.size());
  for (size_t i = 0; i < righe.size(); ++i) EXPECT_EQ(righe[i], attese[i]) << "line " << i + 1;
}

TEST(DatiRallentamenti, WidthsOfTheRulesAndOfTheTable) {
  std::vector<std::string> righe = righe_ordine();
  ASSERT_EQ(righe.size(), 47u);
  EXPECT_EQ(righe[3].size(), 81u);
  EXPECT_EQ(righe[7].size(), 81u);
  for (size_t n = 9; n <= 37; ++n) {
    EXPECT_EQ(righe[n - 1].size(), 82u) << "line " << n;
    for (size_t colonna : {1, 5, 34, 47, 58, 68, 81}) {
      EXPECT_EQ(righe[n - 1][colonna], '|') << "line " << n << " column " << colonna;
    }
  }
}

// Each section names, as the line's description does, the two stations
// around the slow-down of the train description that the row stands for.
TEST(DatiRallentamenti, SectionsAreThoseAroundTheSlowDowns) {
  const auto& st = luoghi::stazioni;
  struct sezione {
    size_t riga;
    int32_t posizione;  // of the slow-down in the train description
    size_t da;          // index of the station before it
    std::string atteso;
  };
  const sezione sezioni[] = {
      {13, 9500, 3, "Valcand.-C.vieri"},
      {14, 38000, 10, std::string(st[10].nome) + "-" + std::string(st[11].nome)},
      {15, 47500, 12, std::string(st[12].nome) + "-Pratom. L."},
      {16, 62500, 15, std::string(st[15].nome) + "-" + std::string(st[16].nome)},
      {17, 85150, 18, std::string(st[18].nome) + "-" + std::string(st[19].nome)},
  };
  std::vector<std::string> righe = righe_ordine();
  ASSERT_EQ(righe.size(), 47u);
  for (const sezione& s : sezioni) {
    EXPECT_LT(st[s.da].posizione, s.posizione) << "line " << s.riga;
    EXPECT_GT(st[s.da + 1].posizione, s.posizione) << "line " << s.riga;
    std::string cella = " " + s.atteso;
    cella.resize(28, ' ');
    EXPECT_EQ(righe[s.riga - 1].substr(6, 28), cella) << "line " << s.riga;
  }
  EXPECT_EQ(righe[4],
            "  Linea  " + std::string(luoghi::origine_breve) + "-" + std::string(st.back().nome));
}

}  // namespace
}  // namespace scenario
