#include "compiler/planimetria.h"

#include <array>
#include <string>
#include <variant>

#include "model/errore_esecuzione.h"
#include "model/numeri_errore.h"
#include "sources/testo_windows_1252.h"

namespace scenario {

namespace {

// A turn of k per metre is a radius of about 1/k metres.
constexpr std::array<double, 6> curvature_per_classe = {0.0001, 0.0002, 0.0004,
                                                        0.001,  0.002,  0.003};

// The plan keeps on counting metres in a curve only this far.
constexpr int64_t ultimo_metro_di_curva = 1000000;

void richiedi_metro(const modello& m, int64_t metro) {
  if (metro < 0 || metro >= static_cast<int64_t>(m.planimetria[0].size())) {
    throw errore_esecuzione("metro " + std::to_string(metro) + " fuori dalla planimetria");
  }
}

double coordinata(const modello& m, int c, int32_t metro) {
  richiedi_metro(m, metro);
  const valore_planimetria& v = m.planimetria[c][static_cast<size_t>(metro)];
  if (const auto* intero = std::get_if<int16_t>(&v)) return *intero;
  if (const auto* reale = std::get_if<double>(&v)) return *reale;
  throw errore_esecuzione("metro " + std::to_string(metro) + " della planimetria senza valore");
}

// The last point and the step that led to it, for point `metro`.
struct ultimo_passo {
  double x1, y1, d0, d1;
};

ultimo_passo prima_di(const modello& m, int32_t metro) {
  richiedi_metro(m, metro);
  double x1 = coordinata(m, 0, metro - 1);
  double y1 = coordinata(m, 1, metro - 1);
  return {x1, y1, x1 - coordinata(m, 0, metro - 2), y1 - coordinata(m, 1, metro - 2)};
}

void metti_punto(modello& m, int32_t metro, double x, double y) {
  m.planimetria[0][static_cast<size_t>(metro)] = x;
  m.planimetria[1][static_cast<size_t>(metro)] = y;
}

void passo_dritto(modello& m, int32_t metro) {
  ultimo_passo p = prima_di(m, metro);
  metti_punto(m, metro, p.x1 + p.d0, p.y1 + p.d1);
}

// The step is not rescaled: each turning metre lengthens it by a factor
// sqrt(1 + k*k), as the plan has always been drawn.
void passo_curvo(modello& m, int32_t metro, double k) {
  ultimo_passo p = prima_di(m, metro);
  metti_punto(m, metro, p.x1 + p.d0 + k * p.d1, p.y1 + p.d1 - k * p.d0);
}

}  // namespace

std::optional<double> curvatura(std::string_view parola) {
  for (size_t classe = 0; classe < curvature_per_classe.size(); ++classe) {
    if (parola.find(static_cast<char>('1' + classe)) == std::string_view::npos) continue;
    double k = curvature_per_classe[classe];
    if (minuscolo(parola).find('s') != std::string::npos) k = -k;
    return k;
  }
  return std::nullopt;
}

void semina_planimetria(modello& m) {
  richiedi_metro(m, 1);
  m.planimetria[0][0] = int16_t{0};
  m.planimetria[1][0] = int16_t{0};
  m.planimetria[0][1] = int16_t{0};
  m.planimetria[1][1] = int16_t{1};
}

bool memo_curva(modello& m, int32_t& metro, int32_t s, int32_t l, std::string_view parola) {
  std::optional<double> k = curvatura(parola);
  if (!k) {
    m.n_errore = numero_errore::curva_errata;
    return false;
  }
  // A curve that would run past the last metre of the plan is refused like
  // one that runs past metre 1000000, keeping the points already computed.
  auto avanza = [&](std::optional<double> curva) {
    if (metro > m.metri_totali) return false;
    if (curva) {
      passo_curvo(m, metro, *curva);
    } else {
      passo_dritto(m, metro);
    }
    ++metro;
    return metro <= ultimo_metro_di_curva;
  };
  while (metro <= s) {
    if (!avanza(std::nullopt)) {
      m.n_errore = numero_errore::curva_errata;
      return false;
    }
  }
  int64_t fine_curva = int64_t{s} + l;
  while (metro <= fine_curva) {
    if (!avanza(k)) {
      m.n_errore = numero_errore::curva_errata;
      return false;
    }
  }
  return true;
}

void coda_planimetria(modello& m, int32_t& metro) {
  while (metro <= m.metri_totali - 2) {
    passo_dritto(m, metro);
    ++metro;
  }
}

}  // namespace scenario
