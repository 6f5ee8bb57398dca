#pragma once

#include <cstdint>

#include "compilazione/avviso_ripetuto.h"
#include "modello/modello.h"

namespace scenario {

// The working values of the line compile, kept from the end of the general
// section to the end of the file and shared by its placing steps.
struct lavoro_linea {
  int32_t indice_testo = primo_elemento_testo;  // next record for a sign text, counts down
  int32_t cella_pendenza = 0;                   // first cell not yet given a gradient
  int32_t pendenza_attuale = 0;                 // gradient in force, per mille
  int32_t metro = 2;                            // next metre of the track plan
  avviso_ripetuto pendenze_oltre;               // gradient rows past the last cell
};

}  // namespace scenario
