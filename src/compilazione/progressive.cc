#include "compilazione/progressive.h"

#include <cstdint>
#include <limits>
#include <string>

#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

void azzera(elemento& e) {
  e.inizio = 0;
  e.fine = 0;
  e.posizione = 0;
}

void copia_progressiva(elemento& verso, const elemento& da) {
  verso.inizio = da.inizio;
  verso.fine = da.fine;
  verso.posizione = da.posizione;
}

}  // namespace

bool progressive_ordina(modello& m) {
  elemento& r81 = m.elementi[elemento_progressiva_tre];
  elemento& r82 = m.elementi[elemento_progressiva_due];
  elemento& r83 = m.elementi[elemento_progressiva_uno];
  const elemento t = r81;
  const elemento d = r82;
  const elemento u = r83;
  auto metti = [&](const elemento& a, const elemento& b, const elemento& c) {
    copia_progressiva(r81, a);
    copia_progressiva(r82, b);
    copia_progressiva(r83, c);
  };
  bool azzerate = false;
  auto azzera_tutte = [&] {
    azzerate = true;
    azzera(r81);
    azzera(r82);
    azzera(r83);
  };
  // Of the two that do not begin furthest, the later goes first; on equal
  // starts the one from the higher-numbered record does.
  auto metti_dopo = [&](const elemento& primo, const elemento& basso, const elemento& alto) {
    if (basso.inizio > alto.inizio) {
      metti(primo, basso, alto);
    } else {
      metti(primo, alto, basso);
    }
  };
  if (int64_t{t.inizio} + d.inizio + u.inizio != 0) {
    if (t.inizio > d.inizio && t.inizio > u.inizio) {
      metti_dopo(t, d, u);
    } else if (d.inizio > t.inizio && d.inizio > u.inizio) {
      metti_dopo(d, t, u);
    } else if (u.inizio > t.inizio && u.inizio > d.inizio) {
      metti_dopo(u, t, d);
    } else {
      azzera_tutte();
    }
  } else if (u.fine > 0) {
    metti(u, d, t);
  } else if (d.fine > 0) {
    metti(d, t, u);
  } else if (t.fine <= 0) {
    azzera_tutte();
  }
  for (elemento* e : {&r81, &r82, &r83}) {
    if (e->posizione != 1) continue;
    int64_t progressiva = int64_t{e->fine} + 100;
    if (progressiva > std::numeric_limits<int32_t>::max()) {
      throw errore_esecuzione("chainage " + std::to_string(e->fine) +
                              " plus 100 (flag 1) does not fit a 32-bit field");
    }
    e->fine = static_cast<int32_t>(progressiva);
  }
  return azzerate;
}

}  // namespace scenario
