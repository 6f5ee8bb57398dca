// How much a run costs beyond writing its bytes. Four measurements in one
// process: the built-in run and the plain writing of the same bytes (its
// floor), and a synthetic route compiled and written against its own floor;
// then the ratios between them.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/scrittore_file.h"
#include "cartella_banco.h"
#include "descrizione_sintetica.h"
#include "generazione/finestra.h"
#include "generazione/generazione.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"

namespace scenario::banco {

namespace {

std::string leggi(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void scrivi(const std::filesystem::path& p, const std::string& contenuto) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
}

// Every file a run leaves, by name, with its bytes.
using file_prodotti = std::map<std::string, std::string>;

file_prodotti raccogli(const std::filesystem::path& cartella) {
  file_prodotti file;
  for (const auto& voce : std::filesystem::directory_iterator(cartella)) {
    file[voce.path().filename().string()] = leggi(voce.path());
  }
  return file;
}

// The floor: each file replaced from a prepared buffer with one write, the way
// every output must be replaced: written beside the old file, synced to the
// disk, renamed over it, and the directory synced.
void scrivi_pavimento(const std::filesystem::path& cartella, const file_prodotti& file) {
  for (const auto& [nome, contenuto] : file) sostituisci_file(cartella / nome, contenuto);
}

std::ostringstream scarto;
finestra_console finestra_muta(scarto, scarto);

void genera_predefinito(const std::filesystem::path& cartella) {
  if (esegui_generazione(cartella, finestra_muta, scarto) != 0) {
    std::cerr << "the built-in run failed" << std::endl;
    std::exit(1);
  }
}

void BM_GenerazionePredefinita(benchmark::State& stato) {
  cartella_banco cartella;
  for (auto _ : stato) genera_predefinito(cartella.percorso);
}

void BM_PavimentoPredefinito(benchmark::State& stato) {
  cartella_banco prima, descrizioni, cartella;
  genera_predefinito(prima.percorso);
  file_prodotti file = raccogli(prima.percorso);
  // The run also writes the two description files, before it deletes them.
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  dati_linea(descrizioni.percorso / nome_descrizione_linea(m.linea));
  dati_treno(descrizioni.percorso / nome_descrizione_treno(m.linea, m.treno));
  file.merge(raccogli(descrizioni.percorso));
  for (auto _ : stato) scrivi_pavimento(cartella.percorso, file);
}

// Compiles and writes a synthetic route whose descriptions lie ready in the
// directory; rewriting them is set-up, not measured.
void compila_sintetico(const std::filesystem::path& cartella, const descrizione_sintetica& d) {
  modello m;
  m.linea = "Sintetica";
  m.treno = "1";
  scrivi(cartella / nome_descrizione_linea(m.linea), d.linea);
  scrivi(cartella / nome_descrizione_treno(m.linea, m.treno), d.treno);
  int32_t j = 1;
  memorizza_percorso(m, percorsi_in(cartella, m.linea, m.treno), j);
  if (compilazione_fallita(m)) {
    std::cerr << "the synthetic route records error " << m.n_errore << " at " << m.pos_errore
              << std::endl;
    std::exit(1);
  }
}

void BM_PercorsoSintetico(benchmark::State& stato) {
  cartella_banco cartella;
  descrizione_sintetica d = crea_descrizione(static_cast<int32_t>(stato.range(0)));
  for (auto _ : stato) {
    stato.PauseTiming();
    modello m;
    m.linea = "Sintetica";
    m.treno = "1";
    scrivi(cartella.percorso / nome_descrizione_linea(m.linea), d.linea);
    scrivi(cartella.percorso / nome_descrizione_treno(m.linea, m.treno), d.treno);
    stato.ResumeTiming();
    int32_t j = 1;
    memorizza_percorso(m, percorsi_in(cartella.percorso, m.linea, m.treno), j);
    if (compilazione_fallita(m)) stato.SkipWithError("the synthetic route records an error");
  }
}

void BM_PavimentoSintetico(benchmark::State& stato) {
  cartella_banco prima, cartella;
  compila_sintetico(prima.percorso, crea_descrizione(static_cast<int32_t>(stato.range(0))));
  file_prodotti file = raccogli(prima.percorso);
  for (auto _ : stato) scrivi_pavimento(cartella.percorso, file);
}

BENCHMARK(BM_GenerazionePredefinita)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PavimentoPredefinito)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PercorsoSintetico)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PavimentoSintetico)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Peak memory of compiling and writing the 1000000 m route, against the
// memory its model holds. Measured in a child process forked before any
// benchmark has run, so that nothing the benchmarks held counts.
struct memoria_percorso {
  double picco_mib = 0;
  double modello_mib = 0;
};

