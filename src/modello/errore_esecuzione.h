#pragma once

#include <stdexcept>
#include <string>

#include "modello/diagnostica.h"

namespace scenario {

// A run-time failure inside the compile: a value too wide for its field, a
// read past the end of a description file, a file that cannot be read. The
// compile's one failure boundary turns it into error 25, with `luogo`: the
// field being read, filled in at the boundary when the step that failed did
// not know it.
class errore_esecuzione : public std::runtime_error {
 public:
  explicit errore_esecuzione(const std::string& motivo, luogo_sorgente luogo = {})
      : std::runtime_error(motivo), luogo(std::move(luogo)) {}

  luogo_sorgente luogo;
};

}  // namespace scenario
