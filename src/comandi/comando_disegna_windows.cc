#include "comandi/comando_disegna.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "base/stato_uscita.h"

namespace scenario {

// cairo, which draws the pictures, is not built for Windows: the command is
// known, so that its help and its message say where to draw.
void aggiungi_comando_disegna(CLI::App& app, contesto_comando& c) {
  CLI::App* comando = app.add_subcommand(
      "disegna", "Not in the Windows build: draw with the Linux build of the generator");
  comando->allow_extras();
  comando->callback([&c] {
    c.azione = [&c] {
      c.errori << "generatore: disegna is not part of the Windows build; the Linux build of "
                  "the same version draws the same files"
               << std::endl;
      return stato_uscita::uso_errato;
    };
  });
}

}  // namespace scenario
