#include "ispezione/curve_ritrovate.h"

#include <algorithm>
#include <cmath>

namespace scenario {

namespace {

constexpr double curvature[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};

// The plan's arithmetic leaves its steps off by far less than this; the
// smallest class turns by 0.0001.
constexpr double tolleranza = 1e-7;

bool disegnato(const modello& m, size_t metro) {
  return m.planimetria[0].tipo(metro) != coordinata_planimetria::vuoto &&
         m.planimetria[1].tipo(metro) != coordinata_planimetria::vuoto;
}

// The turn of the step into `metro` against the step into metro - 1:
// new step = d + k (d1, -d0), so k is the component of the change along
// (d1, -d0), over |d|².
double curvatura_al_metro(const modello& m, size_t metro) {
  const auto& x = m.planimetria[0];
  const auto& y = m.planimetria[1];
  double d0 = x.numero(metro - 1) - x.numero(metro - 2);
  double d1 = y.numero(metro - 1) - y.numero(metro - 2);
  double n0 = x.numero(metro) - x.numero(metro - 1);
  double n1 = y.numero(metro) - y.numero(metro - 1);
  double norma = d0 * d0 + d1 * d1;
  if (norma == 0) return 0;
  double k = ((n0 - d0) * d1 - (n1 - d1) * d0) / norma;
  if (std::fabs(k) < tolleranza) return 0;
  for (double c : curvature) {
    if (std::fabs(std::fabs(k) - c) < tolleranza) return std::copysign(c, k);
  }
  return k;
}

}  // namespace

double curvatura_di_classe(int classe) {
  return classe >= 1 && classe <= 6 ? curvature[classe - 1] : 0;
}

std::vector<curva_ritrovata> curve_ritrovate(const modello& m) {
  std::vector<curva_ritrovata> curve;
  size_t metri = m.planimetria[0].size();
  curva_ritrovata* aperta = nullptr;
  for (size_t metro = 2; metro < metri; ++metro) {
    if (!disegnato(m, metro) || !disegnato(m, metro - 1) || !disegnato(m, metro - 2)) {
      aperta = nullptr;
      continue;
    }
    double k = curvatura_al_metro(m, metro);
    if (k == 0) {
      aperta = nullptr;
      continue;
    }
    if (aperta != nullptr && aperta->k == k) {
      ++aperta->lunghezza;
      continue;
    }
    curva_ritrovata c;
    c.inizio = static_cast<int32_t>(metro) - 1;
    c.lunghezza = 1;
    c.k = k;
    c.lato = k < 0 ? 's' : 'd';
    for (int classe = 1; classe <= 6; ++classe) {
      if (std::fabs(k) == curvature[classe - 1]) c.classe = classe;
    }
    curve.push_back(c);
    aperta = &curve.back();
  }
  return curve;
}

misure_planimetria misura_planimetria(const modello& m) {
  misure_planimetria r;
  r.metri = static_cast<int64_t>(m.planimetria[0].size());
  bool primo = true;
  bool precedente = false;
  double px = 0, py = 0;
  for (size_t metro = 0; metro < m.planimetria[0].size(); ++metro) {
    if (!disegnato(m, metro)) {
      precedente = false;
      continue;
    }
    double x = m.planimetria[0].numero(metro);
    double y = m.planimetria[1].numero(metro);
    ++r.metri_disegnati;
    if (primo) {
      r.x_min = r.x_max = x;
      r.y_min = r.y_max = y;
      primo = false;
    }
    r.x_min = std::min(r.x_min, x);
    r.x_max = std::max(r.x_max, x);
    r.y_min = std::min(r.y_min, y);
    r.y_max = std::max(r.y_max, y);
    if (precedente) r.lunghezza_disegnata += std::hypot(x - px, y - py);
    px = x;
    py = y;
    precedente = true;
  }
  return r;
}

}  // namespace scenario
