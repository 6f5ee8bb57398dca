// Reads any bytes as a description file, mixing text and number reads of
// every width, until the end: the reader must never crash, read outside its
// input or stop advancing.

#include <cstddef>
#include <cstdint>
#include <string>

#include "compilazione/lettore_campi.h"
#include "modello/errore_esecuzione.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione < 1 || dimensione > (1 << 16)) return 0;
  // The first byte chooses the order of the reads, the rest is the file.
  uint8_t scelte = dati[0];
  scenario::lettore_campi lettore(std::string(reinterpret_cast<const char*>(dati) + 1, dimensione - 1));
  try {
    for (unsigned passo = 0; !lettore.fine(); ++passo) {
      switch ((scelte >> (2 * (passo % 4))) & 3) {
        case 0:
          lettore.leggi_testo();
          break;
        case 1:
          lettore.leggi_i32();
          break;
        case 2:
          lettore.leggi_i16();
          break;
        default:
          lettore.leggi_u8();
          break;
      }
    }
  } catch (const scenario::errore_esecuzione&) {
    // A value too wide for its field: the compile's failure boundary handles it.
  }
  return 0;
}
