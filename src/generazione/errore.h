#pragma once

#include <cstdint>
#include <string>

#include "base/stato_uscita.h"
#include "modello/modello.h"
#include "generazione/finestra.h"

namespace scenario {

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
