#pragma once

// What the fields of a cell mean, by its kind.

#include <cstddef>
#include <cstdint>

#include "ispezione/rapporto.h"
#include "modello/modello.h"

namespace scenario {

// The name of a kind of cell ("segnale", "fermata"...), "sconosciuto" for a
// number the system does not place.
const char* nome_tipo_cella(uint8_t tipo);

// The fields of cell `indice` by the names its kind gives them; for a kind
// that names none, val1 to val4 and tempo, those that are not 0.
campi_nominati campi_cella(const cella& c, size_t indice);

// Whether anything of the cell is other than 0.
bool cella_con_contenuto(const cella& c);

}  // namespace scenario
