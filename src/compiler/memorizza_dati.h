#pragma once

#include <filesystem>

#include "model/modello.h"

namespace scenario {

struct opzioni_compilazione {
  // The generator deletes the description files once read; authors and tests
  // compiling descriptions of their own may keep them.
  bool cancella_descrizioni = true;
};

// Deletes a description file once read, unless `opzioni` keep it. A file that
// cannot be deleted would outlive the run: a run-time failure of the compile.
void cancella_descrizione(const std::filesystem::path& percorso,
                          const opzioni_compilazione& opzioni);

// Compiles the line description at `file_linea` and then the train
// description at `file_treno` into `m`, recording problems in n_errore and pos_errore. Any
// run-time failure of the compile becomes error 25 here, and only here.
void memorizza_dati(modello& m, const std::filesystem::path& file_linea,
                    const std::filesystem::path& file_treno, const opzioni_compilazione& opzioni = {});

}  // namespace scenario
