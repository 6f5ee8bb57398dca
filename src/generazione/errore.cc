#include "generazione/errore.h"

#include "modello/numeri_errore.h"

namespace scenario {

std::string messaggio_errore(const std::string& a) { return " Errore n. " + a; }

std::string messaggio_errore_registrato(const modello& m) {
  std::string messaggio = messaggio_errore(std::to_string(m.n_errore));
  if (errore_con_posizione(m.n_errore)) {
    messaggio += ", posizione " + std::to_string(m.pos_errore) + " m";
  }
  return messaggio;
}

int mostra_errore_fatale(finestra& f, int32_t numero) {
  f.messaggio(messaggio_errore(std::to_string(numero)));
  return stato_uscita::errore_mostrato;
}

}  // namespace scenario
