#pragma once

// Test support for the driver's documents: a document written into a fresh
// directory, and its lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "modello/modello.h"

namespace scenario::prova {

using scrittore_documento = void (*)(const std::filesystem::path&);
using nome_documento = std::string (*)(const std::string&, const std::string&);

inline modello modello_con_treno(const std::string& treno) {
  modello m;
  m.linea = "Lorvento-Basalto";
  m.treno = treno;
  return m;
}

// The lines of a file, split at CR LF. Bytes after the last CR LF, or a CR or
// an LF standing alone, fail the calling test.
inline std::vector<std::string> righe_crlf(const std::string& contenuto) {
  std::vector<std::string> righe;
  size_t inizio = 0;
  while (inizio < contenuto.size()) {
    size_t fine = contenuto.find("\r\n", inizio);
    if (fine == std::string::npos) {
      ADD_FAILURE() << "bytes after the last CR LF: " << contenuto.substr(inizio, 40);
      break;
    }
    righe.push_back(contenuto.substr(inizio, fine - inizio));
    if (righe.back().find_first_of("\r\n") != std::string::npos) {
      ADD_FAILURE() << "a lone CR or LF in line " << righe.size();
    }
    inizio = fine + 2;
  }
  return righe;
}

// Writes the document of the built-in scenario and returns the file's bytes.
inline std::string testo_documento(scrittore_documento scrivi, nome_documento nome) {
  cartella_temporanea cartella;
  modello m = modello_con_treno("27364");
  scrivi(cartella / nome(m.linea, m.treno));
  return leggi_file(cartella / nome(m.linea, m.treno));
}

}  // namespace scenario::prova
