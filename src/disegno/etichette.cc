#include "disegno/etichette.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

namespace scenario {

double area_comune(const rettangolo& a, const rettangolo& b) {
  double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
  double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
  return w > 0 && h > 0 ? w * h : 0;
}

namespace {

// Rings of spots round a marker, the k-th at k times its distance; a name
// that may be left out tries the first alone.
constexpr int anelli = 8;

bool dentro(const rettangolo& fuori, const rettangolo& r) {
  return r.x0 >= fuori.x0 && r.y0 >= fuori.y0 && r.x1 <= fuori.x1 && r.y1 <= fuori.y1;
}

bool finito(const rettangolo& r) {
  return std::isfinite(r.x0) && std::isfinite(r.y0) && std::isfinite(r.x1) && std::isfinite(r.y1);
}

// The spots around a marker, nearest first: on each ring right, left, the
// four corners, above and below.
std::vector<rettangolo> posti_intorno(const etichetta_da_posare& e, int quanti_anelli) {
  const double w = e.larghezza, h = e.altezza;
  std::vector<rettangolo> posti;
  for (int k = 1; k <= quanti_anelli; ++k) {
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

// Rectangles sorted into square cells over the page, so that a spot meets
// only those in the cells it covers: the plan of a long route holds
// thousands of points of line and hundreds of markers. Whatever lies off
// the page falls into the cells of its edge.
class indice_rettangoli {
 public:
  indice_rettangoli(const rettangolo& pagina, double lato) : pagina_(pagina), lato_(lato) {
    const auto celle = [&](double da, double a) {
      const double n = std::ceil((a - da) / lato);
      return std::isfinite(n) ? static_cast<int>(std::clamp(n, 1.0, 1000.0)) : 1;
    };
    nx_ = celle(pagina.x0, pagina.x1);
    ny_ = celle(pagina.y0, pagina.y1);
    celle_.resize(static_cast<size_t>(nx_) * static_cast<size_t>(ny_));
  }

  void aggiungi(const rettangolo& r) {
    // A box with a coordinate that is not a number meets nothing.
    if (std::isnan(r.x0) || std::isnan(r.y0) || std::isnan(r.x1) || std::isnan(r.y1)) return;
    const uint32_t k = static_cast<uint32_t>(rettangoli_.size());
    rettangoli_.push_back(r);
    timbri_.push_back(0);
    per_cella(r, [&](std::vector<uint32_t>& cella) { cella.push_back(k); });
  }

  // Calls f(k) once for each rectangle held that may meet `r`.
  template <class F>
  void vicini(const rettangolo& r, F f) {
    if (std::isnan(r.x0) || std::isnan(r.y0) || std::isnan(r.x1) || std::isnan(r.y1)) return;
    ++timbro_;
    per_cella(r, [&](std::vector<uint32_t>& cella) {
      for (uint32_t k : cella) {
        if (timbri_[k] == timbro_) continue;
        timbri_[k] = timbro_;
        f(rettangoli_[k]);
      }
    });
  }

 private:
  template <class F>
  void per_cella(const rettangolo& r, F f) {
    const auto colonna = [&](double v, double da, int n) {
      return static_cast<int>(std::clamp(std::floor((v - da) / lato_), 0.0, n - 1.0));
    };
    const int i0 = colonna(r.x0, pagina_.x0, nx_), i1 = colonna(r.x1, pagina_.x0, nx_);
    const int j0 = colonna(r.y0, pagina_.y0, ny_), j1 = colonna(r.y1, pagina_.y0, ny_);
    for (int j = j0; j <= j1; ++j) {
      for (int i = i0; i <= i1; ++i) f(celle_[static_cast<size_t>(j) * nx_ + i]);
    }
  }

  rettangolo pagina_;
  double lato_;
  int nx_ = 1, ny_ = 1;
  std::vector<std::vector<uint32_t>> celle_;
  std::vector<rettangolo> rettangoli_;
  std::vector<uint32_t> timbri_;
  uint32_t timbro_ = 0;
};

// What a spot costs, compared measure by measure in this order.
struct costo {
  double nomi = 0;       // area hiding a name, or off the page
  double ostacoli = 0;   // area hiding a marker
  double tracciato = 0;  // points of line covered, names crossed by the leader line
  size_t ordine = 0;     // how far out
  bool operator<(const costo& c) const {
    return std::tie(nomi, ostacoli, tracciato, ordine) <
           std::tie(c.nomi, c.ostacoli, c.tracciato, c.ordine);
  }
  bool libero() const { return nomi == 0 && ostacoli == 0 && tracciato == 0; }
};

// Points along a leader line from (x, y) to the nearest point of `r`, a few
// units apart, each as a small box.
std::vector<rettangolo> punti_richiamo(double x, double y, const rettangolo& r) {
  constexpr double passo = 3;
  const double ax = std::clamp(x, r.x0, r.x1), ay = std::clamp(y, r.y0, r.y1);
  const double dx = ax - x, dy = ay - y, lunghezza = std::sqrt(dx * dx + dy * dy);
  std::vector<rettangolo> punti;
  if (!(lunghezza > 0) || lunghezza > 1e4) return punti;
  const int n = static_cast<int>(std::ceil(lunghezza / passo));
  for (int k = 0; k < n; ++k) {
    const double f = static_cast<double>(k) / n;
    punti.push_back({x + dx * f - 0.5, y + dy * f - 0.5, x + dx * f + 0.5, y + dy * f + 0.5});
  }
  return punti;
}

}  // namespace

std::vector<etichetta_posata> posa_etichette(const std::vector<etichetta_da_posare>& etichette,
                                             const std::vector<rettangolo>& ostacoli,
                                             const std::vector<rettangolo>& tracciato,
                                             const rettangolo& pagina) {
  constexpr double lato_cella = 24;
  indice_rettangoli nomi(pagina, lato_cella), marcatori(pagina, lato_cella),
      linea(pagina, lato_cella);
  for (const rettangolo& o : ostacoli) marcatori.aggiungi(o);
  for (const rettangolo& t : tracciato) linea.aggiungi(t);
  std::vector<etichetta_posata> posate;
  posate.reserve(etichette.size());
  for (const etichetta_da_posare& e : etichette) {
    const std::vector<rettangolo> posti = posti_intorno(e, e.facoltativa ? 1 : anelli);
    const size_t per_anello = posti.size() / (e.facoltativa ? 1 : anelli);
    costo migliore{std::numeric_limits<double>::infinity(), 0, 0, 0};
    size_t scelto = 0;
    for (size_t k = 0; k < posti.size(); ++k) {
      const rettangolo& r = posti[k];
      if (!finito(r)) continue;
      costo c;
      c.ordine = k;
      // Off the page counts as hiding a whole name.
      if (!dentro(pagina, r)) c.nomi += r.area();
      nomi.vicini(r, [&](const rettangolo& n) { c.nomi += area_comune(r, n); });
      // The measures only grow as they are counted: a spot that already
      // costs more than the best is left there.
      if (migliore < c) continue;
      marcatori.vicini(r, [&](const rettangolo& o) { c.ostacoli += area_comune(r, o); });
      if (migliore < c) continue;
      linea.vicini(r, [&](const rettangolo& t) {
        if (area_comune(r, t) > 0) c.tracciato += 1;
      });
      if (k >= per_anello) {
        for (const rettangolo& p : punti_richiamo(e.x, e.y, r)) {
          nomi.vicini(p, [&](const rettangolo& n) {
            if (area_comune(p, n) > 0) c.tracciato += 1;
          });
        }
      }
      if (c < migliore) {
        migliore = c;
        scelto = k;
        // Nothing farther out can cost less than a free spot.
        if (migliore.libero()) break;
      }
    }
    etichetta_posata p;
    p.riquadro = posti.empty() ? rettangolo{e.x, e.y, e.x, e.y} : posti[scelto];
    p.con_richiamo = scelto >= per_anello;
    // A name whose every spot lies nowhere (a marker not a number) is left out.
    p.posata = std::isfinite(migliore.nomi) && (!e.facoltativa || migliore.libero());
    if (p.posata) {
      nomi.aggiungi(p.riquadro);
      if (p.con_richiamo) {
        for (const rettangolo& q : punti_richiamo(e.x, e.y, p.riquadro)) linea.aggiungi(q);
      }
    }
    posate.push_back(p);
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