size_t byte_del_modello(const modello& m) {
  size_t byte = sizeof(modello) + m.celle.capacity() * sizeof(cella);
  for (const coordinata_planimetria& c : m.planimetria) byte += c.memoria();
  for (const elemento& e : m.elementi) byte += e.testo.capacity();
  return byte;
}

std::optional<memoria_percorso> misura_memoria() {
  int tubo[2];
  if (pipe(tubo) != 0) return std::nullopt;
  pid_t figlio = fork();
  if (figlio < 0) return std::nullopt;
  if (figlio == 0) {
    close(tubo[0]);
    memoria_percorso misura;
    {
      cartella_banco cartella;
      modello m;
      m.linea = "Sintetica";
      m.treno = "1";
      {
        descrizione_sintetica d = crea_descrizione(1000000);
        scrivi(cartella.percorso / nome_descrizione_linea(m.linea), d.linea);
        scrivi(cartella.percorso / nome_descrizione_treno(m.linea, m.treno), d.treno);
      }
      int32_t j = 1;
      memorizza_percorso(m, percorsi_in(cartella.percorso, m.linea, m.treno), j);
      misura.modello_mib = static_cast<double>(byte_del_modello(m)) / (1 << 20);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    misura.picco_mib = static_cast<double>(uso.ru_maxrss) / 1024;  // ru_maxrss is in KiB
    ssize_t scritti = write(tubo[1], &misura, sizeof misura);
    _exit(scritti == sizeof misura ? 0 : 1);
  }
  close(tubo[1]);
  memoria_percorso misura;
  ssize_t letti = read(tubo[0], &misura, sizeof misura);
  close(tubo[0]);
  int stato = 0;
  waitpid(figlio, &stato, 0);
  if (letti != sizeof misura || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0) return std::nullopt;
  return misura;
}

// Keeps the real time of every benchmark, to print the ratios at the end:
// with repetitions the median of them, which a busy machine disturbs least.
class relatore_rapporti : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      if (r.run_type == Run::RT_Aggregate) {
        if (r.aggregate_name == "median") mediane_[r.run_name.str()] = r.GetAdjustedRealTime();
      } else {
        singoli_[r.benchmark_name()] = r.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::optional<double> tempo(const std::string& nome) const {
    if (auto i = mediane_.find(nome); i != mediane_.end()) return i->second;
    if (auto i = singoli_.find(nome); i != singoli_.end()) return i->second;
    return std::nullopt;
  }

 private:
  std::map<std::string, double> mediane_;
  std::map<std::string, double> singoli_;
};

void stampa_rapporto(const relatore_rapporti& r, const char* titolo, const std::string& a,
                     const std::string& b, double limite) {
  std::optional<double> ta = r.tempo(a);
  std::optional<double> tb = r.tempo(b);
  if (!ta || !tb) return;
  double rapporto = *ta / *tb;
  std::printf("%-48s %6.2f  (target at most %.1f)%s\n", titolo, rapporto, limite,
              rapporto <= limite ? "" : "  OVER TARGET");
}

}  // namespace

}  // namespace scenario::banco

int main(int argc, char** argv) {
  using namespace scenario::banco;
  benchmark::Initialize(&argc, argv);
  std::optional<memoria_percorso> memoria = misura_memoria();
  relatore_rapporti relatore;
  benchmark::RunSpecifiedBenchmarks(&relatore);
  std::printf("\n");
  stampa_rapporto(relatore, "built-in run / its floor", "BM_GenerazionePredefinita",
                  "BM_PavimentoPredefinito", 1.5);
  stampa_rapporto(relatore, "1000000 m route / its floor", "BM_PercorsoSintetico/1000000",
                  "BM_PavimentoSintetico/1000000", 1.5);
  stampa_rapporto(relatore, "1000000 m route / 100000 m route", "BM_PercorsoSintetico/1000000",
                  "BM_PercorsoSintetico/100000", 12.0);
  if (memoria) {
    double rapporto = memoria->picco_mib / memoria->modello_mib;
    std::printf("%-48s %6.2f  (target at most 3.0)%s\n", "1000000 m route: peak memory / its model",
                rapporto, rapporto <= 3.0 ? "" : "  OVER TARGET");
    std::printf("  peak resident memory %.1f MiB, model %.1f MiB\n", memoria->picco_mib,
                memoria->modello_mib);
  } else {
    std::printf("the peak memory of the 1000000 m route could not be measured\n");
  }
  benchmark::Shutdown();
  return 0;
}
