#include "run/memorizza_percorso.h"

#include "base/numeri_errore.h"
#include "compiler/memorizza_dati.h"
#include "output/codici_controllo.h"
#include "output/file_compilati.h"
#include "output/passata_finale.h"
#include "run/errore.h"

namespace scenario {

void memorizza_percorso(modello& m, const percorsi_scenario& percorsi, finestra& f, int32_t& j) {
  inizializza_elementi(m);
  m.scrivi_planimetria = j;
  azzera_errori(m);
  memorizza_dati(m, percorsi.descrizione_linea, percorsi.descrizione_treno);
  completa_percorso(m, percorsi, f);
}

void completa_percorso(modello& m, const percorsi_scenario& percorsi, finestra& f) {
  // Without a route length there is nothing to finish, and a cell grid file
  // of no cells would load as a route without track.
  if (!m.griglia_dimensionata()) {
    if (m.n_errore == numero_errore::nessuno) {
      registra_errore(m, numero_errore::griglia_mancante, std::nullopt,
                      luogo_sorgente{percorsi.descrizione_linea.string()});
    }
    return;
  }
  passata_finale(m);
  int32_t occupati = codici_controllo(m);
  if (occupati != numero_errore::nessuno) errore(m, f, std::to_string(occupati));

  if (m.scrivi_planimetria != 0) scrivi_file_planimetria(percorsi.planimetria, m);
  scrivi_file_elementi(percorsi.elementi, m);
  scrivi_file_celle(percorsi.celle, m);
}

}  // namespace scenario
