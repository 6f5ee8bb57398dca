#include "comandi/comando_spiega.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "compilazione/riferimento_grammatica.h"
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
             << " is neither an error number nor a warning code; docs/numeri-errore.md lists them"
             << std::endl;
    return stato_uscita::uso_errato;
  }
  c.uscita << (e_avviso(voce) ? "warning " : "error ") << voce->numero << ": " << voce->significato
           << '\n';
  if (std::strlen(voce->spiegazione) > 0) c.uscita << '\n' << voce->spiegazione << '\n';
  c.uscita.flush();
  return stato_uscita::successo;
}

// Each row kind that `parola` names, as the reference of the formats
// describes it.
int spiega_voci(const std::vector<const grammatica::voce*>& voci, contesto_comando& c) {
  for (size_t i = 0; i < voci.size(); ++i) {
    if (i > 0) c.uscita << '\n';
    c.uscita << "A row of the "
             << (voci[i]->formato_ == grammatica::formato::linea ? "line" : "train")
             << " description.\n\n"
             << grammatica::riferimento_voce(*voci[i]);
  }
  c.uscita.flush();
  return stato_uscita::successo;
}

// A number, checked as any numeric option is; anything else must name a row
// kind or a section of the descriptions.
CLI::Validator numero_o_parola() {
  CLI::Validator numero = intero_decimale(0, std::numeric_limits<int32_t>::max());
  auto controlla = [numero](std::string& valore) -> std::string {
    bool numerico = !valore.empty() && (std::isdigit(static_cast<unsigned char>(valore[0])) ||
                                        valore[0] == '-' || valore[0] == '+');
    if (numerico) return numero(valore);
    if (grammatica::voci_nominate(valore).empty()) {
      return valore +
             " is neither a number nor a keyword or section header of the descriptions";
    }
    return "";
  };
  return CLI::Validator(controlla, "N|KEYWORD");
}

}  // namespace

void aggiungi_comando_spiega(CLI::App& app, contesto_comando& c) {
  CLI::App* comando =
      app.add_subcommand(
      "spiega",
      "Explain an error number or a warning code (cause and remedy), or a row of the descriptions");
  auto cosa = std::make_shared<std::string>();
  comando
      ->add_option("N", *cosa,
                   "The error number or warning code, or a keyword or section header of the "
                   "descriptions (\"stazione\", \"[segnali]\")")
      ->required()
      ->transform(numero_o_parola());
  comando->callback([cosa, &c] {
    c.azione = [cosa, &c] {
      std::vector<const grammatica::voce*> voci = grammatica::voci_nominate(*cosa);
      if (!voci.empty()) return spiega_voci(voci, c);
      return spiega(static_cast<int32_t>(std::stol(*cosa)), c);
    };
  });
}

}  // namespace scenario
