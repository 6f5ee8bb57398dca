// The built-in line description as written, and compiled on its own.

#include "descrizioni_incorporate/dati_linea.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "modello/numeri_errore.h"
#include "cartella_temporanea.h"
#include "compilazione/memorizza_dati.h"
#include "file_compilati/file_compilati.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;

std::vector<std::string> righe_scritte() {
  cartella_temporanea cartella;
  modello m;
  m.linea = linea_predefinita;
  dati_linea(cartella / nome_descrizione_linea(m.linea));
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"Lorvento-Basalto_linea.txt"});
  std::string testo = leggi_file(cartella / "Lorvento-Basalto_linea.txt");
  EXPECT_EQ(testo.substr(testo.size() - 2), "\r\n");
  std::vector<std::string> righe;
  for (size_t inizio = 0; inizio < testo.size();) {
    size_t fine = testo.find("\r\n", inizio);
    righe.push_back(testo.substr(inizio, fine - inizio));
    inizio = fine + 2;
  }
  return righe;
}

TEST(DatiLinea, LinesSectionsAndQuotedRows) {
  std::vector<std::string> righe = righe_scritte();
  ASSERT_EQ(righe.size(), 178u);
  const std::map<size_t, std::string> quotate = {
      {0, "[generale]"},
      {1, "lunghezza percorso,    103000"},
      {2, "progressiva chilometrica uno,    3000,    9000,    1"},
      {3, "progressiva chilometrica due,    5800,    -2000,    0"},
      {4, "progressiva chilometrica tre,    35400,    100150,    1"},
      {5, "sfondo uno,    0"},
      {6, "sfondo due,    1"},
      {7, "sfondo tre,    0"},
      {8, "ripetizione segnali 4 codici,    7500,    35600"},
      {9, "[curve]"},
      {10, "curvas6,  550,  350"},
      {11, "curvad5,  900,  100"},
      {12, "curvad6,  2100,  700"},
      {51, "curvad4,  100050,  50"},
      {52, "[pendenze]"},
      {53, "pendenza,  0,   0"},
      {54, "pendenza,  700,   -7"},
      {55, "pendenza,  750,   -6"},
      {56, "pendenza,  850,   0"},
      {99, "pendenza,  100000,   0"},
      {100, "[montagne]"},
      {101, "montagna,   600,  1750,  12"},
      {102, "[cartelli]"},
      {103, "indicatori_vmax,  900,  100,  105,  105,  0,  100,  105,  105,  0"},
      {104, "indicatori_vmax,  2750,  80,  85,  85,  0,  80,  85,  85,  0"},
      {120, "[indicazioni]"},
      {121, "cartello_indicatore,  16250,   (-----)(|_|_|)( / / )"},
      {176, "cartello_indicatore,  99150,   (P.L.Km)( 0+950)"},
      {177, "[fine]"},
  };
  for (const auto& [numero, riga] : quotate) EXPECT_EQ(righe[numero], riga) << numero;
  for (const char* riga : {
           "indicatori_vmax,  7900,  140,  145,  150,  0,  ,  ,  ,  0",
           "indicatori_vmax,  10050,  100,  105,  110,  2,  ,  ,  ,  0",
           "indicatori_vmax,  10250,  100,  105,  110,  1,  ,  ,  ,  0",
           "indicatori_vmax,  10450,  100,  105,  110,  0,  ,  ,  ,  0",
           "indicatori_vmax,  96650,  60,  60,  60,  2,  ,  ,  ,  0",
           "indicatori_vmax,  96950,  60,  60,  60,  1,  ,  ,  ,  0",
           "indicatori_vmax,  97250,  60,  60,  60,  0,  ,  ,  ,  0",
           "cartello_indicatore,  17900,   (P.L.Km)(15+950)",
           "cartello_indicatore,  42250,   (P.L.A.Km)( 57+850 )",
           "cartello_indicatore,  94650,   (  POSTO  )(MOVIMENTO)( Km5.240 )",
           "cartello_indicatore,  94900,   (  POSTO  )(MOVIMENTO)(Km 5.240 )",
       }) {
    EXPECT_NE(std::find(righe.begin(), righe.end(), riga), righe.end()) << riga;
  }
  for (const std::string& riga : righe) {
    EXPECT_NE(riga.back(), ' ') << riga;
    EXPECT_EQ(riga.find("riferimento"), std::string::npos) << riga;
  }
  auto posizione = [&](const std::string& inizio) {
    return std::find_if(righe.begin(), righe.end(),
                        [&](const std::string& r) { return r.rfind(inizio, 0) == 0; }) -
           righe.begin();
  };
  EXPECT_LT(posizione("cartello_indicatore,  57650,"), posizione("cartello_indicatore,  56600,"));
}

