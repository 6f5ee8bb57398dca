#include "comandi/comando_disegna.h"

#include <map>
#include <memory>

#include "comandi/valori_opzioni.h"
#include "disegno/disegna.h"

namespace scenario {

namespace {

struct opzioni_comando_disegna {
  std::string file_sim;
  std::string planimetria;
  std::string cartella;
  opzioni_disegno disegno;
  bool osserva = false;
};

}  // namespace

void aggiungi_comando_disegna(CLI::App& app, contesto_comando& c) {
  CLI::App* comando = app.add_subcommand(
      "disegna", "Draw the plan and the profile of a compiled scenario as SVG, PNG or PDF");
  auto o = std::make_shared<opzioni_comando_disegna>();
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
  const std::map<std::string, formato_disegno> formati{
      {"svg", formato_disegno::svg}, {"png", formato_disegno::png}, {"pdf", formato_disegno::pdf}};
  comando->add_option("--formato", o->disegno.formato, "Picture format (default: png)")
      ->transform(scelta_tra(formati));
  comando->add_option("--larghezza", o->disegno.larghezza_png, "Width of a PNG page in pixels")
      ->transform(intero_decimale(200, 20000));
  comando->add_flag("--osserva", o->osserva,
                    "Draw again whenever the element table, the cell grid or the track plan "
                    "changes, until Ctrl-C");
  comando->callback([o, &c] {
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
