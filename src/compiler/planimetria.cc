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
  const coordinata_planimetria& piano = m.planimetria[c];
  if (piano.tipo(static_cast<size_t>(metro)) == coordinata_planimetria::vuoto) {
    throw errore_esecuzione("metro " + std::to_string(metro) + " della planimetria senza valore");
  }
  return piano.numero(static_cast<size_t>(metro));
}

// Draws the plan metre after metre, keeping the last two points at hand: the
// step of each metre is the difference of the two points before it.
class penna {
 public:
  // Ready to draw metre `metro`.
  penna(modello& m, int32_t metro)
      : m_(m),
        x0_(coordinata(m, 0, metro - 2)),
        y0_(coordinata(m, 1, metro - 2)),
        x1_(coordinata(m, 0, metro - 1)),
        y1_(coordinata(m, 1, metro - 1)) {}

  void dritto(int32_t metro) {
    double d0 = x1_ - x0_;
    double d1 = y1_ - y0_;
    traccia(metro, x1_ + d0, y1_ + d1);
  }

  // The step is not rescaled: each turning metre lengthens it by a factor
  // sqrt(1 + k*k), as the plan has always been drawn.
  void curvo(int32_t metro, double k) {
    double d0 = x1_ - x0_;
    double d1 = y1_ - y0_;
    traccia(metro, x1_ + d0 + k * d1, y1_ + d1 - k * d0);
  }

 private:
  void traccia(int32_t metro, double x, double y) {
    richiedi_metro(m_, metro);
    m_.planimetria[0].metti_reale(static_cast<size_t>(metro), x);
    m_.planimetria[1].metti_reale(static_cast<size_t>(metro), y);
    x0_ = x1_;
    y0_ = y1_;
    x1_ = x;
    y1_ = y;
  }

  modello& m_;
  double x0_, y0_, x1_, y1_;
};

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
  m.planimetria[0].metti(0, int16_t{0});
  m.planimetria[1].metti(0, int16_t{0});
  m.planimetria[0].metti(1, int16_t{0});
  m.planimetria[1].metti(1, int16_t{1});
}

bool memo_curva(modello& m, int32_t& metro, int32_t s, int32_t l, std::string_view parola) {
  std::optional<double> k = curvatura(parola);
  if (!k) {
    m.n_errore = numero_errore::curva_errata;
    return false;
  }
  penna p(m, metro);
  // A curve that would run past the last metre of the plan is refused like
  // one that runs past metre 1000000, keeping the points already computed.
  auto avanza = [&](std::optional<double> curva) {
    if (metro > m.metri_totali) return false;
    if (curva) {
      p.curvo(metro, *curva);
    } else {
      p.dritto(metro);
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
  if (metro > m.metri_totali - 2) return;
  penna p(m, metro);
  while (metro <= m.metri_totali - 2) {
    p.dritto(metro);
    ++metro;
  }
}

}  // namespace scenario
