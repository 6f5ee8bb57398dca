#include "base/interruzione.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace scenario {

namespace {

// A signal handler may not allocate nor take a lock, so the paths that it
// deletes live in fixed global storage, written only while their place is
// marked empty. One temporary file at a time and the two description files
// need three places; the fourth is to spare.
constexpr int posti = 4;
constexpr size_t lunghezza_massima = 4096;

char percorsi[posti][lunghezza_massima];
volatile std::sig_atomic_t occupato[posti];

extern "C" void gestisci_interruzione(int segnale) {
  for (int i = 0; i < posti; ++i) {
    if (occupato[i]) ::unlink(percorsi[i]);
  }
  ::_exit(128 + segnale);
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

void cancella_se_interrotto::registra(const std::filesystem::path& percorso) {
  dimentica();
  const std::string& testo = percorso.native();
  if (testo.size() >= lunghezza_massima) return;
  for (int i = 0; i < posti; ++i) {
    if (occupato[i]) continue;
    std::memcpy(percorsi[i], testo.c_str(), testo.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    occupato[i] = 1;
    posto_ = i;
    return;
  }
}

void cancella_se_interrotto::dimentica() {
  if (posto_ < 0) return;
  occupato[posto_] = 0;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  posto_ = -1;
}

}  // namespace scenario
