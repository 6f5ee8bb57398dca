#include "disegno/pianta.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string_view>
#include <tuple>

#include "disegno/etichette.h"
#include "disegno/pagina.h"
#include "disegno/semplifica.h"

namespace scenario {

namespace {

// A fraction of a pixel of a PNG of the default width: the simplified line
// differs from the drawn metres by less than the eye sees.
constexpr double tolleranza_linea = 0.1;

// Room round the drawing, the same on every side so that the page's
// orientation follows the line's: above it the title, below it the scale bar
// and two rows of legend, and on every side the names of what stands at the
// drawing's edge.
constexpr double spazio_intorno = margine + altezza_titolo + 20;
// The least side across the line: a landscape page's height, a portrait
// page's width, that hold the title, a line of names either side of a
// straight line, and the scale bar beside the legend.
constexpr double minimo_altezza = 360;
constexpr double minimo_larghezza = 600;

// Ticks closer than this along the line would crowd their numbers.
constexpr double distanza_tacche = 40;
constexpr double mezza_tacca = 5;

constexpr colore grigio_oltre{0.72, 0.72, 0.72};

// The last metre of the plan that the page shows: a quarter of the route's
// length past its end, enough to show where the plan goes on, so that a short
// route on a long plan is neither left in a corner nor crossed by a long
// dashed line.
int64_t fine_mostrata(int64_t lunghezza, int64_t metri) {
  lunghezza = std::max<int64_t>(lunghezza, 0);
  return std::min<int64_t>(lunghezza + lunghezza / 4, metri - 1);
}
constexpr colore grigio_km{0.35, 0.35, 0.35};

// The plan as the page reads it: the metres drawn, those whose two
// coordinates are numbers, and for any metre the last drawn one up to it,
// which an item on a gap or beyond the end of the plan stands at.
class piano {
 public:
  explicit piano(const modello& m) : m_(m) {
    const size_t metri = std::min(m.planimetria[0].riempiti(), m.planimetria[1].riempiti());
    precedente_.resize(metri);
    int32_t ultimo = -1;
    for (size_t metro = 0; metro < metri; ++metro) {
      if (m.planimetria[0].tipo(metro) != coordinata_planimetria::vuoto &&
          m.planimetria[1].tipo(metro) != coordinata_planimetria::vuoto &&
          std::isfinite(m.planimetria[0].numero(metro)) &&
          std::isfinite(m.planimetria[1].numero(metro))) {
        ultimo = static_cast<int32_t>(metro);
      }
      precedente_[metro] = ultimo;
    }
  }

  int64_t metri() const { return static_cast<int64_t>(precedente_.size()); }
  bool disegnato(int64_t metro) const {
    return metro >= 0 && metro < metri() && precedente_[static_cast<size_t>(metro)] == metro;
  }
  // The point of a drawn metre.
  std::pair<double, double> xy(int64_t metro) const {
    return {m_.planimetria[0].numero(static_cast<size_t>(metro)),
            m_.planimetria[1].numero(static_cast<size_t>(metro))};
  }
  // The point of the last drawn metre up to `metro`, if any.
  std::optional<std::pair<double, double>> vicino(int64_t metro) const {
    if (metri() == 0) return std::nullopt;
    const int32_t k = precedente_[static_cast<size_t>(std::clamp<int64_t>(metro, 0, metri() - 1))];
    if (k < 0) return std::nullopt;
    return xy(k);
  }

