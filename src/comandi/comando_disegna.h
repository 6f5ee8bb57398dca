#pragma once

#include <CLI/CLI.hpp>

#include "comandi/contesto_comando.h"

namespace scenario {

// `disegna FILE.sim [--planimetria FILE] [-o DIR] [--formato svg|png|pdf]
// [--larghezza PX] [--osserva]`: the plan and the profile of a compiled
// scenario as pictures, redrawn on every change with --osserva. The Windows build has the command but not the drawing: it
// says so and ends with the usage status.
void aggiungi_comando_disegna(CLI::App& app, contesto_comando& c);

}  // namespace scenario