// The rows left to the scenario keep the counts, classes, ranges and patterns
// of the format.
TEST(DatiLinea, ScenarioRowsFollowThePatterns) {
  std::vector<std::string> righe = righe_scritte();
  std::map<std::string, int> classi;
  int32_t fine_precedente = 0;
  for (size_t i = 10; i <= 51; ++i) {
    std::smatch r;
    ASSERT_TRUE(std::regex_match(righe[i], r, std::regex(R"(curva([sd][1-6]),  (\d+),  (\d+))")))
        << righe[i];
    ++classi[r[1]];
    int32_t inizio = std::stoi(r[2]), lunghezza = std::stoi(r[3]);
    EXPECT_GE(inizio, fine_precedente) << righe[i];
    EXPECT_GE(lunghezza, 50) << righe[i];
    EXPECT_LE(lunghezza, 1550) << righe[i];
    fine_precedente = inizio + lunghezza;
  }
  EXPECT_EQ(classi, (std::map<std::string, int>{{"d1", 5},
                                                {"d2", 4},
                                                {"d3", 8},
                                                {"d4", 3},
                                                {"d5", 2},
                                                {"d6", 2},
                                                {"s1", 4},
                                                {"s2", 5},
                                                {"s3", 5},
                                                {"s4", 1},
                                                {"s5", 1},
                                                {"s6", 2}}));
  int zeri = 0, minima = 0, massima = 0, precedente = -1;
  for (size_t i = 53; i <= 99; ++i) {
    std::smatch r;
    ASSERT_TRUE(std::regex_match(righe[i], r, std::regex(R"(pendenza,  (\d+),   (-?\d+))")))
        << righe[i];
    int p = std::stoi(r[1]), g = std::stoi(r[2]);
    EXPECT_GT(p, precedente) << righe[i];
    EXPECT_EQ(p % 50, 0) << righe[i];
    precedente = p;
    zeri += g == 0;
    minima = std::min(minima, g);
    massima = std::max(massima, g);
  }
  EXPECT_EQ(zeri, 20);
  EXPECT_EQ(minima, -7);
  EXPECT_EQ(massima, 11);
  int vuoti = 0;
  for (size_t i = 103; i <= 119; ++i) {
    ASSERT_EQ(righe[i].rfind("indicatori_vmax,  ", 0), 0u) << righe[i];
    vuoti += righe[i].find(",  ,  ,  ,  0") != std::string::npos;
  }
  EXPECT_EQ(vuoti, 12);
  std::map<std::string, int> tipi;
  const std::pair<const char*, std::regex> modelli[] = {
      {"P.L.", std::regex(R"(\(P\.L\.Km\)\([ \d]\d\+\d{3}\))")},
      {"P.L.A.", std::regex(R"(\(P\.L\.A\.Km\)\( [ \d]\d\+\d{3} \))")},
      {"pictogram", std::regex(R"(\((-----| - - )\)\(\|_\|_\|\)\(( / / |  /  )\))")},
      {"distance", std::regex(R"(\((1000 mt| 1000mt )\)\(.+\))")},
      {"post", std::regex(R"(\(  POSTO  \)\(MOVIMENTO\)\(( Km5\.240 |Km 5\.240 )\))")},
  };
  for (size_t i = 121; i <= 176; ++i) {
    std::smatch r;
    ASSERT_TRUE(std::regex_match(righe[i], r, std::regex(R"(cartello_indicatore,  (\d+),   (.*))")))
        << righe[i];
    std::string testo = r[2];
    for (const auto& [tipo, modello] : modelli) tipi[tipo] += std::regex_match(testo, modello);
  }
  EXPECT_EQ(tipi,
            (std::map<std::string, int>{
                {"P.L.", 26}, {"P.L.A.", 18}, {"pictogram", 8}, {"distance", 2}, {"post", 2}}));
}

