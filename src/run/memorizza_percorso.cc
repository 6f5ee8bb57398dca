#include "run/memorizza_percorso.h"

#include "compiler/memorizza_dati.h"
#include "output/file_compilati.h"
#include "run/nomi_file.h"

namespace scenario {

void memorizza_percorso(modello& m, const std::filesystem::path& cartella, finestra& f,
                        int32_t& j) {
  (void)f;
  inizializza_elementi(m);
  m.scrivi_planimetria = j;
  m.n_errore = 0;
  memorizza_dati(m, cartella);

  if (m.scrivi_planimetria != 0) {
    scrivi_file_planimetria(cartella / nome_planimetria(m.linea), m);
  }
  scrivi_file_elementi(cartella / nome_elementi(m.linea, m.treno), m);
  scrivi_file_celle(cartella / nome_celle(m.linea, m.treno), m);
}

}  // namespace scenario
