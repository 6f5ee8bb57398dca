#include "base/utf8.h"

namespace scenario {

size_t decodifica_utf8(std::string_view s, char32_t& c) {
  if (s.empty()) return 0;
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char primo = b(0);
  const size_t lunghezza = primo < 0x80           ? 1
                           : (primo >> 5) == 0x6  ? 2
                           : (primo >> 4) == 0xe  ? 3
                           : (primo >> 3) == 0x1e ? 4
                                                  : 0;
  if (lunghezza == 0 || lunghezza > s.size()) return 0;
  if (lunghezza == 1) {
    c = primo;
    return 1;
  }
  char32_t codice = primo & (0x7f >> lunghezza);
  for (size_t k = 1; k < lunghezza; ++k) {
    if ((b(k) & 0xc0) != 0x80) return 0;
    codice = (codice << 6) | (b(k) & 0x3f);
  }
  constexpr char32_t minimo[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codice < minimo[lunghezza] || codice > 0x10ffff) return 0;
  if (codice >= 0xd800 && codice <= 0xdfff) return 0;
  c = codice;
  return lunghezza;
}

size_t sequenza_utf8(std::string_view s) {
  char32_t c = 0;
  return decodifica_utf8(s, c);
}

void aggiungi_utf8(std::string& uscita, char32_t c) {
  if (c < 0x80) {
    uscita.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    uscita.push_back(static_cast<char>(0xc0 | (c >> 6)));
    uscita.push_back(static_cast<char>(0x80 | (c & 0x3f)));
  } else if (c < 0x10000) {
    uscita.push_back(static_cast<char>(0xe0 | (c >> 12)));
    uscita.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
    uscita.push_back(static_cast<char>(0x80 | (c & 0x3f)));
  } else {
    uscita.push_back(static_cast<char>(0xf0 | (c >> 18)));
    uscita.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3f)));
    uscita.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
    uscita.push_back(static_cast<char>(0x80 | (c & 0x3f)));
  }
}

}  // namespace scenario
