// Descriptions that say the same thing compile to the same bytes. The input
// is a pair as for the compile target: the line description, a line "%%",
// and the train description. Every variant of the pair that the reading
// rules make equal to it (line ends, blanks, letter case, an empty field
// against a 0) must compile to the same three compiled files, the same error
// number and the same error position as the pair itself.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "../tests/varianti_descrizione.h"

namespace {

using scenario::prova::compila_coppia;
using scenario::prova::compilato;
using scenario::prova::file_descrizione;

void segnala(const char* variante, const char* cosa, const std::string& linea,
             const std::string& treno) {
  std::fprintf(stderr, "variant \"%s\" compiles to another %s\n--- line:\n%s\n--- train:\n%s\n",
               variante, cosa, linea.c_str(), treno.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > (1 << 12)) return 0;
  std::string_view ingresso(reinterpret_cast<const char*>(dati), dimensione);
  size_t separatore = ingresso.find("\n%%\n");
  std::string linea(ingresso.substr(0, separatore));
  std::string treno(separatore == std::string_view::npos ? std::string_view()
                                                         : ingresso.substr(separatore + 4));

  // One input in four builds the track plan; a long route's plan, written
  // once per variant, would slow the fuzzer too much and is left out.
  int32_t j = dimensione % 4 == 1 ? 1 : 0;
  const compilato originale = compila_coppia(linea, treno, j);
  if (originale.planimetria.size() > (1 << 20)) return 0;

  for (const scenario::prova::variante& v : scenario::prova::varianti()) {
    auto l = scenario::prova::applica(linea, file_descrizione::linea, j != 0, v);
    auto t = scenario::prova::applica(treno, file_descrizione::treno, j != 0, v);
    if (!l && !t) continue;
    const std::string& vl = l ? *l : linea;
    const std::string& vt = t ? *t : treno;
    const compilato variato = compila_coppia(vl, vt, j);
    if (variato.n_errore != originale.n_errore) segnala(v.nome, "error number", vl, vt);
    if (variato.pos_errore != originale.pos_errore) segnala(v.nome, "error position", vl, vt);
    if (variato.planimetria != originale.planimetria) segnala(v.nome, "track plan", vl, vt);
    if (variato.elementi != originale.elementi) segnala(v.nome, "element table", vl, vt);
    if (variato.celle != originale.celle) segnala(v.nome, "cell grid", vl, vt);
  }
  return 0;
}