// The distance boards name stations of the route, 1000 m before them.
TEST(DatiLinea, DistanceBoardsStandBeforeTheirStations) {
  int trovati = 0;
  for (const std::string& riga : righe_scritte()) {
    std::smatch r;
    if (!std::regex_match(
            riga, r,
            std::regex(R"(cartello_indicatore,  (\d+),   \((?:1000 mt| 1000mt )\)\((.+)\))"))) {
      continue;
    }
    ++trovati;
    bool nota = false;
    for (const luoghi::luogo& l : luoghi::stazioni) {
      if (l.nome == r[2].str()) {
        nota = true;
        EXPECT_EQ(std::stoi(r[1]), l.posizione - 1000) << riga;
      }
    }
    EXPECT_TRUE(nota) << riga;
  }
  EXPECT_EQ(trovati, 2);
}

int conta_celle(const modello& m, uint8_t tipo) {
  return static_cast<int>(std::count_if(m.celle.begin(), m.celle.end(),
                                        [&](const cella& c) { return c.tipo == tipo; }));
}

// Compiled with a train description that holds no item.
TEST(DatiLinea, TheBuiltInLineCompilesWithoutError) {
  cartella_temporanea cartella;
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  m.scrivi_planimetria = 1;
  inizializza_elementi(m);
  dati_linea(cartella / nome_descrizione_linea(m.linea));
  prova::scrivi_file(cartella / nome_descrizione_treno(m.linea, m.treno),
                     "[generale]\r\n[fine]\r\n");
  memorizza_dati(m, cartella / nome_descrizione_linea(m.linea),
                 cartella / nome_descrizione_treno(m.linea, m.treno));

  EXPECT_EQ(m.n_errore, 0);
  EXPECT_FALSE(std::filesystem::exists(cartella / nome_descrizione_linea(m.linea)));
  EXPECT_EQ(m.elementi[84].fine, 103000);
  EXPECT_EQ(m.metri_totali, 110000);
  EXPECT_EQ(m.n_celle, 2200);
  const elemento& e85 = m.elementi[85];
  const elemento& e86 = m.elementi[86];
  EXPECT_EQ(e85.testo, "Lorvento-Basalto");
  EXPECT_EQ(std::vector<int32_t>({e85.inizio, e85.posizione, e85.fine}),
            std::vector<int32_t>({0, 1, 0}));
  EXPECT_EQ(std::vector<int32_t>({e86.inizio, e86.fine, e86.posizione}),
            std::vector<int32_t>({7500, 35600, 4}));
  const int32_t progressive[3][3] = {{35400, 100250, 1}, {5800, -2000, 0}, {3000, 9100, 1}};
  for (int i = 0; i < 3; ++i) {
    const elemento& e = m.elementi[static_cast<size_t>(81 + i)];
    EXPECT_EQ(e.inizio, progressive[i][0]) << 81 + i;
    EXPECT_EQ(e.fine, progressive[i][1]) << 81 + i;
    EXPECT_EQ(e.posizione, progressive[i][2]) << 81 + i;
  }

  EXPECT_EQ(conta_celle(m, tipo_cella::indicatore_v_max), 17);
  EXPECT_EQ(conta_celle(m, tipo_cella::cartello), 56);
  EXPECT_EQ(m.celle[19].tipo, tipo_cella::indicatore_v_max);
  EXPECT_EQ(m.celle[19].val1, 2020);
  EXPECT_EQ(m.celle[326].tipo, tipo_cella::cartello);
  EXPECT_EQ(m.celle[326].val1, 80);
  EXPECT_EQ(m.elementi[80].testo, "(-----)(|_|_|)( / / )");
  EXPECT_EQ(m.elementi[25].testo, "(P.L.Km)( 0+950)");
  EXPECT_EQ(m.elementi[24].testo, "");

  // The tunnel, its markers, and the board at 900 m standing on one of them.
  EXPECT_EQ(m.n_gallerie, 1);
  EXPECT_EQ(m.galleria_inizio[1], 600);
  EXPECT_EQ(m.galleria_fine[1], 1750);
  for (int k = 10; k <= 36; ++k) {
    EXPECT_EQ(m.celle[k].galleria, k >= 12 && k <= 34 ? 2 : 0) << k;
    bool marca = k == 15 || k == 23 || k == 27 || k == 31;
    EXPECT_EQ(m.celle[k].tipo == tipo_cella::marca_galleria, marca) << k;
  }

  for (int k = 0; k <= 13; ++k) EXPECT_EQ(m.celle[k].pendenza, 100) << k;
  EXPECT_EQ(m.celle[14].pendenza, 93);
  EXPECT_EQ(m.celle[15].pendenza, 94);
  EXPECT_EQ(m.celle[17].pendenza, 100);
  EXPECT_EQ(m.celle[2197].pendenza, 100);
  EXPECT_EQ(m.celle[2198].pendenza, 0);

  // Straight up to metre 550, turning left from 551 to 900, right after.
  for (int32_t metro = 2; metro <= 550; ++metro) {
    ASSERT_EQ(m.planimetria[0][static_cast<size_t>(metro)], valore_planimetria(0.0)) << metro;
  }
  auto x = [&](int32_t metro) {
    return std::get<double>(m.planimetria[0][static_cast<size_t>(metro)]);
  };
  EXPECT_EQ(x(551), -0.003);
  for (int32_t metro = 552; metro <= 900; ++metro) {
    ASSERT_LT(x(metro) - x(metro - 1), x(metro - 1) - x(metro - 2)) << metro;
  }
  EXPECT_GT(x(901) - x(900), x(900) - x(899));
  EXPECT_TRUE(std::holds_alternative<double>(m.planimetria[1][109998]));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(m.planimetria[1][109999]));
}

