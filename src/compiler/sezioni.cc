#include "compiler/sezioni.h"

#include "compiler/parole_chiave.h"

namespace scenario {

bool cerca_generale(lettore_campi& file) {
  while (!file.fine()) {
    std::string campo = file.leggi_testo();
    if (file.fine()) return false;
    if (contiene_senza_maiuscole(campo, "[generale]")) return true;
  }
  return false;
}

std::optional<std::string> prossima_voce(lettore_campi& file, int trattini,
                                         bool fine_tra_trattini) {
  if (file.fine()) return std::nullopt;
  std::string campo = file.leggi_testo();
  if (file.fine()) return std::nullopt;
  for (int i = 0; i < trattini && contiene(campo, "-"); ++i) {
    campo = file.leggi_testo();
    if (fine_tra_trattini && file.fine()) return std::nullopt;
  }
  return campo;
}

}  // namespace scenario
