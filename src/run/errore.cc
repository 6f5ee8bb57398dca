#include "run/errore.h"

namespace scenario {

std::string messaggio_errore(const std::string& a) { return " Errore n. " + a; }

void errore(modello& m, finestra& f, const std::string& a) {
  m.risposta = f.messaggio(messaggio_errore(a));
  throw fine_programma{stato_uscita::errore_mostrato};
}

}  // namespace scenario
