#include "base/testo_windows_1252.h"

#include <array>
#include <cstdint>

#include "base/utf8.h"

namespace scenario {

namespace {

// Code points of the bytes 0x80..0x9F; the five bytes that Windows-1252 leaves
// undefined keep their C1 code point so that they survive a round trip.
constexpr std::array<char32_t, 32> tabella_80_9f = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t carattere_di(unsigned char b) {
  if (b >= 0x80 && b <= 0x9f) return tabella_80_9f[b - 0x80];
  return b;
}

int byte_di(char32_t c) {
  if (c < 0x80 || (c >= 0xa0 && c <= 0xff)) return static_cast<int>(c);
  for (size_t i = 0; i < tabella_80_9f.size(); ++i) {
    if (tabella_80_9f[i] == c) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Calls `carattere` for each character of `utf8`, and `byte` for each byte
// that does not begin a valid UTF-8 sequence.
template <typename per_carattere, typename per_byte>
void scorri(std::string_view utf8, per_carattere carattere, per_byte byte) {
  for (size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    size_t lunghezza = decodifica_utf8(utf8.substr(i), c);
    if (lunghezza == 0) {
      byte(utf8[i]);
      ++i;
      continue;
    }
    carattere(c);
    i += lunghezza;
  }
}

bool solo_ascii(std::string_view testo) {
  for (char c : testo) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string a_windows_1252(std::string_view utf8) {
  std::string uscita;
  aggiungi_windows_1252(uscita, utf8);
  return uscita;
}

void aggiungi_windows_1252(std::string& uscita, std::string_view utf8) {
  // Nearly all text of the system is ASCII, the same bytes in both.
  if (solo_ascii(utf8)) {
    uscita.append(utf8);
    return;
  }
  uscita.reserve(uscita.size() + utf8.size());
  scorri(
      utf8,
      [&](char32_t c) {
        int b = byte_di(c);
        uscita.push_back(b < 0 ? '?' : static_cast<char>(b));
      },
      [&](char b) { uscita.push_back(b); });
}

std::string da_windows_1252(std::string_view byte) {
  if (solo_ascii(byte)) return std::string(byte);
  std::string uscita;
  uscita.reserve(byte.size());
  for (char b : byte) aggiungi_utf8(uscita, carattere_di(static_cast<unsigned char>(b)));
  return uscita;
}

std::string minuscolo(std::string_view utf8) {
  std::string uscita;
  uscita.reserve(utf8.size());
  scorri(
      utf8,
      [&](char32_t c) {
        if ((c >= 'A' && c <= 'Z') || (c >= 0xc0 && c <= 0xde && c != 0xd7)) {
          c += 0x20;
        } else if (c == 0x160 || c == 0x152 || c == 0x17d) {
          c += 1;
        } else if (c == 0x178) {
          c = 0xff;
        }
        aggiungi_utf8(uscita, c);
      },
      [&](char b) { uscita.push_back(b); });
  return uscita;
}

}  // namespace scenario
