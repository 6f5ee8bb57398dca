#include "ispezione/campi_cella.h"

#include <string>

namespace scenario {

const char* nome_tipo_cella(uint8_t tipo) {
  switch (tipo) {
    case tipo_cella::vuota:
      return "vuota";
    case tipo_cella::segnale:
      return "segnale";
    case tipo_cella::fine_rallentamento:
      return "fine_rallentamento";
    case tipo_cella::inizio_rallentamento:
      return "inizio_rallentamento";
    case tipo_cella::avviso_rallentamento:
      return "avviso_rallentamento";
    case tipo_cella::tabella_distanziometrica:
      return "tabella_distanziometrica";
    case tipo_cella::indicatore_v_max:
      return "indicatore_v_max";
    case tipo_cella::fermata:
      return "fermata";
    case tipo_cella::marca_galleria:
      return "marca_galleria";
    case tipo_cella::punto_codice:
      return "punto_codice";
    case tipo_cella::punto_senza_codice:
      return "punto_senza_codice";
    case tipo_cella::cartello:
      return "cartello";
    default:
      return "sconosciuto";
  }
}

// The fields of a cell by the names its kind gives them.
campi_nominati campi_cella(const cella& c, size_t indice) {
  switch (c.tipo) {
    case tipo_cella::segnale:
      return {{"s1_d1", c.val1},
              {"s2_d2", c.val2},
              {"s3_d3", c.val3},
              {"rapp_sx_dx", c.val4},
              {"tempo", c.tempo}};
    case tipo_cella::fine_rallentamento:
    case tipo_cella::inizio_rallentamento:
      return {{"velocita", c.val1}, {"d_v", c.val2}, {"f_tt", c.val3}};
    case tipo_cella::avviso_rallentamento:
      return {{"velocita", c.val1}, {"d_v", c.val2}};
    case tipo_cella::tabella_distanziometrica:
      return {{"numero", c.val1}, {"numero_d_v", c.val2}};
    case tipo_cella::indicatore_v_max:
      return {{"va", c.val1}, {"vb", c.val2}, {"vc", c.val3}, {"strisce", c.val4}};
    case tipo_cella::fermata:
      return {{"stazione", c.val1}};
    case tipo_cella::punto_codice:
      return {{"codice", c.val1}};
    case tipo_cella::cartello:
      return {{"record_testo", c.val1}};
    default:
      break;
  }
  if (indice == 1 && c.tipo == tipo_cella::vuota) {
    return {{"valore_riservato", c.val1}, {"codice_gara_og", c.val2}};
  }
  campi_nominati campi;
  const int16_t valori[] = {c.val1, c.val2, c.val3, c.val4};
  for (int k = 0; k < 4; ++k) {
    if (valori[k] != 0) campi.emplace_back("val" + std::to_string(k + 1), valori[k]);
  }
  if (c.tempo != 0) campi.emplace_back("tempo", c.tempo);
  return campi;
}

bool cella_con_contenuto(const cella& c) {
  return c.tipo != 0 || c.val1 != 0 || c.val2 != 0 || c.val3 != 0 || c.val4 != 0 || c.tempo != 0 ||
         c.avviso != 0;
}

}  // namespace scenario
