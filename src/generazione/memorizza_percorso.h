#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "compilazione/memorizza_dati.h"
#include "modello/modello.h"
#include "generazione/finestra.h"
#include "generazione/nomi_file.h"

namespace scenario {

// Initialises the element table, compiles the two description files of
// `percorsi`, finishes the grid, fills the check codes and writes the
// compiled files; the track plan file only when `j` is non-zero.
void memorizza_percorso(modello& m, const percorsi_scenario& percorsi, finestra& f, int32_t& j);

// The same steps on two descriptions held in memory, up to the files: the
// model is ready to be written by scrivi_percorso when this returns true.
// Nothing on the disk is read, changed or deleted.
bool compila_percorso(modello& m, const descrizione& linea, const descrizione& treno, finestra& f,
                      int32_t j);

// The steps after the compile: finishes the grid, fills the check codes and
// writes the compiled files, the track plan only when m.scrivi_planimetria is
// set. A compile that left no grid gets nothing written: n_errore keeps the
// compile's error, or 104 when the compile recorded none. A check code that
// finds its place filled shows 1250 or 1251 and ends the run (errore).
void completa_percorso(modello& m, const percorsi_scenario& percorsi, finestra& f);

// completa_percorso without the writing: finishes the grid and fills the
// check codes. Returns false, with nothing to write, when there is no grid;
// the error then points at `file_linea`, the line description.
bool rifinisci_percorso(modello& m, const std::string& file_linea, finestra& f);

// Writes the compiled files of a finished model, the track plan only when
// m.scrivi_planimetria is set.
void scrivi_percorso(const modello& m, const percorsi_scenario& percorsi);

}  // namespace scenario
