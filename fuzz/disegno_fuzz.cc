// Draws damaged scenarios: the three compiled files of the built-in run,
// with the input's patches applied, read back as `disegna` reads them and,
// when the readers accept them, drawn as SVG in memory. The input is a run of
// patches of five bytes each: an offset into the three files laid end to end
// (little-endian, taken modulo their length) and the byte to put there. A
// drawing must never crash, loop without end or write malformed text.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "compilazione/codici_controllo.h"
#include "compilazione/memorizza_dati.h"
#include "compilazione/passata_finale.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"
#include "disegno/disegna.h"
#include "disegno/tela_svg.h"
#include "file_compilati/file_compilati.h"
#include "file_compilati/lettura_file_compilati.h"

namespace {

struct file_base {
  std::string planimetria, elementi, celle;
};

const file_base& base() {
  static const file_base b = [] {
    char nome[] = "/tmp/disegno-fuzz-XXXXXX";
    const std::filesystem::path cartella = mkdtemp(nome);
    auto m = std::make_unique<scenario::modello>();
    m->linea = "Lorvento-Basalto";
    m->treno = "27364";
    scenario::inizializza_elementi(*m);
    m->scrivi_planimetria = 1;
    scenario::dati_linea(cartella / "l.txt");
    scenario::dati_treno(cartella / "t.txt");
    scenario::memorizza_dati(*m, cartella / "l.txt", cartella / "t.txt");
    scenario::passata_finale(*m);
    scenario::codici_controllo(*m);
    std::filesystem::remove_all(cartella);
    return file_base{scenario::codifica_file_planimetria(*m),
                     scenario::codifica_file_elementi(*m), scenario::codifica_file_celle(*m)};
  }();
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  file_base f = base();
  std::string* parti[] = {&f.planimetria, &f.elementi, &f.celle};
  const size_t totale = f.planimetria.size() + f.elementi.size() + f.celle.size();
  for (size_t k = 0; k + 5 <= dimensione && k < 5 * 256; k += 5) {
    size_t posto = (size_t{dati[k]} | size_t{dati[k + 1]} << 8 | size_t{dati[k + 2]} << 16 |
                    size_t{dati[k + 3]} << 24) %
                   totale;
    for (std::string* parte : parti) {
      if (posto < parte->size()) {
        (*parte)[posto] = static_cast<char>(dati[k + 4]);
        break;
      }
      posto -= parte->size();
    }
  }
  auto m = std::make_unique<scenario::modello>();
  try {
    scenario::decodifica_file_planimetria(*m, f.planimetria, "p");
    scenario::decodifica_file_elementi(*m, f.elementi, "e");
    scenario::decodifica_file_celle(*m, f.celle, "c");
  } catch (const scenario::file_compilato_non_valido&) {
    return 0;
  }
  if (!scenario::dimensioni_discordanti(*m, {"p", "e", "c"}).empty()) return 0;
  const scenario::oggetti_linea o = scenario::oggetti_di(*m);
  for (const scenario::pagina_disegno& pagina : scenario::pagine_disegno(*m, o)) {
    const std::string svg = scenario::svg_della_pagina(pagina);
    // No control character but the line ends may reach an XML file.
    for (unsigned char c : svg) {
      if (c < 0x20 && c != '\n') std::abort();
    }
  }
  return 0;
}
