#include "disegno/pianta.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>

#include "disegno/etichette.h"
#include "disegno/pagina.h"
#include "ispezione/curve_ritrovate.h"

namespace scenario {

namespace {

bool metro_disegnato(const modello& m, int64_t metro) {
  return metro >= 0 && static_cast<size_t>(metro) < m.planimetria[0].size() &&
         m.planimetria[0].tipo(static_cast<size_t>(metro)) != coordinata_planimetria::vuoto &&
         m.planimetria[1].tipo(static_cast<size_t>(metro)) != coordinata_planimetria::vuoto;
}

// The drawn metre nearest to `metro`, for items beyond the end of the plan.
std::optional<std::pair<double, double>> punto(const modello& m, int64_t metro) {
  int64_t ultimo = static_cast<int64_t>(m.planimetria[0].riempiti()) - 1;
  metro = std::clamp<int64_t>(metro, 0, std::max<int64_t>(ultimo, 0));
  while (metro > 0 && !metro_disegnato(m, metro)) --metro;
  if (!metro_disegnato(m, metro)) return std::nullopt;
  return std::make_pair(m.planimetria[0].numero(static_cast<size_t>(metro)),
                        m.planimetria[1].numero(static_cast<size_t>(metro)));
}

}  // namespace

trasformazione_pianta trasformazione_di(const modello& m) {
  misure_planimetria misure = misura_planimetria(m);
  double w = std::max(misure.x_max - misure.x_min, 1.0);
  double h = std::max(misure.y_max - misure.y_min, 1.0);
  // Room for the names beside the line, and the scale bar below it.
  double area_x = margine + 120, area_w = larghezza_pagina - 2 * area_x;
  double area_y = margine + altezza_titolo, area_h = altezza_pagina - area_y - margine - 40;
  trasformazione_pianta t;
  t.scala = std::min(area_w / w, area_h / h);
  double cx = (misure.x_min + misure.x_max) / 2, cy = (misure.y_min + misure.y_max) / 2;
  t.x0 = area_x + area_w / 2 - cx * t.scala;
  t.y0 = area_y + area_h / 2 + cy * t.scala;
  return t;
}

void disegna_pianta(cairo_t* cr, const modello& m, const oggetti_linea& o) {
  titolo(cr, m, "planimetria");
  trasformazione_pianta t = trasformazione_di(m);
  size_t metri = m.planimetria[0].riempiti();
  // A million metres need not be a million segments: a point every few
  // metres is finer than the page shows.
  size_t passo = std::max<size_t>(1, metri / 40000);
  auto traccia = [&](int64_t da, int64_t a) {
    bool aperto = false;
    for (int64_t metro = std::max<int64_t>(da, 0);
         metro <= a && metro < static_cast<int64_t>(metri);
         metro += (metro + static_cast<int64_t>(passo) <= a ? static_cast<int64_t>(passo) : 1)) {
      if (!metro_disegnato(m, metro)) {
        aperto = false;
        continue;
      }
      double x = t.pagina_x(m.planimetria[0].numero(static_cast<size_t>(metro)));
      double y = t.pagina_y(m.planimetria[1].numero(static_cast<size_t>(metro)));
      if (aperto) {
        cairo_line_to(cr, x, y);
      } else {
        cairo_move_to(cr, x, y);
      }
      aperto = true;
    }
  };
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  usa(cr, inchiostro);
  cairo_set_line_width(cr, 2);
  traccia(0, static_cast<int64_t>(metri) - 1);
  cairo_stroke(cr);
  for (auto [da, a] : o.gallerie) {
    usa(cr, genere::galleria.c);
    cairo_set_line_width(cr, 6);
    traccia(da, a);
    cairo_stroke(cr);
  }
  for (int32_t s : o.segnali) {
    auto p = punto(m, s);
    if (!p) continue;
    usa(cr, genere::segnale.c);
    cairo_rectangle(cr, t.pagina_x(p->first) - 2.5, t.pagina_y(p->second) - 2.5, 5, 5);
    cairo_fill(cr);
  }
  // The markers first, then the names placed where they hide no other name,
  // no marker and, where they can, not the line: the start's and the end's
  // first, in bold beside their rings, then the stations'.
  struct nome_da_scrivere {
    std::string testo;
    colore c;
    double corpo;
    bool grassetto;
  };
  std::vector<rettangolo> ostacoli;
  std::vector<etichetta_da_posare> etichette;
  std::vector<nome_da_scrivere> nomi;
  const misura_testo misura_nome(cr, 10), misura_estremo(cr, 12, true);
  for (int32_t s : o.segnali) {
    if (auto p = punto(m, s)) {
      double x = t.pagina_x(p->first), y = t.pagina_y(p->second);
      ostacoli.push_back({x - 2.5, y - 2.5, x + 2.5, y + 2.5});
    }
  }
  std::vector<std::pair<double, double>> anelli;
  for (auto [metro, c, nome] :
       {std::tuple<int64_t, colore, std::string>{0, verde_inizio, "Inizio"},
        {o.lunghezza, rosso_velocita, "Fine (" + km(o.lunghezza) + " km)"}}) {
    auto p = punto(m, metro);
    if (!p) continue;
    double x = t.pagina_x(p->first), y = t.pagina_y(p->second);
    anelli.emplace_back(x, y);
    ostacoli.push_back({x - 11, y - 11, x + 11, y + 11});
    etichette.push_back({x, y, misura_estremo.larghezza(nome), misura_estremo.altezza(), 14});
    nomi.push_back({nome, c, 12, true});
  }
  for (const auto& s : o.stazioni) {
    auto p = punto(m, s.posizione);
    if (!p) continue;
    double x = t.pagina_x(p->first), y = t.pagina_y(p->second);
    usa(cr, genere::stazione.c);
    cairo_arc(cr, x, y, 5, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    ostacoli.push_back({x - 5, y - 5, x + 5, y + 5});
    etichette.push_back({x, y, misura_nome.larghezza(s.nome), misura_nome.altezza()});
    nomi.push_back({s.nome, inchiostro, 10, false});
  }
  for (size_t k = 0; k < anelli.size(); ++k) {
    usa(cr, nomi[k].c);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, anelli[k].first, anelli[k].second, 9, 0, 2 * std::numbers::pi);
    cairo_stroke(cr);
  }
  // The line as points a few units apart, for the names to keep off.
  std::vector<rettangolo> tracciato;
  const int64_t passo_tracciato = std::max<int64_t>(1, std::llround(4 / t.scala));
  for (int64_t metro = 0; metro < static_cast<int64_t>(metri); metro += passo_tracciato) {
    if (!metro_disegnato(m, metro)) continue;
    double x = t.pagina_x(m.planimetria[0].numero(static_cast<size_t>(metro)));
    double y = t.pagina_y(m.planimetria[1].numero(static_cast<size_t>(metro)));
    tracciato.push_back({x - 1, y - 1, x + 1, y + 1});
  }
  const rettangolo pagina{margine / 2, margine + altezza_titolo, larghezza_pagina - margine / 2,
                          altezza_pagina - margine - 30};
  std::vector<etichetta_posata> posate = posa_etichette(etichette, ostacoli, tracciato, pagina);
  for (size_t k = 0; k < posate.size(); ++k) {
    const rettangolo& r = posate[k].riquadro;
    const nome_da_scrivere& n = nomi[k];
    if (posate[k].con_richiamo) {
      // A thin line from the marker to the nearest point of its name.
      double x = std::clamp(etichette[k].x, r.x0, r.x1), y = std::clamp(etichette[k].y, r.y0, r.y1);
      usa(cr, grigio);
      cairo_set_line_width(cr, 0.6);
      cairo_move_to(cr, etichette[k].x, etichette[k].y);
      cairo_line_to(cr, x, y);
      cairo_stroke(cr);
    }
    const misura_testo& misura = n.grassetto ? misura_estremo : misura_nome;
    testo(cr, r.x0, r.y0 + misura.sopra(), n.testo, n.corpo, n.c, 0, n.grassetto);
  }

  // Scale bar, bottom left.
  double lunghezza = numero_tondo((larghezza_pagina - 2 * margine) / 5 / t.scala);
  double x = margine, y = altezza_pagina - margine;
  usa(cr, inchiostro);
  cairo_set_line_width(cr, 1);
  for (int k = 0; k < 4; ++k) {
    cairo_rectangle(cr, x + k * lunghezza * t.scala / 4, y - 6, lunghezza * t.scala / 4, 6);
    if (k % 2 == 0) {
      cairo_fill_preserve(cr);
    }
    cairo_stroke(cr);
  }
  testo(cr, x, y - 10, "0", 10);
  testo(cr, x + lunghezza * t.scala, y - 10,
        lunghezza >= 1000 ? km(lunghezza, lunghezza >= 10000 ? 0 : 1) + " km"
                          : std::to_string(static_cast<int>(lunghezza)) + " m",
        10, inchiostro, 0, false, 0.5);
  // Legend, bottom right.
  double lx = larghezza_pagina - margine - 300, ly = altezza_pagina - margine;
  const std::pair<colore, const char*> voci[] = {{genere::stazione.c, "stazione"},
                                                 {genere::segnale.c, "segnale"},
                                                 {genere::galleria.c, "galleria"}};
  for (const auto& [c, nome] : voci) {
    usa_in_legenda(cr, c);
    cairo_rectangle(cr, lx, ly - 8, 10, 8);
    cairo_fill(cr);
    testo(cr, lx + 14, ly, nome, 10);
    lx += 100;
  }
}

}  // namespace scenario
