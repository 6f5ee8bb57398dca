#pragma once

// Test support: a fresh directory that is removed with everything in it, and
// whole-file helpers.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace scenario::prova {

class cartella_temporanea {
 public:
  // A name that create_directory makes anew is this directory's alone, on
  // either system.
  cartella_temporanea() {
    static std::mt19937_64 casuale{std::random_device{}()};
    for (int prova = 0; prova < 100; ++prova) {
      percorso_ =
          std::filesystem::temp_directory_path() / ("scenario-" + std::to_string(casuale()));
      if (std::filesystem::create_directory(percorso_)) return;
    }
    throw std::runtime_error("no temporary directory");
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

// Whether `messaggio` is what a failed file operation says when `percorso`
// is a directory: the path, ": " and the system's reason, which on Windows
// comes in the language of the system.
inline bool messaggio_su_cartella(const std::string& messaggio,
                                  const std::filesystem::path& percorso) {
  const std::string inizio = percorso.string() + ": ";
#ifdef _WIN32
  return messaggio.size() > inizio.size() && messaggio.compare(0, inizio.size(), inizio) == 0;
#else
  return messaggio == inizio + "Is a directory";
#endif
}

}  // namespace scenario::prova
