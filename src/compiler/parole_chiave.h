#pragma once

// The keyword tests of both compilers: a field holds a word when the word
// occurs anywhere in it.

#include <string_view>

#include "sources/testo_windows_1252.h"

namespace scenario {

inline bool contiene(std::string_view campo, std::string_view parola) {
  return campo.find(parola) != std::string_view::npos;
}

// Ignores case; `parola` is written in lower case.
inline bool contiene_senza_maiuscole(std::string_view campo, std::string_view parola) {
  return minuscolo(campo).find(parola) != std::string::npos;
}

}  // namespace scenario
