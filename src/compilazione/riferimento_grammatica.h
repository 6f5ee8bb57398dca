#pragma once

// The authors' reference of the description formats, written from the
// grammar table: docs/formati.md holds it, and an editor's hover shows the
// part of one row kind.

#include <string>

#include "compilazione/grammatica.h"

namespace scenario::grammatica {

// Row kind `v` in Markdown: its heading, where it is written and how its
// keyword is told, its note, a table of its fields (unit, width, values,
// meaning) and its example row.
std::string riferimento_voce(const voce& v);

// The sections of format `f` in order, then every row kind of it as
// riferimento_voce writes it, in the order of the table.
std::string riferimento_formato(formato f);

}  // namespace scenario::grammatica
