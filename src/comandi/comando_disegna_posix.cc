#include "comandi/comando_disegna.h"

#include <map>
#include <memory>

#include "comandi/file_utente.h"
#include "disegno/disegna.h"

namespace scenario {

namespace {

struct opzioni_comando_disegna {
  std::string file_sim;
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
                   "The element table; the cell grid (same name, .dat) and the track plan "
                   "(<route>_linea.dat) are read from beside it")
      ->required();
  comando->add_option("-o,--cartella", o->cartella,
                      "Directory for the pictures (default: the element table's own)");
  const std::map<std::string, formato_disegno> formati{
      {"svg", formato_disegno::svg}, {"png", formato_disegno::png}, {"pdf", formato_disegno::pdf}};
  comando->add_option("--formato", o->disegno.formato, "Picture format (default: png)")
      ->transform(CLI::CheckedTransformer(formati, CLI::ignore_case));
  comando->add_option("--larghezza", o->disegno.larghezza_png, "Width of a PNG page in pixels")
      ->check(CLI::Range(200, 20000));
  comando->add_flag("--osserva", o->osserva,
                    "Draw again whenever the element table, the cell grid or a track plan "
                    "beside them changes, until Ctrl-C");
  comando->callback([o, &c] {
    c.azione = [o, &c] {
      if (!o->cartella.empty()) crea_cartella_uscita(o->cartella);
      if (o->osserva) {
        return osserva_disegno(o->file_sim, o->cartella, o->disegno, c.uscita, c.errori);
      }
      return esegui_disegno(o->file_sim, o->cartella, o->disegno, c.uscita, c.errori);
    };
  });
}

}  // namespace scenario
