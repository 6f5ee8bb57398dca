#include "disegno/pagina.h"

#include <charconv>
#include <cmath>

namespace scenario {

double numero_tondo(double massimo) {
  if (!(massimo > 0) || !std::isfinite(massimo)) return 1;
  // Powers of ten by multiplying, not by logarithms: every build finds the
  // same one.
  double p = 1;
  while (p * 10 <= massimo) p *= 10;
  while (p > massimo) p /= 10;
  for (double f : {5.0, 2.0}) {
    if (f * p <= massimo) return f * p;
  }
  return p;
}

std::string km(double metri, int decimali) {
  char b[400];
  auto [fine, errore] =
      std::to_chars(b, b + sizeof b, metri / 1000, std::chars_format::fixed, decimali);
  return errore == std::errc() ? std::string(b, fine) : std::string("?");
}

std::string titolo_pagina(const modello& m, const std::string& cosa) {
  return m.elementi[elemento_testata_percorso].testo + " — treno " +
         m.elementi[elemento_testata_treno].testo + " — " + cosa;
}

void scrivi_titolo(tela& t, const std::string& titolo, double larghezza_pagina) {
  scritta s;
  s.a = {margine, margine};
  s.testo = testo_accorciato(titolo, larghezza_pagina - 2 * margine, corpo_titolo, true);
  s.corpo = corpo_titolo;
  s.grassetto = true;
  t.scrivi(s);
}

void scrivi_legenda(tela& t, double x, double y, double passo,
                    const std::vector<voce_legenda>& v) {
  for (const voce_legenda& voce : v) {
    voce.campione(t, x, y - 8);
    scritta s;
    s.a = {x + 14, y};
    s.testo = voce.nome;
    t.scrivi(s);
    x += passo;
  }
}

}  // namespace scenario
