#pragma once

// A fresh directory under the system's temporary one for a benchmark's
// files, removed with everything in it when the benchmark is done.

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

namespace scenario::banco {

class cartella_banco {
 public:
  cartella_banco() {
    std::string modello = (std::filesystem::temp_directory_path() / "banco-XXXXXX").string();
    std::vector<char> nome(modello.begin(), modello.end());
    nome.push_back('\0');
    percorso = mkdtemp(nome.data());
  }
  ~cartella_banco() { std::filesystem::remove_all(percorso); }
  cartella_banco(const cartella_banco&) = delete;
  cartella_banco& operator=(const cartella_banco&) = delete;
  std::filesystem::path percorso;
};

}  // namespace scenario::banco
