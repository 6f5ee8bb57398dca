#include "compilazione/cella_riservata.h"

namespace scenario {

namespace {

// The cell, or nullptr before the route length has sized the grid: a row
// that sizes it finds an empty cell there.
const cella* riservata(const modello& m) {
  return m.celle.size() > static_cast<size_t>(cella_riservata) ? &m.celle[cella_riservata]
                                                               : nullptr;
}

}  // namespace

sorveglia_cella_riservata::sorveglia_cella_riservata(modello& m, const lettore_campi& file)
    : m_(m), file_(file) {
  if (const cella* c = riservata(m)) {
    val1_ = c->val1;
    val2_ = c->val2;
  }
}

sorveglia_cella_riservata::~sorveglia_cella_riservata() {
  const cella* c = riservata(m_);
  if (c == nullptr || (c->val1 == val1_ && c->val2 == val2_)) return;
  // Counting the place allocates; a destructor must not throw, and a writer
  // left unnamed costs only the place of a later error.
  try {
    luogo_sorgente luogo = file_.luogo(file_.offset_campo(0));
    if (c->val1 != val1_) m_.autore_val1_riservato = luogo;
    if (c->val2 != val2_) m_.autore_val2_riservato = luogo;
  } catch (...) {
  }
}

}  // namespace scenario
