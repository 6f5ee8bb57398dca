#pragma once

// The report of each kind of compiled file: what the file holds, by name.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ispezione/rapporto.h"
#include "ispezione/tipo_file.h"
#include "modello/modello.h"

namespace scenario {

// A cell grid row shows the cells whose metres [50 i, 50 i + 50) meet the
// range [da, a].
struct intervallo_metri {
  std::optional<int64_t> da;
  std::optional<int64_t> a;
};

// The columns of the element table's records and the row of record `r`, as
// the station table shows them.
const std::vector<std::string>& colonne_elemento();
std::vector<valore_rapporto> riga_elemento(const elemento& e, int r);

// The columns of the cell grid's table and the row of cell `i`.
const std::vector<std::string>& colonne_celle();
std::vector<valore_rapporto> riga_cella(const cella& c, size_t i);
// Whether cell `i` meets the range.
bool cella_nell_intervallo(size_t i, const intervallo_metri& intervallo);

rapporto_file rapporto_planimetria(const modello& m, const std::string& file);
rapporto_file rapporto_elementi(const modello& m, const std::string& file);
rapporto_file rapporto_celle(const modello& m, const std::string& file,
                             const intervallo_metri& intervallo = {});

// The report of `file`, of kind `tipo`, read into `m`.
rapporto_file rapporto_di_tipo(const modello& m, const std::string& file, tipo_file_compilato tipo,
                               const intervallo_metri& intervallo);

}  // namespace scenario
