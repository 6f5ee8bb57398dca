#pragma once

#include "comandi/contesto_comando.h"

namespace scenario {

// The program: without arguments the built-in run in the program's directory;
// otherwise one subcommand. Returns the exit status (generazione/errore.h): a command
// line that the program does not understand prints what is wrong and the
// usage on c.errori and returns stato_uscita::uso_errato, writing nothing.
int esegui_riga_di_comando(int argc, const char* const* argv, contesto_comando& c);

}  // namespace scenario
