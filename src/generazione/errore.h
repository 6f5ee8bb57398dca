#pragma once

#include <cstdint>
#include <string>

#include "modello/modello.h"
#include "generazione/finestra.h"

namespace scenario {

// Exit statuses of the program. They are part of its interface: never
// renumber them.
namespace stato_uscita {
constexpr int successo = 0;
constexpr int errore_file = 1;        // a file operation failed, or an unexpected failure
constexpr int errore_mostrato = 2;    // `errore` ended the run (1250, 1251)
constexpr int errore_registrato = 3;  // an error recorded, or no grid to finish
// A command line that names no known command, option or value: the usage
// error of the BSD sysexits, which shells and scripts already know.
constexpr int uso_errato = 64;
// Ended by SIGINT (130) or SIGTERM (143): 128 + the signal's number.
constexpr int base_segnale = 128;
}  // namespace stato_uscita

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
