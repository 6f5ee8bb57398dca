#include "compilazione/passata_finale.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "modello/numeri_errore.h"

namespace scenario {

namespace {

constexpr int16_t codice_punto = 180;
// Slow-downs from this speed on get no code points inside them.
constexpr int16_t velocita_senza_punti_interni = 110;
constexpr int32_t celle_prima_dell_avviso = 20;
constexpr int32_t prima_cella_segnale_cercata = 3;
constexpr int32_t passo_punti_interni = 8;
constexpr int32_t celle_dopo_la_fine = 12;

// Every cell is reached through at(): a walk that strayed past the grid would
// end the run instead of writing outside it.
class passata {
 public:
  passata(modello& m, origini_celle* origini)
      : m_(m),
        origini_(origini),
        n_(std::min<int32_t>(m.n_celle, static_cast<int32_t>(m.celle.size()) - 1)) {}

  void esegui() {
    for (int32_t i = 1; i <= n_ - 2; ++i) {
      if (tipo(i) == tipo_cella::avviso_rallentamento) {
        luogo_servito_ = luogo_rallentamento(i, true);
        regola_avviso(i);
      } else if (tipo(i) == tipo_cella::inizio_rallentamento) {
        luogo_servito_ = luogo_rallentamento(i, false);
        regola_inizio(i);
      }
    }
  }

 private:
  uint8_t tipo(int32_t c) const { return m_.celle.at(c).tipo; }
  bool libera(int32_t c) const { return cella_libera(m_.celle.at(c)); }

  void metti_punto(int32_t c) {
    m_.celle.at(c).tipo = tipo_cella::punto_codice;
    scrivi_codice(c, codice_punto);
    if (origini_ != nullptr) {
      origini_->registra(c, occupante::punto_della_passata, int64_t{c} * metri_per_cella, {});
    }
  }

  void abbassa_codice(int32_t c) {
    scrivi_codice(c, static_cast<int16_t>(minimo<int32_t>(codice_punto, m_.celle.at(c).val1)));
  }

  // A code point in the cell that the check codes fill is the doing of the
  // slow-down being served.
  void scrivi_codice(int32_t c, int16_t codice) {
    cella& x = m_.celle.at(c);
    if (c == cella_riservata && x.val1 != codice) m_.autore_val1_riservato = luogo_servito_;
    x.val1 = codice;
  }

  // The row of the slow-down whose start (or warning point) is in cell
  // `cella_rallentamento`.
  luogo_sorgente luogo_rallentamento(int32_t cella_rallentamento, bool avviso) const {
    for (const origine_rallentamento& r : m_.rallentamenti) {
      if ((avviso ? r.cella_avviso : r.cella_inizio) == cella_rallentamento) return r.luogo;
    }
    if (origini_ != nullptr) return origini_->luogo_di(cella_rallentamento);
    return {};
  }

  // The error of a slow-down's code point, at the row of the slow-down, with
  // a note on the item in each of `celle`: the signal the point was for and
  // the cells that it found taken.
  void registra(int32_t numero, int32_t indice, int32_t cella_rallentamento, bool avviso,
                std::initializer_list<int32_t> celle) {
    diagnostica d = nuova_diagnostica(numero, gravita::errore, indice * metri_per_cella,
                                      luogo_rallentamento(cella_rallentamento, avviso), {});
    if (origini_ != nullptr) {
      for (int32_t c : celle) {
        if (c >= 0 && c <= n_) origini_->annota(d, m_, c);
      }
    }
    registra_errore(m_, std::move(d));
  }

