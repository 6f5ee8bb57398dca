#include "disegno/profilo.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "disegno/etichette.h"
#include "disegno/pagina.h"

namespace scenario {

int32_t metri_pagina_profilo(const modello& m) {
  int32_t lunghezza = std::max(m.elementi[elemento_linea].fine, 1);
  return lunghezza <= 120000 ? lunghezza : metri_per_pagina_profilo;
}

int pagine_profilo(const modello& m) {
  int32_t lunghezza = std::max(m.elementi[elemento_linea].fine, 1);
  int32_t per_pagina = metri_pagina_profilo(m);
  return (lunghezza + per_pagina - 1) / per_pagina;
}

double progressiva_di(const modello& m, double p) {
  const elemento* scelta = nullptr;
  const elemento* prima = nullptr;
  for (int k = elemento_progressiva_tre; k <= elemento_progressiva_uno; ++k) {
    const elemento& e = m.elementi[k];
    if (prima == nullptr || e.inizio < prima->inizio) prima = &e;
    if (e.inizio <= p && (scelta == nullptr || e.inizio > scelta->inizio)) scelta = &e;
  }
  if (scelta == nullptr) scelta = prima;
  if (scelta == nullptr) return p;
  return scelta->fine + (p - scelta->inizio);
}

namespace {

scritta testo_in(punto a, std::string t, double corpo, colore c = inchiostro,
                 ancoraggio allinea = ancoraggio::inizio, bool grassetto = false,
                 int rotazione = 0) {
  scritta s;
  s.a = a;
  s.testo = std::move(t);
  s.corpo = corpo;
  s.c = c;
  s.allinea = allinea;
  s.grassetto = grassetto;
  s.rotazione = rotazione;
  return s;
}

void disegna_profilo(tela& tl, const modello& m, const oggetti_linea& o, int32_t da, int32_t a,
                     const std::string& titolo) {
  scrivi_titolo(tl, titolo);
  const double larghezza_pagina = lato_lungo_a3, altezza_pagina = lato_corto_a3;
  const double sinistra = margine + 50, destra = larghezza_pagina - margine;
  const double alto = margine + altezza_titolo + 110;  // room for the station names
  const double basso = altezza_pagina - margine - 40;
  // Three panels: elevation, gradient, speed limit.
  const double h = basso - alto;
  const double quota_da = alto, quota_a = alto + h * 0.45;
  const double pend_da = quota_a + 15, pend_a = pend_da + h * 0.22;
  const double vel_da = pend_a + 15, vel_a = basso;
  auto px = [&](double metro) { return sinistra + (metro - da) / (a - da) * (destra - sinistra); };

  // Elevation from the gradients, cell by cell; gradient and speed per cell.
  size_t celle = m.celle.size();
  std::vector<double> quota(celle + 1, 0);
  for (size_t i = 0; i < celle; ++i) {
    int pendenza = static_cast<int>(m.celle[i].pendenza) - 100;
    quota[i + 1] = quota[i] + pendenza * metri_per_cella / 1000.0;
  }
  size_t c_da = static_cast<size_t>(std::max(0, da / metri_per_cella));
  size_t c_a = std::min(celle, static_cast<size_t>(a / metri_per_cella) + 1);
  double q_min = 1e300, q_max = -1e300;
  int p_max = 1, v_max = 10;
  for (size_t i = c_da; i <= c_a && i <= celle; ++i) {
    q_min = std::min(q_min, quota[i]);
    q_max = std::max(q_max, quota[i]);
  }
  for (size_t i = c_da; i < c_a; ++i) {
    p_max = std::max(p_max, std::abs(static_cast<int>(m.celle[i].pendenza) - 100));
    v_max = std::max(v_max, m.celle[i].vel_max * 5);
  }
  if (q_max - q_min < 10) q_max = q_min + 10;
  double margine_quota = (q_max - q_min) * 0.1;
  q_min -= margine_quota;
  q_max += margine_quota;
  p_max = static_cast<int>(std::ceil(p_max / 5.0) * 5);
  v_max = static_cast<int>(std::ceil(v_max / 20.0) * 20);
  auto qy = [&](double q) {
    return quota_a - (q - q_min) / (q_max - q_min) * (quota_a - quota_da);
  };
  auto py = [&](double p) { return (pend_da + pend_a) / 2 - p / p_max * (pend_a - pend_da) / 2; };
  auto vy = [&](double v) { return vel_a - v / v_max * (vel_a - vel_da); };

  // Slow-downs: shaded across the three panels, their speed on top.
  for (const auto& r : o.rallentamenti) {
    if (r.fine < da || r.inizio >= a) continue;
    double x1 = px(std::max(r.inizio, da)), x2 = px(std::min(r.fine, a));
    tl.apri(genere::rallentamento);
    tl.rettangolo(x1, quota_da, std::max(x2 - x1, 1.5), vel_a - quota_da,
                  pieno(genere::rallentamento.c, opacita_rallentamento));
    tl.scrivi(testo_in({(x1 + x2) / 2, vel_da + 12}, std::to_string(r.velocita), 9, inchiostro,
                       ancoraggio::centro, true));
    tl.chiudi();
  }
  // Frames, grid lines and scales of the panels.
  for (auto [y1, y2] : {std::pair{quota_da, quota_a}, {pend_da, pend_a}, {vel_da, vel_a}}) {
    tl.rettangolo(sinistra, y1, destra - sinistra, y2 - y1, filo(grigio, 0.6));
  }
  auto scala_y = [&](double y, const std::string& t) {
    const punto riga[] = {{sinistra, y}, {destra, y}};
    tl.spezzata(riga, filo(griglia_chiara, 0.6));
    tl.scrivi(testo_in({sinistra - 4, y + 3}, t, 8, grigio, ancoraggio::fine));
  };
  double passo_q = numero_tondo((q_max - q_min) / 4);
  for (double q = std::ceil(q_min / passo_q) * passo_q; q <= q_max; q += passo_q) {
    scala_y(qy(q), std::to_string(static_cast<int>(q)) + " m");
  }
  for (int p : {-p_max, -p_max / 2, 0, p_max / 2, p_max}) scala_y(py(p), std::to_string(p) + " ‰");
  for (int v = 0; v <= v_max; v += v_max / 4) scala_y(vy(v), std::to_string(v) + " km/h");
  tl.scrivi(testo_in({sinistra + 4, quota_da + 12}, "quota (m)", 9, grigio));
  tl.scrivi(testo_in({sinistra + 4, pend_da + 12}, "pendenza (‰)", 9, grigio));
  tl.scrivi(testo_in({sinistra + 4, vel_da + 12}, "velocità massima (km/h)", 9, grigio));

  // Kilometre axis by the progressives: a tick at every whole kilometre,
  // labelled every few as the page's length allows.
  double passo_km = (a - da) > 200000 ? 10000 : (a - da) > 40000 ? 5000 : 1000;
  for (int32_t metro = da; metro < a; metro += 50) {
    double prima = progressiva_di(m, metro - 50), ora = progressiva_di(m, metro);
    if (std::floor(ora / 1000) == std::floor(prima / 1000) && metro != da) continue;
    double km_tondo = std::floor(ora / 1000) * 1000;
    double x = px(metro - (ora - km_tondo));
    if (x < sinistra) continue;
    bool etichetta = std::fmod(std::fabs(km_tondo), passo_km) == 0;
    const punto tacca[] = {{x, basso}, {x, basso + (etichetta ? 6 : 3)}};
    tl.spezzata(tacca, filo(inchiostro, 0.6));
    if (etichetta) {
      tl.scrivi(testo_in({x, basso + 16}, km(km_tondo, 0), 8, inchiostro, ancoraggio::centro));
    }
  }
  tl.scrivi(testo_in({destra, basso + 30}, "km (progressive chilometriche)", 9, grigio,
                     ancoraggio::fine));

  // Tunnels as bars above the elevation.
  for (auto [g_da, g_a] : o.gallerie) {
    if (g_a < da || g_da >= a) continue;
    double x1 = px(std::max(g_da, da)), x2 = px(std::min(g_a, a));
    tl.apri(genere::galleria);
    tl.rettangolo(x1, quota_da + 2, std::max(x2 - x1, 1.5), 5, pieno(genere::galleria.c));
    tl.chiudi();
  }
  // Elevation, gradient and speed lines.
  std::vector<punto> linea;
  for (size_t i = c_da; i <= c_a && i <= celle; ++i) {
    double x = px(std::clamp<double>(static_cast<double>(i) * metri_per_cella, da, a));
    linea.push_back({x, qy(quota[i])});
  }
  tl.spezzata(linea, filo(inchiostro, 1.5));
  // A step a cell; a run of equal cells is one step.
  auto scalini = [&](colore c, auto valore, auto y) {
    std::vector<punto> gradini;
    for (size_t i = c_da; i < c_a; ++i) {
      double x1 = px(std::max<double>(static_cast<double>(i) * metri_per_cella, da));
      double x2 = px(std::min<double>(static_cast<double>(i + 1) * metri_per_cella, a));
      double v = y(valore(m.celle[i]));
      if (!gradini.empty() && gradini.back().y == v) {
        gradini.back().x = x2;
        continue;
      }
      gradini.push_back({x1, v});
      gradini.push_back({x2, v});
    }
    tl.spezzata(gradini, filo(c, 1.5));
  };
  scalini(
      blu_pendenza, [](const cella& c) { return static_cast<int>(c.pendenza) - 100; }, py);
  scalini(
      rosso_velocita, [](const cella& c) { return c.vel_max * 5; }, vy);

  // Signals and code points on the elevation panel's foot.
  for (int32_t s : o.segnali) {
    if (s < da || s >= a) continue;
    double x = px(s);
    const punto triangolo[] = {{x, quota_a - 1}, {x - 3.5, quota_a - 9}, {x + 3.5, quota_a - 9}};
    tl.apri(genere::segnale);
    tl.poligono(triangolo, pieno(genere::segnale.c));
    tl.chiudi();
  }
  for (int32_t p : o.punti_codice) {
    if (p < da || p >= a) continue;
    tl.apri(genere::punto_codice);
    tl.rettangolo(px(p) - 1, quota_a - 16, 2, 5, pieno(genere::punto_codice.c));
    tl.chiudi();
  }
  // Stations: a line across the panels, the name above, slanted. Names
  // closer than a line of their text are spread along the row in order of
  // position, whatever the order of the records, each tied to its marker.
  std::vector<const oggetti_linea::stazione_linea*> in_pagina;
  for (const auto& s : o.stazioni) {
    if (s.posizione >= da && s.posizione < a) in_pagina.push_back(&s);
  }
  std::stable_sort(in_pagina.begin(), in_pagina.end(),
                   [](const auto* i, const auto* j) { return i->posizione < j->posizione; });
  std::vector<double> ordinate;
  for (const auto* s : in_pagina) ordinate.push_back(px(s->posizione));
  // Slanted by 45 degrees, two names a line apart across stand that far
  // apart times the square root of 2 along the row.
  const double passo_nomi = (sopra_testo(9) + sotto_testo(9)) * std::numbers::sqrt2 * 1.05;
  std::vector<double> posti = distribuisci_in_fila(ordinate, passo_nomi, sinistra - 20, destra);
  for (size_t k = 0; k < in_pagina.size(); ++k) {
    const auto& s = *in_pagina[k];
    double x = ordinate[k], xn = posti[k];
    const punto traversa[] = {{x, quota_da}, {x, vel_a}};
    tl.spezzata(traversa, filo(griglia_chiara, 0.6));
    tl.apri(genere::stazione);
    const punto triangolo[] = {{x, quota_da - 1}, {x - 4, quota_da - 8}, {x + 4, quota_da - 8}};
    tl.poligono(triangolo, pieno(genere::stazione.c));
    if (std::fabs(xn - x) > 0.5) {
      const punto richiamo[] = {{x, quota_da - 9}, {xn + 2, quota_da - 14}};
      tl.spezzata(richiamo, filo(grigio, 0.6));
    }
    tl.scrivi(testo_in({xn + 2, quota_da - 16}, s.nome, 9, inchiostro, ancoraggio::inizio, false,
                       -45));
    tl.chiudi();
  }
  // Legend.
  auto riquadro = [](colore c, double opacita = 1) {
    return [c, opacita](tela& tl, double x, double y) {
      tl.rettangolo(x, y, 10, 8, pieno(c, opacita));
    };
  };
  scrivi_legenda(tl, sinistra, altezza_pagina - margine + 8, 130,
                 {{"stazione", riquadro(genere::stazione.c)},
                  {"segnale", riquadro(genere::segnale.c)},
                  {"punto codice", riquadro(genere::punto_codice.c)},
                  {"galleria", riquadro(genere::galleria.c)},
                  {"rallentamento (km/h)",
                   riquadro(genere::rallentamento.c, opacita_rallentamento * 2)}});
}

}  // namespace

pagina_disegno pagina_profilo(const modello& m, const oggetti_linea& o, int32_t da, int32_t a,
                              int pagina, int pagine) {
  pagina_disegno p;
  p.larghezza = lato_lungo_a3;
  p.altezza = lato_corto_a3;
  p.titolo = titolo_pagina(
      m, "profilo" +
             (pagine > 1 ? " " + std::to_string(pagina + 1) + "/" + std::to_string(pagine)
                         : std::string()) +
             ", km " + km(progressiva_di(m, da)) + " – " + km(progressiva_di(m, a)));
  p.disegna = [&m, &o, da, a, titolo = p.titolo](tela& tl) {
    disegna_profilo(tl, m, o, da, a, titolo);
  };
  return p;
}

}  // namespace scenario
