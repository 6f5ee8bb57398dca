#include "ispezione/tabella_elementi.h"

#include <optional>

#include "compilazione/marche_griglia.h"

namespace scenario {

namespace {

bool numeri_nulli(const elemento& e) {
  return e.tipo == 0 && e.inizio == 0 && e.fine == 0 && e.posizione == 0 && e.dato_a == 0 &&
         e.dato_d == 0 && e.dato_e == 0 && e.dato_g == 0 && e.dato_h == 0 && e.dato_i == 0 &&
         e.dato_f == 0 && e.dato_l == 0 && e.dato_c == 0 && e.dato_b == 0 && e.orario == 0;
}

}  // namespace

bool elemento_vuoto(const elemento& e) { return numeri_nulli(e) && e.testo.empty(); }

parti_tabella dividi_tabella(const modello& m) {
  parti_tabella p;
  while (p.primo_testo > 1) {
    const elemento& e = m.elementi[p.primo_testo - 1];
    if (!numeri_nulli(e) || e.testo.empty()) break;
    --p.primo_testo;
  }
  while (p.n_stazioni + 1 < p.primo_testo && !elemento_vuoto(m.elementi[p.n_stazioni + 1])) {
    ++p.n_stazioni;
  }
  return p;
}

namespace {

// A later station (a record after r, placed after it) can have written its
// own stop mark over r's when their zones end in the same cell.
bool fermata_di_stazione_successiva(const modello& m, int32_t n_stazioni, int32_t r, int64_t k) {
  const cella& c = m.celle[static_cast<size_t>(k)];
  if (c.tipo != tipo_cella::fermata || c.val1 <= r || c.val1 > n_stazioni) return false;
  return cella_fermata(m.elementi[static_cast<size_t>(c.val1)]) == k;
}

// Whether the avviso of cell k, which is not station r's approach mark, is a
// mark that the compile can have written over it afterwards: that of a signal
// 2, 4, 6 or 8 cells on, or an approach mark of a later station.
bool marca_sostituita(const modello& m, int32_t n_stazioni, int32_t r, int64_t k) {
  const uint8_t avviso = m.celle[static_cast<size_t>(k)].avviso;
  for (int n = 1; n <= 4; ++n) {
    const int64_t j = k + 2 * n;
    if (j >= static_cast<int64_t>(m.celle.size())) break;
    const cella& s = m.celle[static_cast<size_t>(j)];
    // A signal placed after station r; a later station may have put its stop
    // mark over the signal since, which leaves the signal's val4.
    const bool segnale =
        s.tipo == tipo_cella::segnale || fermata_di_stazione_successiva(m, n_stazioni, r, j);
    if (segnale && marca_di_segnale(s.val4, n, avviso)) return true;
  }
  for (int32_t altra = r + 1; altra <= n_stazioni; ++altra) {
    for (int n = 1; n <= 4; ++n) {
      if (avviso == marca_stazione(n) &&
          cella_marca_stazione(m.elementi[static_cast<size_t>(altra)], n) == k) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

std::vector<std::string> segni_stazioni_mancanti(const modello& m, const std::string& file_celle) {
  std::vector<std::string> mancanti;
  parti_tabella parti = dividi_tabella(m);
  for (int32_t r = 1; r <= parti.n_stazioni; ++r) {
    const elemento& e = m.elementi[r];
    std::string stazione = " of station " + std::to_string(r) + " (" + e.testo + ")";
    auto cella_di = [&](int64_t k, const std::string& segno) -> const cella* {
      if (k < 0 || k >= static_cast<int64_t>(m.celle.size())) {
        mancanti.push_back(file_celle + ": the " + segno + stazione +
                           " falls outside the grid (cell " + std::to_string(k) + ")");
        return nullptr;
      }
      return &m.celle[static_cast<size_t>(k)];
    };
    if (std::optional<int64_t> k = cella_fermata(e)) {
      std::string segno = "stop mark";
      if (const cella* c = cella_di(*k, segno)) {
        if ((c->tipo != tipo_cella::fermata || c->val1 != r) &&
            !fermata_di_stazione_successiva(m, parti.n_stazioni, r, *k)) {
          mancanti.push_back(file_celle + ": cell " + std::to_string(*k) + " lacks the " + segno +
                             stazione + " (tipo " + std::to_string(c->tipo) + ", val1 " +
                             std::to_string(c->val1) + ")");
        }
      }
    }
    for (int n = 1; n <= 4; ++n) {
      std::optional<int64_t> k = cella_marca_stazione(e, n);
      if (!k) continue;
      std::string segno = "approach mark " + std::to_string(marca_stazione(n));
      if (const cella* c = cella_di(*k, segno)) {
        if (c->avviso != marca_stazione(n) && !marca_sostituita(m, parti.n_stazioni, r, *k)) {
          mancanti.push_back(file_celle + ": cell " + std::to_string(*k) + " lacks the " + segno +
                             stazione + " (avviso " + std::to_string(c->avviso) + ")");
        }
      }
    }
  }
  return mancanti;
}

}  // namespace scenario
