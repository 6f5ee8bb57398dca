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
constexpr int errore_mostrato = 2;    // a check code found its place filled (1250, 1251)
constexpr int errore_registrato = 3;  // an error recorded, or no grid to finish
// A command line that names no known command, option or value: the usage
// error of the BSD sysexits, which shells and scripts already know.
constexpr int uso_errato = 64;
// Ended by SIGINT (130) or SIGTERM (143): 128 + the signal's number.
constexpr int base_segnale = 128;
}  // namespace stato_uscita

// " Errore n. " followed by `a`: the text of every error that a run shows.
std::string messaggio_errore(const std::string& a);

// What a run that ends on a recorded error prints on standard error: the
// message of n_errore, then ", posizione " and pos_errore in metres for the
// numbers that record a position, as in " Errore n. 16, posizione 6500 m".
std::string messaggio_errore_registrato(const modello& m);

// Shows the message of fatal error `numero` (1250 or 1251) in the window's
// message box; returns the status that the run then ends with.
int mostra_errore_fatale(finestra& f, int32_t numero);

}  // namespace scenario
