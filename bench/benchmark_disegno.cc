// What drawing a scenario costs: the plan and the profile of the built-in
// line and of a synthetic 1,000 km route, in each format, the scenario read
// from its compiled files once beforehand.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cartella_banco.h"
#include "descrizione_sintetica.h"
#include "disegno/disegna.h"
#include "file_compilati/lettura_file_compilati.h"
#include "generazione/finestra.h"
#include "generazione/generazione.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"
#include "base/scrittore_file.h"

namespace scenario::banco {

namespace {

[[noreturn]] void fallisci(const std::string& perche) {
  std::cerr << perche << std::endl;
  std::exit(1);
}

// The model of a compiled scenario as disegna reads it: from the files.
std::unique_ptr<modello> leggi_compilato(const std::filesystem::path& cartella,
                                         const std::string& linea, const std::string& treno) {
  auto m = std::make_unique<modello>();
  file_letti letti;
  letti.planimetria = (cartella / (linea + "_linea.dat")).string();
  letti.elementi = (cartella / (linea + "_" + treno + ".sim")).string();
  letti.celle = (cartella / (linea + "_" + treno + ".dat")).string();
  leggi_file_compilati(*m, letti);
  return m;
}

std::unique_ptr<modello> scenario_predefinito(const std::filesystem::path& cartella) {
  std::ostringstream scarto;
  finestra_console muta(scarto, scarto);
  if (esegui_generazione(cartella, muta, scarto) != 0) fallisci("the built-in run failed");
  return leggi_compilato(cartella, linea_predefinita, treno_predefinito);
}

std::unique_ptr<modello> scenario_sintetico(const std::filesystem::path& cartella) {
  descrizione_sintetica d = crea_descrizione(1000000);
  modello m;
  m.linea = "Sintetica";
  m.treno = "1";
  sostituisci_file(cartella / nome_descrizione_linea(m.linea), d.linea);
  sostituisci_file(cartella / nome_descrizione_treno(m.linea, m.treno), d.treno);
  int32_t j = 1;
  memorizza_percorso(m, percorsi_in(cartella, m.linea, m.treno), j);
  if (compilazione_fallita(m)) fallisci("the synthetic route records an error");
  return leggi_compilato(cartella, m.linea, m.treno);
}

// Arguments: the route (0 built-in, 1 synthetic 1,000 km) and the format.
void BM_Disegno(benchmark::State& stato) {
  cartella_banco sorgente, uscita;
  std::unique_ptr<modello> m = stato.range(0) == 0 ? scenario_predefinito(sorgente.percorso)
                                                   : scenario_sintetico(sorgente.percorso);
  opzioni_disegno o;
  o.formato = static_cast<formato_disegno>(stato.range(1));
  size_t byte = 0;
  for (auto _ : stato) {
    byte = 0;
    for (const auto& p : disegna(*m, uscita.percorso, "Banco", o)) {
      byte += std::filesystem::file_size(p);
    }
  }
  stato.counters["byte"] = static_cast<double>(byte);
  stato.SetLabel(std::string(stato.range(0) == 0 ? "built-in" : "1,000 km") + ", " +
                 (o.formato == formato_disegno::svg   ? "svg"
                  : o.formato == formato_disegno::png ? "png"
                                                      : "pdf"));
}

BENCHMARK(BM_Disegno)
    ->ArgsProduct({{0, 1},
                   {static_cast<int>(formato_disegno::svg), static_cast<int>(formato_disegno::png),
                    static_cast<int>(formato_disegno::pdf)}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace scenario::banco
