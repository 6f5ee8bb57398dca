#include "base/testo_visibile.h"

#include <algorithm>

#include "base/testo_windows_1252.h"
#include "base/utf8.h"

namespace scenario {

bool controllo_c1(std::string_view carattere) {
  return carattere.size() == 2 && static_cast<unsigned char>(carattere[0]) == 0xC2 &&
         static_cast<unsigned char>(carattere[1]) < 0xA0;
}

// "00" + the two digits of a C1 control's second byte, in `cifre`.
std::string codice_c1(std::string_view carattere, const char* cifre) {
  const auto b = static_cast<unsigned char>(carattere[1]);
  return {'0', '0', cifre[b >> 4], cifre[b & 0xF]};
}

// Appends `carattere`, one valid UTF-8 sequence, as the text form shows it;
// returns the columns that it takes.
size_t aggiungi_visibile(std::string& uscita, std::string_view carattere) {
  const auto b = static_cast<unsigned char>(carattere[0]);
  if (b == '\t') {
    uscita += ' ';
  } else if (b < 0x20 || b == 0x7F) {
    // U+2400 + the code, U+2421 for DEL: E2 90 80 to E2 90 A1.
    uscita += "\xE2\x90";
    uscita += static_cast<char>(0x80 + (b == 0x7F ? 0x21 : b));
  } else if (controllo_c1(carattere)) {
    const std::string codice = "<U+" + codice_c1(carattere, "0123456789ABCDEF") + ">";
    uscita += codice;
    return codice.size();
  } else {
    uscita += carattere;
  }
  return 1;
}

size_t colonne_testo(std::string_view utf8) {
  size_t colonne = 0;
  while (!utf8.empty()) {
    utf8.remove_prefix(std::max<size_t>(sequenza_utf8(utf8), 1));
    ++colonne;
  }
  return colonne;
}

std::string testo_visibile(std::string_view byte) {
  const std::string utf8 = testo_utf8(byte);
  std::string uscita;
  uscita.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t n = sequenza_utf8(std::string_view(utf8).substr(i));
    aggiungi_visibile(uscita, std::string_view(utf8).substr(i, n));
    i += n;
  }
  return uscita;
}

std::string testo_utf8(std::string_view byte) {
  std::string uscita;
  uscita.reserve(byte.size());
  while (!byte.empty()) {
    size_t n = sequenza_utf8(byte);
    if (n > 0) {
      uscita.append(byte.substr(0, n));
    } else {
      n = 1;
      uscita += da_windows_1252(byte.substr(0, 1));
    }
    byte.remove_prefix(n);
  }
  return uscita;
}

}  // namespace scenario