// The run writes the line description, compiles it and deletes it; the
// compiled files carry the line.
TEST(DatiLinea, TheRunCompilesTheBuiltInLine) {
  cartella_temporanea cartella;
  std::ostringstream uscita, errori;
  finestra_console f(uscita, errori);
  esegui_generazione(cartella.percorso(), f, errori);
  EXPECT_FALSE(std::filesystem::exists(cartella / nome_descrizione_linea(linea_predefinita)));
  std::string celle = leggi_file(cartella / nome_celle(linea_predefinita, treno_predefinito));
  ASSERT_EQ(celle.size(), 2201 * lunghezza_record_cella);
  EXPECT_EQ(celle[19 * lunghezza_record_cella], tipo_cella::indicatore_v_max);
  EXPECT_EQ(celle[326 * lunghezza_record_cella], tipo_cella::cartello);
  EXPECT_EQ(celle[14 * lunghezza_record_cella + 13], 93);
  EXPECT_EQ(celle[20 * lunghezza_record_cella + 11], 2);
  std::string elementi = leggi_file(cartella / nome_elementi(linea_predefinita, treno_predefinito));
  EXPECT_NE(elementi.find("(P.L.A.Km)( 57+850 )"), std::string::npos);
  EXPECT_EQ(leggi_file(cartella / nome_planimetria(linea_predefinita)).size(), 2199964u);
}

}  // namespace
}  // namespace scenario
