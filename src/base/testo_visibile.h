#pragma once

// Text from files and command lines as a terminal may safely show it.

#include <cstddef>
#include <string>
#include <string_view>

namespace scenario {

// Whether `carattere`, one UTF-8 sequence, is a C1 control (U+0080 to U+009F).
bool controllo_c1(std::string_view carattere);

// "00" + the two hex digits of a C1 control's second byte, drawn from `cifre`.
std::string codice_c1(std::string_view carattere, const char* cifre);

// Appends `carattere`, one valid UTF-8 sequence, as a terminal may show it: a
// tab as one space, the other C0 controls and DEL as their Unicode pictures
// (U+241B for ESC), a C1 control as <U+0085>, anything else as it is. Returns
// the columns that it takes.
size_t aggiungi_visibile(std::string& uscita, std::string_view carattere);

// `byte` as valid UTF-8: sequences already valid are kept, any other byte is
// taken as its Windows-1252 character.
std::string testo_utf8(std::string_view byte);

// The columns that `utf8`, text as testo_visibile gives it, takes on a
// terminal: one for each character, not for each byte.
size_t colonne_testo(std::string_view utf8);

// testo_utf8 with every control character shown as aggiungi_visibile shows
// it: for anything from a file or the command line that a terminal shows.
std::string testo_visibile(std::string_view byte);

}  // namespace scenario
