#include "generazione/memorizza_percorso.h"

#include "modello/numeri_errore.h"
#include "compilazione/codici_controllo.h"
#include "file_compilati/file_compilati.h"
#include "compilazione/passata_finale.h"

namespace scenario {

namespace {

void prepara_compilazione(modello& m, int32_t j) {
  inizializza_elementi(m);
  m.scrivi_planimetria = j;
  azzera_errori(m);
}

}  // namespace

esito_percorso memorizza_percorso(modello& m, const percorsi_scenario& percorsi, int32_t& j) {
  prepara_compilazione(m, j);
  origini_celle origini;
  memorizza_dati(m, percorsi.descrizione_linea, percorsi.descrizione_treno, {}, &origini);
  return completa_percorso(m, percorsi, &origini);
}

esito_percorso compila_percorso(modello& m, const descrizione& linea, const descrizione& treno,
                                int32_t j) {
  prepara_compilazione(m, j);
  opzioni_compilazione opzioni;
  opzioni.cancella_descrizioni = false;
  opzioni.rifiuta_non_descrizioni = true;
  origini_celle origini;
  compila_descrizioni(m, linea, treno, opzioni, &origini);
  return rifinisci_percorso(m, linea.nome, &origini);
}

esito_percorso completa_percorso(modello& m, const percorsi_scenario& percorsi,
                                 origini_celle* origini) {
  const esito_percorso esito = rifinisci_percorso(m, percorsi.descrizione_linea.string(), origini);
  if (esito.da_scrivere) scrivi_percorso(m, percorsi);
  return esito;
}

esito_percorso rifinisci_percorso(modello& m, const std::string& file_linea,
                                  origini_celle* origini) {
  // Without a route length there is nothing to finish, and a cell grid file
  // of no cells would load as a route without track.
  if (!m.griglia_dimensionata()) {
    if (m.n_errore == numero_errore::nessuno) {
      registra_errore(m, numero_errore::griglia_mancante, std::nullopt, luogo_sorgente{file_linea});
    }
    return {};
  }
  passata_finale(m, origini);
  const int32_t occupati = codici_controllo(m);
  if (occupati != numero_errore::nessuno) return {.errore_fatale = occupati};
  return {.da_scrivere = true};
}

void scrivi_percorso(const modello& m, const percorsi_scenario& percorsi) {
  if (m.scrivi_planimetria != 0) scrivi_file_planimetria(percorsi.planimetria, m);
  scrivi_file_elementi(percorsi.elementi, m);
  scrivi_file_celle(percorsi.celle, m);
}

}  // namespace scenario
