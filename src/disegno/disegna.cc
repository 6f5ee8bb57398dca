#include "disegno/disegna.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <optional>
#include <set>
#include <tuple>

#include "base/blocco_cartella.h"
#include "base/cartella_uscita.h"
#include "base/errore_file.h"
#include "base/scrittore_file.h"
#include "disegno/etichette.h"
#include "ispezione/curve_ritrovate.h"
#include "ispezione/tabella_elementi.h"
#include "file_compilati/lettura_file_compilati.h"
#include "piattaforma/osserva_file.h"

namespace scenario {

namespace {

struct colore {
  double r, g, b;
};

// The marker colours name the kinds in SVG (see disegna.h): no other drawing
// uses them.
struct genere_disegnato {
  const char* nome;
  colore c;
};
constexpr genere_disegnato stazione{"stazione", {0.8, 0.0, 0.2}};
constexpr genere_disegnato segnale{"segnale", {0.0, 0.4, 0.8}};
constexpr genere_disegnato rallentamento{"rallentamento", {1.0, 0.6, 0.0}};
constexpr genere_disegnato punto_codice{"punto_codice", {0.4, 0.0, 0.6}};
constexpr genere_disegnato galleria{"galleria", {0.3, 0.3, 0.3}};
constexpr genere_disegnato generi[] = {stazione, segnale, rallentamento, punto_codice, galleria};

constexpr colore inchiostro{0.1, 0.1, 0.1};
constexpr colore grigio{0.55, 0.55, 0.55};
constexpr colore griglia_chiara{0.88, 0.88, 0.88};
constexpr colore blu_pendenza{0.1, 0.5, 0.3};
constexpr colore rosso_velocita{0.7, 0.2, 0.1};
constexpr colore verde_inizio{0.1, 0.6, 0.1};

constexpr double margine = 50;
constexpr double altezza_titolo = 40;
constexpr double opacita_rallentamento = 0.25;

// What stands along the line, in metres, from the grid and the table.
struct oggetti_linea {
  struct stazione_linea {
    int32_t posizione;
    std::string nome;
  };
  struct rallentamento_linea {
    int32_t inizio, fine, velocita;
  };
  std::vector<stazione_linea> stazioni;
  std::vector<int32_t> segnali;
  std::vector<int32_t> punti_codice;
  std::vector<rallentamento_linea> rallentamenti;
  std::vector<std::pair<int32_t, int32_t>> gallerie;  // [da, a)
  int32_t lunghezza = 0;
};

// A signal, a slow-down's start and end stand one cell before the cell that
// holds them; code points in theirs.
oggetti_linea oggetti_di(const modello& m) {
  oggetti_linea o;
  o.lunghezza = m.elementi[elemento_linea].fine;
  parti_tabella parti = dividi_tabella(m);
  for (int r = 1; r <= parti.n_stazioni; ++r) {
    o.stazioni.push_back({m.elementi[r].posizione, m.elementi[r].testo});
  }
  std::optional<oggetti_linea::rallentamento_linea> aperto;
  int32_t inizio_galleria = -1;
  for (size_t i = 0; i < m.celle.size(); ++i) {
    const cella& c = m.celle[i];
    int32_t metro = static_cast<int32_t>(i) * metri_per_cella;
    if (c.tipo == tipo_cella::segnale) o.segnali.push_back(metro - metri_per_cella);
    if (c.tipo == tipo_cella::punto_codice || c.tipo == tipo_cella::punto_senza_codice) {
      o.punti_codice.push_back(metro);
    }
    if (c.tipo == tipo_cella::inizio_rallentamento) {
      aperto = {metro - metri_per_cella, metro - metri_per_cella, c.val1};
    }
    if (c.tipo == tipo_cella::fine_rallentamento && aperto) {
      aperto->fine = metro - metri_per_cella;
      o.rallentamenti.push_back(*aperto);
      aperto.reset();
    }
    if (c.galleria != 0 && inizio_galleria < 0) inizio_galleria = metro;
    if (c.galleria == 0 && inizio_galleria >= 0) {
      o.gallerie.emplace_back(inizio_galleria, metro);
      inizio_galleria = -1;
    }
  }
  if (inizio_galleria >= 0) {
    o.gallerie.emplace_back(inizio_galleria,
                            static_cast<int32_t>(m.celle.size()) * metri_per_cella);
  }
  return o;
}

void usa(cairo_t* cr, colore c, double alfa = 1) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alfa); }

