#include "comandi/comando_compila.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>
#include <new>
#include <ostream>
#include <set>
#include <string>

#include "base/blocco_cartella.h"
#include "base/cartella_uscita.h"
#include "base/errore_file.h"
#include "base/file_vicino.h"
#include "modello/numeri_errore.h"
#include "base/scrittore_file.h"
#include "comandi/stampa_diagnostiche.h"
#include "comandi/valori_opzioni.h"
#include "compilazione/lettore_campi.h"
#include "piattaforma/osserva_file.h"
#include "generazione/errore.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"

namespace scenario {

namespace {

struct opzioni_compila {
  std::string file_linea;
  std::string file_treno;
  std::string cartella = ".";
  std::string linea;
  std::string treno;
  bool senza_planimetria = false;
  std::string formato = "testo";
  bool scrivi_con_errori = false;
  bool avvisi_come_errori = false;
  bool osserva = false;
  // As given: the library would read "-1" as the largest count.
  size_t max_diagnostiche = 100;
};

std::string nome_file(const std::string& percorso) {
  return std::filesystem::path(percorso).filename().string();
}

// "<route>_linea.txt": the route; empty for any other name.
std::string linea_da_descrizione_linea(const std::string& percorso) {
  const std::string nome = nome_file(percorso);
  const std::string fine = "_linea.txt";
  return nome.ends_with(fine) ? nome.substr(0, nome.size() - fine.size()) : "";
}

// "<route>_<train>-.txt": the route and the train, split at the last "_".
std::pair<std::string, std::string> da_descrizione_treno(const std::string& percorso) {
  const std::string nome = nome_file(percorso);
  const std::string fine = "-.txt";
  if (!nome.ends_with(fine)) return {};
  const std::string radice = nome.substr(0, nome.size() - fine.size());
  const size_t separatore = radice.rfind('_');
  if (separatore == std::string::npos || separatore == 0 || separatore + 1 == radice.size()) {
    return {};
  }
  return {radice.substr(0, separatore), radice.substr(separatore + 1)};
}

// The compiled files are named after the route and the train: names that
// would lead out of the output directory, that one of the systems the files
// are made for refuses, or that would write two files over each other are
// refused before anything is read.
void controlla_nomi(const std::string& linea, const std::string& treno) {
  if (std::string d = difetto_nome(linea); !d.empty()) {
    throw CLI::ValidationError("the route name '" + testo_visibile(linea) + "' " + d);
  }
  if (std::string d = difetto_nome(treno); !d.empty()) {
    throw CLI::ValidationError("the train number '" + testo_visibile(treno) + "' " + d);
  }
  if (std::string d = difetto_nomi_file(
          {nome_planimetria(linea), nome_elementi(linea, treno), nome_celle(linea, treno)});
      !d.empty()) {
    throw CLI::ValidationError("the route name '" + linea + "' and the train number '" + treno +
                               "' do not make good file names: " + d);
  }
}

// The description at `file`; one that does not exist is refused with the
// file of its directory that was probably meant.
std::string leggi_descrizione_nominata(const std::string& file) {
  try {
    return leggi_descrizione(file);
  } catch (errore_file& e) {
    e.suggerisci(file_vicino(file));
    throw;
  }
}

size_t conta_avvisi(const modello& m) {
  return m.tralasciate.avvisi +
         static_cast<size_t>(
             std::count_if(m.diagnostiche.begin(), m.diagnostiche.end(),
                           [](const diagnostica& d) { return d.livello == gravita::avviso; }));
}

// Compiles into `m`, reports in text and writes. In JSON it reports nothing:
// compila writes the one document once it knows how the command ended.
int compila_in(const opzioni_compila& o, const std::string& linea, const std::string& treno,
               contesto_comando& c, modello& m) {
  const descrizione descrizione_linea{o.file_linea, leggi_descrizione_nominata(o.file_linea)};
  const descrizione descrizione_treno{o.file_treno, leggi_descrizione_nominata(o.file_treno)};
  const testi_sorgente testi{{descrizione_linea.nome, descrizione_linea.testo},
                             {descrizione_treno.nome, descrizione_treno.testo}};
  const bool testo = o.formato != "json";
  const auto riporta = [&] {
    if (!testo) return;
    stampa_diagnostiche(c.errori, m.diagnostiche, testi, m.tralasciate);
    c.errori.flush();
  };

  m.linea = linea;
  m.treno = treno;
  m.limite_diagnostiche = o.max_diagnostiche;
  const esito_percorso esito =
      compila_percorso(m, descrizione_linea, descrizione_treno, o.senza_planimetria ? 0 : 1);
  if (esito.errore_fatale != numero_errore::nessuno) {
    // No window for a command: the message goes to standard error before the
    // diagnostics, and standard output stays for the JSON form.
    c.errori << messaggio_errore(std::to_string(esito.errore_fatale)) << std::endl;
    riporta();
    return stato_uscita::errore_mostrato;
  }
  riporta();

  // The warnings are still counted as warnings: the status alone says that
  // they failed the compile.
  const bool avvisi_fatali = o.avvisi_come_errori && conta_avvisi(m) > 0;
  if (avvisi_fatali && testo) {
    c.errori << "warnings treated as errors (--avvisi-come-errori)" << std::endl;
  }
  const bool con_errori = compilazione_fallita(m) || avvisi_fatali;
  if (esito.da_scrivere && (!con_errori || o.scrivi_con_errori)) {
    crea_cartella_uscita(o.cartella);
    blocco_cartella blocco(o.cartella, c.errori);
    rimuovi_temporanei_rimasti(o.cartella, {nome_planimetria(linea), nome_elementi(linea, treno),
                                            nome_celle(linea, treno)});
    scrivi_percorso(m, percorsi_in(o.cartella, linea, treno));
  }
  return con_errori ? stato_uscita::errore_registrato : stato_uscita::successo;
}

// In JSON, standard output holds one document whatever ends the command: what
// stopped it early is an entry of its own, after the diagnostics met so far.
// The failure goes on to be reported on standard error and to set the status
// as in text.
int compila(const opzioni_compila& o, const std::string& linea, const std::string& treno,
            contesto_comando& c) {
  modello m;
  if (o.formato != "json") return compila_in(o, linea, treno, c, m);
  const auto documento = [&](std::vector<fallimento_comando> fallimenti) {
    c.uscita << diagnostiche_json(m.diagnostiche, m.tralasciate, fallimenti) << std::flush;
  };
  try {
    const int stato = compila_in(o, linea, treno, c, m);
    documento({});
    return stato;
  } catch (const errore_file& e) {
    documento({{e.percorso().string(), "file operation failed: " + e.motivo(), e.suggerimento()}});
    throw;
  } catch (const std::bad_alloc&) {
    documento({{"", "unexpected failure: out of memory", ""}});
    throw;
  } catch (const std::exception& e) {
    documento({{"", std::string("unexpected failure: ") + e.what(), ""}});
    throw;
  }
}

// A round on every save of either description, until Ctrl-C: each round
// reports as a single compile does, and a file that cannot be read or written
// is reported and waited out like any other mistake.
int compila_e_osserva(const opzioni_compila& o, const std::string& linea, const std::string& treno,
                      contesto_comando& c) {
  opzioni_osservazione osservazione;
  std::set<std::string> nomi;
  for (const std::string& file : {o.file_linea, o.file_treno}) {
    const std::filesystem::path percorso(file);
    const std::filesystem::path cartella =
        percorso.parent_path().empty() ? std::filesystem::path(".") : percorso.parent_path();
    if (std::find(osservazione.cartelle.begin(), osservazione.cartelle.end(), cartella) ==
        osservazione.cartelle.end()) {
      osservazione.cartelle.push_back(cartella);
    }
    nomi.insert(percorso.filename().string());
  }
  osservazione.interessa = [nomi](const std::string& nome) { return nomi.count(nome) > 0; };
  osservazione.mostra = testo_visibile;
  const auto giro = [&] {
    try {
      compila(o, linea, treno, c);
    } catch (const errore_file& e) {
      riporta_errore_file(c.errori, e);
    }
  };
  return osserva(osservazione, giro, c.errori);
}

}  // namespace

void aggiungi_comando_compila(CLI::App& app, contesto_comando& c) {
  CLI::App* comando = app.add_subcommand(
      "compila", "Compile a line description and a train description into the simulator's files");
  auto o = std::make_shared<opzioni_compila>();
  comando->add_option("LINEA", o->file_linea, "The line description file")->required();
  comando->add_option("TRENO", o->file_treno, "The train description file")->required();
  comando->add_option("-o,--cartella", o->cartella,
                      "Directory for the compiled files, created when missing (default: the "
                      "current one)");
  comando->add_option("--linea", o->linea,
                      "Route name (default: <route> of the file name <route>_linea.txt)");
  comando->add_option("--treno", o->treno,
                      "Train number (default: <train> of the file name <route>_<train>-.txt)");
  comando->add_flag("--senza-planimetria", o->senza_planimetria,
                    "Compile without the track plan, and do not write its file");
  scelta_tra(
      comando->add_option("--formato", o->formato,
                          "Diagnostics as text on standard error, or as JSON on standard output"),
      {"testo", "json"})
      // Known as soon as it is read, so that a usage error after it is told
      // in JSON too.
      ->each([&c](const std::string& formato) { c.uso_errato_in_json = formato == "json"; })
      ->trigger_on_parse();
  comando
      ->add_option("--max-diagnostiche", o->max_diagnostiche,
                   "List at most N errors and warnings, and count the others (default: 100; "
                   "0: no limit)")
      ->type_name("N")
      ->transform(intero_decimale(0, std::numeric_limits<int32_t>::max()));
  comando->add_flag("--scrivi-con-errori", o->scrivi_con_errori,
                    "Write the compiled files even when the compile recorded an error");
  comando->add_flag("--avvisi-come-errori", o->avvisi_come_errori,
                    "Treat warnings as errors: end with status 3 and write no compiled file "
                    "(unless --scrivi-con-errori)");
  comando->add_flag("--osserva", o->osserva,
                    "Compile again whenever either description is saved, until Ctrl-C");
  comando->callback([o, &c] {
    std::string linea = o->linea;
    if (linea.empty()) linea = linea_da_descrizione_linea(o->file_linea);
    if (linea.empty()) linea = da_descrizione_treno(o->file_treno).first;
    std::string treno = o->treno.empty() ? da_descrizione_treno(o->file_treno).second : o->treno;
    if (linea.empty()) {
      throw CLI::ValidationError(
          "the route name is missing: name the line description <route>_linea.txt or give "
          "--linea");
    }
    if (treno.empty()) {
      throw CLI::ValidationError(
          "the train number is missing: name the train description <route>_<train>-.txt or "
          "give --treno");
    }
    controlla_nomi(linea, treno);
    c.azione = [o, linea, treno, &c] {
      return o->osserva ? compila_e_osserva(*o, linea, treno, c) : compila(*o, linea, treno, c);
    };
  });
}

}  // namespace scenario
