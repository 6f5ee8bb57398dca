#include "run/generazione.h"

#include <ostream>

#include "base/numeri_errore.h"
#include "documents/dati_note.h"
#include "documents/dati_rallentamenti.h"
#include "documents/dati_scheda.h"
#include "model/modello.h"
#include "output/scrittore_file.h"
#include "run/errore.h"
#include "run/memorizza_percorso.h"
#include "run/nomi_file.h"
#include "sources/dati_linea.h"
#include "sources/dati_treno.h"

namespace scenario {

int esegui_generazione(const std::filesystem::path& cartella, finestra& f, std::ostream& errori) {
  try {
    modello m;
    m.linea = linea_predefinita;
    m.treno = treno_predefinito;
    const percorsi_scenario percorsi = percorsi_in(cartella, m.linea, m.treno);
    f.mostra("Attendere");
    dati_linea(percorsi.descrizione_linea);
    dati_treno(percorsi.descrizione_treno);
    dati_note(percorsi.note);
    dati_rallentamenti(percorsi.rallentamenti);
    dati_scheda(percorsi.scheda_treno);

    int32_t j = 1;
    memorizza_percorso(m, percorsi, f, j);
    // The compiled files are written all the same (there are none without a
    // grid); the run must not end as a success.
    if (m.n_errore != numero_errore::nessuno) {
      errori << messaggio_errore_registrato(m) << std::endl;
      return stato_uscita::errore_registrato;
    }
    return stato_uscita::successo;
  } catch (const fine_programma& fine) {
    return fine.stato;
  } catch (const errore_file& e) {
    errori << "Operazione sul file non riuscita: " << e.what() << std::endl;
    return stato_uscita::errore_file;
  }
}

}  // namespace scenario
