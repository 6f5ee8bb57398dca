#include "base/interruzione.h"

#include <atomic>
#include <csignal>
#include <cstring>

namespace scenario {

namespace {

// A handler may not allocate nor take a lock, so the paths that it deletes
// live in fixed global storage, written only while their place is marked
// empty. One temporary file at a time and the two description files need
// three places; the fourth is to spare.
constexpr size_t lunghezza_massima = 4096;

std::filesystem::path::value_type percorsi[posti_interruzione][lunghezza_massima];
volatile std::sig_atomic_t occupato[posti_interruzione];

}  // namespace

const std::filesystem::path::value_type* percorso_da_cancellare(int posto) {
  return occupato[posto] ? percorsi[posto] : nullptr;
}

void cancella_se_interrotto::registra(const std::filesystem::path& percorso) {
  dimentica();
  const auto& testo = percorso.native();
  if (testo.size() >= lunghezza_massima) return;
  for (int i = 0; i < posti_interruzione; ++i) {
    if (occupato[i]) continue;
    std::memcpy(percorsi[i], testo.c_str(), (testo.size() + 1) * sizeof(testo[0]));
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
