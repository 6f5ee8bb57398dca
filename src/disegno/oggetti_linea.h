#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "modello/modello.h"

namespace scenario {

// What stands along the line, in metres, from the grid and the table.
struct oggetti_linea {
  struct stazione_linea {
    int32_t posizione;
    std::string nome;
  };
  struct rallentamento_linea {
    int32_t inizio, fine, velocita;
  };
  std::vector<stazione_linea> stazioni;
  std::vector<int32_t> segnali;
  std::vector<int32_t> punti_codice;
  std::vector<rallentamento_linea> rallentamenti;
  std::vector<std::pair<int32_t, int32_t>> gallerie;  // [da, a)
  // Speed indicator boards; sign boards with their text (empty when the
  // board's record is not one of the table's).
  std::vector<int32_t> indicatori_velocita;
  struct cartello_linea {
    int32_t posizione;
    std::string testo;
  };
  std::vector<cartello_linea> cartelli;
  int32_t lunghezza = 0;
};

// A signal, a slow-down's start and end, a board stand one cell before the
// cell that holds them; code points in theirs.
oggetti_linea oggetti_di(const modello& m);

}  // namespace scenario
