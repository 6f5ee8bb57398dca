#pragma once

// Test support: compiles a line description given as text, in memory, with
// the line half alone.

#include <memory>
#include <string>
#include <vector>

#include "compilazione/compilatore_linea.h"
#include "modello/modello.h"

namespace scenario::prova {

inline const char* const linea_di_prova = "Prova_linea.txt";

// The rows joined into a file, each ended by CR LF.
inline std::string testo_di(const std::vector<std::string>& righe) {
  std::string testo;
  for (const std::string& riga : righe) testo += riga + "\r\n";
  return testo;
}

struct compilazione_di_prova {
  std::unique_ptr<modello> m = std::make_unique<modello>();
  bool prosegue = false;  // what compila_linea returned
  bool letta = false;     // whether it ended the reading (where a file is deleted)
  int32_t indice_testo = primo_elemento_testo;  // the next free sign-text record

  bool lettura_chiusa() const { return letta; }
};

// Compiles `testo` as the line description, in memory; a run-time failure
// propagates as errore_esecuzione.
inline std::unique_ptr<compilazione_di_prova> compila_testo_linea(const std::string& testo,
                                                                  int32_t scrivi_planimetria = 1) {
  auto c = std::make_unique<compilazione_di_prova>();
  c->m->scrivi_planimetria = scrivi_planimetria;
  lettore_campi file(testo, linea_di_prova);
  c->prosegue = compila_linea(*c->m, file, {}, [&c] { c->letta = true; });
  c->indice_testo = c->m->primo_testo_cartello - 1;
  return c;
}

inline std::unique_ptr<compilazione_di_prova> compila_linea_di_prova(
    const std::vector<std::string>& righe, int32_t scrivi_planimetria = 1) {
  return compila_testo_linea(testo_di(righe), scrivi_planimetria);
}

}  // namespace scenario::prova
