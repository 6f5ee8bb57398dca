#pragma once

// The pages drawn by cairo, as PNG or PDF. Only the builds that have cairo
// compile this file (disegna.h says which formats a build draws).

#include <string>
#include <vector>

#include "disegno/opzioni_disegno.h"
#include "disegno/tela.h"

namespace scenario {

// What a PDF says of itself in its document information.
struct metadati_pdf {
  std::string titolo;
  std::string soggetto;
};

// The bytes of a PDF holding `pagine`, each page of its own size.
std::string pdf_delle_pagine(const std::vector<pagina_disegno>& pagine, const metadati_pdf& m);

// The bytes of a PNG of `pagina`, `larghezza` pixels wide and as tall as the
// page's proportions give.
std::string png_della_pagina(const pagina_disegno& pagina, int larghezza);

}  // namespace scenario
