#include "run/generazione.h"

#include <ostream>

#include "model/modello.h"
#include "output/scrittore_file.h"
#include "run/errore.h"
#include "run/memorizza_percorso.h"
#include "sources/dati_linea.h"
#include "sources/dati_treno.h"

namespace scenario {

int esegui_generazione(const std::filesystem::path& cartella, finestra& f, std::ostream& errori) {
  try {
    modello m;
    m.linea = linea_predefinita;
    m.treno = treno_predefinito;
    f.mostra("Attendere");
    dati_linea(m, cartella);
    dati_treno(m, cartella);

    int32_t j = 1;
    memorizza_percorso(m, cartella, f, j);
    return stato_uscita::successo;
  } catch (const fine_programma& fine) {
    return fine.stato;
  } catch (const errore_file& e) {
    errori << "Operazione sul file non riuscita: " << e.what() << std::endl;
    return stato_uscita::errore_file;
  }
}

}  // namespace scenario