  // Rule A: every signal up to 20 cells before a warning point gets a code
  // point in one of the two cells before it, or keeps the one it has.
  void regola_avviso(int32_t i) {
    for (int32_t a = 1; a <= celle_prima_dell_avviso; ++a) {
      int32_t d = i - a;
      if (d < prima_cella_segnale_cercata) break;
      if (tipo(d) != tipo_cella::segnale) continue;
      if (libera(d - 1)) {
        metti_punto(d - 1);
      } else if (libera(d - 2)) {
        metti_punto(d - 2);
      } else if (tipo(d - 1) == tipo_cella::punto_codice) {
        abbassa_codice(d - 1);
      } else if (tipo(d - 2) == tipo_cella::punto_codice) {
        abbassa_codice(d - 2);
      } else {
        registra(numero_errore::segnale_prima_di_avviso_senza_posto, d, i, true, {d, d - 1, d - 2});
      }
    }
  }

  // Rule B: groups ahead of the start (B1), points inside a slow slow-down
  // (B2), a point before the first signal after the end (B3).
  void regola_inizio(int32_t i) {
    gruppo_davanti(i, 5);
    gruppo_davanti(i, 11);
    gruppo_davanti(i, 18);
    std::optional<int32_t> fine;
    if (m_.celle.at(i).val1 < velocita_senza_punti_interni) {
      fine = punti_interni(i);
    } else {
      // No walk to carry B3 to the end mark: it is looked for on its own, so
      // that B3 never starts from a cell of some earlier rule.
      fine = cella_fine(i);
    }
    // No end mark up to the last cell: B3 has nowhere to start from.
    if (fine) punto_dopo_la_fine(*fine, i);
  }

  void gruppo_davanti(int32_t i, int32_t distanza) {
    if (i <= distanza + 2) return;
    for (int32_t c = i - distanza; c >= i - distanza - 2; --c) {
      if (libera(c)) {
        metti_punto(c);
        return;
      }
    }
    registra(numero_errore::gruppo_codici_senza_posto, i, i, false,
             {i - distanza, i - distanza - 1, i - distanza - 2});
  }

  // The first end mark after the start; a start that overwrote its own end
  // leads to the end mark of a later slow-down.
  std::optional<int32_t> cella_fine(int32_t i) const {
    for (int32_t k = i + 1; k <= n_; ++k) {
      if (tipo(k) == tipo_cella::fine_rallentamento) return k;
    }
    return std::nullopt;
  }

  // B2. Returns the end cell where the walk stopped, or nothing when it ran
  // to the last cell without meeting one.
  std::optional<int32_t> punti_interni(int32_t i) {
    int32_t passo = 0;
    for (int32_t k = i + 1; k <= n_; ++k) {
      ++passo;
      if (passo == passo_punti_interni) {
        if (libera(k)) {
          metti_punto(k);
          passo = 0;
        } else if (libera(k - 1)) {
          metti_punto(k - 1);
          passo = 1;
        } else if (k + 1 <= n_ && libera(k + 1)) {
          metti_punto(k + 1);
          passo = -1;
        } else {
          // The counter stays at 8 and never meets 8 again: no further point
          // inside this slow-down.
          registra(numero_errore::codice_senza_posto, k, i, false, {k - 1, k, k + 1});
        }
      }
      if (tipo(k) == tipo_cella::fine_rallentamento) return k;
    }
    return std::nullopt;
  }

  // B3.
  void punto_dopo_la_fine(int32_t e, int32_t i) {
    int32_t ultima = std::min(e + celle_dopo_la_fine, n_);
    for (int32_t s = e; s <= ultima; ++s) {
      if (tipo(s) != tipo_cella::segnale) continue;
      int32_t davanti = s - 1;
      if (libera(davanti)) {
        metti_punto(davanti);
      } else if (libera(davanti - 1)) {
        metti_punto(davanti - 1);
      } else {
        registra(numero_errore::codice_senza_posto, e, i, false, {s, davanti, davanti - 1});
      }
      return;
    }
  }

  modello& m_;
  origini_celle* origini_;
  const int32_t n_;
  luogo_sorgente luogo_servito_;
};

}  // namespace

void passata_finale(modello& m, origini_celle* origini) {
  if (!m.griglia_dimensionata()) return;
  passata(m, origini).esegui();
}

}  // namespace scenario
