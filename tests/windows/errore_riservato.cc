// Test build only, never shipped: the built-in run with the route header's
// reserved value already filled when the check codes come, so that it ends on
// the message box of error 1250. A test finds the box, reads it and presses OK.

#include <iostream>
#include <memory>

#include "compilazione/memorizza_dati.h"
#include "documenti/dati_note.h"
#include "documenti/dati_rallentamenti.h"
#include "documenti/dati_scheda.h"
#include "modello/modello.h"
#include "piattaforma/cartella_programma.h"
#include "generazione/errore.h"
#include "generazione/finestra_programma.h"
#include "generazione/generazione.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"

int main(int, char** argv) {
  using namespace scenario;
  std::filesystem::path cartella = cartella_del_programma(argv[0]);
  std::unique_ptr<finestra> f = crea_finestra_programma(std::cout, std::cerr);
  modello m;
  m.linea = linea_predefinita;
  m.treno = treno_predefinito;
  const percorsi_scenario percorsi = percorsi_in(cartella, m.linea, m.treno);
  f->mostra("Attendere");
  dati_linea(percorsi.descrizione_linea);
  dati_treno(percorsi.descrizione_treno);
  dati_note(percorsi.note);
  dati_rallentamenti(percorsi.rallentamenti);
  dati_scheda(percorsi.scheda_treno);
  inizializza_elementi(m);
  m.scrivi_planimetria = 1;
  memorizza_dati(m, percorsi.descrizione_linea, percorsi.descrizione_treno);
  m.elementi[elemento_testata_percorso].dato_d = 1;
  const esito_percorso esito = completa_percorso(m, percorsi);
  if (esito.errore_fatale != 0) return mostra_errore_fatale(*f, esito.errore_fatale);
  return stato_uscita::successo;
}
