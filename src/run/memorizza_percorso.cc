#include "run/memorizza_percorso.h"

#include "base/numeri_errore.h"
#include "compiler/memorizza_dati.h"
#include "output/codici_controllo.h"
#include "output/file_compilati.h"
#include "output/passata_finale.h"
#include "run/nomi_file.h"

namespace scenario {

void memorizza_percorso(modello& m, const std::filesystem::path& cartella, finestra& f,
                        int32_t& j) {
  inizializza_elementi(m);
  m.scrivi_planimetria = j;
  m.n_errore = numero_errore::nessuno;
  memorizza_dati(m, cartella);
  completa_percorso(m, cartella, f);
}

void completa_percorso(modello& m, const std::filesystem::path& cartella, finestra& f) {
  // Without a route length there is nothing to finish, and a cell grid file
  // of no cells would load as a route without track.
  if (!m.griglia_dimensionata()) {
    if (m.n_errore == numero_errore::nessuno) m.n_errore = numero_errore::griglia_mancante;
    return;
  }
  passata_finale(m);
  codici_controllo(m, f);

  if (m.scrivi_planimetria != 0) {
    scrivi_file_planimetria(cartella / nome_planimetria(m.linea), m);
  }
  scrivi_file_elementi(cartella / nome_elementi(m.linea, m.treno), m);
  scrivi_file_celle(cartella / nome_celle(m.linea, m.treno), m);
}

}  // namespace scenario
