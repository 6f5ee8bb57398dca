#include "descrizioni_incorporate/dati_treno.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

#include "cartella_temporanea.h"
#include "compilazione/compilatore_treno.h"
#include "compilazione/lettore_campi.h"
#include "modello/arrotonda.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/luoghi.h"
#include "descrizioni_incorporate/scrivi_righe.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;

class DatiTreno : public testing::Test {
 protected:
  DatiTreno() {
    m.linea = "Lorvento-Basalto";
    m.treno = "27364";
    dati_treno(cartella / nome_descrizione_treno(m.linea, m.treno));
    contenuto = prova::leggi_file(file());
    for (size_t inizio = 0, fine; (fine = contenuto.find("\r\n", inizio)) != std::string::npos;
         inizio = fine + 2) {
      righe.push_back(contenuto.substr(inizio, fine - inizio));
    }
  }

  std::filesystem::path file() const { return cartella / nome_descrizione_treno(m.linea, m.treno); }

  // The comma-separated values of the rows from line `da` to line `a`, the
  // keyword left out; a station's name is its last value.
  std::vector<std::vector<std::string>> valori(size_t da, size_t a) const {
    std::vector<std::vector<std::string>> tutti;
    for (size_t i = da; i <= a; ++i) {
      std::vector<std::string> campi;
      std::stringstream s(righe[i].substr(righe[i].find(',') + 1));
      for (std::string campo; std::getline(s, campo, ',');) {
        campi.push_back(campo.substr(campo.find_first_not_of(' ')));
      }
      tutti.push_back(campi);
    }
    return tutti;
  }

  modello m;
  cartella_temporanea cartella;
  std::string contenuto;
  std::vector<std::string> righe;
};

TEST_F(DatiTreno, TheFileAndItsQuotedRows) {
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"Lorvento-Basalto_27364-.txt"});
  ASSERT_EQ(righe.size(), 103u);
  EXPECT_EQ(contenuto.size(), [&] {
    size_t n = 0;
    for (const std::string& r : righe) n += r.size() + 2;
    return n;
  }());
  EXPECT_EQ(contenuto.find(marcatore_fine), std::string::npos);
  const std::map<size_t, std::string> attese = {
      {0, "[generale]"},
      {1, "numero vetture,    5"},
      {2, "percentuale massa frenata,    105"},
      {3, "sabbia,    50"},
      {4, "orologio,    18              29            50 "},
      {5, "[aderenze]"},
      {6, "aderenza,       0,   100"},
      {7, "aderenza,    1750,    70"},
      {8, "[vel_limite]"},
      {9, "velocita,       0,   105"},
      {10, "velocita,    1950,    60"},
      {16, "velocita,   14500,   140"},
      {23, "velocita,   98150,    60"},
      {24, "[stazioni]"},
      {46, "[rallentamenti]"},
      {47, "rallentamento,    9500,    40,  450, 1,  1,  40"},
      {48, "rallentamento,   38000,    25,  950, 0,  1,  0"},
      {49, "rallentamento,   47500,    70,   50, 1,  0,  0"},
      {50, "rallentamento,   62500,    30, 1500, 0,  1,  0"},
      {51, "rallentamento,   77550,    15,  100, 1,  1,  0"},
      {52, "rallentamento,   85150,    75, 3450, 1,  1,  0"},
      {53, "[segnali]"},
      {54, "segnale,     850,   2, 5, 6,  1, 0,    0,  0,0,0, 0"},
      {55, "segnale,    1950,   2, 2, 5,  6, 1,    0,  0,0,0, 0"},
      {56, "segnale,    3000,   2, 2, 3,  4, 1,    0,  0,0,0, 0"},
      {57, "segnale,    4700,   2, 2, 3,  1, 0,    0,  0,0,0, 0"},
      {58, "segnale,    7600,   2, 3, 0,  0, 0,    0,  0,0,0, 250"},
      {59, "segnale,   11400,   2, 3, 1,  0, 0,    2,  2,0,0, 250"},
      {69, "segnale,   38200,   1, 4, 1,  0, 0,    0,  0,0,0, 0"},
      {99, "segnale,   99250,   2, 3, 1,  1, 0,    0,  0,0,0, 0"},
      {100, "[codici]"},
      {101, "abbattimento,   19000,   AC"},
      {102, "[fine]"},
  };
  for (const auto& [i, testo] : attese) EXPECT_EQ(righe[i], testo) << "line " << i;
  for (size_t i = 0; i < righe.size(); ++i) {
    if (i != 4) {
      EXPECT_NE(righe[i].back(), ' ') << "line " << i;
    }
  }
}

