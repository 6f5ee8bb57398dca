#pragma once

// Test support: the inspection command in memory, its two streams kept.

#include <sstream>
#include <string>

#include "comandi/comando_ispeziona.h"

namespace scenario::prova {

struct esito_ispezione {
  int stato;
  std::string uscita, errori;
};

inline esito_ispezione esegui_ispezione(const opzioni_ispezione& o) {
  std::ostringstream uscita, errori;
  int stato = ispeziona(o, uscita, errori);
  return {stato, uscita.str(), errori.str()};
}

}  // namespace scenario::prova
