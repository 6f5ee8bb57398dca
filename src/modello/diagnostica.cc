#include "modello/diagnostica.h"

namespace scenario {

void registro_diagnostiche::registra(diagnostica d, bool oltre_il_limite) const {
  if (oltre_il_limite || *limite_ == 0 || elenco_->size() < *limite_) {
    elenco_->push_back(std::move(d));
  } else {
    ++(d.livello == gravita::errore ? tralasciate_->errori : tralasciate_->avvisi);
  }
}

}  // namespace scenario
