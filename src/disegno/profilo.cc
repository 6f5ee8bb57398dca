#include "disegno/profilo.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/utf8.h"
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

constexpr double radice_mezzo = std::numbers::sqrt2 / 2;
// The strip at the top of the speed panel that holds the slow-downs' speeds,
// above the highest limit, so that no step of the limit runs through them.
constexpr double striscia_rallentamenti = 18;
constexpr double corpo_velocita_rallentamento = 9;
// The station names' size, and the least they shrink to when a page holds
// more of them than its row has room for.
constexpr double corpo_nomi = 9, corpo_nomi_minimo = 5;

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

// The slanted names above the profile: their size, their text (shortened to
// the room above the panels) and where each one's baseline starts.
struct nomi_in_fila {
  double corpo = corpo_nomi;
  std::vector<std::string> testi;
  std::vector<double> inizi;
};

// Names of stations at `x`, in order, spread along the row from `minimo` so
// that each ends before `destra`, rising from `piede` no higher than `cima`.
nomi_in_fila disponi_nomi(const std::vector<double>& x, const std::vector<const std::string*>& nomi,
                          double minimo, double destra, double piede, double cima) {
  nomi_in_fila f;
  for (double corpo = corpo_nomi;; corpo -= 0.5) {
    f.corpo = corpo;
    f.testi.clear();
    // Slanted by 45 degrees, two names a line apart across stand that far
    // apart times the square root of 2 along the row.
    const double passo = (sopra_testo(corpo) + sotto_testo(corpo)) * std::numbers::sqrt2 * 1.05;
    // The top corner of a name of width w rises (w + its height above the
    // baseline) / sqrt 2 from the baseline's start, the right corner runs
    // (w + its depth below) / sqrt 2 past it.
    const double larghezza_massima =
        std::max((piede - cima) / radice_mezzo - sopra_testo(corpo), 0.0);
    std::vector<double> massimi;
    for (const std::string* nome : nomi) {
      f.testi.push_back(testo_accorciato(*nome, larghezza_massima, corpo));
      massimi.push_back(destra - radice_mezzo *
                                     (larghezza_testo(f.testi.back(), corpo) + sotto_testo(corpo)));
    }
    f.inizi = distribuisci_in_fila(x, passo, minimo, massimi);
    bool entrano = true;
    for (size_t k = 0; k < f.inizi.size(); ++k) {
      entrano = entrano && f.inizi[k] <= massimi[k] + 1e-6;
    }
    if (entrano || corpo - 0.5 < corpo_nomi_minimo) return f;
  }
}

// Marks of the items on the speed panel, and their legend's swatches.
void rombo(tela& tl, double x, double y, double mezzo) {
  const punto p[] = {{x, y - mezzo}, {x + mezzo * 0.8, y}, {x, y + mezzo}, {x - mezzo * 0.8, y}};
  tl.poligono(p, pieno(genere::indicatore_velocita.c));
}
void tabella_su_palo(tela& tl, double x, double piede) {
  const punto palo[] = {{x, piede}, {x, piede - 4}};
  tl.spezzata(palo, filo(genere::cartello.c, 1));
  tl.rettangolo(x - 4, piede - 9, 8, 5, pieno(genere::cartello.c));
}