// A legend's swatch is not an item: a shade off the marker colour, which the
// eye does not tell apart and the SVG's classes do.
void usa_in_legenda(cairo_t* cr, colore c, double alfa = 1) {
  cairo_set_source_rgba(cr, c.r * 0.99, c.g * 0.99, c.b * 0.99, alfa);
}

void scegli_carattere(cairo_t* cr, double corpo, bool grassetto) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         grassetto ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, corpo);
}

void testo(cairo_t* cr, double x, double y, const std::string& t, double corpo,
           colore c = inchiostro, double angolo = 0, bool grassetto = false, double allinea = 0) {
  cairo_save(cr);
  scegli_carattere(cr, corpo, grassetto);
  cairo_text_extents_t e;
  cairo_text_extents(cr, t.c_str(), &e);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angolo);
  cairo_move_to(cr, -e.x_advance * allinea, 0);
  usa(cr, c);
  cairo_show_text(cr, t.c_str());
  cairo_restore(cr);
  // Showing text leaves a current point, which the next path would start from.
  cairo_new_path(cr);
}

// The size of a text in one body, as testo() shows it.
class misura_testo {
 public:
  misura_testo(cairo_t* cr, double corpo, bool grassetto = false)
      : cr_(cr), corpo_(corpo), grassetto_(grassetto) {
    cairo_save(cr);
    scegli_carattere(cr, corpo, grassetto);
    cairo_font_extents(cr, &font_);
    cairo_restore(cr);
  }
  double larghezza(const std::string& t) const {
    cairo_save(cr_);
    scegli_carattere(cr_, corpo_, grassetto_);
    cairo_text_extents_t e;
    cairo_text_extents(cr_, t.c_str(), &e);
    cairo_restore(cr_);
    return e.x_advance;
  }
  double sopra() const { return font_.ascent; }
  double sotto() const { return font_.descent; }
  double altezza() const { return font_.ascent + font_.descent; }

 private:
  cairo_t* cr_;
  double corpo_;
  bool grassetto_;
  cairo_font_extents_t font_{};
};

// 1, 2 or 5 times a power of ten, the largest not above `massimo`.
double numero_tondo(double massimo) {
  double p = std::pow(10.0, std::floor(std::log10(massimo)));
  for (double f : {5.0, 2.0, 1.0}) {
    if (f * p <= massimo) return f * p;
  }
  return p;
}

std::string km(double metri, int decimali = 1) {
  char b[32];
  std::snprintf(b, sizeof b, "%.*f", decimali, metri / 1000);
  return b;
}

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

void titolo(cairo_t* cr, const modello& m, const std::string& cosa) {
  testo(cr, margine, margine,
        m.elementi[elemento_testata_percorso].testo + " — treno " +
            m.elementi[elemento_testata_treno].testo + " — " + cosa,
        18, inchiostro, 0, true);
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
    usa(cr, galleria.c);
    cairo_set_line_width(cr, 6);
    traccia(da, a);
    cairo_stroke(cr);
  }
  for (int32_t s : o.segnali) {
    auto p = punto(m, s);
    if (!p) continue;
    usa(cr, segnale.c);
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
    usa(cr, stazione.c);
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
  const std::pair<colore, const char*> voci[] = {
      {stazione.c, "stazione"}, {segnale.c, "segnale"}, {galleria.c, "galleria"}};
  for (const auto& [c, nome] : voci) {
    usa_in_legenda(cr, c);
    cairo_rectangle(cr, lx, ly - 8, 10, 8);
    cairo_fill(cr);
    testo(cr, lx + 14, ly, nome, 10);
    lx += 100;
  }
}

