#pragma once

// How both description formats are walked. The fields before the first one
// holding "[generale]" (in any case) are passed over; after it every field is
// examined for keywords, except that a field holding a dash hides the field
// after it, a few times in a row at most. The last field of a file is never
// examined.

#include <optional>
#include <string>

#include "compilazione/grammatica.h"
#include "compilazione/lettore_campi.h"

namespace scenario {

// In the general section of a line description a keyword may hide behind up
// to ten dash fields; in its item sections and in a train description behind
// up to two.
constexpr int trattini_generale = 10;
constexpr int trattini_elementi = 2;

// Reads fields up to the first that holds "[generale]". Returns false when
// the end of the file comes before it or with it; an empty file gives false
// without a read.
bool cerca_generale(lettore_campi& file);

// The next field to examine: reads one and, while it holds a dash, the one
// after it, at most `trattini` times. Returns nullopt at the end of the file.
// With `fine_tra_trattini` false the end is not looked for between the dash
// reads: a file that ends in dashes there is a read past its end.
std::optional<std::string> prossima_voce(lettore_campi& file, int trattini,
                                         bool fine_tra_trattini = true);

// Where a keyword field that begins its line holds no row kind that its
// place knows (the line description's general section or the sections after
// it, any place of a train description), warns that the row is ignored, with
// a hint where the words belong to a kind of another place or were written
// with capitals where case counts. Empty fields and headers are no rows.
void avvisa_se_sconosciuta(lettore_campi& file, const std::string& campo,
                           grammatica::formato formato, bool sezione_generale);

}  // namespace scenario
