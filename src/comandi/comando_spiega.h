#pragma once

#include "comandi/contesto_comando.h"

namespace CLI {
class App;
}

namespace scenario {

// `spiega N`: what error or warning N means, what causes it and how an author
// mends it. A number that is neither is a usage error.
void aggiungi_comando_spiega(CLI::App& app, contesto_comando& c);

}  // namespace scenario
