#include "piattaforma/pagine_grandi.h"

#include <windows.h>

namespace scenario {

// Large pages need a privilege that an ordinary user lacks: the block is
// committed as ordinary pages, which VirtualAlloc aligns to 64 KiB only, so it
// is reserved one huge page longer and the aligned part committed.
void* riserva_pagine_grandi(size_t byte) {
  constexpr size_t pagina_grande = size_t{2} << 20;
  if (byte > SIZE_MAX - 2 * pagina_grande) throw std::bad_alloc();
  size_t lunghezza = (byte + pagina_grande - 1) / pagina_grande * pagina_grande;
  for (int tentativo = 0; tentativo < 8; ++tentativo) {
    void* riserva = VirtualAlloc(nullptr, lunghezza + pagina_grande, MEM_RESERVE, PAGE_NOACCESS);
    if (riserva == nullptr) throw std::bad_alloc();
    uintptr_t allineato =
        (reinterpret_cast<uintptr_t>(riserva) + pagina_grande - 1) / pagina_grande * pagina_grande;
    // A reservation is released whole: take the aligned address again on its own.
    VirtualFree(riserva, 0, MEM_RELEASE);
    void* blocco = VirtualAlloc(reinterpret_cast<void*>(allineato), lunghezza,
                                MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (blocco != nullptr) return blocco;
  }
  void* blocco = VirtualAlloc(nullptr, lunghezza, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (blocco == nullptr) throw std::bad_alloc();
  return blocco;
}

void libera_pagine_grandi(void* blocco, size_t) { VirtualFree(blocco, 0, MEM_RELEASE); }

}  // namespace scenario
