#pragma once

#include "comandi/contesto_comando.h"

namespace CLI {
class App;
}

namespace scenario {

// `descrizioni [-o DIR] [--documenti]`: writes the built-in line and train
// descriptions into DIR under their usual names, as an author's starting
// point; with --documenti the driver's three documents too.
void aggiungi_comando_descrizioni(CLI::App& app, contesto_comando& c);

}  // namespace scenario
