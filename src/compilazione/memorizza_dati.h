#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "compilazione/origini_celle.h"
#include "modello/modello.h"

namespace scenario {

struct opzioni_compilazione {
  // The generator deletes the description files once read; authors and tests
  // compiling descriptions of their own may keep them.
  bool cancella_descrizioni = true;
  // A route longer than this is refused with error 1, as one above 1000000 m
  // always is. The generator keeps the full length; the compile fuzz target
  // lowers it to keep most of its inputs cheap.
  int32_t lunghezza_massima = lunghezza_massima_percorso;
  // An author's files may be anything: a binary file, or a train
  // description without [generale], is refused with an error of its own
  // (30, 31) before anything is compiled. The generator's own descriptions
  // are always text.
  bool rifiuta_non_descrizioni = false;
};

// A description given as text: its name, which the places of errors carry,
// and its bytes, Windows-1252 as in a file.
struct descrizione {
  std::string nome;
  std::string testo;
};

// Deletes a description file once read, unless `opzioni` keep it. A file that
// cannot be deleted would outlive the run: a run-time failure of the compile.
void cancella_descrizione(const std::filesystem::path& percorso,
                          const opzioni_compilazione& opzioni);

// Compiles the line description and then, when the line half lets it, the
// train description into `m`, recording every problem through
// registra_errore. Any run-time failure of the compile becomes error 25 here,
// and only here, with its reason and the place of the field being read.
// An error about a taken cell has a note on the item in it. `origini`, when
// given, comes out holding which row put each item on the grid, for the
// finishing pass.
void compila_descrizioni(modello& m, const descrizione& linea, const descrizione& treno,
                         const opzioni_compilazione& opzioni = {},
                         origini_celle* origini = nullptr);

// The same from the files at `file_linea` and `file_treno`: a missing line
// description is error 101. Each file is deleted (as `opzioni` ask) once its
// rows are read; the train description is read only when the line half lets
// the train half run. On a run-time failure both are deleted.
void memorizza_dati(modello& m, const std::filesystem::path& file_linea,
                    const std::filesystem::path& file_treno,
                    const opzioni_compilazione& opzioni = {}, origini_celle* origini = nullptr);

}  // namespace scenario
