#include "generazione/generazione.h"

#include <ostream>
#include <system_error>

#include "base/blocco_cartella.h"
#include "base/interruzione.h"
#include "modello/numeri_errore.h"
#include "base/scrittore_file.h"
#include "documenti/dati_note.h"
#include "documenti/dati_rallentamenti.h"
#include "documenti/dati_scheda.h"
#include "modello/modello.h"
#include "generazione/errore.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"

namespace scenario {

namespace {

// A description file that the run has written and that must not outlive it:
// the compile deletes it once read, and otherwise this does, when the run
// stops early for any reason or is interrupted. Nothing is left to report a
// failed delete to by then: the run is already failing.
class descrizione_scritta {
 public:
  void da_scrivere(const std::filesystem::path& percorso) {
    percorso_ = percorso;
    interruzione_.registra(percorso);
  }
  ~descrizione_scritta() {
    if (percorso_.empty()) return;
    std::error_code ignorato;
    std::filesystem::remove(percorso_, ignorato);
  }

 private:
  std::filesystem::path percorso_;
  cancella_se_interrotto interruzione_;
};

int esegui(modello& m, const std::filesystem::path& cartella, finestra& f, std::ostream& errori) {
  const percorsi_scenario percorsi = percorsi_in(cartella, m.linea, m.treno);
  f.mostra("Attendere");
  blocco_cartella blocco(cartella, errori);
  rimuovi_temporanei_rimasti(cartella, nomi_file_esecuzione(m.linea, m.treno));
  // Each description is the run's to delete before it is written: from its
  // rename on, an interruption must find it registered.
  descrizione_scritta linea, treno;
  linea.da_scrivere(percorsi.descrizione_linea);
  dati_linea(percorsi.descrizione_linea);
  treno.da_scrivere(percorsi.descrizione_treno);
  dati_treno(percorsi.descrizione_treno);
  dati_note(percorsi.note);
  dati_rallentamenti(percorsi.rallentamenti);
  dati_scheda(percorsi.scheda_treno);

  int32_t j = 1;
  const esito_percorso esito = memorizza_percorso(m, percorsi, j);
  if (esito.errore_fatale != numero_errore::nessuno) {
    return mostra_errore_fatale(f, esito.errore_fatale);
  }
  // The compiled files are written all the same (there are none without a
  // grid); the run must not end as a success.
  if (compilazione_fallita(m)) {
    errori << messaggio_errore_registrato(m) << std::endl;
    return stato_uscita::errore_registrato;
  }
  return stato_uscita::successo;
}

}  // namespace

int esegui_generazione(const std::filesystem::path& cartella, finestra& f, std::ostream& errori) {
  try {
    modello m;
    m.linea = linea_predefinita;
    m.treno = treno_predefinito;
    return esegui(m, cartella, f, errori);
  } catch (const errore_file& e) {
    errori << "Operazione sul file non riuscita: " << e.what() << std::endl;
    return stato_uscita::errore_file;
  }
}

}  // namespace scenario
