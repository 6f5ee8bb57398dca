#pragma once

// The authors' reference of the description formats, written from the
// grammar table: docs/formati.md holds it, and an editor's hover shows the
// part of one row kind.

#include <string>
#include <string_view>
#include <vector>

#include "compilazione/grammatica.h"

namespace scenario::grammatica {

// Row kind `v` in Markdown: its heading, where it is written and how its
// keyword is told, its note, a table of its fields (unit, width, values,
// meaning) and its example row.
std::string riferimento_voce(const voce& v);

// The sections of format `f` in order, then every row kind of it as
// riferimento_voce writes it, in the order of the table.
std::string riferimento_formato(formato f);

// The row kinds that an author's `parola` names, in the order of the table,
// case ignored: the kind whose keyword it is; failing that, every kind whose
// keyword field it would hold or whose keyword has it for a word
// ("progressiva"); failing that, every kind of the section it heads
// ("[segnali]"). None for a word of no row.
std::vector<const voce*> voci_nominate(std::string_view parola);

}  // namespace scenario::grammatica
