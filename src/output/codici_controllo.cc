#include "output/codici_controllo.h"

#include <string>
#include <string_view>

#include "base/numeri_errore.h"
#include "base/testo_windows_1252.h"

namespace scenario {

namespace {

constexpr std::string_view coda_stringa_controllo = "aabbccddeeffgghhiillmmnnoo";
constexpr size_t caratteri_controllati = 25;
constexpr int16_t valore_riservato_percorso = 610;
constexpr int16_t valore_riservato_cella = 5121;
constexpr int32_t cella_riservata = 1;

// The codes of the first 25 characters of the check string, built into riga.
std::string codici_stringa_controllo(modello& m) {
  m.riga = minuscolo(m.elementi[elemento_testata_treno].testo +
                     m.elementi[elemento_testata_percorso].testo) +
           std::string(coda_stringa_controllo);
  return a_windows_1252(m.riga).substr(0, caratteri_controllati);
}

}  // namespace

int32_t codice_gara_st(modello& m) {
  std::string codici = codici_stringa_controllo(m);
  int32_t somma = 0;
  for (size_t i = 0; i < codici.size(); ++i) {
    somma += static_cast<int32_t>(i + 1) * static_cast<unsigned char>(codici[i]);
  }
  return somma;
}

int32_t codice_gara_og(modello& m) {
  std::string codici = codici_stringa_controllo(m);
  int32_t somma = 0;
  for (char c : codici) somma += static_cast<unsigned char>(c);
  return somma;
}

int32_t codici_controllo(modello& m) {
  elemento& testata = m.elementi[elemento_testata_percorso];
  cella& riservata = m.celle.at(cella_riservata);
  if (testata.dato_d != 0 || riservata.val1 != 0) {
    return numero_errore::valori_riservati_occupati;
  }
  testata.dato_d = valore_riservato_percorso;
  riservata.val1 = valore_riservato_cella;
  if (testata.orario != 0 || riservata.val2 != 0) {
    return numero_errore::codici_controllo_occupati;
  }
  testata.orario = codice_gara_st(m);
  // At most 25 x 255: the sum fits the 16-bit field.
  riservata.val2 = static_cast<int16_t>(codice_gara_og(m));
  return numero_errore::nessuno;
}

}  // namespace scenario