// One page of the profile: metres [da, a).
void disegna_profilo(cairo_t* cr, const modello& m, const oggetti_linea& o, int32_t da, int32_t a,
                     int pagina, int pagine) {
  titolo(cr, m,
         "profilo" +
             (pagine > 1 ? " " + std::to_string(pagina + 1) + "/" + std::to_string(pagine)
                         : std::string()) +
             ", km " + km(progressiva_di(m, da)) + " – " + km(progressiva_di(m, a)));
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
    usa(cr, rallentamento.c, opacita_rallentamento);
    cairo_rectangle(cr, x1, quota_da, std::max(x2 - x1, 1.5), vel_a - quota_da);
    cairo_fill(cr);
    testo(cr, (x1 + x2) / 2, vel_da + 12, std::to_string(r.velocita), 9, inchiostro, 0, true, 0.5);
  }
  // Frames, grid lines and scales of the panels.
  cairo_set_line_width(cr, 0.6);
  for (auto [y1, y2] : {std::pair{quota_da, quota_a}, {pend_da, pend_a}, {vel_da, vel_a}}) {
    usa(cr, grigio);
    cairo_rectangle(cr, sinistra, y1, destra - sinistra, y2 - y1);
    cairo_stroke(cr);
  }
  auto scala_y = [&](double y, const std::string& t) {
    usa(cr, griglia_chiara);
    cairo_move_to(cr, sinistra, y);
    cairo_line_to(cr, destra, y);
    cairo_stroke(cr);
    testo(cr, sinistra - 4, y + 3, t, 8, grigio, 0, false, 1);
  };
  double passo_q = numero_tondo((q_max - q_min) / 4);
  for (double q = std::ceil(q_min / passo_q) * passo_q; q <= q_max; q += passo_q) {
    scala_y(qy(q), std::to_string(static_cast<int>(q)) + " m");
  }
  for (int p : {-p_max, -p_max / 2, 0, p_max / 2, p_max}) scala_y(py(p), std::to_string(p) + " ‰");
  for (int v = 0; v <= v_max; v += v_max / 4) scala_y(vy(v), std::to_string(v) + " km/h");
  testo(cr, sinistra + 4, quota_da + 12, "quota (m)", 9, grigio);
  testo(cr, sinistra + 4, pend_da + 12, "pendenza (‰)", 9, grigio);
  testo(cr, sinistra + 4, vel_da + 12, "velocità massima (km/h)", 9, grigio);

  // Kilometre axis by the progressives: a tick at every whole kilometre,
  // labelled every few as the page's length allows.
  double passo_km = (a - da) > 200000 ? 10000 : (a - da) > 40000 ? 5000 : 1000;
  usa(cr, inchiostro);
  for (int32_t metro = da; metro < a; metro += 50) {
    double prima = progressiva_di(m, metro - 50), ora = progressiva_di(m, metro);
    if (std::floor(ora / 1000) == std::floor(prima / 1000) && metro != da) continue;
    double km_tondo = std::floor(ora / 1000) * 1000;
    double x = px(metro - (ora - km_tondo));
    if (x < sinistra) continue;
    bool etichetta = std::fmod(std::fabs(km_tondo), passo_km) == 0;
    usa(cr, inchiostro);
    cairo_move_to(cr, x, basso);
    cairo_line_to(cr, x, basso + (etichetta ? 6 : 3));
    cairo_stroke(cr);
    if (etichetta) testo(cr, x, basso + 16, km(km_tondo, 0), 8, inchiostro, 0, false, 0.5);
  }
  testo(cr, destra, basso + 30, "km (progressive chilometriche)", 9, grigio, 0, false, 1);

  // Tunnels as bars above the elevation.
  for (auto [g_da, g_a] : o.gallerie) {
    if (g_a < da || g_da >= a) continue;
    double x1 = px(std::max(g_da, da)), x2 = px(std::min(g_a, a));
    usa(cr, galleria.c);
    cairo_rectangle(cr, x1, quota_da + 2, std::max(x2 - x1, 1.5), 5);
    cairo_fill(cr);
  }
  // Elevation, gradient and speed lines.
  cairo_set_line_width(cr, 1.5);
  usa(cr, inchiostro);
  for (size_t i = c_da; i <= c_a && i <= celle; ++i) {
    double x = px(std::clamp<double>(static_cast<double>(i) * metri_per_cella, da, a));
    if (i == c_da) {
      cairo_move_to(cr, x, qy(quota[i]));
    } else {
      cairo_line_to(cr, x, qy(quota[i]));
    }
  }
  cairo_stroke(cr);
  auto scalini = [&](colore c, auto valore, auto y) {
    usa(cr, c);
    for (size_t i = c_da; i < c_a; ++i) {
      double x1 = px(std::max<double>(static_cast<double>(i) * metri_per_cella, da));
      double x2 = px(std::min<double>(static_cast<double>(i + 1) * metri_per_cella, a));
      double v = y(valore(m.celle[i]));
      if (i == c_da) {
        cairo_move_to(cr, x1, v);
      } else {
        cairo_line_to(cr, x1, v);
      }
      cairo_line_to(cr, x2, v);
    }
    cairo_stroke(cr);
  };
  scalini(
      blu_pendenza, [](const cella& c) { return static_cast<int>(c.pendenza) - 100; }, py);
  scalini(
      rosso_velocita, [](const cella& c) { return c.vel_max * 5; }, vy);

  // Signals and code points on the elevation panel's foot.
  for (int32_t s : o.segnali) {
    if (s < da || s >= a) continue;
    usa(cr, segnale.c);
    double x = px(s);
    cairo_move_to(cr, x, quota_a - 1);
    cairo_line_to(cr, x - 3.5, quota_a - 9);
    cairo_line_to(cr, x + 3.5, quota_a - 9);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  for (int32_t p : o.punti_codice) {
    if (p < da || p >= a) continue;
    usa(cr, punto_codice.c);
    cairo_rectangle(cr, px(p) - 1, quota_a - 16, 2, 5);
    cairo_fill(cr);
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
  const double passo_nomi = misura_testo(cr, 9).altezza() * std::numbers::sqrt2 * 1.05;
  std::vector<double> posti = distribuisci_in_fila(ordinate, passo_nomi, sinistra - 20, destra);
  for (size_t k = 0; k < in_pagina.size(); ++k) {
    const auto& s = *in_pagina[k];
    double x = ordinate[k], xn = posti[k];
    usa(cr, griglia_chiara);
    cairo_set_line_width(cr, 0.6);
    cairo_move_to(cr, x, quota_da);
    cairo_line_to(cr, x, vel_a);
    cairo_stroke(cr);
    usa(cr, stazione.c);
    cairo_move_to(cr, x, quota_da - 1);
    cairo_line_to(cr, x - 4, quota_da - 8);
    cairo_line_to(cr, x + 4, quota_da - 8);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (std::fabs(xn - x) > 0.5) {
      usa(cr, grigio);
      cairo_set_line_width(cr, 0.6);
      cairo_move_to(cr, x, quota_da - 9);
      cairo_line_to(cr, xn + 2, quota_da - 14);
      cairo_stroke(cr);
    }
    testo(cr, xn + 2, quota_da - 16, s.nome, 9, inchiostro, -std::numbers::pi / 4);
  }
  // Legend.
  double lx = sinistra, ly = altezza_pagina - margine + 8;
  const std::pair<colore, const char*> voci[] = {{stazione.c, "stazione"},
                                                 {segnale.c, "segnale"},
                                                 {punto_codice.c, "punto codice"},
                                                 {galleria.c, "galleria"},
                                                 {rallentamento.c, "rallentamento (km/h)"}};
  for (const auto& [c, nome] : voci) {
    usa_in_legenda(cr, c, &c == &voci[4].first ? opacita_rallentamento * 2 : 1);
    cairo_rectangle(cr, lx, ly - 8, 10, 8);
    cairo_fill(cr);
    testo(cr, lx + 14, ly, nome, 9);
    lx += 130;
  }
}

cairo_status_t accoda(void* destinazione, const unsigned char* dati, unsigned int n) {
  static_cast<std::string*>(destinazione)->append(reinterpret_cast<const char*>(dati), n);
  return CAIRO_STATUS_SUCCESS;
}

std::string percento(double v) {
  char b[16];
  std::snprintf(b, sizeof b, "%g%%", v * 100);
  return b;
}

// Cairo writes a colour as "rgb(80%,0%,20%)": a path painted in a kind's
// marker colour gets that kind's class and id.
std::string marca_generi(const std::string& svg) {
  std::map<std::string, const genere_disegnato*> per_colore;
  for (const genere_disegnato& g : generi) {
    per_colore["rgb(" + percento(g.c.r) + "," + percento(g.c.g) + "," + percento(g.c.b) + ")"] = &g;
  }
  std::map<std::string, int> contati;
  std::string uscita;
  size_t da = 0;
  for (size_t k; (k = svg.find("<path ", da)) != std::string::npos;) {
    uscita.append(svg, da, k - da);
    size_t fine = svg.find('>', k);
    if (fine == std::string::npos) break;
    std::string elemento = svg.substr(k, fine - k);
    uscita += "<path ";
    for (const auto& [rgb, g] : per_colore) {
      if (elemento.find("fill:" + rgb) == std::string::npos &&
          elemento.find("stroke:" + rgb) == std::string::npos) {
        continue;
      }
      uscita += "class=\"" + std::string(g->nome) + "\" id=\"" + g->nome + "-" +
                std::to_string(++contati[g->nome]) + "\" ";
      break;
    }
    da = k + 6;
  }
  uscita.append(svg, da, std::string::npos);
  return uscita;
}

using disegno_pagina = std::function<void(cairo_t*)>;

std::string disegna_pagine(const std::vector<disegno_pagina>& pagine, formato_disegno formato,
                           int larghezza_png) {
  std::string byte;
  cairo_surface_t* superficie = nullptr;
  double scala = 1;
  if (formato == formato_disegno::pdf) {
    superficie =
        cairo_pdf_surface_create_for_stream(accoda, &byte, larghezza_pagina, altezza_pagina);
  } else if (formato == formato_disegno::svg) {
    superficie =
        cairo_svg_surface_create_for_stream(accoda, &byte, larghezza_pagina, altezza_pagina);
  } else {
    scala = larghezza_png / larghezza_pagina;
    superficie = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, larghezza_png,
                                            static_cast<int>(std::lround(altezza_pagina * scala)));
  }
  cairo_t* cr = cairo_create(superficie);
  for (const disegno_pagina& pagina : pagine) {
    cairo_save(cr);
    cairo_scale(cr, scala, scala);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    pagina(cr);
    cairo_restore(cr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  if (formato == formato_disegno::png) {
    cairo_surface_write_to_png_stream(superficie, accoda, &byte);
  }
  cairo_surface_finish(superficie);
  cairo_status_t stato = cairo_surface_status(superficie);
  cairo_surface_destroy(superficie);
  if (stato != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(std::string("drawing failed: ") + cairo_status_to_string(stato));
  }
  return formato == formato_disegno::svg ? marca_generi(byte) : byte;
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

std::vector<std::string> nomi_disegni(const modello& m, const std::string& base,
                                      formato_disegno formato) {
  if (formato == formato_disegno::pdf) return {base + ".pdf"};
  const std::string estensione = formato == formato_disegno::svg ? ".svg" : ".png";
  std::vector<std::string> nomi{base + "_pianta" + estensione, base + "_profilo" + estensione};
  for (int k = 2; k <= pagine_profilo(m); ++k) {
    nomi.push_back(base + "_profilo_" + std::to_string(k) + estensione);
  }
  return nomi;
}

std::vector<std::filesystem::path> disegna(const modello& m, const std::filesystem::path& cartella,
                                           const std::string& base,
                                           const opzioni_disegno& opzioni) {
  oggetti_linea o = oggetti_di(m);
  std::vector<disegno_pagina> pagine;
  pagine.push_back([&](cairo_t* cr) { disegna_pianta(cr, m, o); });
  int n = pagine_profilo(m);
  int32_t per_pagina = metri_pagina_profilo(m);
  for (int k = 0; k < n; ++k) {
    int32_t da = k * per_pagina;
    int32_t a = std::min(da + per_pagina, std::max(o.lunghezza, 1));
    pagine.push_back([&, da, a, k](cairo_t* cr) { disegna_profilo(cr, m, o, da, a, k, n); });
  }
  const std::vector<std::string> nomi = nomi_disegni(m, base, opzioni.formato);
  std::vector<std::filesystem::path> scritti;
  if (opzioni.formato == formato_disegno::pdf) {
    scritti.push_back(cartella / nomi[0]);
    sostituisci_file(scritti.back(),
                     disegna_pagine(pagine, opzioni.formato, opzioni.larghezza_png));
    return scritti;
  }
  for (size_t k = 0; k < pagine.size(); ++k) {
    scritti.push_back(cartella / nomi[k]);
    sostituisci_file(scritti.back(),
                     disegna_pagine({pagine[k]}, opzioni.formato, opzioni.larghezza_png));
  }
  return scritti;
}

std::optional<file_da_disegnare> file_accanto(const std::filesystem::path& file_sim,
                                              const std::filesystem::path& planimetria) {
  const std::string nome_file = file_sim.filename().string();
  const std::string coda = ".sim";
  if (nome_file.size() <= coda.size() || !nome_file.ends_with(coda)) return std::nullopt;
  file_da_disegnare file;
  file.elementi = file_sim;
  file.nome = nome_file.substr(0, nome_file.size() - coda.size());
  file.celle = file_sim.parent_path() / (file.nome + ".dat");
  file.planimetria = planimetria;
  const size_t separatore = file.nome.rfind('_');
  if (file.planimetria.empty() && separatore != std::string::npos && separatore > 0) {
    file.planimetria = file_sim.parent_path() / (file.nome.substr(0, separatore) + "_linea.dat");
  }
  return file;
}

namespace {

// Removes the pages "<base>_profilo_<n><estensione>", n in plain digits,
// beyond the `pagine` of the route drawn now.
void rimuovi_pagine_in_piu(const std::filesystem::path& cartella, const std::string& base,
                           const std::string& estensione, int pagine) {
  const std::string inizio = base + "_profilo_";
  std::error_code e;
  std::filesystem::directory_iterator voce(cartella, e);
  for (; !e && voce != std::filesystem::directory_iterator(); voce.increment(e)) {
    const std::string nome = voce->path().filename().string();
    if (nome.size() <= inizio.size() + estensione.size() || !nome.starts_with(inizio) ||
        !nome.ends_with(estensione)) {
      continue;
    }
    const std::string cifre =
        nome.substr(inizio.size(), nome.size() - inizio.size() - estensione.size());
    int pagina = 0;
    std::error_code ignorato;
    if (cifre.front() == '0' || cifre.find_first_not_of("0123456789") != std::string::npos ||
        std::from_chars(cifre.data(), cifre.data() + cifre.size(), pagina).ec != std::errc() ||
        pagina <= pagine || voce->is_directory(ignorato)) {
      continue;
    }
    if (std::error_code c = sistema_file_corrente().cancella(voce->path());
        c && c != std::errc::no_such_file_or_directory) {
      throw errore_file(voce->path(), c.message());
    }
  }
  if (e) throw errore_file(cartella, e.message());
}

}  // namespace

int esegui_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                   const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori) {
  auto m = std::make_unique<modello>();
  try {
    file_letti letti;
    letti.elementi = file.elementi.string();
    letti.celle = file.celle.string();
    letti.planimetria = file.planimetria.string();
    leggi_file_compilati(*m, letti);
    std::filesystem::path destinazione = cartella.empty() ? file.elementi.parent_path() : cartella;
    if (destinazione.empty()) destinazione = ".";
    // Only once the files have been read: a mistaken command leaves no
    // directory behind.
    crea_cartella_uscita(destinazione);
    blocco_cartella blocco(destinazione, errori);
    rimuovi_temporanei_rimasti(destinazione, nomi_disegni(*m, file.nome, opzioni.formato));
    for (const auto& p : disegna(*m, destinazione, file.nome, opzioni)) {
      uscita << p.string() << '\n';
    }
    if (opzioni.formato != formato_disegno::pdf) {
      rimuovi_pagine_in_piu(destinazione, file.nome,
                            opzioni.formato == formato_disegno::svg ? ".svg" : ".png",
                            pagine_profilo(*m));
    }
    uscita.flush();
  } catch (const file_compilato_non_valido& e) {
    errori << e.what() << std::endl;
    return 3;
  } catch (const errore_file& e) {
    riporta_errore_file(errori, e);
    return 1;
  }
  return 0;
}

int osserva_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                    const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori) {
  opzioni_osservazione o;
  std::set<std::string> nomi;
  for (const std::filesystem::path& letto : {file.elementi, file.celle, file.planimetria}) {
    std::filesystem::path dir = letto.parent_path();
    if (dir.empty()) dir = ".";
    if (std::find(o.cartelle.begin(), o.cartelle.end(), dir) == o.cartelle.end()) {
      o.cartelle.push_back(dir);
    }
    nomi.insert(letto.filename().string());
  }
  o.interessa = [nomi](const std::string& nome) { return nomi.count(nome) > 0; };
  return osserva(
      o, [&] { esegui_disegno(file, cartella, opzioni, uscita, errori); }, uscita);
}

}  // namespace scenario
