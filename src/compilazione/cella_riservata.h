#pragma once

#include "compilazione/lettore_campi.h"
#include "modello/modello.h"

namespace scenario {

// Watches the cell whose values the check codes fill while one row is
// compiled: a row that changes its val1 or val2 becomes their writer in the
// model, at the row's first value, so that an error 1250 or 1251 can point at
// the row. The row may end in a run-time failure: the writer is noted all the
// same.
class sorveglia_cella_riservata {
 public:
  sorveglia_cella_riservata(modello& m, const lettore_campi& file);
  ~sorveglia_cella_riservata();
  sorveglia_cella_riservata(const sorveglia_cella_riservata&) = delete;
  sorveglia_cella_riservata& operator=(const sorveglia_cella_riservata&) = delete;

 private:
  modello& m_;
  const lettore_campi& file_;
  int16_t val1_ = 0;
  int16_t val2_ = 0;
};

}  // namespace scenario
