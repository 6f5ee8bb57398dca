#pragma once

#include "comandi/contesto_comando.h"

namespace CLI {
class App;
}

namespace scenario {

// `compila LINEA TRENO [-o DIR] [--linea NOME] [--treno NUMERO]
// [--senza-planimetria] [--formato testo|json] [--scrivi-con-errori]
// [--avvisi-come-errori] [--max-diagnostiche N] [--osserva]`:
// compiles an author's two description files, which it never changes, with
// the steps of the built-in run, reports every diagnostic (text on standard
// error, or JSON on standard output: one document however the command ends)
// and writes the compiled files into DIR when no error was recorded (nor a
// warning, with --avvisi-come-errori) or --scrivi-con-errori asks for them.
// With --osserva it compiles again on every save of either description,
// until Ctrl-C, which ends it with status 0.
void aggiungi_comando_compila(CLI::App& app, contesto_comando& c);

}  // namespace scenario
