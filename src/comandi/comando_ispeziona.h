#pragma once

#include <CLI/CLI.hpp>

#include "comandi/contesto_comando.h"

namespace scenario {

// `ispeziona FILE... [--formato testo|csv|json] [--da METRI] [--a METRI]
// [--verifica]`: what the compiled files hold, and with --verifica every
// difference from what the simulator relies on (status 3 when there is one).
void aggiungi_comando_ispeziona(CLI::App& app, contesto_comando& c);

}  // namespace scenario
