#pragma once

// The diagnostics of a compile as an author reads them: in text, in the form
// that terminals and editors parse, or as one JSON document for tools.

#include <cstddef>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/diagnostica.h"

namespace scenario {

// The description files of a compile, by the name that their diagnostics
// carry, each as its bytes (Windows-1252).
using testi_sorgente = std::map<std::string, std::string>;

// The meaning of the entry's number, then ": " and its reason when it has one.
std::string messaggio_diagnostica(const diagnostica& d);

// Every entry in order, then the count, as
//   linee/X_27364-.txt:32:13: error: station position not a multiple of 50, at 21630 m [8]
//      32 | stazione,   21630,  23,   400, ...
//         |             ^
//   1 error, 0 warnings
// The source line comes from `testi` when the entry's file and line are
// there, in UTF-8 with a tab as one space so that the caret stays under its
// column; the line number takes at least 5 places. An entry of a whole file
// (line 0) is "file: severity: ...", one of no file "generatore: severity: ...",
// neither with a source line.
void stampa_diagnostiche(std::ostream& o, const std::vector<diagnostica>& d,
                         const testi_sorgente& testi);

// "N errors, M warnings", each in the singular for 1.
std::string riepilogo_diagnostiche(size_t errori, size_t avvisi);

// {"diagnostics": [...], "errors": N, "warnings": M} and a line end. Each
// entry has the keys file, line, column, severity, number, message and
// position_m; file, line, column and position_m are null where the entry has
// none. The message is that of messaggio_diagnostica: the position has its
// own key.
std::string diagnostiche_json(const std::vector<diagnostica>& d);

// `byte` as valid UTF-8: sequences already valid are kept, any other byte is
// taken as its Windows-1252 character.
std::string testo_utf8(std::string_view byte);

}  // namespace scenario
