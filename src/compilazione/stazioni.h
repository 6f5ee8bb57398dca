#pragma once

// Placing of one station row and one code point row of the train
// description, beside the signals and slow-downs of segnali_rallentamenti.h.
// Each records its own error, with the row's position where the error shows
// one, at the place of the field it is about.

#include <cstdint>

#include "compilazione/lettore_campi.h"
#include "compilazione/origini_celle.h"
#include "modello/modello.h"

namespace scenario {

// How a row of the train description leaves the reading: on to the next
// field, out to the end steps (after error 15), or out of the compile at once
// (every other error).
enum class esito_riga { continua, fine_lettura, interrotto };

// A row at `p` whose items reach `margine` metres further lies beyond the
// grid. Such a row records error 15 at `campo` and ends the reading.
bool oltre_la_griglia(const modello& m, int32_t p, int32_t margine);
esito_riga ferma_lettura(modello& m, int32_t p, const campo_letto& campo);

// A "stazione" row, its values read from `file` after the keyword at `voce`,
// into record m.n_stazioni + 1, which must stay below `limite` (the records
// from there up hold sign texts): the zone from its type and length, the
// stop mark (kind 10) and four approach marks on the grid for the types below
// 25. Refuses with 8, 9, 10, 22, 24 or 29, or ends the reading with 15;
// counts the station in m.n_stazioni once it is placed, and its position
// field in `precedente`, which holds the previous station's. Values too wide
// for their fields are run-time failures. The stop mark joins `origini`.
esito_riga memo_stazione(modello& m, lettore_campi& file, int32_t limite, const campo_letto& voce,
                         campo_letto& precedente, origini_celle* origini = nullptr);

// A code point at `p` (kind 12 with `codice` when it is positive, else kind
// 13), its position read at `campo`. Refuses with 29 before cell 0 and with 7
// on a taken cell (a tunnel marker is free; a note names what holds it), or
// ends the reading with 15. The point placed joins `origini`.
esito_riga memo_abbattimento(modello& m, int32_t p, int32_t codice, const campo_letto& campo,
                             origini_celle* origini = nullptr);

}  // namespace scenario
