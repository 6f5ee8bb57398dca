#include "disegno/etichette.h"

#include <algorithm>
#include <limits>

namespace scenario {

double area_comune(const rettangolo& a, const rettangolo& b) {
  double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
  double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
  return w > 0 && h > 0 ? w * h : 0;
}

namespace {

// Rings of spots round a marker, the k-th at k times its distance.
constexpr int anelli = 3;

bool dentro(const rettangolo& fuori, const rettangolo& r) {
  return r.x0 >= fuori.x0 && r.y0 >= fuori.y0 && r.x1 <= fuori.x1 && r.y1 <= fuori.y1;
}

// The spots around a marker, nearest first: on each ring right, left, the
// four corners, above and below.
std::vector<rettangolo> posti_intorno(const etichetta_da_posare& e) {
  const double w = e.larghezza, h = e.altezza;
  std::vector<rettangolo> posti;
  for (int k = 1; k <= anelli; ++k) {
    const double d = e.distanza * k, obliqua = d * 0.7;
    auto da_angolo = [&](double x0, double y0) { posti.push_back({x0, y0, x0 + w, y0 + h}); };
    da_angolo(e.x + d, e.y - h / 2);
    da_angolo(e.x - d - w, e.y - h / 2);
    da_angolo(e.x + obliqua, e.y - obliqua - h);
    da_angolo(e.x + obliqua, e.y + obliqua);
    da_angolo(e.x - obliqua - w, e.y - obliqua - h);
    da_angolo(e.x - obliqua - w, e.y + obliqua);
    da_angolo(e.x - w / 2, e.y - d - h);
    da_angolo(e.x - w / 2, e.y + d);
  }
  return posti;
}

}  // namespace

std::vector<etichetta_posata> posa_etichette(const std::vector<etichetta_da_posare>& etichette,
                                             const std::vector<rettangolo>& ostacoli,
                                             const std::vector<rettangolo>& tracciato,
                                             const rettangolo& pagina) {
  // What a spot costs: hiding a name weighs most, then hiding a marker, then
  // crossing the line; among equals, the nearer spot wins.
  constexpr double peso_nome = 1000, peso_ostacolo = 100, peso_tracciato = 6, peso_anello = 10;
  std::vector<etichetta_posata> posate;
  posate.reserve(etichette.size());
  for (const etichetta_da_posare& e : etichette) {
    std::vector<rettangolo> posti = posti_intorno(e);
    const size_t per_anello = posti.size() / anelli;
    double costo_minimo = std::numeric_limits<double>::infinity();
    size_t scelto = 0;
    for (size_t k = 0; k < posti.size(); ++k) {
      const rettangolo& r = posti[k];
      double costo =
          static_cast<double>(k / per_anello) * peso_anello + static_cast<double>(k % per_anello);
      // Off the page counts as hiding a whole name.
      if (!dentro(pagina, r)) costo += peso_nome * r.area();
      for (const etichetta_posata& p : posate) costo += peso_nome * area_comune(r, p.riquadro);
      for (const rettangolo& o : ostacoli) costo += peso_ostacolo * area_comune(r, o);
      for (const rettangolo& t : tracciato) {
        if (area_comune(r, t) > 0) costo += peso_tracciato;
      }
      if (costo < costo_minimo) {
        costo_minimo = costo;
        scelto = k;
      }
    }
    posate.push_back({posti[scelto], scelto >= per_anello});
  }
  return posate;
}

std::vector<double> distribuisci_in_fila(const std::vector<double>& x, double passo, double minimo,
                                         double massimo) {
  return distribuisci_in_fila(x, passo, minimo, std::vector<double>(x.size(), massimo));
}

std::vector<double> distribuisci_in_fila(const std::vector<double>& x, double passo, double minimo,
                                         const std::vector<double>& massimi) {
  // With q[i] = p[i] - i * passo the spacing becomes q non-decreasing, and
  // since q[i] <= q[j] for j > i, q[i] is bounded by the least of
  // massimi[j] - j * passo over j >= i: a ceiling that never falls along
  // the row. The nearest such q is the pool of adjacent blocks that run
  // backwards, each block at the mean of its members held between minimo
  // and the ceiling of its first member, the lowest of its members'.
  const size_t n = x.size();
  std::vector<double> tetto(n);
  for (size_t i = n; i-- > 0;) {
    const double proprio = massimi[i] - static_cast<double>(i) * passo;
    tetto[i] = i + 1 < n ? std::min(proprio, tetto[i + 1]) : proprio;
  }
  struct blocco {
    double somma;
    size_t quanti;
    double tetto;
    // A row too short for its names starts at minimo.
    double valore(double minimo) const {
      return std::max(std::min(somma / static_cast<double>(quanti), tetto), minimo);
    }
  };
  std::vector<blocco> blocchi;
  for (size_t i = 0; i < n; ++i) {
    blocchi.push_back({x[i] - static_cast<double>(i) * passo, 1, tetto[i]});
    while (blocchi.size() > 1 &&
           blocchi[blocchi.size() - 2].valore(minimo) > blocchi.back().valore(minimo)) {
      blocco ultimo = blocchi.back();
      blocchi.pop_back();
      blocchi.back().somma += ultimo.somma;
      blocchi.back().quanti += ultimo.quanti;
    }
  }
  std::vector<double> p;
  p.reserve(n);
  for (const blocco& b : blocchi) {
    const double q = b.valore(minimo);
    for (size_t k = 0; k < b.quanti; ++k) p.push_back(q + static_cast<double>(p.size()) * passo);
  }
  return p;
}

}  // namespace scenario
