#include "compilazione/elementi_linea.h"

#include <algorithm>
#include <limits>
#include <string>

#include "modello/numeri_errore.h"
#include "modello/arrotonda.h"
#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

cella& cella_della_griglia(modello& m, int64_t k) {
  if (k < 0 || k >= static_cast<int64_t>(m.celle.size())) {
    throw errore_esecuzione("cell " + std::to_string(k) + " lies outside the grid");
  }
  return m.celle[static_cast<size_t>(k)];
}

uint8_t byte_pendenza(int32_t pendenza) {
  return static_cast<uint8_t>(static_cast<uint32_t>(pendenza) + 100u);
}

// One gradient cell at the pointer. Rows crowding the last cells can push
// the pointer past the end of the grid: what would fall beyond it is
// dropped, and the pointer stops there. Returns false once it is past.
bool scrivi_pendenza(modello& m, lavoro_linea& w) {
  if (!m.griglia_dimensionata()) throw errore_esecuzione("the cell grid is not sized");
  if (w.cella_pendenza > m.n_celle) return false;
  cella_della_griglia(m, w.cella_pendenza).pendenza = byte_pendenza(w.pendenza_attuale);
  ++w.cella_pendenza;
  return true;
}

}  // namespace

int32_t cella_cartello(int32_t posizione) { return arrotonda_a<int32_t>(posizione / 50.0 + 1); }

void memo_pendenza(modello& m, lavoro_linea& w, int32_t p, int32_t g, const luoghi_riga& riga) {
  int32_t c = arrotonda_a<int32_t>(p / 50.0);
  if (c > 0) {
    do {
      if (!scrivi_pendenza(m, w)) {
        w.pendenze_oltre.registra(m, numero_avviso::pendenze_oltre_la_griglia,
                                  riga.campo(0).luogo(),
                                  "the rows before it have filled every cell up to the last, " +
                                      std::to_string(m.n_celle));
        break;
      }
    } while (w.cella_pendenza < c);
  }
  w.pendenza_attuale = g;
}

void coda_pendenze(modello& m, lavoro_linea& w) {
  do {
    if (!scrivi_pendenza(m, w)) break;
  } while (w.cella_pendenza < m.n_celle - 2);
}

bool memo_montagna(modello& m, int32_t inizio, int32_t fine, int32_t& tipo,
                   const luoghi_riga& riga) {
  const int32_t tipo_scritto = tipo;
  bool marche = false;
  if (tipo > 10) {
    tipo -= 10;
    marche = true;
  }
  // The lists hold 80 tunnels, from index 1.
  if (m.n_gallerie >= massimo_gallerie) {
    registra_errore(m, numero_errore::troppe_gallerie, inizio, riga.voce().luogo());
    return false;
  }
  ++m.n_gallerie;
  m.galleria_inizio[static_cast<size_t>(m.n_gallerie)] = inizio;
  m.galleria_fine[static_cast<size_t>(m.n_gallerie)] = fine;
  if (m.n_gallerie > 1 &&
      int64_t{inizio} - m.galleria_fine[static_cast<size_t>(m.n_gallerie - 1)] <= 150) {
    if (tipo != 3) {
      const int32_t fine_prima = m.galleria_fine[static_cast<size_t>(m.n_gallerie - 1)];
      const int64_t distanza = int64_t{inizio} - fine_prima;
      std::string dove =
          distanza >= 0
              ? "it begins " + std::to_string(distanza) + " m after the previous tunnel ends"
              : "it begins " + std::to_string(-distanza) +
                    " m before the previous tunnel ends (at " + std::to_string(fine_prima) + " m)";
      registra_avviso(m, numero_avviso::galleria_tipo_3, riga.campo(2).luogo(),
                      dove + "; type " + std::to_string(tipo) + " is not kept");
    }
    tipo = 3;
  }
  if (tipo < 0 || tipo > 255) {
    registra_avviso(m, numero_avviso::valore_troncato, riga.campo(2).luogo(),
                    "tunnel type " + std::to_string(tipo_scritto) + " stored as " +
                        std::to_string(static_cast<uint8_t>(tipo)));
  }
  int64_t prima = arrotonda_a<int32_t>(inizio / 50.0);
  int64_t ultima = arrotonda_a<int32_t>(fine / 50.0 - 1);
  // Only the start of a tunnel is checked against the grid: the part that
  // lies outside it is not drawn. Markers keep their rhythm from the tunnel's
  // first cell.
  int64_t da = std::max<int64_t>(prima, 0);
  int64_t a = std::min<int64_t>(ultima, m.n_celle);
  if (ultima < prima) {
    registra_avviso(m, numero_avviso::galleria_vuota, riga.campo(1).luogo(),
                    "it ends at " + std::to_string(fine) + " m, not beyond the cell of its start");
  } else if (prima < 0) {
    registra_avviso(m, numero_avviso::galleria_fuori_griglia, riga.campo(0).luogo(),
                    "cells " + std::to_string(prima) + " to " +
                        std::to_string(std::min<int64_t>(-1, ultima)) + " lie before cell 0");
  } else if (ultima > m.n_celle) {
    registra_avviso(m, numero_avviso::galleria_fuori_griglia, riga.campo(1).luogo(),
                    "cells " + std::to_string(std::max<int64_t>(m.n_celle + 1, prima)) + " to " +
                        std::to_string(ultima) + " lie past the last cell, " +
                        std::to_string(m.n_celle));
  }
  for (int64_t k = da; k <= a; ++k) {
    cella& c = cella_della_griglia(m, k);
    c.galleria = static_cast<uint8_t>(tipo);
    int64_t n = k - prima + 1;
    if (marche && n % 4 == 0 && c.tipo == tipo_cella::vuota) c.tipo = tipo_cella::marca_galleria;
  }
  return true;
}

