#include "compiler/memorizza_dati.h"

#include <system_error>

#include "base/numeri_errore.h"
#include "compiler/compilatore_linea.h"
#include "compiler/compilatore_treno.h"
#include "model/errore_esecuzione.h"

namespace scenario {

namespace {

// Inside the failure handler a file that will not go is left where it is.
void cancella_se_esiste(const std::filesystem::path& percorso, const opzioni_compilazione& o) {
  if (!o.cancella_descrizioni) return;
  std::error_code ignorato;
  std::filesystem::remove(percorso, ignorato);
}

}  // namespace

void cancella_descrizione(const std::filesystem::path& percorso,
                          const opzioni_compilazione& opzioni) {
  if (!opzioni.cancella_descrizioni) return;
  std::error_code errore;
  std::filesystem::remove(percorso, errore);
  if (errore) {
    throw errore_esecuzione("impossibile cancellare " + percorso.string() + ": " +
                            errore.message());
  }
}

void memorizza_dati(modello& m, const std::filesystem::path& file_linea,
                    const std::filesystem::path& file_treno, const opzioni_compilazione& opzioni) {
  m.elementi[elemento_testata_percorso].testo = m.linea;
  m.elementi[elemento_testata_treno].testo = m.treno;
  try {
    int32_t indice_testo = primo_elemento_testo;
    if (!compila_linea(m, file_linea, opzioni, indice_testo)) return;
    compila_treno(m, file_treno, opzioni, indice_testo);
  } catch (const errore_esecuzione&) {
    cancella_se_esiste(file_linea, opzioni);
    cancella_se_esiste(file_treno, opzioni);
    m.n_errore = numero_errore::errore_esecuzione;
  }
}

}  // namespace scenario