TEST_F(DatiTreno, SpeedRows) {
  const int32_t attese[][2] = {{0, 105},     {1950, 60},   {3150, 85},   {4900, 30},   {5400, 85},
                               {7900, 140},  {11900, 105}, {14500, 140}, {34400, 30},  {35400, 65},
                               {37150, 110}, {40550, 120}, {87150, 105}, {89500, 120}, {98150, 60}};
  auto righe_velocita = valori(9, 23);
  for (size_t i = 0; i < 15; ++i) {
    EXPECT_EQ(std::stoi(righe_velocita[i][0]), attese[i][0]) << i;
    EXPECT_EQ(std::stoi(righe_velocita[i][1]), attese[i][1]) << i;
    EXPECT_EQ(righe[9 + i].size(), std::string("velocita,       0,   105").size()) << i;
  }
}

TEST_F(DatiTreno, StationRows) {
  auto stazioni = valori(25, 45);
  ASSERT_EQ(stazioni.size(), luoghi::stazioni.size());
  // The telling rows, by place: position and the 15 numbers after it.
  const std::map<size_t, std::vector<int>> attese = {
      {0, {0, 8, 500, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 18, 30, 0}},
      {1, {2050, 25, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {3, {5750, 4, 700, 1, 1, 0, 3, 1, 0, 2, 1, 1, 99, 18, 42, 0}},
      {4, {14250, 12, 300, 0, 0, 0, 1, 1, 0, 3, 1, 1, 55, 18, 51, 0}},
      {19, {89300, 12, 400, 0, 0, 1, 1, 1, 0, 4, 1, 1, 53, 20, 6, 0}},
      {20, {100400, 2, 600, 0, 0, 0, 1, 1, 0, 2, 1, 1, 0, 20, 15, 0}},
  };
  std::map<int, int> tipi;
  int senza_orario = 0;
  int orario_prima = 0;
  for (size_t i = 0; i < stazioni.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "station " << i + 1);
    const auto& s = stazioni[i];
    ASSERT_EQ(s.size(), 17u);
    std::vector<int> n;
    for (size_t j = 0; j < 16; ++j) n.push_back(std::stoi(s[j]));
    EXPECT_EQ(s[16], luoghi::stazioni[i].nome);
    EXPECT_EQ(n[0], luoghi::stazioni[i].posizione);
    if (attese.count(i)) {
      EXPECT_EQ(n, attese.at(i));
    }
    ++tipi[n[1]];
    EXPECT_TRUE(n[2] >= 200 && n[2] <= 700 && n[2] % 100 == 0) << n[2];
    for (int j : {3, 4, 5, 7, 10, 11}) EXPECT_TRUE(n[j] == 0 || n[j] == 1) << j;
    EXPECT_TRUE(n[6] == 0 || n[6] == 1 || n[6] == 3 || n[6] == 4);
    EXPECT_EQ(n[8], 0);
    EXPECT_TRUE(n[9] == 0 || n[9] == 2 || n[9] == 3 || n[9] == 4);
    EXPECT_TRUE(n[12] >= 0 && n[12] <= 150);
    EXPECT_EQ(n[15], 0);
    int orario = n[13] * 60 + n[14];
    if (orario == 0) {
      ++senza_orario;
    } else {
      EXPECT_GT(orario, orario_prima);
      orario_prima = orario;
    }
  }
  EXPECT_EQ(tipi,
            (std::map<int, int>{
                {2, 1}, {4, 2}, {8, 1}, {12, 6}, {23, 3}, {24, 1}, {25, 3}, {26, 1}, {28, 3}}));
  EXPECT_EQ(senza_orario, 6);
}

TEST_F(DatiTreno, SignalRows) {
  auto segnali = valori(54, 99);
  int dx_non_zero = 0;
  int prima = 0;
  for (size_t i = 0; i < segnali.size(); ++i) {
    ASSERT_EQ(segnali[i].size(), 11u);
    std::vector<int> v;
    for (const std::string& campo : segnali[i]) v.push_back(std::stoi(campo));
    auto [posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo] =
        std::tuple(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
    SCOPED_TRACE(testing::Message() << "signal at " << posizione);
    EXPECT_GT(posizione, prima);
    prima = posizione;
    EXPECT_TRUE(sx == 1 || sx == 2);
    EXPECT_TRUE(s1 >= 2 && s1 <= 5);
    EXPECT_TRUE(s2 >= 0 && s2 <= 6 && s3 >= 0 && s3 <= 6);
    EXPECT_TRUE(rapp == 0 || rapp == 1);
    EXPECT_TRUE(dx >= 0 && dx <= 2 && d1 >= 0 && d1 <= 3);
    EXPECT_EQ(d2, 0);
    EXPECT_EQ(d3, 0);
    dx_non_zero += dx != 0;
    if (tempo != 0) {
      EXPECT_TRUE(tempo >= 130 && tempo <= 255 && posizione >= 7600 && posizione <= 34400);
    }
    if (sx == 1) {
      EXPECT_GE(posizione, 38200);
      ASSERT_LT(i + 1, segnali.size());
      int dopo = std::stoi(segnali[i + 1][0]);
      EXPECT_EQ(segnali[i + 1][1], "2");
      EXPECT_TRUE(dopo - posizione >= 850 && dopo - posizione <= 1350) << dopo;
    }
  }
  EXPECT_EQ(segnali.size(), 46u);
  EXPECT_EQ(prima, 99250);
  EXPECT_EQ(dx_non_zero, 8);
}

// The whole description compiles on the grid of the built-in line, with the
// line's known boards in place and its 56 sign texts above the stations.
TEST_F(DatiTreno, TheBuiltInDescriptionCompilesWithoutError) {
  dimensiona(m, 103000);
  for (int32_t p : {900, 2750, 10050, 10250, 10450, 96650, 96950, 97250}) {
    m.celle[arrotonda_a<size_t>(p / 50.0 + 1)].tipo = tipo_cella::indicatore_v_max;
  }
  for (int32_t p : {16250, 17900, 42250, 94650, 94900, 99150}) {
    m.celle[arrotonda_a<size_t>(p / 50.0 + 1)].tipo = tipo_cella::cartello;
  }
  m.primo_testo_cartello = primo_elemento_testo - 56 + 1;
  lettore_campi descrizione = lettore_campi::da_file(file());
  compila_treno(m, descrizione);
  EXPECT_EQ(m.n_errore, 0);
  EXPECT_EQ(m.n_stazioni, 21);

  for (size_t r = 1; r <= 21; ++r) {
    EXPECT_EQ(m.elementi[r].testo, luoghi::stazioni[r - 1].nome) << r;
    EXPECT_EQ(m.elementi[r].posizione, luoghi::stazioni[r - 1].posizione) << r;
  }
  EXPECT_EQ(m.elementi[22].testo, "");
  EXPECT_EQ(m.elementi[4].orario, (18 * 60 + 42) * 60);
  EXPECT_EQ(m.elementi[elemento_linea].inizio, 105);
  EXPECT_EQ(m.elementi[elemento_testata_treno].dato_h, 29);

  std::map<int, int> per_tipo;
  for (const cella& c : m.celle) ++per_tipo[c.tipo];
  EXPECT_EQ(per_tipo[tipo_cella::segnale], 46);
  EXPECT_EQ(per_tipo[tipo_cella::inizio_rallentamento], 6);
  EXPECT_EQ(per_tipo[tipo_cella::fine_rallentamento], 6);
  EXPECT_EQ(per_tipo[tipo_cella::avviso_rallentamento], 6);
  EXPECT_EQ(per_tipo[tipo_cella::tabella_distanziometrica], 20);
  EXPECT_EQ(per_tipo[tipo_cella::fermata], 14);
  EXPECT_EQ(per_tipo[tipo_cella::punto_senza_codice], 1);
  EXPECT_EQ(m.celle[380].tipo, tipo_cella::punto_senza_codice);
  EXPECT_EQ(per_tipo[tipo_cella::indicatore_v_max], 8);
  EXPECT_EQ(per_tipo[tipo_cella::cartello], 6);
  EXPECT_EQ(m.celle[1].val1, 0);
  EXPECT_EQ(m.celle[1].val2, 0);

  for (int i = 0; i <= 2197; ++i) {
    ASSERT_NE(m.celle[i].vel_max, 0) << i;
    ASSERT_EQ(m.celle[i].aderenza, i < 35 ? 100 : 70) << i;
  }
  EXPECT_EQ(m.celle[0].vel_max, 21);
  EXPECT_EQ(m.celle[2197].vel_max, 12);
  for (int i = 2198; i <= 2200; ++i) EXPECT_EQ(m.celle[i].vel_max, 0) << i;
}

}  // namespace
}  // namespace scenario