void disegna_profilo(tela& tl, const modello& m, const oggetti_linea& o, int32_t da, int32_t a,
                     const std::string& titolo) {
  scrivi_titolo(tl, titolo, lato_lungo_a3);
  const double larghezza_pagina = lato_lungo_a3, altezza_pagina = lato_corto_a3;
  const double sinistra = margine + 50, destra = larghezza_pagina - margine;
  const double alto = margine + altezza_titolo + 110;  // room for the station names
  const double basso = altezza_pagina - margine - 40;
  // Three panels: elevation, gradient, speed limit.
  const double h = basso - alto;
  const double quota_da = alto, quota_a = alto + h * 0.45;
  const double pend_da = quota_a + 15, pend_a = pend_da + h * 0.22;
  const double vel_da = pend_a + 15, vel_a = basso;
  const struct {
    double da, a;
    const char* nome;
  } pannelli[] = {{quota_da, quota_a, "quota (m)"},
                  {pend_da, pend_a, "pendenza (‰)"},
                  {vel_da, vel_a, "velocità massima (km/h)"}};
  const double metri = std::max(static_cast<double>(a) - da, 1.0);
  auto px = [&](double metro) { return sinistra + (metro - da) / metri * (destra - sinistra); };

  // Elevation from the gradients, cell by cell; gradient and speed per cell.
  size_t celle = m.celle.size();
  std::vector<double> quota(celle + 1, 0);
  for (size_t i = 0; i < celle; ++i) {
    int pendenza = static_cast<int>(m.celle[i].pendenza) - 100;
    quota[i + 1] = quota[i] + pendenza * metri_per_cella / 1000.0;
  }
  size_t c_da = static_cast<size_t>(std::max(0, da / metri_per_cella));
  // The cells that meet [da, a): the one that starts at `a` belongs to the
  // next page, and drawn here it would be a step of no width at the end.
  size_t c_a = std::min(celle, static_cast<size_t>(std::max<int64_t>(
                                   (int64_t{a} + metri_per_cella - 1) / metri_per_cella, 0)));
  double q_min = 1e300, q_max = -1e300;
  int p_max = 1, v_max = 10;
  for (size_t i = c_da; i <= c_a && i <= celle; ++i) {
    q_min = std::min(q_min, quota[i]);
    q_max = std::max(q_max, quota[i]);
  }
  // A page past the end of the grid has no elevation of its own.
  if (q_min > q_max) q_min = q_max = 0;
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
  const double vel_cima = vel_da + striscia_rallentamenti;
  auto vy = [&](double v) { return vel_a - v / v_max * (vel_a - vel_cima); };

  // Frames, grid lines and scales of the panels; each panel's name turned
  // up the left margin beside its scale, where nothing is drawn over it.
  for (const auto& p : pannelli) {
    tl.rettangolo(sinistra, p.da, destra - sinistra, p.a - p.da, filo(grigio, 0.6));
  }
  double scala_larga = 0;
  auto scala_y = [&](double y, const std::string& t) {
    const punto riga[] = {{sinistra, y}, {destra, y}};
    tl.spezzata(riga, filo(griglia_chiara, 0.6));
    tl.scrivi(testo_in({sinistra - 4, y + 3}, t, 8, grigio, ancoraggio::fine));
    scala_larga = std::max(scala_larga, larghezza_testo(t, 8));
  };
  double passo_q = numero_tondo((q_max - q_min) / 4);
  for (double q = std::ceil(q_min / passo_q) * passo_q; q <= q_max; q += passo_q) {
    scala_y(qy(q), std::to_string(static_cast<int>(q)) + " m");
  }
  for (int p : {-p_max, -p_max / 2, 0, p_max / 2, p_max}) scala_y(py(p), std::to_string(p) + " ‰");
  for (int v = 0; v <= v_max; v += v_max / 4) scala_y(vy(v), std::to_string(v) + " km/h");
  const double x_nomi_pannelli =
      std::max(sinistra - 4 - scala_larga - 4 - sotto_testo(9), sopra_testo(9) + 2);
  for (const auto& p : pannelli) {
    tl.scrivi(testo_in({x_nomi_pannelli, (p.da + p.a) / 2}, p.nome, 9, grigio, ancoraggio::centro,
                       false, -90));
  }
  // Stations, in order of position whatever the order of the records: a
  // line across the panels.
  std::vector<const oggetti_linea::stazione_linea*> in_pagina;
  for (const auto& s : o.stazioni) {
    if (s.posizione >= da && s.posizione < a) in_pagina.push_back(&s);
  }
  std::stable_sort(in_pagina.begin(), in_pagina.end(),
                   [](const auto* i, const auto* j) { return i->posizione < j->posizione; });
  std::vector<double> ordinate;
  for (const auto* s : in_pagina) ordinate.push_back(px(s->posizione));
  for (double x : ordinate) {
    const punto traversa[] = {{x, quota_da}, {x, vel_a}};
    tl.spezzata(traversa, filo(griglia_chiara, 0.6));
  }

  // Kilometre axis by the progressives: a tick at every whole kilometre,
  // labelled every few as the page's length allows, but for a label that
  // would stand closer to the one before than its own width, as where the
  // progressives jump: "25 100" reads as one number.
  double passo_km = metri > 200000 ? 10000 : metri > 40000 ? 5000 : 1000;
  double fine_etichetta = -1e300;
  for (int64_t metro = da; metro < a; metro += 50) {
    double prima = progressiva_di(m, metro - 50), ora = progressiva_di(m, metro);
    if (std::floor(ora / 1000) == std::floor(prima / 1000) && metro != da) continue;
    double km_tondo = std::floor(ora / 1000) * 1000;
    // Where the progressives jump, a whole kilometre short of the new value
    // would stand before the jump, where the line still counts by the old.
    if (ora - prima != 50 && ora != km_tondo) continue;
    double x = px(metro - (ora - km_tondo));
    if (x < sinistra) continue;
    bool lunga = std::fmod(std::fabs(km_tondo), passo_km) == 0;
    const punto tacca[] = {{x, basso}, {x, basso + (lunga ? 6 : 3)}};
    tl.spezzata(tacca, filo(inchiostro, 0.6));
    if (!lunga) continue;
    std::string etichetta = km(km_tondo, 0);
    const double mezza = larghezza_testo(etichetta, 8) / 2;
    if (x - mezza < fine_etichetta + 2 * mezza) continue;
    fine_etichetta = x + mezza;
    tl.scrivi(testo_in({x, basso + 16}, std::move(etichetta), 8, inchiostro, ancoraggio::centro));
  }
  tl.scrivi(testo_in({destra, basso + 30}, "km (progressive chilometriche)", 9, grigio,
                     ancoraggio::fine));

  // Slow-downs: a band in each panel, the speed in the strip at the top of
  // the speed panel. Speeds closer than their text are spread along the
  // strip, tied to their band; where the strip cannot hold them all, a speed
  // that would run into the one before is left out.
  struct banda {
    double x1, x2;
    std::string velocita;
    std::optional<double> posto;
  };
  std::vector<banda> bande;
  for (const auto& r : o.rallentamenti) {
    if (r.fine < da || r.inizio >= a) continue;
    bande.push_back({px(std::max(r.inizio, da)), px(std::min(r.fine, a)),
                     std::to_string(r.velocita), std::nullopt});
  }
  std::stable_sort(bande.begin(), bande.end(),
                   [](const banda& i, const banda& j) { return i.x1 + i.x2 < j.x1 + j.x2; });
  double velocita_larga = 0;
  for (const banda& b : bande) {
    velocita_larga =
        std::max(velocita_larga, larghezza_testo(b.velocita, corpo_velocita_rallentamento, true));
  }
  const double passo_velocita = velocita_larga + 6;
  const double primo_posto = sinistra + passo_velocita / 2,
               ultimo_posto = destra - passo_velocita / 2;
  if (static_cast<double>(bande.size()) * passo_velocita <= destra - sinistra) {
    std::vector<double> centri;
    for (const banda& b : bande) centri.push_back((b.x1 + b.x2) / 2);
    std::vector<double> posti =
        distribuisci_in_fila(centri, passo_velocita, primo_posto, ultimo_posto);
    for (size_t k = 0; k < bande.size(); ++k) bande[k].posto = posti[k];
  } else {
    double ultimo = -1e300;
    for (banda& b : bande) {
      const double x = std::clamp((b.x1 + b.x2) / 2, primo_posto, ultimo_posto);
      if (x - ultimo < passo_velocita) continue;
      b.posto = ultimo = x;
    }
  }
  const double base_velocita = vel_da + 3 + sopra_testo(corpo_velocita_rallentamento);
  for (const banda& b : bande) {
    const double larga = std::max(b.x2 - b.x1, 1.5);
    const double x = std::max(std::min(b.x1, destra - larga), sinistra);
    tl.apri(genere::rallentamento);
    for (const auto& p : pannelli) {
      tl.rettangolo(x, p.da, larga, p.a - p.da,
                    pieno(genere::rallentamento.c, opacita_rallentamento));
    }
    if (b.posto) {
      tl.scrivi(testo_in({*b.posto, base_velocita}, b.velocita, corpo_velocita_rallentamento,
                         inchiostro, ancoraggio::centro, true));
      const double vicino = std::clamp(*b.posto, x, x + larga);
      if (std::fabs(vicino - *b.posto) > 0.5) {
        const punto richiamo[] = {
            {*b.posto, base_velocita + sotto_testo(corpo_velocita_rallentamento) + 1},
            {vicino, vel_cima}};
        tl.spezzata(richiamo, filo(grigio, 0.6));
      }
    }
    tl.chiudi();
  }

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
  // Speed indicator boards and sign boards on the speed panel's foot, each
  // kind at a height of its own, so that two at one place are both seen.
  for (int32_t i : o.indicatori_velocita) {
    if (i < da || i >= a) continue;
    tl.apri(genere::indicatore_velocita);
    rombo(tl, px(i), vel_a - 6, 4.5);
    tl.chiudi();
  }
  for (const auto& c : o.cartelli) {
    if (c.posizione < da || c.posizione >= a) continue;
    tl.apri(genere::cartello);
    tabella_su_palo(tl, px(c.posizione), vel_a - 13);
    tl.chiudi();
  }

  // Station markers and their names above, slanted, spread along the row
  // each tied to its marker; the row's last names kept inside the frame,
  // and every name below the page's title.
  std::vector<const std::string*> nomi;
  for (const auto* s : in_pagina) nomi.push_back(&s->nome);
  const double piede_nomi = quota_da - 16;
  // A name's baseline starts 2 points right of its place in the row.
  const nomi_in_fila fila = disponi_nomi(ordinate, nomi, sinistra - 20, destra - 2, piede_nomi,
                                         margine + sotto_testo(corpo_titolo) + 3);
  for (size_t k = 0; k < in_pagina.size(); ++k) {
    double x = ordinate[k], xn = fila.inizi[k];
    tl.apri(genere::stazione);
    const punto triangolo[] = {{x, quota_da - 1}, {x - 4, quota_da - 8}, {x + 4, quota_da - 8}};
    tl.poligono(triangolo, pieno(genere::stazione.c));
    if (std::fabs(xn - x) > 0.5) {
      const punto richiamo[] = {{x, quota_da - 9}, {xn + 2, quota_da - 14}};
      tl.spezzata(richiamo, filo(grigio, 0.6));
    }
    tl.scrivi(testo_in({xn + 2, piede_nomi}, fila.testi[k], fila.corpo, inchiostro,
                       ancoraggio::inizio, false, -45));
    tl.chiudi();
  }
  // Legend.
  auto riquadro = [](colore c, double opacita = 1) {
    return [c, opacita](tela& tl, double x, double y) {
      tl.rettangolo(x, y, 10, 8, pieno(c, opacita));
    };
  };
  scrivi_legenda(
      tl, sinistra, altezza_pagina - margine + 8, 130,
      {{"stazione", riquadro(genere::stazione.c)},
       {"segnale", riquadro(genere::segnale.c)},
       {"punto codice", riquadro(genere::punto_codice.c)},
       {"galleria", riquadro(genere::galleria.c)},
       {"indicatore di velocità", [](tela& tl, double x, double y) { rombo(tl, x + 5, y + 4, 4); }},
       {"cartello", [](tela& tl, double x, double y) { tabella_su_palo(tl, x + 5, y + 8); }},
       {"rallentamento (km/h)", riquadro(genere::rallentamento.c, opacita_rallentamento * 2)}});
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
