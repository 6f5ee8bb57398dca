#pragma once

// The one UTF-8 decoder and encoder of the program: what counts as a valid
// sequence is decided here for the text shown on a terminal and the text
// written to files.

#include <cstddef>
#include <string>
#include <string_view>

namespace scenario {

// The UTF-8 sequence at the start of `s`: returns its length, 1 to 4, and
// puts its code point in `c`; returns 0, leaving `c` as it was, when there is
// no valid sequence there: an empty `s`, a stray continuation byte, a lead
// byte not followed by all its continuation bytes, an overlong form, a
// surrogate (U+D800 to U+DFFF) or a code point beyond U+10FFFF.
size_t decodifica_utf8(std::string_view s, char32_t& c);

// Length of the valid UTF-8 sequence at the start of `s`, 0 when there is none.
size_t sequenza_utf8(std::string_view s);

// Appends code point `c`, at most U+10FFFF, to `uscita` as UTF-8.
void aggiungi_utf8(std::string& uscita, char32_t c);

}  // namespace scenario
