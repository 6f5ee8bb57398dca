#include "comandi/comando_spiega.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <ostream>

#include "modello/numeri_errore.h"
#include "comandi/valori_opzioni.h"
#include "generazione/errore.h"

namespace scenario {

namespace {

bool e_avviso(const voce_errore* voce) {
  std::span<const voce_errore> avvisi = tabella_avvisi();
  return std::any_of(avvisi.begin(), avvisi.end(),
                     [voce](const voce_errore& v) { return &v == voce; });
}

// "error 8: station position not a multiple of 50", a blank line and the
// paragraph that explains it.
int spiega(int32_t numero, contesto_comando& c) {
  const voce_errore* voce = cerca_voce(numero);
  if (voce == nullptr) {
    c.errori << "generatore: " << numero
             << " is neither an error number nor a warning code; the README lists them"
             << std::endl;
    return stato_uscita::uso_errato;
  }
  c.uscita << (e_avviso(voce) ? "warning " : "error ") << voce->numero << ": " << voce->significato
           << '\n';
  if (std::strlen(voce->spiegazione) > 0) c.uscita << '\n' << voce->spiegazione << '\n';
  c.uscita.flush();
  return stato_uscita::successo;
}

}  // namespace

void aggiungi_comando_spiega(CLI::App& app, contesto_comando& c) {
  CLI::App* comando =
      app.add_subcommand("spiega", "Explain an error number or a warning code: cause and remedy");
  auto numero = std::make_shared<int32_t>(0);
  comando->add_option("N", *numero, "The error number or warning code")
      ->required()
      ->transform(intero_decimale(0, std::numeric_limits<int32_t>::max()));
  comando->callback([numero, &c] { c.azione = [numero, &c] { return spiega(*numero, c); }; });
}

}  // namespace scenario
