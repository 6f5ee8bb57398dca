#include "disegno/semplifica.h"

#include <algorithm>
#include <utility>

namespace scenario {

namespace {

void semplifica_tratto(std::span<const punto> linea, double tolleranza, std::vector<punto>& uscita) {
  std::vector<bool> tenuto(linea.size(), false);
  tenuto.front() = tenuto.back() = true;
  const double t2 = tolleranza * tolleranza;
  // Spans still to look at, on a stack of our own: a line of a million
  // points would be too deep for recursion.
  std::vector<std::pair<size_t, size_t>> da_vedere{{0, linea.size() - 1}};
  while (!da_vedere.empty()) {
    auto [i, j] = da_vedere.back();
    da_vedere.pop_back();
    if (j <= i + 1) continue;
    const punto a = linea[i], b = linea[j];
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    double peggiore = -1;
    size_t scelto = i;
    for (size_t k = i + 1; k < j; ++k) {
      const double px = linea[k].x - a.x, py = linea[k].y - a.y;
      // The squared distance from the segment, times l2 when it has a length.
      const double lungo = dx * px + dy * py, croce = dx * py - dy * px;
      const double qx = px - dx, qy = py - dy;
      const double d = l2 <= 0       ? px * px + py * py
                       : lungo < 0   ? (px * px + py * py) * l2
                       : lungo > l2  ? (qx * qx + qy * qy) * l2
                                     : croce * croce;
      if (d > peggiore) {
        peggiore = d;
        scelto = k;
      }
    }
    if (peggiore > (l2 > 0 ? t2 * l2 : t2)) {
      tenuto[scelto] = true;
      da_vedere.emplace_back(i, scelto);
      da_vedere.emplace_back(scelto, j);
    }
  }
  // The first point is the last of the stretch before.
  for (size_t k = uscita.empty() ? 0 : 1; k < linea.size(); ++k) {
    if (tenuto[k]) uscita.push_back(linea[k]);
  }
}

}  // namespace

std::vector<punto> semplifica(std::span<const punto> linea, double tolleranza) {
  if (linea.size() <= 2) return {linea.begin(), linea.end()};
  // A quarter of the tolerance goes to dropping the points that stand that
  // close to the last one kept (a metre is a hundredth of a point on a long
  // line's page), the rest to the method itself.
  const double vicino = tolleranza / 4, vicino2 = vicino * vicino;
  std::vector<punto> radi{linea.front()};
  for (size_t k = 1; k + 1 < linea.size(); ++k) {
    const double dx = linea[k].x - radi.back().x, dy = linea[k].y - radi.back().y;
    if (dx * dx + dy * dy > vicino2) radi.push_back(linea[k]);
  }
  radi.push_back(linea.back());
  linea = radi;
  tolleranza -= vicino;
  // Stretches of a bounded number of points, each simplified alone: a line
  // made to defeat the method costs the square of a stretch, not of the
  // whole line, for one more point kept per stretch.
  constexpr size_t per_tratto = 1024;
  std::vector<punto> uscita;
  for (size_t da = 0; da + 1 < linea.size(); da += per_tratto) {
    const size_t a = std::min(da + per_tratto, linea.size() - 1);
    semplifica_tratto(linea.subspan(da, a - da + 1), tolleranza, uscita);
  }
  return uscita;
}

}  // namespace scenario
