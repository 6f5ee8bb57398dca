#include "modello/coordinata_planimetria.h"

#include <cassert>

namespace scenario {

namespace {

constexpr char due_byte_vuoti[2] = {0, 0};

}  // namespace

coordinata_planimetria::posto coordinata_planimetria::posto_di(const valore_planimetria& v) {
  posto p{};
  if (const int16_t* i = std::get_if<int16_t>(&v)) {
    scrivi_u16(p.data(), intero);
    scrivi_i16(p.data() + 2, *i);
  } else if (const double* d = std::get_if<double>(&v)) {
    scrivi_u16(p.data(), reale);
    scrivi_f64(p.data() + 2, *d);
  }
  return p;
}

coordinata_planimetria::coordinata_planimetria(std::initializer_list<valore_planimetria> valori) {
  dimensiona(valori.size());
  size_t metro = 0;
  for (const valore_planimetria& v : valori) metti(metro++, v);
}

void coordinata_planimetria::dimensiona(size_t metri) {
  metri_ = metri;
  inizio_reali_ = 0;
  posti_.clear();
  posti_.shrink_to_fit();
  // Reserved, not filled: the pages are touched only as the plan is drawn.
  posti_.reserve(metri);
}

double coordinata_planimetria::numero(size_t metro) const {
  const char* p = posti_[metro].data();
  if (tipo(metro) == intero) return leggi_i16(p + 2);
  return leggi_f64(p + 2);
}

valore_planimetria coordinata_planimetria::operator[](size_t metro) const {
  switch (tipo(metro)) {
    case intero:
      return static_cast<int16_t>(numero(metro));
    case reale:
      return numero(metro);
    default:
      return std::monostate{};
  }
}

std::string_view coordinata_planimetria::codifica(size_t metro) const {
  if (metro >= posti_.size()) return {due_byte_vuoti, sizeof due_byte_vuoti};
  return {posti_[metro].data(), lunghezza_codifica(tipo(metro))};
}

void coordinata_planimetria::metti(size_t metro, valore_planimetria v) {
  assert(metro < metri_);
  bool e_reale = std::holds_alternative<double>(v);
  if (metro >= posti_.size()) {
    // The metres skipped are stored empty; the doubles start after them.
    if (metro > posti_.size()) inizio_reali_ = metro;
    posti_.resize(metro + 1, posto{});
  }
  posti_[metro] = posto_di(v);
  // A double written over an earlier metre leaves the run where it was.
  if (!e_reale && metro >= inizio_reali_) inizio_reali_ = metro + 1;
}

}  // namespace scenario
