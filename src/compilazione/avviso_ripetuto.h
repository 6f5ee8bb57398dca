#pragma once

// A warning that, once its cause is there, every later row of a kind would
// repeat (rows past a fill that has reached the last cell): recorded once,
// at the first row, with the count of the later rows it also applies to.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "modello/modello.h"

namespace scenario {

class avviso_ripetuto {
 public:
  // The first call records warning `codice`; each later one only counts.
  void registra(modello& m, int32_t codice, luogo_sorgente luogo, std::string motivo);
  // The rows are read: the warning kept says on how many later rows it
  // applies too.
  void chiudi(modello& m);

 private:
  bool registrato_ = false;
  std::optional<size_t> indice_;  // in m.diagnostiche, when it was kept
  size_t altre_ = 0;
};

}  // namespace scenario
