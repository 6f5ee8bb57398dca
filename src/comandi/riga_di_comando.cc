#include "comandi/riga_di_comando.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "base/errore_file.h"
#include "base/testo_visibile.h"
#include "comandi/comando_compila.h"
#include "comandi/comando_descrizioni.h"
#include "comandi/comando_disegna.h"
#include "comandi/comando_ispeziona.h"
#include "comandi/comando_spiega.h"
#include "comandi/stampa_diagnostiche.h"
#include "generazione/errore.h"
#include "generazione/finestra.h"
#include "generazione/generazione.h"

namespace scenario {

namespace {

const char* const versione = "generatore " VERSIONE_GENERATORE;

// What is wrong, in one line, and where the usage is: the help of the command
// that was being read, or of the program when none was. The whole help would
// bury the one line that matters.
int errore_uso(const CLI::App& app, const std::string& cosa, contesto_comando& c) {
  if (c.uso_errato_in_json) c.uscita << diagnostiche_json({}, {}, {{"", cosa, ""}}) << std::flush;
  std::string aiuto = app.get_name();
  for (const CLI::App* comando : app.get_subcommands()) aiuto += " " + comando->get_name();
  c.errori << "generatore: " << testo_visibile(cosa) << "\nRun '" << aiuto
           << " --help' for more information.\n";
  return stato_uscita::uso_errato;
}

}  // namespace

int esegui_riga_di_comando(int argc, const char* const* argv, contesto_comando& c) {
  if (argc <= 1) {
    if (c.finestra_programma != nullptr) {
      return esegui_generazione(c.cartella_programma, *c.finestra_programma, c.errori);
    }
    finestra_console finestra(c.uscita, c.errori);
    return esegui_generazione(c.cartella_programma, finestra, c.errori);
  }

  CLI::App app("Scenario generator: without arguments, writes the built-in scenario next to "
               "the program.",
               "generatore");
  // At most one; none is reported after the parse, so that an unknown option
  // is named rather than hidden behind "a subcommand is required".
  app.require_subcommand(0, 1);
  app.set_version_flag("--version", versione);
  // Options are written alike on every system: on Windows a path such as
  // /dati/linea.txt, from the root of the drive, is a file, not an option.
  // The commands added below inherit this.
  app.allow_windows_style_options(false);
  aggiungi_comando_descrizioni(app, c);
  aggiungi_comando_compila(app, c);
  aggiungi_comando_spiega(app, c);
  aggiungi_comando_ispeziona(app, c);
  aggiungi_comando_disegna(app, c);
  for (CLI::App* comando : app.get_subcommands({})) comando->set_version_flag("--version", versione);

  // CLI11 would only say that a subcommand is required.
  const std::string primo = argv[1];
  const auto nominato = [&](const CLI::App* comando) { return comando->check_name(primo); };
  const std::vector<CLI::App*> comandi = app.get_subcommands({});
  if (!primo.empty() && primo[0] != '-' && std::none_of(comandi.begin(), comandi.end(), nominato)) {
    return errore_uso(app, "unknown command '" + primo + "'", c);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() != static_cast<int>(CLI::ExitCodes::Success)) {
      return errore_uso(app, e.what(), c);
    }
    app.exit(e, c.uscita, c.errori);  // --help or --version
    return stato_uscita::successo;
  }
  if (!c.azione) return errore_uso(app, "a command is required", c);
  try {
    return c.azione();
  } catch (const errore_file& e) {
    riporta_errore_file(c.errori, e);
    return stato_uscita::errore_file;
  }
}

}  // namespace scenario
