#include "piattaforma/pagine_grandi.h"

#include <sys/mman.h>

#include <cstdint>

namespace scenario {

namespace {

constexpr size_t pagina_grande = size_t{2} << 20;

size_t arrotonda_alla_pagina(size_t byte) {
  return (byte + pagina_grande - 1) / pagina_grande * pagina_grande;
}

}  // namespace

void* riserva_pagine_grandi(size_t byte) {
  if (byte > SIZE_MAX - 2 * pagina_grande) throw std::bad_alloc();
  size_t lunghezza = arrotonda_alla_pagina(byte);
  // Mapped one huge page longer, and trimmed to a huge-page boundary.
  size_t mappati = lunghezza + pagina_grande;
  void* mappa = mmap(nullptr, mappati, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mappa == MAP_FAILED) throw std::bad_alloc();
  uintptr_t inizio = reinterpret_cast<uintptr_t>(mappa);
  uintptr_t allineato = (inizio + pagina_grande - 1) / pagina_grande * pagina_grande;
  size_t prima = allineato - inizio;
  if (prima > 0) munmap(mappa, prima);
  size_t dopo = mappati - prima - lunghezza;
  if (dopo > 0) munmap(reinterpret_cast<void*>(allineato + lunghezza), dopo);
  void* blocco = reinterpret_cast<void*>(allineato);
#ifdef MADV_HUGEPAGE
  // Only advice: without huge pages the block is mapped all the same.
  madvise(blocco, lunghezza, MADV_HUGEPAGE);
#endif
  return blocco;
}

void libera_pagine_grandi(void* blocco, size_t byte) {
  munmap(blocco, arrotonda_alla_pagina(byte));
}

}  // namespace scenario
