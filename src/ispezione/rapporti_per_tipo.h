#pragma once

// The report of each kind of compiled file: what the file holds, by name.

#include <cstdint>
#include <optional>
#include <string>

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

rapporto_file rapporto_planimetria(const modello& m, const std::string& file);
rapporto_file rapporto_elementi(const modello& m, const std::string& file);
rapporto_file rapporto_celle(const modello& m, const std::string& file,
                             const intervallo_metri& intervallo = {});

// The report of `file`, of kind `tipo`, read into `m`.
rapporto_file rapporto_di_tipo(const modello& m, const std::string& file, tipo_file_compilato tipo,
                               const intervallo_metri& intervallo);

}  // namespace scenario
