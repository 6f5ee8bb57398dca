#include "ispezione/tabella_elementi.h"

#include "modello/arrotonda.h"

namespace scenario {

namespace {

bool numeri_nulli(const elemento& e) {
  return e.tipo == 0 && e.inizio == 0 && e.fine == 0 && e.posizione == 0 && e.dato_a == 0 &&
         e.dato_d == 0 && e.dato_e == 0 && e.dato_g == 0 && e.dato_h == 0 && e.dato_i == 0 &&
         e.dato_f == 0 && e.dato_l == 0 && e.dato_c == 0 && e.dato_b == 0 && e.orario == 0;
}

constexpr int32_t primo_tipo_senza_segni = 25;

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

std::vector<std::string> segni_stazioni_mancanti(const modello& m, const std::string& file_celle) {
  std::vector<std::string> mancanti;
  parti_tabella parti = dividi_tabella(m);
  for (int32_t r = 1; r <= parti.n_stazioni; ++r) {
    const elemento& e = m.elementi[r];
    if (e.tipo >= primo_tipo_senza_segni) continue;
    std::string stazione = " of station " + std::to_string(r) + " (" + e.testo + ")";
    auto cella_di = [&](double t, const std::string& segno) -> const cella* {
      double k = arrotonda(t);
      if (k < 0 || k >= static_cast<double>(m.celle.size())) {
        mancanti.push_back(file_celle + ": the " + segno + stazione + " falls outside the grid (cell " +
                           std::to_string(static_cast<int64_t>(k)) + ")");
        return nullptr;
      }
      return &m.celle[static_cast<size_t>(k)];
    };
    double fine = static_cast<double>(e.fine) / metri_per_cella;
    if (fine - 1 > 1) {
      std::string segno = "stop mark";
      if (const cella* c = cella_di(fine - 1, segno)) {
        if (c->tipo != tipo_cella::fermata || c->val1 != r) {
          mancanti.push_back(file_celle + ": cell " + std::to_string(c - m.celle.data()) +
                             " lacks the " + segno + stazione + " (tipo " +
                             std::to_string(c->tipo) + ", val1 " + std::to_string(c->val1) + ")");
        }
      }
    }
    if (e.tipo == 5 || e.tipo == 6) continue;
    for (int k = 1; k <= 4; ++k) {
      if (fine - k - 1 <= 1) continue;
      std::string segno = "approach mark " + std::to_string(80 + k);
      if (const cella* c = cella_di(fine - k - 1, segno)) {
        if (c->avviso != 80 + k) {
          mancanti.push_back(file_celle + ": cell " + std::to_string(c - m.celle.data()) +
                             " lacks the " + segno + stazione + " (avviso " +
                             std::to_string(c->avviso) + ")");
        }
      }
    }
  }
  return mancanti;
}

}  // namespace scenario
