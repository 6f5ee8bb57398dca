#include "compilazione/ordine_righe.h"

#include "modello/numeri_errore.h"

namespace scenario {

void ordine_righe::controlla(modello& m, int32_t p, const campo_letto& campo) {
  // A row whose values were misread has been told of.
  if (campo.file != nullptr && campo.file->valori_fuori_posto()) return;
  if (piu_avanti_ && p < *piu_avanti_) {
    // Counted once: the places of later rows are counted on from it.
    if (!riga_) riga_ = campo_.luogo().riga;
    registra_avviso(m, numero_avviso::fuori_ordine, campo.luogo(),
                    "this " + cosa_ + " at " + std::to_string(p) + " m comes after the one at " +
                        std::to_string(*piu_avanti_) + " m (line " + std::to_string(*riga_) + ")");
    return;
  }
  piu_avanti_ = p;
  campo_ = campo;
  riga_.reset();
}

}  // namespace scenario
