#include "compilazione/codici_controllo.h"

#include <string>
#include <string_view>

#include "modello/numeri_errore.h"
#include "base/testo_windows_1252.h"

namespace scenario {

namespace {

constexpr std::string_view coda_stringa_controllo = "aabbccddeeffgghhiillmmnnoo";
constexpr size_t caratteri_controllati = 25;
constexpr int16_t valore_riservato_percorso = 610;
constexpr int16_t valore_riservato_cella = 5121;

// The codes of the first 25 characters of the check string, built into riga.
std::string codici_stringa_controllo(modello& m) {
  m.riga = minuscolo(m.elementi[elemento_testata_treno].testo +
                     m.elementi[elemento_testata_percorso].testo) +
           std::string(coda_stringa_controllo);
  return a_windows_1252(m.riga).substr(0, caratteri_controllati);
}

// The error at the row whose item filled the cell's value; the header value
// is written by no row, so an error about it alone names no place.
void registra_occupato(modello& m, int32_t numero, int32_t valore_testata, int16_t valore_cella,
                       const char* quale, const luogo_sorgente& autore) {
  if (valore_cella == 0) {
    registra_errore_fatale(m, numero, {},
                           "the route header's value holds " + std::to_string(valore_testata));
    return;
  }
  registra_errore_fatale(m, numero, autore,
                         "this row's item is in cell " + std::to_string(cella_riservata) +
                             ", at the start of the route, and its " + quale + " value (" +
                             std::to_string(valore_cella) + ") takes the place of a check code");
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
    registra_occupato(m, numero_errore::valori_riservati_occupati, testata.dato_d, riservata.val1,
                      "first", m.autore_val1_riservato);
    return numero_errore::valori_riservati_occupati;
  }
  testata.dato_d = valore_riservato_percorso;
  riservata.val1 = valore_riservato_cella;
  if (testata.orario != 0 || riservata.val2 != 0) {
    registra_occupato(m, numero_errore::codici_controllo_occupati, testata.orario, riservata.val2,
                      "second", m.autore_val2_riservato);
    return numero_errore::codici_controllo_occupati;
  }
  testata.orario = codice_gara_st(m);
  // At most 25 x 255: the sum fits the 16-bit field.
  riservata.val2 = static_cast<int16_t>(codice_gara_og(m));
  return numero_errore::nessuno;
}

}  // namespace scenario
