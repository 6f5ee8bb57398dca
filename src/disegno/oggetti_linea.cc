#include "disegno/oggetti_linea.h"

#include <optional>

#include "ispezione/tabella_elementi.h"

namespace scenario {

oggetti_linea oggetti_di(const modello& m) {
  oggetti_linea o;
  o.lunghezza = m.elementi[elemento_linea].fine;
  parti_tabella parti = dividi_tabella(m);
  for (int r = 1; r <= parti.n_stazioni; ++r) {
    o.stazioni.push_back({m.elementi[r].posizione, m.elementi[r].testo});
  }
  std::optional<oggetti_linea::rallentamento_linea> aperto;
  int32_t inizio_galleria = -1;
  for (size_t i = 0; i < m.celle.size(); ++i) {
    const cella& c = m.celle[i];
    int32_t metro = static_cast<int32_t>(i) * metri_per_cella;
    if (c.tipo == tipo_cella::segnale) o.segnali.push_back(metro - metri_per_cella);
    if (c.tipo == tipo_cella::punto_codice || c.tipo == tipo_cella::punto_senza_codice) {
      o.punti_codice.push_back(metro);
    }
    if (c.tipo == tipo_cella::indicatore_v_max) o.indicatori_velocita.push_back(metro - metri_per_cella);
    if (c.tipo == tipo_cella::cartello) {
      const bool nella_tabella = c.val1 >= 1 && c.val1 < numero_elementi;
      o.cartelli.push_back(
          {metro - metri_per_cella,
           nella_tabella ? m.elementi[static_cast<size_t>(c.val1)].testo : std::string()});
    }
    if (c.tipo == tipo_cella::inizio_rallentamento) {
      aperto = {metro - metri_per_cella, metro - metri_per_cella, c.val1};
    }
    if (c.tipo == tipo_cella::fine_rallentamento && aperto) {
      aperto->fine = metro - metri_per_cella;
      o.rallentamenti.push_back(*aperto);
      aperto.reset();
    }
    if (c.galleria != 0 && inizio_galleria < 0) inizio_galleria = metro;
    if (c.galleria == 0 && inizio_galleria >= 0) {
      o.gallerie.emplace_back(inizio_galleria, metro);
      inizio_galleria = -1;
    }
  }
  if (inizio_galleria >= 0) {
    o.gallerie.emplace_back(inizio_galleria,
                            static_cast<int32_t>(m.celle.size()) * metri_per_cella);
  }
  return o;
}

}  // namespace scenario
