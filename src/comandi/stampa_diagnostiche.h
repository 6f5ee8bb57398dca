#pragma once

// The diagnostics of a compile as an author reads them: in text, in the form
// that terminals and editors parse, or as one JSON document for tools.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/testo_visibile.h"
#include "modello/diagnostica.h"

namespace scenario {

// The description files of a compile, by the name that their diagnostics
// carry, each as its bytes (Windows-1252).
using testi_sorgente = std::map<std::string, std::string>;

// The meaning of the entry's number, then ": " and its reason when it has one,
// then "; did you mean 'X'?" when it has a suggestion.
std::string messaggio_diagnostica(const diagnostica& d);

// The lines of a text by number, through the starts of all of them, found in
// one pass: no line is looked for from the top. Lines end as the field reader
// ends them: LF, CR LF or a CR alone; what follows the last line end, even
// nothing, is the last line.
class righe_testo {
 public:
  explicit righe_testo(std::string_view testo);

  // Line `n` (from 1) without its end; none past the last line.
  std::optional<std::string_view> riga(int32_t n) const;

 private:
  std::string_view testo_;
  std::vector<size_t> inizi_;
};

// Every entry in order, then the count, as
//   linee/X_27364-.txt:32:13: error: station position not a multiple of 50, at 21630 m [8]
//      32 | stazione,   21630,  23,   400, ...
//         |             ^
//   1 error, 0 warnings
// The source line comes from `testi` when the entry's file and line are
// there, in UTF-8; a line longer than 160 characters shows the 160 round the
// caret, with "..." where it is cut. The line number takes at least 5 places.
// An entry of a whole file (line 0) is "file: severity: ...", one of no file
// "generatore: severity: ...", neither with a source line. The entries left
// out are counted on a line of their own before the count, which counts
// them too. An entry's notes follow it, each as "place: note: text" with its
// own source line:
//   linee/X_linea.txt:40:11: note: speed board at 5100 m (cell 102)
//      40 | indicatori_vmax, 5100, ...
//         |                  ^
//
// Nothing from a file or the command line reaches the terminal as a control
// character: in the source line, the file name and the reason, a tab is one
// space, the other C0 controls and DEL are their Unicode pictures (U+241B for
// ESC) and a C1 control is written <U+0085>; the caret stays under its column.
void stampa_diagnostiche(std::ostream& o, const std::vector<diagnostica>& d,
                         const testi_sorgente& testi,
                         const diagnostiche_tralasciate& tralasciate = {});

// "N errors, M warnings", each in the singular for 1.
std::string riepilogo_diagnostiche(size_t errori, size_t avvisi);

// What ended a command early, for the JSON form: a file that could not be
// read or written, a command line not understood.
struct fallimento_comando {
  std::string file;  // empty: none
  std::string messaggio;
  // The file probably meant, for one that does not exist.
  std::string suggerimento;
};

// {"diagnostics": [...], "errors": N, "warnings": M, "omitted": K} and a line
// end; the counts take in the K entries left out of the list. Each entry has
// the keys file, line, column, severity, number, message and position_m;
// file, line, column and position_m are null where the entry has none. The
// message is that of messaggio_diagnostica: the position has its own key.
// Control characters, DEL and the C1 ones too, are escaped. Each of
// `fallimenti` follows the diagnostics as an entry of the same keys, an error
// with no line, column or number, and is counted with the errors: an editor
// shows what stopped the command as it shows the rest.
std::string diagnostiche_json(const std::vector<diagnostica>& d,
                              const diagnostiche_tralasciate& tralasciate = {},
                              const std::vector<fallimento_comando>& fallimenti = {});

}  // namespace scenario
