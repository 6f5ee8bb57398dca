#include "comandi/comando_disegna.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/blocco_cartella.h"
#include "base/cartella_uscita.h"
#include "base/errore_file.h"
#include "base/scrittore_file.h"
#include "base/stato_uscita.h"
#include "base/testo_visibile.h"
#include "comandi/file_da_disegnare.h"
#include "comandi/valori_opzioni.h"
#include "disegno/disegna.h"
#include "file_compilati/lettura_file_compilati.h"
#include "piattaforma/osserva_file.h"

namespace scenario {

namespace {

struct opzioni_comando_disegna {
  std::string file_sim;
  std::string planimetria;
  std::string cartella;
  opzioni_disegno disegno;
  bool osserva = false;
};

const std::vector<std::pair<std::string, formato_disegno>> formati_disegno{
    {"svg", formato_disegno::svg}, {"png", formato_disegno::png}, {"pdf", formato_disegno::pdf}};

// The names of the formats that this build draws, or of those it lacks.
std::vector<std::string> nomi_formati(bool disegnati) {
  std::vector<std::string> nomi;
  for (const auto& [nome, formato] : formati_disegno) {
    if (formato_disponibile(formato) == disegnati) nomi.push_back(nome);
  }
  return nomi;
}

// "svg", "png and pdf", "svg, png and pdf".
std::string in_elenco(const std::vector<std::string>& nomi) {
  std::string testo;
  for (size_t k = 0; k < nomi.size(); ++k) {
    if (k > 0) testo += k + 1 == nomi.size() ? " and " : ", ";
    testo += nomi[k];
  }
  return testo;
}

// Where the formats that this build lacks are drawn: "this build draws svg
// only; png and pdf are drawn by the Linux build".
std::string dove_si_disegnano(const std::vector<std::string>& mancanti) {
  return "this build draws " + in_elenco(nomi_formati(true)) + " only; " + in_elenco(mancanti) +
         (mancanti.size() == 1 ? " is" : " are") + " drawn by the Linux build";
}

}  // namespace

int esegui_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                   const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori) {
  auto m = std::make_unique<modello>();
  try {
    file_letti letti;
    letti.elementi = file.elementi.string();
    letti.celle = file.celle.string();
    letti.planimetria = file.planimetria.string();
    leggi_file_compilati(*m, letti);
    std::filesystem::path destinazione = cartella.empty() ? file.elementi.parent_path() : cartella;
    if (destinazione.empty()) destinazione = ".";
    // Only once the files have been read: a mistaken command leaves no
    // directory behind.
    crea_cartella_uscita(destinazione);
    blocco_cartella blocco(destinazione, errori);
    rimuovi_temporanei_rimasti(destinazione, nomi_disegni(*m, file.nome, opzioni.formato));
    for (const auto& p : disegna(*m, destinazione, file.nome, opzioni)) {
      uscita << testo_visibile(p.string()) << '\n';
    }
    if (opzioni.formato != formato_disegno::pdf) {
      rimuovi_pagine_in_piu(*m, destinazione, file.nome, opzioni.formato);
    }
    uscita.flush();
  } catch (const file_compilato_non_valido& e) {
    errori << testo_visibile(e.what()) << std::endl;
    return stato_uscita::errore_registrato;
  } catch (const errore_file& e) {
    riporta_errore_file(errori, e);
    return stato_uscita::errore_file;
  }
  return stato_uscita::successo;
}

int osserva_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                    const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori) {
  opzioni_osservazione o;
  std::set<std::string> nomi;
  for (const std::filesystem::path& letto : {file.elementi, file.celle, file.planimetria}) {
    std::filesystem::path dir = letto.parent_path();
    if (dir.empty()) dir = ".";
    if (std::find(o.cartelle.begin(), o.cartelle.end(), dir) == o.cartelle.end()) {
      o.cartelle.push_back(dir);
    }
    nomi.insert(letto.filename().string());
  }
  o.interessa = [nomi](const std::string& nome) { return nomi.count(nome) > 0; };
  o.mostra = testo_visibile;
  // The rounds are marked where compila --osserva marks them: standard output
  // keeps the names of the pictures alone.
  return osserva(
      o, [&] { esegui_disegno(file, cartella, opzioni, uscita, errori); }, errori);
}

void aggiungi_comando_disegna(CLI::App& app, contesto_comando& c) {
  const std::vector<std::string> mancanti = nomi_formati(false);
  CLI::App* comando = app.add_subcommand(
      "disegna", "Draw the plan and the profile of a compiled scenario as SVG, PNG or PDF" +
                     (mancanti.empty() ? "" : " (" + dove_si_disegnano(mancanti) + ")"));
  auto o = std::make_shared<opzioni_comando_disegna>();
  // PNG where the build has it, a picture that any viewer opens.
  const bool con_png = formato_disponibile(formato_disegno::png);
  o->disegno.formato = con_png ? formato_disegno::png : formato_disegno::svg;
  comando
      ->add_option("FILE.sim", o->file_sim,
                   "The element table <route>_<train>.sim; the cell grid (same name, .dat) and "
                   "the track plan (<route>_linea.dat) are read from beside it")
      ->required();
  comando->add_option("--planimetria", o->planimetria,
                      "The track plan to read instead of <route>_linea.dat beside the table");
  comando->add_option("-o,--cartella", o->cartella,
                      "Directory for the pictures, created when missing (default: the element "
                      "table's own)");
  scelta_tra(comando->add_option(
                 "--formato", o->disegno.formato,
                 con_png ? "Picture format (default: png)" : "Picture format (default: svg)"),
             formati_disegno);
  comando->add_option("--larghezza", o->disegno.larghezza_png, "Width of a PNG page in pixels")
      ->transform(intero_decimale(200, 20000));
  comando->add_flag("--osserva", o->osserva,
                    "Draw again whenever the element table, the cell grid or the track plan "
                    "changes, until Ctrl-C");
  comando->callback([o, &c, mancanti] {
    // Before any file is read, rather than refused once the work is done.
    if (!formato_disponibile(o->disegno.formato)) {
      throw CLI::ValidationError(dove_si_disegnano(mancanti) + " of the same version");
    }
    // Only the command line names the files: the route written in the table
    // is never a path.
    std::optional<file_da_disegnare> file = file_accanto(o->file_sim, o->planimetria);
    if (!file) {
      throw CLI::ValidationError("FILE.sim: " + o->file_sim +
                                 " is not an element table (its name must end in .sim)");
    }
    if (file->planimetria.empty()) {
      throw CLI::ValidationError("FILE.sim: " + o->file_sim +
                                 " names no route (<route>_<train>.sim): give --planimetria");
    }
    c.azione = [o, file = *file, &c] {
      if (o->osserva) return osserva_disegno(file, o->cartella, o->disegno, c.uscita, c.errori);
      return esegui_disegno(file, o->cartella, o->disegno, c.uscita, c.errori);
    };
  });
}

}  // namespace scenario
