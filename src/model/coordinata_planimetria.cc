#include "model/coordinata_planimetria.h"

#include <cassert>

namespace scenario {

coordinata_planimetria::coordinata_planimetria(std::initializer_list<valore_planimetria> valori) {
  dimensiona(valori.size());
  size_t metro = 0;
  for (const valore_planimetria& v : valori) metti(metro++, v);
}

void coordinata_planimetria::dimensiona(size_t metri) {
  metri_ = metri;
  valori_.clear();
  tipi_.clear();
  valori_.shrink_to_fit();
  tipi_.shrink_to_fit();
  // Reserved, not filled: the pages are touched only as the plan is drawn.
  valori_.reserve(metri);
  tipi_.reserve(metri);
}

valore_planimetria coordinata_planimetria::operator[](size_t metro) const {
  switch (tipo(metro)) {
    case intero:
      return static_cast<int16_t>(valori_[metro]);
    case reale:
      return valori_[metro];
    default:
      return std::monostate{};
  }
}

void coordinata_planimetria::metti(size_t metro, valore_planimetria v) {
  assert(metro < metri_);
  if (metro >= tipi_.size()) {
    valori_.resize(metro + 1, 0.0);
    tipi_.resize(metro + 1, vuoto);
  }
  if (const int16_t* i = std::get_if<int16_t>(&v)) {
    valori_[metro] = *i;
    tipi_[metro] = intero;
  } else if (const double* d = std::get_if<double>(&v)) {
    valori_[metro] = *d;
    tipi_[metro] = reale;
  } else {
    valori_[metro] = 0.0;
    tipi_[metro] = vuoto;
  }
}

}  // namespace scenario
