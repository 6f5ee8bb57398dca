#include "compilazione/segnali_rallentamenti.h"

#include <map>
#include <string>
#include <vector>

#include "compilazione/marche_griglia.h"

#include "modello/numeri_errore.h"
#include "modello/arrotonda.h"

namespace scenario {

namespace {

// The simulator's fields keep the low bits of what is written into them; the
// sums below wrap in the field instead of failing.
int16_t basso16(int64_t v) { return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF)); }
uint8_t basso8(int64_t v) { return static_cast<uint8_t>(v & 0xFF); }

int64_t cella_di(double metri_su_50) { return static_cast<int64_t>(arrotonda(metri_su_50)); }

cella& in(modello& m, int64_t k) { return m.celle[static_cast<size_t>(k)]; }

// Records the refusal of a cell that is outside the grid or taken, with the
// row's position `p`.
bool rifiutata(modello& m, int64_t k, int32_t numero_se_occupata, int32_t p,
               const campo_letto& campo, const origini_celle* origini) {
  if (!cella_nella_griglia(m, k)) {
    registra_errore(m, numero_errore::cella_fuori_griglia, p, campo.luogo());
    return true;
  }
  if (!cella_libera(in(m, k))) {
    registra_celle_occupate(m, origini, numero_se_occupata, p, campo, {k});
    return true;
  }
  return false;
}

// The approach marks of the stations placed so far that a signal's marks
// are about to replace, by station, for one warning each.
class marche_sostituite {
 public:
  // Notes cell k if it still holds a station's approach mark.
  void cerca(const modello& m, int64_t k) {
    for (int32_t r = 1; r <= m.n_stazioni; ++r) {
      for (int n = 1; n <= 4; ++n) {
        if (m.celle[static_cast<size_t>(k)].avviso == marca_stazione(n) &&
            cella_marca_stazione(m.elementi[static_cast<size_t>(r)], n) == k) {
          celle_[r].push_back(k);
        }
      }
    }
  }

  void registra(modello& m, const campo_letto& campo) const {
    for (const auto& [r, celle] : celle_) {
      std::string motivo = "station " + std::to_string(r);
      const std::string& nome = m.elementi[static_cast<size_t>(r)].testo;
      if (!nome.empty()) motivo += " (" + nome + ")";
      // The marks were visited from the signal backwards.
      motivo += ", " + nelle_celle(celle);
      registra_avviso(m, numero_avviso::marche_stazione_sostituite, campo.luogo(), motivo);
    }
  }

 private:
  std::map<int32_t, std::vector<int64_t>> celle_;
};

void origine(origini_celle* origini, int64_t k, occupante chi, int64_t posizione,
             const campo_letto& campo, int32_t numero = 0) {
  if (origini != nullptr) origini->registra(k, chi, posizione, campo, numero);
}

}  // namespace

bool memo_segnale(modello& m, int32_t posizione, int32_t sx, int32_t s1, int32_t s2, int32_t s3,
                  int32_t rapp, int32_t dx, int32_t d1, int32_t d2, int32_t d3, int32_t tempo,
                  const campo_letto& campo, origini_celle* origini) {
  int64_t k = cella_di(posizione / 50.0 + 1);
  if (rifiutata(m, k, numero_errore::segnale_su_cella_occupata, posizione, campo, origini)) {
    return false;
  }
  cella& c = in(m, k);
  c.tipo = tipo_cella::segnale;
  origine(origini, k, occupante::segnale, posizione, campo);
  c.val4 = basso16(int64_t{rapp} * 10 + int64_t{sx} * 3 + dx);
  c.val1 = basso16(int64_t{s1} * 10 + d1);
  c.val2 = basso16(int64_t{s2} * 10 + d2);
  c.val3 = basso16(int64_t{s3} * 10 + d3);
  if (tempo >= 1 && tempo <= 100) tempo = 101;
  c.tempo = sx == 2 ? basso8(tempo) : 0;
  int perse = 0;
  marche_sostituite sostituite;
  for (int n = 1; n <= 4; ++n) {
    int64_t marca = k - 2 * n;
    if (!cella_nella_griglia(m, marca)) {  // before the start of the line
      ++perse;
      continue;
    }
    const uint8_t avviso = marca_segnale(int64_t{sx} * 3 + dx, n);
    if (in(m, marca).avviso != avviso) sostituite.cerca(m, marca);
    in(m, marca).avviso = avviso;
  }
  if (perse > 0) {
    registra_avviso(
        m, numero_avviso::marche_segnale_perse, campo.luogo(),
        std::to_string(perse) + " of its 4 marks, the signal being in cell " + std::to_string(k));
  }
  sostituite.registra(m, campo);
  return true;
}

