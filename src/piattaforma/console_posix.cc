#include "piattaforma/console.h"

namespace scenario {

// Standard error is always there: a terminal, a file, a pipe or a log.
bool console_collegata() { return true; }

}  // namespace scenario
