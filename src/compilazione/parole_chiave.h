#pragma once

// The keyword tests of both compilers: a field holds a word when the word
// occurs anywhere in it.

#include <algorithm>
#include <string_view>

#include "base/testo_windows_1252.h"

namespace scenario {

inline bool contiene(std::string_view campo, std::string_view parola) {
  return campo.find(parola) != std::string_view::npos;
}

// Ignores case; `parola` is written in lower case.
inline bool contiene_senza_maiuscole(std::string_view campo, std::string_view parola) {
  auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  if (!std::all_of(parola.begin(), parola.end(), ascii)) {
    return minuscolo(campo).find(parola) != std::string::npos;
  }
  // Every keyword is plain ASCII. Lowering the field changes no byte outside
  // A-Z into ASCII nor the other way round, so such a word is found, without
  // a lowered copy of the field, by comparing its bytes with A-Z lowered.
  auto minuscola = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  auto uguali = [&](char a, char b) { return minuscola(a) == b; };
  return std::search(campo.begin(), campo.end(), parola.begin(), parola.end(), uguali) !=
         campo.end();
}

}  // namespace scenario
