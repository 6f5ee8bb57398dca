#include "modello/modello.h"

#include "modello/arrotonda.h"
#include "modello/numeri_errore.h"

namespace scenario {

void inizializza_elementi(modello& m) {
  for (elemento& e : m.elementi) e = elemento{};
}

void registra_errore(modello& m, int32_t numero, std::optional<int32_t> posizione,
                     luogo_sorgente luogo, std::string motivo) {
  registra_errore(m, nuova_diagnostica(numero, gravita::errore, posizione, std::move(luogo),
                                       std::move(motivo)));
}

void registra_errore(modello& m, diagnostica d) {
  d.livello = gravita::errore;
  m.n_errore = d.numero;
  if (d.posizione) m.pos_errore = *d.posizione;
  registro_di(m).registra(std::move(d));
}

void registra_errore_fatale(modello& m, int32_t numero, luogo_sorgente luogo, std::string motivo) {
  registro_di(m).registra(
      nuova_diagnostica(numero, gravita::errore, std::nullopt, std::move(luogo), std::move(motivo)),
      true);
}

void registra_avviso(modello& m, int32_t codice, luogo_sorgente luogo, std::string motivo,
                     std::optional<int32_t> posizione) {
  registro_di(m).registra(
      nuova_diagnostica(codice, gravita::avviso, posizione, std::move(luogo), std::move(motivo)));
}

size_t conta_errori(const modello& m) {
  size_t n = m.tralasciate.errori;
  for (const diagnostica& d : m.diagnostiche) n += d.livello == gravita::errore;
  return n;
}

bool compilazione_fallita(const modello& m) {
  return m.n_errore != numero_errore::nessuno || conta_errori(m) > 0;
}

void azzera_errori(modello& m) {
  m.n_errore = 0;
  m.diagnostiche.clear();
  m.tralasciate = {};
}

void svuota_griglia(modello& m) {
  m.celle.clear();
  for (auto& coordinata : m.planimetria) coordinata.dimensiona(0);
  m.n_celle = 0;
  m.metri_totali = 0;
}

void dimensiona(modello& m, int32_t lunghezza) {
  m.metri_totali = lunghezza + coda_percorso;
  m.n_celle = arrotonda_a<int32_t>(static_cast<double>(m.metri_totali) / metri_per_cella);
  m.celle.assign(static_cast<size_t>(m.n_celle) + 1, cella{});
  size_t metri = m.scrivi_planimetria != 0 ? static_cast<size_t>(m.metri_totali) + 1 : 0;
  for (auto& coordinata : m.planimetria) coordinata.dimensiona(metri);
}

}  // namespace scenario
