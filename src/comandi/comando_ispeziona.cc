#include "comandi/comando_ispeziona.h"

#include <CLI/CLI.hpp>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>

#include "base/errore_file.h"
#include "base/lettura_file.h"
#include "base/stato_uscita.h"
#include "comandi/valori_opzioni.h"
#include "file_compilati/file_compilati.h"
#include "file_compilati/lettura_file_compilati.h"
#include "ispezione/tabella_csv.h"
#include "ispezione/tipo_file.h"
#include "ispezione/verifica.h"

namespace scenario {

namespace {

struct file_ispezionato {
  std::string percorso;
  tipo_file_compilato tipo;
};

std::optional<std::string>& posto_di(file_letti& letti, tipo_file_compilato tipo) {
  switch (tipo) {
    case tipo_file_compilato::planimetria:
      return letti.planimetria;
    case tipo_file_compilato::elementi:
      return letti.elementi;
    case tipo_file_compilato::celle:
      break;
  }
  return letti.celle;
}

// What a refused file holds instead, when its bytes read as another kind.
std::string contenuto_di_altro_tipo(const std::string& byte, tipo_file_compilato tipo) {
  std::optional<tipo_file_compilato> altro = altro_tipo_del_contenuto(byte, tipo);
  if (!altro) return "";
  return std::string(" (the content is that of ") + descrizione_tipo_file(*altro) + ")";
}

}  // namespace

int ispeziona(const opzioni_ispezione& opzioni, std::ostream& uscita, std::ostream& errori) {
  std::vector<file_ispezionato> file;
  file_letti letti;
  for (const std::string& percorso : opzioni.file) {
    std::optional<tipo_file_compilato> tipo = tipo_da_nome(percorso);
    if (!tipo) {
      errori << "generatore: " << percorso
             << ": the name tells no kind of compiled file (expected _linea.dat, .sim or .dat)"
             << std::endl;
      return stato_uscita::uso_errato;
    }
    std::optional<std::string>& posto = posto_di(letti, *tipo);
    if (posto) {
      errori << "generatore: " << percorso << ": only one file of a kind: " << *posto << " is "
             << descrizione_tipo_file(*tipo) << " too" << std::endl;
      return stato_uscita::uso_errato;
    }
    posto = percorso;
    file.push_back({percorso, *tipo});
  }

  // A CSV table is of one file, and has no place for a check's findings.
  if (opzioni.formato == formato_rapporto::csv && file.size() != 1) {
    errori << "generatore: --formato csv writes the table of one file: name one, not "
           << file.size() << std::endl;
    return stato_uscita::uso_errato;
  }
  if (opzioni.formato == formato_rapporto::csv && opzioni.verifica) {
    errori << "generatore: --verifica reports in text or JSON, not in CSV" << std::endl;
    return stato_uscita::uso_errato;
  }

  auto m = std::make_unique<modello>();
  try {
    for (const file_ispezionato& f : file) {
      // The largest of any kind, not of the named one: a file misnamed is
      // still read, to say what it holds.
      std::string byte =
          leggi_file_intero(f.percorso, massimo_byte_file_compilato, "a compiled file");
      try {
        decodifica_file_di_tipo(*m, byte, f.tipo, f.percorso);
      } catch (const file_compilato_non_valido& e) {
        errori << e.what() << contenuto_di_altro_tipo(byte, f.tipo) << std::endl;
        return stato_uscita::errore_registrato;
      }
    }
  } catch (const errore_file& e) {
    riporta_errore_file(errori, e);
    return stato_uscita::errore_file;
  }

  if (opzioni.formato == formato_rapporto::csv) {
    scrivi_tabella_csv(uscita, *m, file.front().tipo, opzioni.intervallo);
    uscita.flush();
    return stato_uscita::successo;
  }
  std::vector<rapporto_file> rapporti;
  for (const file_ispezionato& f : file) {
    rapporti.push_back(rapporto_di_tipo(*m, f.percorso, f.tipo, opzioni.intervallo));
  }
  std::vector<std::string> trovate;
  if (opzioni.verifica) {
    trovate = differenze(*m, letti);
    rapporti.push_back(rapporto_verifica(trovate));
  }
  scrivi_rapporti(uscita, rapporti, opzioni.formato);
  uscita.flush();
  return trovate.empty() ? stato_uscita::successo : stato_uscita::errore_registrato;
}

void aggiungi_comando_ispeziona(CLI::App& app, contesto_comando& c) {
  CLI::App* comando = app.add_subcommand(
      "ispeziona", "Show what compiled files hold (track plan, element table, cell grid)");
  auto o = std::make_shared<opzioni_ispezione>();
  comando
      ->add_option("FILE", o->file,
                   "Compiled files, their kind told by the name: <route>_linea.dat the track "
                   "plan, .sim the element table, any other .dat the cell grid")
      ->required();
  scelta_tra(
      comando->add_option("--formato", o->formato,
                          "Report as text or JSON, or the rows of one file as a CSV table"),
      std::vector<std::pair<std::string, formato_rapporto>>{{"testo", formato_rapporto::testo},
                                                            {"csv", formato_rapporto::csv},
                                                            {"json", formato_rapporto::json}});
  auto da = comando->add_option(
      "--da", o->intervallo.da,
      "Cell grid: only the cells that reach this metre or beyond (in CSV the track plan too)");
  auto a = comando->add_option(
      "--a", o->intervallo.a,
      "Cell grid: only the cells that begin at this metre or before (in CSV the track plan too)");
  const int64_t ultimo_metro = std::numeric_limits<int32_t>::max();
  da->transform(intero_decimale(0, ultimo_metro, "metres"));
  a->transform(intero_decimale(0, ultimo_metro, "metres"));
  comando->add_flag("--verifica", o->verifica,
                    "Check what the simulator relies on; status 3 when something differs");
  comando->callback([o, &c] {
    if (o->intervallo.da && o->intervallo.a && *o->intervallo.a < *o->intervallo.da) {
      throw CLI::ValidationError("--a " + std::to_string(*o->intervallo.a) + " is before --da " +
                                 std::to_string(*o->intervallo.da));
    }
    c.azione = [o, &c] { return ispeziona(*o, c.uscita, c.errori); };
  });
}

}  // namespace scenario
