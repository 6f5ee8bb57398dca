#include "compilazione/avviso_ripetuto.h"

namespace scenario {

void avviso_ripetuto::registra(modello& m, int32_t codice, luogo_sorgente luogo,
                               std::string motivo) {
  if (registrato_) {
    ++altre_;
    return;
  }
  registrato_ = true;
  const size_t prima = m.diagnostiche.size();
  registra_avviso(m, codice, std::move(luogo), std::move(motivo));
  if (m.diagnostiche.size() > prima) indice_ = prima;
}

void avviso_ripetuto::chiudi(modello& m) {
  if (altre_ > 0 && indice_ && *indice_ < m.diagnostiche.size()) {
    m.diagnostiche[*indice_].motivo +=
        "; and on " + std::to_string(altre_) + " later row" + (altre_ == 1 ? "" : "s");
  }
  altre_ = 0;
}

}  // namespace scenario
