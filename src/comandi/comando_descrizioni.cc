#include "comandi/comando_descrizioni.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <vector>

#include "base/blocco_cartella.h"
#include "base/cartella_uscita.h"
#include "base/scrittore_file.h"
#include "documenti/dati_note.h"
#include "documenti/dati_rallentamenti.h"
#include "documenti/dati_scheda.h"
#include "generazione/errore.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"

namespace scenario {

namespace {

struct opzioni_descrizioni {
  std::string cartella = ".";
  bool documenti = false;
};

int esporta(const opzioni_descrizioni& o, contesto_comando& c) {
  const std::string linea = linea_predefinita;
  const std::string treno = treno_predefinito;
  crea_cartella_uscita(o.cartella);
  blocco_cartella blocco(o.cartella, c.errori);
  std::vector<std::string> nomi{nome_descrizione_linea(linea),
                                nome_descrizione_treno(linea, treno)};
  if (o.documenti) {
    nomi.insert(nomi.end(), {nome_note(linea, treno), nome_rallentamenti(linea, treno),
                             nome_scheda_treno(linea, treno)});
  }
  rimuovi_temporanei_rimasti(o.cartella, nomi);

  const percorsi_scenario percorsi = percorsi_in(o.cartella, linea, treno);
  dati_linea(percorsi.descrizione_linea);
  dati_treno(percorsi.descrizione_treno);
  if (o.documenti) {
    dati_note(percorsi.note);
    dati_rallentamenti(percorsi.rallentamenti);
    dati_scheda(percorsi.scheda_treno);
  }
  return stato_uscita::successo;
}

}  // namespace

void aggiungi_comando_descrizioni(CLI::App& app, contesto_comando& c) {
  CLI::App* comando = app.add_subcommand(
      "descrizioni",
      "Write the built-in line and train descriptions, to start a scenario of your own from");
  auto o = std::make_shared<opzioni_descrizioni>();
  comando->add_option("-o,--cartella", o->cartella,
                      "Directory to write into, created when missing (default: the current one)");
  comando->add_flag("--documenti", o->documenti,
                    "Also write the driver's documents: timetable sheet, slow-down order, notes");
  comando->callback([o, &c] { c.azione = [o, &c] { return esporta(*o, c); }; });
}

}  // namespace scenario
