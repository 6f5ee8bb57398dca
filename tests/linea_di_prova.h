#pragma once

// Test support: compiles a line description given as text, in a fresh
// directory, with the line half alone.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "compiler/compilatore_linea.h"
#include "model/modello.h"
#include "run/nomi_file.h"

namespace scenario::prova {

inline const char* const linea_di_prova = "Prova";

// The rows joined into a file, each ended by CR LF.
inline std::string testo_di(const std::vector<std::string>& righe) {
  std::string testo;
  for (const std::string& riga : righe) testo += riga + "\r\n";
  return testo;
}

struct compilazione_di_prova {
  cartella_temporanea cartella;
  std::unique_ptr<modello> m = std::make_unique<modello>();
  bool prosegue = false;  // what compila_linea returned
  int32_t indice_testo = primo_elemento_testo;

  std::filesystem::path file_linea() const {
    return cartella / nome_descrizione_linea(linea_di_prova);
  }
  bool file_cancellato() const { return !std::filesystem::exists(file_linea()); }
};

// Writes `testo` as the line description and compiles it; a run-time failure
// propagates as errore_esecuzione.
inline std::unique_ptr<compilazione_di_prova> compila_testo_linea(const std::string& testo,
                                                                  int32_t scrivi_planimetria = 1) {
  auto c = std::make_unique<compilazione_di_prova>();
  c->m->linea = linea_di_prova;
  c->m->scrivi_planimetria = scrivi_planimetria;
  scrivi_file(c->file_linea(), testo);
  c->prosegue = compila_linea(*c->m, c->file_linea(), {}, c->indice_testo);
  return c;
}

inline std::unique_ptr<compilazione_di_prova> compila_linea_di_prova(
    const std::vector<std::string>& righe, int32_t scrivi_planimetria = 1) {
  return compila_testo_linea(testo_di(righe), scrivi_planimetria);
}

}  // namespace scenario::prova
