#pragma once

#include <CLI/CLI.hpp>

#include "comandi/contesto_comando.h"

namespace scenario {

// `spiega N`: what error or warning N means, what causes it and how an author
// mends it. A number that is neither is a usage error.
void aggiungi_comando_spiega(CLI::App& app, contesto_comando& c);

}  // namespace scenario
