#pragma once

#include <cstdint>
#include <string>

#include "base/stato_uscita.h"
#include "modello/modello.h"
#include "generazione/finestra.h"

namespace scenario {

// Thrown by `errore` to end the run; the entry point returns its status. No
// step of the run catches it.
struct fine_programma {
  int stato;
};

// " Errore n. " followed by `a`: the text of every error that a run shows.
std::string messaggio_errore(const std::string& a);

// What a run that ends on a recorded error prints on standard error: the
// message of n_errore, then ", posizione " and pos_errore in metres for the
// numbers that record a position, as in " Errore n. 16, posizione 6500 m".
std::string messaggio_errore_registrato(const modello& m);

// Shows the message of error `a` (its number in decimal digits), stores the
// button code in m.risposta and ends the program.
[[noreturn]] void errore(modello& m, finestra& f, const std::string& a);

}  // namespace scenario
