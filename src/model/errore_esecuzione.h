#pragma once

#include <stdexcept>
#include <string>

namespace scenario {

// A run-time failure inside the compile: a value too wide for its field, a
// read past the end of a description file, a file that cannot be read. The
// compile's one failure boundary turns it into error 25.
class errore_esecuzione : public std::runtime_error {
 public:
  explicit errore_esecuzione(const std::string& motivo) : std::runtime_error(motivo) {}
};

}  // namespace scenario
