#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <variant>
#include <vector>

#include "base/codifica.h"
#include "piattaforma/pagine_grandi.h"

namespace scenario {

// A point coordinate of the track plan: empty, a 16-bit integer or a double.
// The alternative chosen travels into the track plan file as its type code.
using valore_planimetria = std::variant<std::monostate, int16_t, double>;

// One coordinate of the track plan, metre by metre, held the way the track
// plan file stores it: each metre a slot of ten bytes, its u16 type code and
// then its value (an i16 or a double), little-endian. The first 2, 4 or 10
// bytes of a slot are that metre's bytes in the file, so a run of doubles
// goes to the file straight from here. Filled from the front: the metres
// after the last one written are empty without being stored, so sizing a
// plan of a million metres costs nothing until it is drawn.
class coordinata_planimetria {
 public:
  // Type codes; they are also the codes of the track plan file.
  static constexpr uint8_t vuoto = 0;
  static constexpr uint8_t intero = 2;
  static constexpr uint8_t reale = 5;

  static constexpr size_t byte_per_metro = 10;
  using posto = std::array<char, byte_per_metro>;
  static_assert(sizeof(posto) == byte_per_metro, "slots lie back to back, as in the file");

  // The slot of a value, and how many of its bytes the file takes.
  static posto posto_di(const valore_planimetria& v);
  static constexpr size_t lunghezza_codifica(uint8_t tipo) {
    return tipo == intero ? 4 : tipo == reale ? 10 : 2;
  }

  coordinata_planimetria() = default;
  coordinata_planimetria(std::initializer_list<valore_planimetria> valori);

  // Metres 0 to metri - 1, all empty.
  void dimensiona(size_t metri);

  size_t size() const { return metri_; }
  bool empty() const { return metri_ == 0; }
  // Bytes held for the values, drawn or not.
  size_t memoria() const { return posti_.capacity() * sizeof(posto); }

  uint8_t tipo(size_t metro) const {
    return metro < posti_.size() ? static_cast<uint8_t>(posti_[metro][0]) : vuoto;
  }
  // The value of a metre that is not empty.
  double numero(size_t metro) const;

  valore_planimetria operator[](size_t metro) const;
  valore_planimetria back() const { return (*this)[metri_ - 1]; }

  // The bytes of a metre in the track plan file.
  std::string_view codifica(size_t metro) const;

  // Metres 0 to riempiti() - 1 are stored; from inizio_reali() on they all
  // hold doubles, and reali() is their bytes in the file.
  size_t riempiti() const { return posti_.size(); }
  size_t inizio_reali() const { return inizio_reali_; }
  std::string_view reali() const {
    return {reinterpret_cast<const char*>(posti_.data()) + inizio_reali_ * byte_per_metro,
            (posti_.size() - inizio_reali_) * byte_per_metro};
  }

  // `metro` lies below size().
  void metti(size_t metro, valore_planimetria v);

  // The same for a double.
  void metti_reale(size_t metro, double v) {
    if (metro != posti_.size()) return metti(metro, v);
    posto p;
    scrivi_reale(p, v);
    posti_.push_back(p);
  }

  // Drawing the plan only appends: n slots after the last metre stored, left
  // as they are for the caller to set every one with scrivi_reale() before
  // the plan is used again.
  posto* accoda(size_t n) {
    size_t da = posti_.size();
    posti_.resize(da + n);
    return posti_.data() + da;
  }
  static void scrivi_reale(posto& p, double v) {
    scrivi_u16(p.data(), reale);
    scrivi_f64(p.data() + 2, v);
  }

 private:
  size_t metri_ = 0;
  size_t inizio_reali_ = 0;
  std::vector<posto, allocatore_pagine_grandi<posto>> posti_;
};

}  // namespace scenario
