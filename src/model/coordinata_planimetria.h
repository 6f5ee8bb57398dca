#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <variant>
#include <vector>

#include "model/pagine_grandi.h"

namespace scenario {

// A point coordinate of the track plan: empty, a 16-bit integer or a double.
// The alternative chosen travels into the track plan file as its type code.
using valore_planimetria = std::variant<std::monostate, int16_t, double>;

// One coordinate of the track plan, metre by metre. Held as doubles and type
// codes, nine bytes a metre, and filled from the front: the metres after the
// last one written are empty without being stored, so sizing a plan of a
// million metres costs nothing until it is drawn.
class coordinata_planimetria {
 public:
  // Type codes; they are also the codes of the track plan file.
  static constexpr uint8_t vuoto = 0;
  static constexpr uint8_t intero = 2;
  static constexpr uint8_t reale = 5;

  coordinata_planimetria() = default;
  coordinata_planimetria(std::initializer_list<valore_planimetria> valori);

  // Metres 0 to metri - 1, all empty.
  void dimensiona(size_t metri);

  size_t size() const { return metri_; }
  // Bytes held for the values, drawn or not.
  size_t memoria() const { return valori_.capacity() * sizeof(double) + tipi_.capacity(); }
  bool empty() const { return metri_ == 0; }

  uint8_t tipo(size_t metro) const { return metro < tipi_.size() ? tipi_[metro] : vuoto; }
  // The value of a metre that is not empty.
  double numero(size_t metro) const { return valori_[metro]; }

  valore_planimetria operator[](size_t metro) const;
  valore_planimetria back() const { return (*this)[metri_ - 1]; }

  // `metro` lies below size().
  void metti(size_t metro, valore_planimetria v);

  // The same for a double; drawing the plan metre after metre only appends.
  void metti_reale(size_t metro, double v) {
    if (metro != tipi_.size()) return metti(metro, v);
    valori_.push_back(v);
    tipi_.push_back(reale);
  }

 private:
  size_t metri_ = 0;
  std::vector<double, allocatore_pagine_grandi<double>> valori_;
  std::vector<uint8_t, allocatore_pagine_grandi<uint8_t>> tipi_;
};

}  // namespace scenario
