#pragma once

// Test support: a fresh directory that is removed with everything in it, and
// whole-file helpers.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace scenario::prova {

class cartella_temporanea {
 public:
  cartella_temporanea() {
    std::string modello = (std::filesystem::temp_directory_path() / "scenario-XXXXXX").string();
    std::vector<char> nome(modello.begin(), modello.end());
    nome.push_back('\0');
    percorso_ = mkdtemp(nome.data());
  }
  ~cartella_temporanea() {
    std::error_code ignorato;
    std::filesystem::remove_all(percorso_, ignorato);
  }
  cartella_temporanea(const cartella_temporanea&) = delete;
  cartella_temporanea& operator=(const cartella_temporanea&) = delete;

  const std::filesystem::path& percorso() const { return percorso_; }
  std::filesystem::path operator/(const std::string& nome) const { return percorso_ / nome; }

  // Names of the entries of the directory, sorted.
  std::vector<std::string> contenuto() const {
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(percorso_)) {
      nomi.push_back(voce.path().filename().string());
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
  }

 private:
  std::filesystem::path percorso_;
};

inline std::string leggi_file(const std::filesystem::path& percorso) {
  std::ifstream file(percorso, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

inline void scrivi_file(const std::filesystem::path& percorso, const std::string& contenuto) {
  std::ofstream file(percorso, std::ios::binary | std::ios::trunc);
  file << contenuto;
}

}  // namespace scenario::prova
