#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "compilazione/memorizza_dati.h"
#include "modello/modello.h"
#include "generazione/nomi_file.h"

namespace scenario {

// How the steps up to the compiled files ended. Nothing here is shown: the
// caller shows a fatal error in its own way and ends the run.
struct esito_percorso {
  // A finished model, ready for scrivi_percorso.
  bool da_scrivere = false;
  // 1250 or 1251 when a check code found its place filled; the run must end
  // with nothing written. 0 otherwise.
  int32_t errore_fatale = 0;
};

// Initialises the element table, compiles the two description files of
// `percorsi`, finishes the grid, fills the check codes and writes the
// compiled files; the track plan file only when `j` is non-zero.
esito_percorso memorizza_percorso(modello& m, const percorsi_scenario& percorsi, int32_t& j);

// The same steps on two descriptions held in memory, up to the files: the
// model is ready to be written by scrivi_percorso when the result says so.
// Nothing on the disk is read, changed or deleted.
esito_percorso compila_percorso(modello& m, const descrizione& linea, const descrizione& treno,
                                int32_t j);

// The steps after the compile: finishes the grid, fills the check codes and
// writes the compiled files, the track plan only when m.scrivi_planimetria is
// set. A compile that left no grid gets nothing written: n_errore keeps the
// compile's error, or 104 when the compile recorded none. A check code that
// finds its place filled gets nothing written either: 1250 or 1251 comes back
// as the fatal error. With the compile's `origini`, the errors of the
// finishing pass have notes on the items in their way.
esito_percorso completa_percorso(modello& m, const percorsi_scenario& percorsi,
                                 origini_celle* origini = nullptr);

// completa_percorso without the writing: finishes the grid and fills the
// check codes. Nothing is to be written when there is no grid (the error then
// points at `file_linea`, the line description) or on a fatal error.
esito_percorso rifinisci_percorso(modello& m, const std::string& file_linea,
                                  origini_celle* origini = nullptr);

// Writes the compiled files of a finished model, the track plan only when
// m.scrivi_planimetria is set.
void scrivi_percorso(const modello& m, const percorsi_scenario& percorsi);

}  // namespace scenario
