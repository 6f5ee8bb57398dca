#include "disegno/pianta.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

#include "disegno/etichette.h"
#include "disegno/pagina.h"
#include "disegno/semplifica.h"
#include "ispezione/curve_ritrovate.h"

namespace scenario {

namespace {

// A fraction of a pixel of a PNG of the default width: the simplified line
// differs from the drawn metres by less than the eye sees.
constexpr double tolleranza_linea = 0.1;

bool metro_disegnato(const modello& m, int64_t metro) {
  return metro >= 0 && static_cast<size_t>(metro) < m.planimetria[0].size() &&
         m.planimetria[0].tipo(static_cast<size_t>(metro)) != coordinata_planimetria::vuoto &&
         m.planimetria[1].tipo(static_cast<size_t>(metro)) != coordinata_planimetria::vuoto &&
         std::isfinite(m.planimetria[0].numero(static_cast<size_t>(metro))) &&
         std::isfinite(m.planimetria[1].numero(static_cast<size_t>(metro)));
}

// The drawn metre nearest to `metro`, for items beyond the end of the plan.
std::optional<std::pair<double, double>> punto_piano(const modello& m, int64_t metro) {
  int64_t ultimo = static_cast<int64_t>(m.planimetria[0].riempiti()) - 1;
  metro = std::clamp<int64_t>(metro, 0, std::max<int64_t>(ultimo, 0));
  while (metro > 0 && !metro_disegnato(m, metro)) --metro;
  if (!metro_disegnato(m, metro)) return std::nullopt;
  return std::make_pair(m.planimetria[0].numero(static_cast<size_t>(metro)),
                        m.planimetria[1].numero(static_cast<size_t>(metro)));
}

// The drawn metres [da, a] as lines on the page, one for each run without a
// gap, each simplified.
std::vector<std::vector<punto>> tratti(const modello& m, const trasformazione_pianta& t,
                                       int64_t da, int64_t a) {
  std::vector<std::vector<punto>> linee;
  std::vector<punto> corrente;
  const int64_t metri = static_cast<int64_t>(m.planimetria[0].riempiti());
  auto chiudi = [&] {
    if (!corrente.empty()) linee.push_back(semplifica(corrente, tolleranza_linea));
    corrente.clear();
  };
  for (int64_t metro = std::max<int64_t>(da, 0); metro <= a && metro < metri; ++metro) {
    if (!metro_disegnato(m, metro)) {
      chiudi();
      continue;
    }
    corrente.push_back({t.pagina_x(m.planimetria[0].numero(static_cast<size_t>(metro))),
                        t.pagina_y(m.planimetria[1].numero(static_cast<size_t>(metro)))});
  }
  chiudi();
  return linee;
}

}  // namespace

impaginazione_pianta impagina_pianta(const modello& m) {
  misure_planimetria misure = misura_planimetria(m);
  double w = std::max(misure.x_max - misure.x_min, 1.0);
  double h = std::max(misure.y_max - misure.y_min, 1.0);
  impaginazione_pianta p;
  p.larghezza = lato_lungo_a3;
  p.altezza = lato_corto_a3;
  // Room for the names beside the line, and the scale bar below it.
  double area_x = margine + 120, area_w = p.larghezza - 2 * area_x;
  double area_y = margine + altezza_titolo, area_h = p.altezza - area_y - margine - 40;
  trasformazione_pianta& t = p.t;
  t.scala = std::min(area_w / w, area_h / h);
  double cx = (misure.x_min + misure.x_max) / 2, cy = (misure.y_min + misure.y_max) / 2;
  t.x0 = area_x + area_w / 2 - cx * t.scala;
  t.y0 = area_y + area_h / 2 + cy * t.scala;
  return p;
}

pagina_disegno pagina_pianta(const modello& m, const oggetti_linea& o) {
  const impaginazione_pianta imp = impagina_pianta(m);
  pagina_disegno pagina;
  pagina.larghezza = imp.larghezza;
  pagina.altezza = imp.altezza;
  pagina.titolo = titolo_pagina(m, "planimetria");
  pagina.disegna = [&m, &o, imp, titolo = pagina.titolo](tela& tl) {
    const trasformazione_pianta& t = imp.t;
    scrivi_titolo(tl, titolo);
    const int64_t metri = static_cast<int64_t>(m.planimetria[0].riempiti());
    for (const auto& linea : tratti(m, t, 0, metri - 1)) tl.spezzata(linea, filo(inchiostro, 2));
    for (auto [da, a] : o.gallerie) {
      tl.apri(genere::galleria);
      for (const auto& linea : tratti(m, t, da, a)) {
        tl.spezzata(linea, filo(genere::galleria.c, 6));
      }
      tl.chiudi();
    }
    for (int32_t s : o.segnali) {
      auto p = punto_piano(m, s);
      if (!p) continue;
      tl.apri(genere::segnale);
      tl.rettangolo(t.pagina_x(p->first) - 2.5, t.pagina_y(p->second) - 2.5, 5, 5,
                    pieno(genere::segnale.c));
      tl.chiudi();
    }
    // The markers first, then the names placed where they hide no other
    // name, no marker and, where they can, not the line: the start's and the
    // end's first, in bold beside their rings, then the stations'.
    struct nome_da_scrivere {
      std::string testo;
      colore c;
      double corpo;
      bool grassetto;
    };
    std::vector<rettangolo> ostacoli;
    std::vector<etichetta_da_posare> etichette;
    std::vector<nome_da_scrivere> nomi;
    for (int32_t s : o.segnali) {
      if (auto p = punto_piano(m, s)) {
        double x = t.pagina_x(p->first), y = t.pagina_y(p->second);
        ostacoli.push_back({x - 2.5, y - 2.5, x + 2.5, y + 2.5});
      }
    }
    auto altezza = [](double corpo) { return sopra_testo(corpo) + sotto_testo(corpo); };
    std::vector<punto> anelli;
    for (auto [metro, c, nome] :
         {std::tuple<int64_t, colore, std::string>{0, verde_inizio, "Inizio"},
          {o.lunghezza, rosso_velocita, "Fine (" + km(o.lunghezza) + " km)"}}) {
      auto p = punto_piano(m, metro);
      if (!p) continue;
      double x = t.pagina_x(p->first), y = t.pagina_y(p->second);
      anelli.push_back({x, y});
      ostacoli.push_back({x - 11, y - 11, x + 11, y + 11});
      etichette.push_back({x, y, larghezza_testo(nome, 12, true), altezza(12), 14});
      nomi.push_back({nome, c, 12, true});
    }
    for (size_t k = 0; k < anelli.size(); ++k) {
      tl.cerchio(anelli[k], 9, filo(nomi[k].c, 3));
    }
    for (const auto& s : o.stazioni) {
      auto p = punto_piano(m, s.posizione);
      if (!p) continue;
      double x = t.pagina_x(p->first), y = t.pagina_y(p->second);
      tl.apri(genere::stazione);
      tl.cerchio({x, y}, 5, pieno(genere::stazione.c));
      tl.chiudi();
      ostacoli.push_back({x - 5, y - 5, x + 5, y + 5});
      etichette.push_back({x, y, larghezza_testo(s.nome, 10), altezza(10)});
      nomi.push_back({s.nome, inchiostro, 10, false});
    }
    // The line as points a few units apart, for the names to keep off.
    std::vector<rettangolo> tracciato;
    const int64_t passo_tracciato = std::max<int64_t>(1, std::llround(4 / t.scala));
    for (int64_t metro = 0; metro < metri; metro += passo_tracciato) {
      if (!metro_disegnato(m, metro)) continue;
      double x = t.pagina_x(m.planimetria[0].numero(static_cast<size_t>(metro)));
      double y = t.pagina_y(m.planimetria[1].numero(static_cast<size_t>(metro)));
      tracciato.push_back({x - 1, y - 1, x + 1, y + 1});
    }
    const rettangolo foglio{margine / 2, margine + altezza_titolo, imp.larghezza - margine / 2,
                            imp.altezza - margine - 30};
    std::vector<etichetta_posata> posate = posa_etichette(etichette, ostacoli, tracciato, foglio);
    for (size_t k = 0; k < posate.size(); ++k) {
      const rettangolo& r = posate[k].riquadro;
      const nome_da_scrivere& n = nomi[k];
      if (posate[k].con_richiamo) {
        // A thin line from the marker to the nearest point of its name.
        const punto richiamo[] = {{etichette[k].x, etichette[k].y},
                                  {std::clamp(etichette[k].x, r.x0, r.x1),
                                   std::clamp(etichette[k].y, r.y0, r.y1)}};
        tl.spezzata(richiamo, filo(grigio, 0.6));
      }
      scritta s;
      s.a = {r.x0, r.y0 + sopra_testo(n.corpo)};
      s.testo = n.testo;
      s.corpo = n.corpo;
      s.c = n.c;
      s.grassetto = n.grassetto;
      tl.scrivi(s);
    }

    // Scale bar, bottom left.
    double lunghezza = numero_tondo((imp.larghezza - 2 * margine) / 5 / t.scala);
    double x = margine, y = imp.altezza - margine;
    const double quarto = lunghezza * t.scala / 4;
    for (int k = 0; k < 4; ++k) {
      pennello p = filo(inchiostro, 1);
      if (k % 2 == 0) p.riempimento = inchiostro;
      tl.rettangolo(x + k * quarto, y - 6, quarto, 6, p);
    }
    scritta zero;
    zero.a = {x, y - 10};
    zero.testo = "0";
    zero.corpo = 10;
    tl.scrivi(zero);
    scritta fine = zero;
    fine.a = {x + lunghezza * t.scala, y - 10};
    fine.testo = lunghezza >= 1000 ? km(lunghezza, lunghezza >= 10000 ? 0 : 1) + " km"
                                   : std::to_string(static_cast<int>(lunghezza)) + " m";
    fine.allinea = ancoraggio::centro;
    tl.scrivi(fine);
    // Legend, bottom right.
    auto riquadro = [](colore c) {
      return [c](tela& tl, double x, double y) { tl.rettangolo(x, y, 10, 8, pieno(c)); };
    };
    scrivi_legenda(tl, imp.larghezza - margine - 300, imp.altezza - margine, 100,
                   {{"stazione", riquadro(genere::stazione.c)},
                    {"segnale", riquadro(genere::segnale.c)},
                    {"galleria", riquadro(genere::galleria.c)}});
  };
  return pagina;
}

}  // namespace scenario