bool memo_rallentamento(modello& m, int32_t x, int32_t v, int32_t l, int32_t f_tt, int32_t f_ta,
                        int32_t d_v, const luoghi_riga& riga, origini_celle* origini) {
  const campo_letto campo = riga.campo(0);
  bool con_avviso = x > 1500;
  int64_t w = 0;
  if (con_avviso) {
    w = cella_di((x - 1200.0) / 50 + 1);
    if (rifiutata(m, w, numero_errore::avviso_su_cella_occupata, x, campo, origini)) return false;
  }
  int64_t s = cella_di(x / 50.0 + 1);
  if (rifiutata(m, s, numero_errore::inizio_rallentamento_occupato, x, campo, origini)) {
    return false;
  }
  int64_t e = cella_di((static_cast<double>(x) + l) / 50 + 1);
  if (rifiutata(m, e, numero_errore::fine_rallentamento_occupata, x, riga.voce(), origini)) {
    return false;
  }
  if (!con_avviso && f_ta != 0) {
    registra_avviso(m, numero_avviso::tabelle_senza_avviso, riga.campo(4).luogo(),
                    "it starts at " + std::to_string(x) + " m");
  }
  if (!con_avviso) f_ta = 0;
  if (e == s) {
    registra_avviso(m, numero_avviso::fine_nella_cella_di_inizio, riga.campo(2).luogo(),
                    "length " + std::to_string(l) + " m: both in cell " + std::to_string(s));
  }

  // The start is written after the end: a slow-down of length 0 keeps its start.
  in(m, e).tipo = tipo_cella::fine_rallentamento;
  if (d_v != 0) in(m, e).val2 = basso16(d_v);
  in(m, s).tipo = tipo_cella::inizio_rallentamento;
  if (d_v != 0) in(m, s).val2 = basso16(d_v);
  if (con_avviso) {
    in(m, w).tipo = tipo_cella::avviso_rallentamento;
    if (d_v != 0) in(m, w).val2 = basso16(d_v);
    in(m, w).val1 = basso16(v);
  }
  in(m, s).val1 = basso16(v);
  in(m, e).val1 = basso16(v);
  in(m, s).val3 = basso16(f_tt);
  in(m, e).val3 = basso16(f_tt);
  origine(origini, e, occupante::fine_rallentamento, int64_t{x} + l, campo);
  origine(origini, s, occupante::inizio_rallentamento, x, campo);
  if (con_avviso) origine(origini, w, occupante::avviso_rallentamento, x - 1200, campo);
  m.rallentamenti.push_back(
      {static_cast<int32_t>(s), con_avviso ? static_cast<int32_t>(w) : -1, riga.voce().luogo()});

  // Beyond 1500 m the board cells lie between cell 3 and the warning cell,
  // which is inside the grid.
  int64_t prima_tabella = cella_di((x - 1200.0) / 50);
  if (f_ta == 0) return true;
  for (int i = 0; i < 4; ++i) {
    if (!cella_libera(in(m, prima_tabella - i))) {
      registra_celle_occupate(
          m, origini, numero_errore::tabelle_distanziometriche_occupate, x, campo,
          {prima_tabella, prima_tabella - 1, prima_tabella - 2, prima_tabella - 3});
      return false;
    }
  }
  for (int i = 0; i < 4; ++i) {
    cella& tabella = in(m, prima_tabella - i);
    tabella.tipo = tipo_cella::tabella_distanziometrica;
    tabella.val1 = static_cast<int16_t>(i + 1);
    if (d_v != 0) tabella.val2 = static_cast<int16_t>(i + 1);
    origine(origini, prima_tabella - i, occupante::tabella_distanziometrica,
            int64_t{x} - 1200 - 50 * (i + 1), campo, i + 1);
  }
  return true;
}

}  // namespace scenario
