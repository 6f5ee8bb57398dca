#pragma once

// The scenarios whose pictures are checked as a reader would look at them:
// the built-in line, a 1,000 km route and a short branch line.

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "descrizione_sintetica.h"
#include "scenario_di_prova.h"

namespace scenario::prova {

inline std::unique_ptr<modello> scenario_mille_km() {
  const banco::descrizione_sintetica d = banco::crea_descrizione(1000000);
  return compila_scenario(d.linea, d.treno, "Mille", "27364");
}

// The branch line of docs/esempi/, from its two files as an author wrote
// them: 17 km, five stations, two tunnels.
inline std::unique_ptr<modello> scenario_diramazione() {
  const std::filesystem::path esempi = std::filesystem::path(CARTELLA_PROGETTO) / "docs/esempi";
  const std::string linea = "Cervolano-Sassolvento", treno = "6731";
  const std::filesystem::path file_linea = esempi / (linea + "_linea.txt");
  const std::filesystem::path file_treno = esempi / (linea + "_" + treno + "-.txt");
  for (const std::filesystem::path& file : {file_linea, file_treno}) {
    if (!std::filesystem::is_regular_file(file))
      throw std::runtime_error("no example description " + file.string());
  }
  return compila_scenario(leggi_file(file_linea), leggi_file(file_treno), linea, treno);
}

}  // namespace scenario::prova
