#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "comandi/contesto_comando.h"
#include "ispezione/rapporti_per_tipo.h"
#include "ispezione/rapporto.h"

namespace CLI {
class App;
}

namespace scenario {

// `ispeziona FILE... [--formato testo|csv|json] [--da METRI] [--a METRI]
// [--verifica]`: what the compiled files hold, and with --verifica every
// difference from what the simulator relies on.
void aggiungi_comando_ispeziona(CLI::App& app, contesto_comando& c);

struct opzioni_ispezione {
  std::vector<std::string> file;
  formato_rapporto formato = formato_rapporto::testo;
  intervallo_metri intervallo;
  bool verifica = false;
};

// The command once its options are read: reads the files (a file refused,
// or of a kind given twice, is reported on `errori`), writes the report of
// each on `uscita`, and with `verifica` a report of the differences after
// them. Returns the status (base/stato_uscita.h): errore_file for a file that
// cannot be opened or read, uso_errato for a file whose kind the name does
// not tell or of a kind given twice, errore_registrato for a file refused or
// a difference found.
int ispeziona(const opzioni_ispezione& opzioni, std::ostream& uscita, std::ostream& errori);

}  // namespace scenario
