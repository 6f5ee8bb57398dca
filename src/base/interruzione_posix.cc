#include "base/interruzione.h"

#include <signal.h>
#include <unistd.h>

#include "base/stato_uscita.h"

namespace scenario {

namespace {

extern "C" void gestisci_interruzione(int segnale) {
  for (int i = 0; i < posti_interruzione; ++i) {
    if (const char* percorso = percorso_da_cancellare(i)) ::unlink(percorso);
  }
  ::_exit(stato_uscita::base_segnale + segnale);
}

}  // namespace

void installa_gestori_interruzione() {
  struct sigaction azione {};
  azione.sa_handler = gestisci_interruzione;
  sigemptyset(&azione.sa_mask);
  // Neither signal may run the handler over the other.
  sigaddset(&azione.sa_mask, SIGINT);
  sigaddset(&azione.sa_mask, SIGTERM);
  sigaction(SIGINT, &azione, nullptr);
  sigaction(SIGTERM, &azione, nullptr);
}

}  // namespace scenario
