#pragma once

// The scenarios whose pictures are checked as a reader would look at them:
// the built-in line, a 1,000 km route and a short branch line.

#include <memory>

#include "descrizione_sintetica.h"
#include "scenario_di_prova.h"

namespace scenario::prova {

inline std::unique_ptr<modello> scenario_mille_km() {
  const banco::descrizione_sintetica d = banco::crea_descrizione(1000000);
  return compila_scenario(d.linea, d.treno, "Mille", "27364");
}

}  // namespace scenario::prova
