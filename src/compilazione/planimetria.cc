#include "compilazione/planimetria.h"

#include <algorithm>
#include <array>
#include <string>
#include <variant>

#include "modello/numeri_errore.h"
#include "base/testo_windows_1252.h"
#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

// A turn of k per metre is a radius of about 1/k metres.
constexpr std::array<double, 6> curvature_per_classe = {0.0001, 0.0002, 0.0004,
                                                        0.001,  0.002,  0.003};

// The plan keeps on counting metres in a curve only this far.
constexpr int64_t ultimo_metro_di_curva = 1000000;

// The point of a metre is stored in both coordinates.
void richiedi_metro(const modello& m, int64_t metro) {
  if (metro < 0 || metro >= static_cast<int64_t>(m.planimetria[0].size()) ||
      metro >= static_cast<int64_t>(m.planimetria[1].size())) {
    throw errore_esecuzione("metre " + std::to_string(metro) + " lies outside the track plan");
  }
}

// The last metre that both coordinates can store.
int64_t ultimo_metro_del_piano(const modello& m) {
  return static_cast<int64_t>(std::min(m.planimetria[0].size(), m.planimetria[1].size())) - 1;
}

double coordinata(const modello& m, int c, int32_t metro) {
  richiedi_metro(m, metro);
  const coordinata_planimetria& piano = m.planimetria[c];
  if (piano.tipo(static_cast<size_t>(metro)) == coordinata_planimetria::vuoto) {
    throw errore_esecuzione("metre " + std::to_string(metro) + " of the track plan has no value");
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

  // Metres `metro` to `ultimo`, all of them inside the plan: straight without
  // a turn, turning by k per metre with one. Leaves `metro` after the last.
  void traccia(int32_t& metro, int64_t ultimo, std::optional<double> k) {
    if (ultimo < metro) return;
    size_t da = static_cast<size_t>(metro);
    size_t n = static_cast<size_t>(ultimo - metro + 1);
    coordinata_planimetria& piano_x = m_.planimetria[0];
    coordinata_planimetria& piano_y = m_.planimetria[1];
    if (piano_x.riempiti() == da && piano_y.riempiti() == da) {
      // Drawing at the end of the plan, as always: the points go straight
      // into the slots appended for them.
      coordinata_planimetria::posto* px = piano_x.accoda(n);
      coordinata_planimetria::posto* py = piano_y.accoda(n);
      passi(n, k, [&](size_t i, double x, double y) {
        coordinata_planimetria::scrivi_reale(px[i], x);
        coordinata_planimetria::scrivi_reale(py[i], y);
      });
    } else {
      passi(n, k, [&](size_t i, double x, double y) {
        piano_x.metti_reale(da + i, x);
        piano_y.metti_reale(da + i, y);
      });
    }
    metro += static_cast<int32_t>(n);
  }

 private:
  template <typename F>
  void passi(size_t n, std::optional<double> k, F metti) {
    if (k) {
      passi<true>(n, *k, metti);
    } else {
      passi<false>(n, 0, metti);
    }
  }

  // The step is not rescaled: each turning metre lengthens it by a factor
  // sqrt(1 + k*k), as the plan has always been drawn.
  template <bool curva, typename F>
  void passi(size_t n, double k, F metti) {
    double x0 = x0_, y0 = y0_, x1 = x1_, y1 = y1_;
    for (size_t i = 0; i < n; ++i) {
      double d0 = x1 - x0;
      double d1 = y1 - y0;
      double x, y;
      if constexpr (curva) {
        x = x1 + d0 + k * d1;
        y = y1 + d1 - k * d0;
      } else {
        x = x1 + d0;
        y = y1 + d1;
      }
      metti(i, x, y);
      x0 = x1;
      y0 = y1;
      x1 = x;
      y1 = y;
    }
    x0_ = x0;
    y0_ = y0;
    x1_ = x1;
    y1_ = y1;
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

bool memo_curva(modello& m, int32_t& metro, int32_t s, int32_t l, std::string_view parola,
                const campo_letto& campo_parola, const campo_letto& campo_lunghezza) {
  std::optional<double> k = curvatura(parola);
  if (!k) {
    registra_errore(m, numero_errore::curva_errata, std::nullopt, campo_parola.luogo());
    return false;
  }
  penna p(m, metro);
  // Per metre: one past the plan's last metre is not drawn (the curve is
  // clipped there), one past the storage of the plan is a run-time failure,
  // and reaching metre 1000000 is refused once it is drawn. The metres
  // before any of these go in one stretch.
  bool tagliata = false;
  auto tratto = [&](int64_t fine, std::optional<double> curva) {
    while (metro <= fine) {
      if (metro > m.metri_totali) {
        tagliata = true;
        return true;
      }
      richiedi_metro(m, metro);
      int64_t ultimo = std::min({fine, int64_t{m.metri_totali}, ultimo_metro_del_piano(m),
                                 std::max<int64_t>(metro, ultimo_metro_di_curva)});
      p.traccia(metro, ultimo, curva);
      if (metro > ultimo_metro_di_curva) return false;
    }
    return true;
  };
  if (!tratto(s, std::nullopt) || !tratto(int64_t{s} + l, k)) {
    registra_errore(m, numero_errore::curva_errata, std::nullopt, campo_lunghezza.luogo());
    return false;
  }
  if (tagliata) {
    registra_avviso(m, numero_avviso::curva_tagliata, campo_lunghezza.luogo(),
                    "it would end at metre " + std::to_string(int64_t{s} + l) +
                        ", the plan's last is " + std::to_string(m.metri_totali));
  }
  return true;
}

void coda_planimetria(modello& m, int32_t& metro) {
  if (metro > m.metri_totali - 2) return;
  penna p(m, metro);
  while (metro <= m.metri_totali - 2) {
    richiedi_metro(m, metro);
    p.traccia(metro, std::min<int64_t>(m.metri_totali - 2, ultimo_metro_del_piano(m)),
              std::nullopt);
  }
}

}  // namespace scenario