bool memo_indicatori_v_max(modello& m, int32_t posizione, int32_t vas, int32_t vbs, int32_t vcs,
                           int16_t strisces, int32_t vad, int32_t vbd, int32_t vcd,
                           int16_t strisced, const luoghi_riga& riga, origini_celle* origini) {
  const int32_t k = cella_cartello(posizione);
  cella& c = cella_della_griglia(m, k);
  if (!cella_libera(c)) {
    registra_celle_occupate(m, origini, numero_errore::indicatore_su_cella_occupata, posizione,
                            riga.campo(0), {k});
    return false;
  }
  // The speed of one side times 20 is a 32-bit product: one that overflows
  // is a run-time failure like a value too wide for its field.
  auto valore = [&](int32_t s, int32_t d) {
    int64_t prodotto = int64_t{s} * 20;
    double v = d / 5.0 + static_cast<double>(prodotto);
    if (prodotto < std::numeric_limits<int32_t>::min() ||
        prodotto > std::numeric_limits<int32_t>::max() || arrotonda(v) < -32768 ||
        arrotonda(v) > 32767) {
      throw errore_esecuzione("speeds " + std::to_string(s) + " and " + std::to_string(d) +
                                  " give " + std::to_string(s) + " x 20 + " + std::to_string(d) +
                                  " / 5, which does not fit a 16-bit field",
                              riga.voce().luogo());
    }
    return arrotonda_a<int16_t>(v);
  };
  int16_t val1 = valore(vas, vad);
  int16_t val2 = valore(vbs, vbd);
  int16_t val3 = valore(vcs, vcd);
  c.tipo = tipo_cella::indicatore_v_max;
  c.val1 = val1;
  c.val2 = val2;
  c.val3 = val3;
  c.val4 = static_cast<int16_t>(int32_t{strisces} * 10 + strisced);
  if (origini != nullptr)
    origini->registra(k, occupante::indicatore_v_max, posizione, riga.campo(0));
  return true;
}

bool memo_cartello_indicatore(modello& m, lavoro_linea& w, int32_t p, const std::string& t,
                              const luoghi_riga& riga, origini_celle* origini) {
  const int32_t k = cella_cartello(p);
  cella& c = cella_della_griglia(m, k);
  if (!cella_libera(c)) {
    registra_celle_occupate(m, origini, numero_errore::cartello_su_cella_occupata, p, riga.campo(0),
                            {k});
    return false;
  }
  // Records 1 to 80 hold the sign texts from the top and the stations from
  // the bottom; below record 1 there is no room for a text.
  if (w.indice_testo < 1) {
    registra_errore(m, numero_errore::testi_esauriti, p, riga.voce().luogo());
    return false;
  }
  c.tipo = tipo_cella::cartello;
  c.val1 = static_cast<int16_t>(w.indice_testo);
  m.elementi[static_cast<size_t>(w.indice_testo)].testo = t;
  --w.indice_testo;
  if (origini != nullptr) origini->registra(k, occupante::cartello, p, riga.campo(0));
  return true;
}

}  // namespace scenario
