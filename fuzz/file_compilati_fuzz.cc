// Reads any bytes as each of the three compiled files: a reader must refuse
// what it cannot read with its message and never crash, and whatever it
// accepts must encode back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "file_compilati/file_compilati.h"
#include "file_compilati/lettura_file_compilati.h"

namespace {

template <typename Decodifica, typename Codifica>
void prova(std::string_view byte, Decodifica decodifica, Codifica codifica) {
  auto m = std::make_unique<scenario::modello>();
  try {
    decodifica(*m, byte, "fuzz");
  } catch (const scenario::file_compilato_non_valido&) {
    return;
  }
  if (codifica(*m) != byte) std::abort();
  scenario::dimensioni_discordanti(*m, {"p", "e", "c"});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > (1 << 20)) return 0;
  std::string_view byte(reinterpret_cast<const char*>(dati), dimensione);
  prova(byte, scenario::decodifica_file_planimetria, scenario::codifica_file_planimetria);
  prova(byte, scenario::decodifica_file_elementi, scenario::codifica_file_elementi);
  prova(byte, scenario::decodifica_file_celle, scenario::codifica_file_celle);
  return 0;
}
