#include "comandi/comando_ispeziona.h"

#include <limits>
#include <map>
#include <memory>

#include "comandi/valori_opzioni.h"
#include "ispezione/ispeziona.h"

namespace scenario {

void aggiungi_comando_ispeziona(CLI::App& app, contesto_comando& c) {
  CLI::App* comando = app.add_subcommand(
      "ispeziona", "Show what compiled files hold (track plan, element table, cell grid)");
  auto o = std::make_shared<opzioni_ispezione>();
  comando
      ->add_option("FILE", o->file,
                   "Compiled files, their kind told by the name: <route>_linea.dat the track "
                   "plan, .sim the element table, any other .dat the cell grid")
      ->required();
  const std::map<std::string, formato_rapporto> formati{{"testo", formato_rapporto::testo},
                                                        {"csv", formato_rapporto::csv},
                                                        {"json", formato_rapporto::json}};
  comando->add_option("--formato", o->formato, "Report as text, CSV or JSON")
      ->transform(scelta_tra(formati));
  auto da = comando->add_option("--da", o->intervallo.da,
                                "Cell grid: only the cells that reach this metre or beyond");
  auto a = comando->add_option("--a", o->intervallo.a,
                               "Cell grid: only the cells that begin at this metre or before");
  const int64_t ultimo_metro = std::numeric_limits<int32_t>::max();
  da->transform(intero_decimale(0, ultimo_metro, "metres"));
  a->transform(intero_decimale(0, ultimo_metro, "metres"));
  comando->add_flag("--verifica", o->verifica,
                    "Check what the simulator relies on; status 3 when something differs");
  comando->callback([o, &c] {
    if (o->intervallo.da && o->intervallo.a && *o->intervallo.a < *o->intervallo.da) {
      throw CLI::ValidationError("--a " + std::to_string(*o->intervallo.a) +
                                 " is before --da " + std::to_string(*o->intervallo.da));
    }
    c.azione = [o, &c] { return ispeziona(*o, c.uscita, c.errori); };
  });
}

}  // namespace scenario
