#include "descrizioni_incorporate/dati_treno.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "descrizioni_incorporate/luoghi.h"
#include "descrizioni_incorporate/scrivi_righe.h"

namespace scenario {

namespace {

std::string a_destra(int64_t valore, size_t larghezza) {
  std::string testo = std::to_string(valore);
  return std::string(larghezza > testo.size() ? larghezza - testo.size() : 0, ' ') + testo;
}

struct velocita_predefinita {
  int32_t posizione;
  int32_t velocita;
};

constexpr velocita_predefinita velocita_limite[] = {
    {0, 105},     {1950, 60},   {3150, 85},   {4900, 30},   {5400, 85},
    {7900, 140},  {11900, 105}, {14500, 140}, {34400, 30},  {35400, 65},
    {37150, 110}, {40550, 120}, {87150, 105}, {89500, 120}, {98150, 60},
};

// The values of a station row besides its place; the places come from luoghi,
// in the same order. Places without a time (0, 0, 0) are the junctions and the
// halts that the train passes without a booked stop.
struct stazione_predefinita {
  int tipo;
  int lunghezza;
  int a, b, c, d, e, f, g, h, i, l;
  int ore, minuti;
};

constexpr std::array<stazione_predefinita, 21> stazioni = {{
    {8, 500, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 18, 30},     // Lorvento Centrale
    {25, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},      // Bivio Cardeto
    {25, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},      // Bivio Fontescura
    {4, 700, 1, 1, 0, 3, 1, 0, 2, 1, 1, 99, 18, 42},    // Valcandida
    {12, 300, 0, 0, 0, 1, 1, 0, 3, 1, 1, 55, 18, 51},   // Castelvieri
    {28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},      // Poggiolento
    {23, 400, 1, 0, 0, 1, 1, 0, 2, 1, 1, 40, 18, 59},   // Borgo Tessaro
    {28, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},      // Casalvento
    {28, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},      // Montecrespo
    {25, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},      // Bivio Sant'Irene
    {4, 600, 1, 1, 0, 3, 1, 0, 2, 1, 1, 120, 19, 14},   // Torre Salvina
    {12, 400, 0, 0, 0, 1, 1, 0, 3, 1, 1, 60, 19, 20},   // Colleardo
    {26, 300, 0, 0, 0, 1, 0, 0, 0, 1, 0, 30, 19, 25},   // Piana dei Mirti
    {23, 400, 1, 0, 0, 1, 1, 0, 2, 1, 1, 45, 19, 30},   // Pratomagro-Lenzi
    {12, 400, 0, 0, 0, 1, 1, 0, 3, 1, 1, 50, 19, 36},   // Riva Sottana
    {23, 400, 1, 0, 0, 1, 1, 0, 2, 1, 1, 35, 19, 40},   // Acquafonda
    {12, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 58, 19, 46},   // San Lidano
    {24, 500, 1, 0, 0, 1, 1, 0, 2, 1, 1, 150, 19, 53},  // Marazzone
    {12, 400, 0, 0, 0, 1, 1, 0, 3, 1, 1, 52, 20, 0},    // Ponte Orsaro
    {12, 400, 0, 0, 1, 1, 1, 0, 4, 1, 1, 53, 20, 6},    // Rivalta Nuova
    {2, 600, 0, 0, 0, 1, 1, 0, 2, 1, 1, 0, 20, 15},     // Basalto
}};
static_assert(stazioni.size() == luoghi::stazioni.size());

struct segnale_predefinito {
  int32_t posizione;
  int sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};

// Block signals with a waiting time up to 34400 m; from 38200 m on, station
// signals, each distant signal (sx 1) followed by its main signal. The
// signals near the slow-downs are placed so that the finishing pass finds a
// free cell for every code point it adds.
constexpr segnale_predefinito segnali[] = {
    {850, 2, 5, 6, 1, 0, 0, 0, 0, 0, 0},     {1950, 2, 2, 5, 6, 1, 0, 0, 0, 0, 0},
    {3000, 2, 2, 3, 4, 1, 0, 0, 0, 0, 0},    {4700, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},
    {7600, 2, 3, 0, 0, 0, 0, 0, 0, 0, 250},  {11400, 2, 3, 1, 0, 0, 2, 2, 0, 0, 250},
    {13300, 2, 3, 2, 0, 0, 0, 0, 0, 0, 200}, {15000, 2, 2, 3, 0, 1, 0, 0, 0, 0, 180},
    {17300, 2, 3, 0, 0, 0, 0, 0, 0, 0, 250}, {20000, 2, 2, 3, 1, 0, 0, 0, 0, 0, 130},
    {22300, 2, 3, 1, 0, 1, 0, 0, 0, 0, 220}, {25300, 2, 3, 0, 0, 0, 0, 0, 0, 0, 160},
    {28100, 2, 2, 5, 1, 0, 0, 0, 0, 0, 250}, {31000, 2, 3, 0, 0, 0, 0, 0, 0, 0, 140},
    {34400, 2, 2, 3, 6, 1, 1, 1, 0, 0, 250}, {38200, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},
    {39400, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},   {41200, 2, 3, 1, 0, 0, 1, 3, 0, 0, 0},
    {44000, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {45100, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},
    {48600, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0},   {49700, 2, 2, 5, 6, 1, 2, 2, 0, 0, 0},
    {51000, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},   {55400, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},
    {56500, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},   {57900, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
    {59200, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {60100, 2, 2, 3, 4, 1, 1, 1, 0, 0, 0},
    {61800, 2, 5, 1, 0, 0, 0, 0, 0, 0, 0},   {64900, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0},
    {65900, 2, 2, 5, 1, 0, 1, 3, 0, 0, 0},   {67300, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
    {72300, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {73400, 2, 2, 3, 4, 1, 2, 1, 0, 0, 0},
    {74900, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},   {78800, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0},
    {80900, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {82000, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},
    {83650, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},   {87700, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0},
    {88800, 2, 2, 5, 1, 0, 1, 2, 0, 0, 0},   {90100, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0},
    {93200, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {94300, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0},
    {98100, 1, 4, 1, 0, 0, 0, 0, 0, 0, 0},   {99250, 2, 3, 1, 1, 0, 0, 0, 0, 0, 0},
};

std::string riga_velocita(const velocita_predefinita& v) {
  return "velocita," + a_destra(v.posizione, 8) + "," + a_destra(v.velocita, 6);
}

std::string riga_stazione(const luoghi::luogo& luogo, const stazione_predefinita& s) {
  auto n = [](int v) { return std::to_string(v); };
  return "stazione," + a_destra(luogo.posizione, 8) + "," + a_destra(s.tipo, 4) + "," +
         a_destra(s.lunghezza, 6) + ",   " + n(s.a) + ", " + n(s.b) + ", " + n(s.c) + ",   " +
         n(s.d) + ", " + n(s.e) + ", " + n(s.f) + ",   " + n(s.g) + ", " + n(s.h) + ", " + n(s.i) +
         "," + a_destra(s.l, 6) + "," + a_destra(s.ore, 6) + "," + a_destra(s.minuti, 3) + "," +
         a_destra(0, 4) + ", " + std::string(luogo.nome);
}

std::string riga_segnale(const segnale_predefinito& s) {
  auto n = [](int v) { return std::to_string(v); };
  return "segnale," + a_destra(s.posizione, 8) + ",   " + n(s.sx) + ", " + n(s.s1) + ", " +
         n(s.s2) + ",  " + n(s.s3) + ", " + n(s.rapp) + ",    " + n(s.dx) + ",  " + n(s.d1) + "," +
         n(s.d2) + "," + n(s.d3) + ", " + n(s.tempo);
}

}  // namespace

void dati_treno(const std::filesystem::path& percorso) {
  auto righe = std::make_unique<lista_righe>();
  size_t n = 0;
  auto aggiungi = [&](std::string riga) { (*righe)[n++] = std::move(riga); };

  aggiungi("[generale]");
  aggiungi("numero vetture,    5");
  aggiungi("percentuale massa frenata,    105");
  aggiungi("sabbia,    50");
  aggiungi("orologio,    18              29            50 ");
  aggiungi("[aderenze]");
  aggiungi("aderenza,       0,   100");
  aggiungi("aderenza,    1750,    70");
  aggiungi("[vel_limite]");
  for (const velocita_predefinita& v : velocita_limite) aggiungi(riga_velocita(v));
  aggiungi("[stazioni]");
  for (size_t i = 0; i < stazioni.size(); ++i) {
    aggiungi(riga_stazione(luoghi::stazioni[i], stazioni[i]));
  }
  aggiungi("[rallentamenti]");
  aggiungi("rallentamento,    9500,    40,  450, 1,  1,  40");
  aggiungi("rallentamento,   38000,    25,  950, 0,  1,  0");
  aggiungi("rallentamento,   47500,    70,   50, 1,  0,  0");
  aggiungi("rallentamento,   62500,    30, 1500, 0,  1,  0");
  aggiungi("rallentamento,   77550,    15,  100, 1,  1,  0");
  aggiungi("rallentamento,   85150,    75, 3450, 1,  1,  0");
  aggiungi("[segnali]");
  for (const segnale_predefinito& s : segnali) aggiungi(riga_segnale(s));
  aggiungi("[codici]");
  aggiungi("abbattimento,   19000,   AC");
  aggiungi("[fine]");
  (*righe)[n] = marcatore_fine;

  scrivi_righe(percorso, *righe);
}

}  // namespace scenario
