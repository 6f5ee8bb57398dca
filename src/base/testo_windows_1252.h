#pragma once

// Text is UTF-8 inside the program and Windows-1252 in every file, one byte
// per character. Every byte value has a character, so reading a file and
// writing it back gives the same bytes.

#include <string>
#include <string_view>

namespace scenario {

// A character that Windows-1252 cannot represent becomes "?"; a byte that is
// not valid UTF-8 is taken as the Windows-1252 character of that byte.
std::string a_windows_1252(std::string_view utf8);
// The same, appended to `uscita`.
void aggiungi_windows_1252(std::string& uscita, std::string_view utf8);

std::string da_windows_1252(std::string_view byte);

// Lower case of the letters A-Z and of the accented capitals of Windows-1252,
// on UTF-8 text; everything else is kept.
std::string minuscolo(std::string_view utf8);

}  // namespace scenario
