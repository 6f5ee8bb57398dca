#include "disegno/tela.h"

#include <algorithm>
#include <numbers>

#include "base/utf8.h"
#include "disegno/metriche_carattere.h"

namespace scenario {

namespace {

const avanzamento_carattere* cerca(char32_t c) {
  const auto& a = metriche_dejavu_sans.avanzamenti;
  auto k = std::lower_bound(a.begin(), a.end(), c,
                            [](const avanzamento_carattere& v, char32_t p) { return v.punto < p; });
  return k != a.end() && k->punto == c ? &*k : nullptr;
}

double per_punto(double corpo) { return corpo / metriche_dejavu_sans.unita_em; }

// Cosine and sine of a multiple of 45 degrees, exact where they are 0 or 1,
// so that every build turns a text by the same numbers.
std::pair<double, double> coseno_seno(int gradi) {
  constexpr double r = std::numbers::sqrt2 / 2;
  constexpr std::pair<double, double> ottavi[] = {{1, 0},  {r, r},   {0, 1},  {-r, r},
                                                  {-1, 0}, {-r, -r}, {0, -1}, {r, -r}};
  return ottavi[static_cast<size_t>(((gradi / 45) % 8 + 8) % 8)];
}

}  // namespace

pennello pieno(colore c, double opacita) {
  pennello p;
  p.riempimento = c;
  p.opacita_riempimento = opacita;
  return p;
}

pennello filo(colore c, double spessore, double opacita) {
  pennello p;
  p.tratto = c;
  p.spessore = spessore;
  p.opacita_tratto = opacita;
  return p;
}

std::string testo_disegnabile(std::string_view testo) {
  std::string uscita;
  while (!testo.empty()) {
    char32_t c = 0;
    size_t n = decodifica_utf8(testo, c);
    if (n == 0 || cerca(c) == nullptr) {
      uscita += '?';
      testo.remove_prefix(n == 0 ? 1 : n);
      continue;
    }
    uscita.append(testo.substr(0, n));
    testo.remove_prefix(n);
  }
  return uscita;
}

double larghezza_testo(std::string_view testo, double corpo, bool grassetto) {
  const avanzamento_carattere* domanda = cerca('?');
  int64_t unita = 0;
  while (!testo.empty()) {
    char32_t c = 0;
    size_t n = decodifica_utf8(testo, c);
    const avanzamento_carattere* a = n == 0 ? nullptr : cerca(c);
    if (a == nullptr) a = domanda;
    unita += grassetto ? a->grassetto : a->normale;
    testo.remove_prefix(n == 0 ? 1 : n);
  }
  return static_cast<double>(unita) * per_punto(corpo);
}

double sopra_testo(double corpo) { return metriche_dejavu_sans.sopra * per_punto(corpo); }
double sotto_testo(double corpo) { return metriche_dejavu_sans.sotto * per_punto(corpo); }

std::string testo_accorciato(const std::string& testo, double larghezza, double corpo,
                             bool grassetto) {
  if (larghezza_testo(testo, corpo, grassetto) <= larghezza) return testo;
  const std::string puntini = "…";
  double resta = larghezza - larghezza_testo(puntini, corpo, grassetto);
  const std::string_view v = testo;
  size_t fine = 0;
  while (fine < v.size()) {
    char32_t c = 0;
    const size_t n = std::max<size_t>(decodifica_utf8(v.substr(fine), c), 1);
    const double w = larghezza_testo(v.substr(fine, n), corpo, grassetto);
    if (w > resta) break;
    resta -= w;
    fine += n;
  }
  std::string corto(v.substr(0, fine));
  while (!corto.empty() && corto.back() == ' ') corto.pop_back();
  return corto + puntini;
}

std::array<punto, 4> angoli_scritta(const scritta& s) {
  const auto [cs, sn] = coseno_seno(s.rotazione);
  const double w = larghezza_testo(s.testo, s.corpo, s.grassetto);
  const double davanti = s.allinea == ancoraggio::inizio   ? 0
                         : s.allinea == ancoraggio::centro ? w / 2
                                                           : w;
  // Along the baseline, and up from it.
  const punto u{cs, sn}, su{sn, -cs};
  const punto inizio{s.a.x - u.x * davanti, s.a.y - u.y * davanti};
  const double alto = sopra_testo(s.corpo), basso = sotto_testo(s.corpo);
  auto a = [&](double lungo, double su_quanto) {
    return punto{inizio.x + u.x * lungo + su.x * su_quanto,
                 inizio.y + u.y * lungo + su.y * su_quanto};
  };
  return {a(0, alto), a(w, alto), a(w, -basso), a(0, -basso)};
}

}  // namespace scenario
