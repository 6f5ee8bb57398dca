#include "modello/diagnostica.h"

namespace scenario {

void aggiungi_nota(diagnostica& d, luogo_sorgente luogo, std::string testo) {
  nota_diagnostica& n = d.note.emplace_back();
  n.luogo = std::move(luogo);
  n.testo = std::move(testo);
}

diagnostica nuova_diagnostica(int32_t numero, gravita livello, std::optional<int32_t> posizione,
                              luogo_sorgente luogo, std::string motivo) {
  diagnostica d;
  d.numero = numero;
  d.livello = livello;
  d.posizione = posizione;
  d.luogo = std::move(luogo);
  d.motivo = std::move(motivo);
  return d;
}

void registro_diagnostiche::registra(diagnostica d, bool oltre_il_limite) const {
  if (oltre_il_limite || *limite_ == 0 || elenco_->size() < *limite_) {
    elenco_->push_back(std::move(d));
  } else {
    ++(d.livello == gravita::errore ? tralasciate_->errori : tralasciate_->avvisi);
  }
}

}  // namespace scenario