 private:
  const modello& m_;
  std::vector<int32_t> precedente_;
};

// The box of the drawn metres of the route and of the items along it; every
// coordinate 0 when none is drawn. Of the plan beyond the route's end it
// holds a quarter of the route's length, enough to show where the plan
// goes on: the rest is drawn as far as the page goes. A route of 3 km on a
// plan of 10 would be a corner of its page otherwise.
struct riquadro_piano {
  double x_min = 0, x_max = 0, y_min = 0, y_max = 0;
};

riquadro_piano misura(const piano& pn, const oggetti_linea& o) {
  riquadro_piano r;
  bool primo = true;
  auto aggiungi = [&](std::pair<double, double> p) {
    auto [x, y] = p;
    if (primo) {
      r = {x, x, y, y};
      primo = false;
    }
    r.x_min = std::min(r.x_min, x);
    r.x_max = std::max(r.x_max, x);
    r.y_min = std::min(r.y_min, y);
    r.y_max = std::max(r.y_max, y);
  };
  const int64_t fine = fine_mostrata(o.lunghezza, pn.metri());
  for (int64_t metro = 0; metro <= fine; ++metro) {
    if (pn.disegnato(metro)) aggiungi(pn.xy(metro));
  }
  auto in = [&](int64_t metro) {
    if (auto p = pn.vicino(metro)) aggiungi(*p);
  };
  in(0);
  in(o.lunghezza);
  for (const auto& s : o.stazioni) in(s.posizione);
  for (int32_t s : o.segnali) in(s);
  for (int32_t i : o.indicatori_velocita) in(i);
  for (const auto& c : o.cartelli) in(c.posizione);
  return r;
}

// The drawn metres [da, a] as lines on the page, one for each run without a
// gap, each simplified.
std::vector<std::vector<punto>> tratti(const piano& pn, const trasformazione_pianta& t, int64_t da,
                                       int64_t a) {
  std::vector<std::vector<punto>> linee;
  std::vector<punto> corrente;
  auto chiudi = [&] {
    if (!corrente.empty()) linee.push_back(semplifica(corrente, tolleranza_linea));
    corrente.clear();
  };
  for (int64_t metro = std::max<int64_t>(da, 0); metro <= a && metro < pn.metri(); ++metro) {
    if (!pn.disegnato(metro)) {
      chiudi();
      continue;
    }
    const auto [x, y] = pn.xy(metro);
    corrente.push_back({t.pagina_x(x), t.pagina_y(y)});
  }
  chiudi();
  return linee;
}

// The parts of the lines inside `r`, each a line of its own (Liang-Barsky,
// segment by segment).
std::vector<std::vector<punto>> ritaglia(const std::vector<std::vector<punto>>& linee,
                                         const rettangolo& r) {
  std::vector<std::vector<punto>> parti;
  std::vector<punto> corrente;
  auto chiudi = [&] {
    if (corrente.size() > 1) parti.push_back(std::move(corrente));
    corrente.clear();
  };
  for (const auto& linea : linee) {
    for (size_t k = 0; k + 1 < linea.size(); ++k) {
      const punto a = linea[k], b = linea[k + 1];
      const double dx = b.x - a.x, dy = b.y - a.y;
      double t0 = 0, t1 = 1;
      bool dentro = true;
      for (auto [p, q] :
           {std::pair{-dx, a.x - r.x0}, {dx, r.x1 - a.x}, {-dy, a.y - r.y0}, {dy, r.y1 - a.y}}) {
        if (p == 0) {
          dentro = dentro && q >= 0;
        } else if (p < 0) {
          t0 = std::max(t0, q / p);
        } else {
          t1 = std::min(t1, q / p);
        }
      }
      if (!dentro || !(t0 <= t1)) {
        chiudi();
        continue;
      }
      if (t0 > 0 || corrente.empty()) {
        chiudi();
        corrente.push_back({a.x + t0 * dx, a.y + t0 * dy});
      }
      corrente.push_back({a.x + t1 * dx, a.y + t1 * dy});
      if (t1 < 1) chiudi();
    }
    chiudi();
  }
  return parti;
}

rettangolo intorno(punto p, double r) { return {p.x - r, p.y - r, p.x + r, p.y + r}; }

// The markers of the plan, each a shape of its kind's colour round `p`; the
// legend draws the same.
void marcatore(tela& tl, const genere_disegnato& g, punto p) {
  const std::string_view nome = g.nome;
  if (nome == genere::stazione.nome) {
    tl.cerchio(p, 5, pieno(g.c));
  } else if (nome == genere::indicatore_velocita.nome) {
    const punto triangolo[] = {{p.x, p.y - 4}, {p.x + 3.5, p.y + 3}, {p.x - 3.5, p.y + 3}};
    tl.poligono(triangolo, pieno(g.c));
  } else if (nome == genere::cartello.nome) {
    const punto rombo[] = {{p.x, p.y - 4}, {p.x + 4, p.y}, {p.x, p.y + 4}, {p.x - 4, p.y}};
    tl.poligono(rombo, pieno(g.c));
  } else {
    tl.rettangolo(p.x - 2.5, p.y - 2.5, 5, 5, pieno(g.c));
  }
}

double raggio_marcatore(const genere_disegnato& g) {
  return std::string_view(g.nome) == genere::stazione.nome ? 5 : 4;
}

double altezza_riga(double corpo) { return sopra_testo(corpo) + sotto_testo(corpo); }

// A round length a fifth of the page's width or less, drawn as a bar at the
// bottom left, its base at y. Returns where its writing ends on the right.
double scrivi_scala(tela& tl, double scala, double larghezza, double y) {
  const double lunghezza = numero_tondo((larghezza - 2 * margine) / 5 / scala);
  // A plan spread over more than a million kilometres is no line to measure.
  if (lunghezza > 1e9) return margine;
  const double quarto = lunghezza * scala / 4;
  for (int k = 0; k < 4; ++k) {
    pennello p = filo(inchiostro, 1);
    if (k % 2 == 0) p.riempimento = inchiostro;
    tl.rettangolo(margine + k * quarto, y - 6, quarto, 6, p);
  }
  scritta zero;
  zero.a = {margine, y - 10};
  zero.testo = "0";
  zero.corpo = 10;
  tl.scrivi(zero);
  scritta fondo = zero;
  fondo.a = {margine + lunghezza * scala, y - 10};
  if (lunghezza >= 1000) {
    fondo.testo = km(lunghezza, lunghezza >= 10000 ? 0 : 1) + " km";
  } else if (lunghezza >= 1) {
    fondo.testo = std::to_string(static_cast<int>(lunghezza)) + " m";
  } else {
    char b[32];
    auto [fine, errore] = std::to_chars(b, b + sizeof b, lunghezza, std::chars_format::general);
    fondo.testo = (errore == std::errc() ? std::string(b, fine) : std::string("?")) + " m";
  }
  fondo.allinea = ancoraggio::centro;
  tl.scrivi(fondo);
  return fondo.a.x + larghezza_testo(fondo.testo, fondo.corpo) / 2;
}

// A name to write, and where the placement put it.
struct nome_da_scrivere {
  std::string testo;
  colore c;
  double corpo;
  bool grassetto;
};

void disegna_pianta(tela& tl, const piano& pn, const oggetti_linea& o,
                    const impaginazione_pianta& imp, const std::string& titolo) {
  const trasformazione_pianta& t = imp.t;
  const double larghezza = imp.larghezza, altezza = imp.altezza;
  scrivi_titolo(tl, titolo, larghezza);
  const int64_t metri = pn.metri();
  const int64_t fine = std::clamp<int64_t>(o.lunghezza, 0, std::max<int64_t>(metri - 1, 0));
  auto sul_piano = [&](int64_t metro) -> std::optional<punto> {
    auto p = pn.vicino(metro);
    if (!p) return std::nullopt;
    return punto{t.pagina_x(p->first), t.pagina_y(p->second)};
  };
  // The page but its edges, the title's line and the bands of the scale bar
  // and the legend: the plan beyond the route's end, left out of the layout,
  // is cut there.
  const rettangolo area{margine / 2, margine + 10, larghezza - margine / 2, altezza - margine - 30};

  // The line to the route's end, and faded the plan's metres beyond it,
  // which the train never reaches.
  for (const auto& linea : tratti(pn, t, 0, fine)) tl.spezzata(linea, filo(inchiostro, 2));
  std::vector<std::vector<punto>> oltre;
  if (o.lunghezza < metri - 1) {
    oltre = ritaglia(tratti(pn, t, fine, fine_mostrata(o.lunghezza, metri)), area);
  }
  pennello sbiadito = filo(grigio_oltre, 1.2);
  sbiadito.tratteggio = 4;
  for (const auto& linea : oltre) tl.spezzata(linea, sbiadito);
  for (auto [da, a] : o.gallerie) {
    tl.apri(genere::galleria);
    for (const auto& linea : ritaglia(tratti(pn, t, da, a), area)) {
      tl.spezzata(linea, filo(genere::galleria.c, 6));
    }
    tl.chiudi();
  }

  // What the names must not hide, and the names in the order they are
  // placed: the start's and the end's, then the stations', then the
  // kilometres', which give way where there is no room for them.
  std::vector<rettangolo> ostacoli;
  std::vector<etichetta_da_posare> etichette;
  std::vector<nome_da_scrivere> nomi;
  auto aggiungi_nome = [&](punto p, double distanza, nome_da_scrivere n, bool facoltativa) {
    etichette.push_back({p.x, p.y, larghezza_testo(n.testo, n.corpo, n.grassetto),
                         altezza_riga(n.corpo), distanza, facoltativa});
    nomi.push_back(std::move(n));
  };

  // Kilometre ticks across the line, by route metres from the start.
  const int32_t passo = passo_tacche(t.scala);
  struct tacca {
    punto p;
    int64_t metro;
  };
  std::vector<tacca> tacche;
  for (int64_t metro = passo; metro < fine; metro += passo) {
    if (!pn.disegnato(metro)) continue;
    const auto [x0, y0] = pn.xy(pn.disegnato(metro - 1) ? metro - 1 : metro);
    const auto [x1, y1] = pn.xy(pn.disegnato(metro + 1) ? metro + 1 : metro);
    // Across the line on the page, where the second coordinate runs up.
    const double dx = x1 - x0, dy = y1 - y0, l = std::sqrt(dx * dx + dy * dy);
    if (!(l > 0) || !std::isfinite(l)) continue;
    const punto p = *sul_piano(metro);
    const double nx = dy / l * mezza_tacca, ny = dx / l * mezza_tacca;
    const punto segno[] = {{p.x - nx, p.y - ny}, {p.x + nx, p.y + ny}};
    tl.spezzata(segno, filo(inchiostro, 1.2));
    // The mark's own box, so that its number may stand close beside it.
    ostacoli.push_back({p.x - std::fabs(nx) - 0.6, p.y - std::fabs(ny) - 0.6,
                        p.x + std::fabs(nx) + 0.6, p.y + std::fabs(ny) + 0.6});
    tacche.push_back({p, metro});
  }

  // The start's and the end's rings under the markers, which stay in sight.
  for (auto [metro, c, nome] :
       {std::tuple<int64_t, colore, std::string>{0, verde_inizio, "Inizio"},
        {o.lunghezza, rosso_velocita, "Fine (" + km(o.lunghezza) + " km)"}}) {
    auto p = sul_piano(metro);
    if (!p) continue;
    tl.cerchio(*p, 9, filo(c, 3));
    ostacoli.push_back(intorno(*p, 11));
    aggiungi_nome(*p, 14, {nome, c, 12, true}, false);
  }
  auto disegna_marcatori = [&](const genere_disegnato& g, const auto& posizioni, auto metro_di) {
    for (const auto& v : posizioni) {
      auto p = sul_piano(metro_di(v));
      if (!p) continue;
      tl.apri(g);
      marcatore(tl, g, *p);
      tl.chiudi();
      ostacoli.push_back(intorno(*p, raggio_marcatore(g)));
    }
  };
  auto stesso = [](int32_t metro) { return metro; };
  disegna_marcatori(genere::segnale, o.segnali, stesso);
  disegna_marcatori(genere::indicatore_velocita, o.indicatori_velocita, stesso);
  disegna_marcatori(genere::cartello, o.cartelli,
                    [](const oggetti_linea::cartello_linea& c) { return c.posizione; });
  disegna_marcatori(genere::stazione, o.stazioni,
                    [](const oggetti_linea::stazione_linea& s) { return s.posizione; });
  for (const auto& s : o.stazioni) {
    if (auto p = sul_piano(s.posizione))
      aggiungi_nome(*p, 8, {s.nome, inchiostro, 10, false}, false);
  }
  for (const tacca& k : tacche) {
    aggiungi_nome(k.p, mezza_tacca + 2, {std::to_string(k.metro / 1000), grigio_km, 8, false},
                  true);
  }

  // Scale bar, bottom left.
  const double y_basso = altezza - margine;
  const double fine_scala = scrivi_scala(tl, t.scala, larghezza, y_basso);
  ostacoli.push_back({margine, y_basso - 10 - sopra_testo(10), fine_scala, y_basso});

  // Legend, bottom right, in as many rows as the page's width needs.
  auto riquadro = [](colore c) {
    return [c](tela& tl, double x, double y) { tl.rettangolo(x, y, 10, 8, pieno(c)); };
  };
  auto forma = [](const genere_disegnato& g) {
    return [&g](tela& tl, double x, double y) { marcatore(tl, g, {x + 5, y + 4}); };
  };
  std::vector<voce_legenda> voci{{"stazione", forma(genere::stazione)},
                                 {"segnale", forma(genere::segnale)},
                                 {"indicatore di velocità", forma(genere::indicatore_velocita)},
                                 {"cartello", forma(genere::cartello)},
                                 {"galleria", riquadro(genere::galleria.c)}};
  if (!oltre.empty()) {
    voci.push_back({"oltre la fine del percorso", [sbiadito](tela& tl, double x, double y) {
                      const punto tratto[] = {{x - 2, y + 4}, {x + 12, y + 4}};
                      tl.spezzata(tratto, sbiadito);
                    }});
  }
  constexpr double stacco_voci = 18;
  std::vector<std::vector<std::pair<const voce_legenda*, double>>> righe(1);
  const double spazio_legenda = larghezza - margine - (fine_scala + 30);
  double occupato = 0;
  for (const voce_legenda& v : voci) {
    const double w = 14 + larghezza_testo(v.nome, 9);
    if (!righe.back().empty() && occupato + stacco_voci + w > spazio_legenda) {
      righe.emplace_back();
      occupato = 0;
    }
    occupato += (righe.back().empty() ? 0 : stacco_voci) + w;
    righe.back().emplace_back(&v, w);
  }
  for (size_t r = 0; r < righe.size(); ++r) {
    const double y = y_basso - 14 * static_cast<double>(righe.size() - 1 - r);
    double x = larghezza - margine;
    for (const auto& [v, w] : righe[r]) x -= w + stacco_voci;
    x += stacco_voci;
    for (const auto& [v, w] : righe[r]) {
      scrivi_legenda(tl, x, y, 0, {*v});
      ostacoli.push_back({x, y - 9, x + w, y + sotto_testo(9)});
      x += w + stacco_voci;
    }
  }
  ostacoli.push_back({margine, margine - sopra_testo(corpo_titolo),
                      margine + larghezza_testo(titolo, corpo_titolo, true),
                      margine + sotto_testo(corpo_titolo)});

  // The line as points a few units apart, for the names to keep off.
  std::vector<rettangolo> tracciato;
  const double passo_punti = 4 / t.scala;
  const int64_t passo_tracciato = passo_punti < 1 || !std::isfinite(passo_punti)
                                      ? 1
                                      : static_cast<int64_t>(std::min(passo_punti, 1e9));
  for (int64_t metro = 0; metro < metri; metro += passo_tracciato) {
    if (!pn.disegnato(metro)) continue;
    const auto [x, y] = pn.xy(metro);
    const punto p{t.pagina_x(x), t.pagina_y(y)};
    if (metro <= fine || (p.x >= area.x0 && p.x <= area.x1 && p.y >= area.y0 && p.y <= area.y1)) {
      tracciato.push_back(intorno(p, 1));
    }
  }
  const rettangolo foglio{margine / 2, margine / 2, larghezza - margine / 2, altezza - margine / 2};
  const std::vector<etichetta_posata> posate =
      posa_etichette(etichette, ostacoli, tracciato, foglio);
  for (size_t k = 0; k < posate.size(); ++k) {
    if (!posate[k].posata) continue;
    const rettangolo& r = posate[k].riquadro;
    const nome_da_scrivere& n = nomi[k];
    if (posate[k].con_richiamo) {
      // A thin line from the marker to the nearest point of its name.
      const punto richiamo[] = {
          {etichette[k].x, etichette[k].y},
          {std::clamp(etichette[k].x, r.x0, r.x1), std::clamp(etichette[k].y, r.y0, r.y1)}};
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
}

impaginazione_pianta impagina(const modello& m, const piano& pn, const oggetti_linea& o) {
  const riquadro_piano r = misura(pn, o);
  // Halves, so that no difference of two coordinates overflows.
  const double mezza_w = std::max(r.x_max / 2 - r.x_min / 2, 0.5);
  const double mezza_h = std::max(r.y_max / 2 - r.y_min / 2, 0.5);
  const bool orizzontale = mezza_w > mezza_h;
  const double massima_w = orizzontale ? lato_lungo_a3 : lato_corto_a3;
  const double massima_h = orizzontale ? lato_corto_a3 : lato_lungo_a3;
  impaginazione_pianta p;
  trasformazione_pianta& t = p.t;
  t.scala = std::min((massima_w - 2 * spazio_intorno) / 2 / mezza_w,
                     (massima_h - 2 * spazio_intorno) / 2 / mezza_h);
  // The title, written along the top, keeps a narrow page as wide as it.
  const double titolo =
      2 * margine + larghezza_testo(titolo_pagina(m, "planimetria"), corpo_titolo, true);
  // A long route name widens a portrait page, up to an A3 sheet's long side;
  // the title is shortened beyond that.
  const double minimo_w =
      orizzontale ? 0 : std::min(std::max(minimo_larghezza, titolo), lato_lungo_a3);
  const double minimo_h = orizzontale ? minimo_altezza : 0;
  p.larghezza = std::clamp(2 * (mezza_w * t.scala + spazio_intorno), std::min(minimo_w, massima_w),
                           massima_w);
  p.altezza = std::clamp(2 * (mezza_h * t.scala + spazio_intorno), std::min(minimo_h, massima_h),
                         massima_h);
  const double cx = r.x_min / 2 + r.x_max / 2, cy = r.y_min / 2 + r.y_max / 2;
  t.x0 = p.larghezza / 2 - cx * t.scala;
  t.y0 = p.altezza / 2 + cy * t.scala;
  return p;
}

}  // namespace

int32_t passo_tacche(double scala) {
  for (int32_t passo : {1000, 5000, 10000, 50000}) {
    if (passo * scala >= distanza_tacche) return passo;
  }
  return 100000;
}

impaginazione_pianta impagina_pianta(const modello& m, const oggetti_linea& o) {
  return impagina(m, piano(m), o);
}

pagina_disegno pagina_pianta(const modello& m, const oggetti_linea& o) {
  auto pn = std::make_shared<const piano>(m);
  const impaginazione_pianta imp = impagina(m, *pn, o);
  pagina_disegno pagina;
  pagina.larghezza = imp.larghezza;
  pagina.altezza = imp.altezza;
  pagina.titolo = titolo_pagina(m, "planimetria");
  pagina.disegna = [pn, &o, imp, titolo = pagina.titolo](tela& tl) {
    disegna_pianta(tl, *pn, o, imp, titolo);
  };
  return pagina;
}

}  // namespace scenario
