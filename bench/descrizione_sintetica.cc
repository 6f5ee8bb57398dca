#include "descrizione_sintetica.h"

#include <string>

namespace scenario::banco {

namespace {

std::string n(int64_t v) { return std::to_string(v); }

void riga(std::string& testo, const std::string& contenuto) {
  testo += contenuto;
  testo += "\r\n";
}

}  // namespace

descrizione_sintetica crea_descrizione(int32_t lunghezza) {
  const int32_t blocchi = lunghezza / 10000;
  descrizione_sintetica d;

  std::string& l = d.linea;
  riga(l, "[generale]");
  riga(l, "lunghezza percorso,    " + n(lunghezza));
  riga(l, "progressiva chilometrica uno,    0,    0,    0");
  riga(l, "progressiva chilometrica due,    0,    0,    0");
  riga(l, "progressiva chilometrica tre,    0,    0,    0");
  riga(l, "sfondo uno,    0");
  riga(l, "sfondo due,    1");
  riga(l, "sfondo tre,    0");
  riga(l, "ripetizione segnali 4 codici,    0,    0");
  riga(l, "[curve]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    riga(l, "curvad3,  " + n(inizio + 500) + ",  300");
    riga(l, "curvas2,  " + n(inizio + 2500) + ",  500");
    riga(l, "curvad5,  " + n(inizio + 5000) + ",  200");
    riga(l, "curvas1,  " + n(inizio + 7500) + ",  400");
  }
  riga(l, "[pendenze]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    for (int k = 0; k < 5; ++k) {
      riga(l, "pendenza,  " + n(inizio + 2000 * k) + ",   " + n((b + k) % 14 - 5));
    }
  }
  riga(l, "[montagne]");
  for (int32_t b = 5; b < blocchi; b += 10) {
    int64_t inizio = int64_t{b} * 10000;
    riga(l, "montagna,   " + n(inizio + 600) + ",  " + n(inizio + 1000) + ",  12");
  }
  riga(l, "[cartelli]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    riga(l, "indicatori_vmax,  " + n(inizio + 1100) + ",  120,  125,  130,  0,  ,  ,  ,  0");
    riga(l, "indicatori_vmax,  " + n(inizio + 6100) + ",  100,  105,  110,  0,  ,  ,  ,  0");
  }
  riga(l, "[indicazioni]");
  for (int32_t b = 0; b < blocchi; ++b) {
    if (b % 5 != 1 && b % 5 != 3) continue;
    int64_t inizio = int64_t{b} * 10000;
    riga(l, "cartello_indicatore,  " + n(inizio + 9000) + ",   (P.L.Km)(" + n(b * 10 + 9) + "+000)");
  }
  riga(l, "[fine]");

  std::string& t = d.treno;
  riga(t, "[generale]");
  riga(t, "numero vetture,    8");
  riga(t, "percentuale massa frenata,    110");
  riga(t, "sabbia,    50");
  riga(t, "orologio,    8              0            0 ");
  riga(t, "[aderenze]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    riga(t, "aderenza,    " + n(inizio) + ",    90");
    riga(t, "aderenza,    " + n(inizio + 5000) + ",    80");
  }
  riga(t, "[vel_limite]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    riga(t, "velocita,    " + n(inizio) + ",   120");
    riga(t, "velocita,    " + n(inizio + 5000) + ",   100");
  }
  riga(t, "[stazioni]");
  for (int32_t b = 0; b < blocchi; b += 5) {
    int64_t posizione = int64_t{b} * 10000 + 8500;
    riga(t, "stazione,    " + n(posizione) + ",  12,  300,  0, 0, 0,  1, 1, 0,  2, 1, 1,  50,  " +
                n(8 + b / 5) + ", 0,  0, Stazione " + n(b / 5 + 1));
  }
  riga(t, "[rallentamenti]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    riga(t, "rallentamento,    " + n(inizio + 4200) + ",    60,  300, 1,  1,  0");
  }
  riga(t, "[segnali]");
  for (int32_t b = 0; b < blocchi; ++b) {
    int64_t inizio = int64_t{b} * 10000;
    for (int k = 0; k < 5; ++k) {
      riga(t, "segnale,    " + n(inizio + 1500 + 2000 * k) + ",   2, 3, 1,  0, 0,    0,  0,0,0, 0");
    }
  }
  riga(t, "[codici]");
  for (int32_t b = 0; b < blocchi; ++b) {
    riga(t, "abbattimento,   " + n(int64_t{b} * 10000 + 2200) + ",   270");
  }
  riga(t, "[fine]");
  return d;
}

}  // namespace scenario::banco
