#include "generazione/nomi_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "base/scrittore_file.h"

namespace scenario {

namespace {

constexpr std::string_view caratteri_vietati = "/\\:*?\"<>|";
constexpr size_t lunghezza_suffisso_temporaneo = 6;

std::string maiuscolo(std::string_view s) {
  std::string m(s);
  for (char& c : m) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return m;
}

bool nome_di_dispositivo(std::string_view nome) {
  std::string radice = maiuscolo(nome.substr(0, nome.find('.')));
  while (!radice.empty() && radice.back() == ' ') radice.pop_back();
  for (std::string_view d : {"CON", "PRN", "AUX", "NUL"}) {
    if (radice == d) return true;
  }
  return radice.size() == 4 && (radice.starts_with("COM") || radice.starts_with("LPT")) &&
         std::isdigit(static_cast<unsigned char>(radice[3]));
}

std::string mostrato(unsigned char c) {
  if (c >= 0x20 && c != 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  std::array<char, 8> testo{};
  std::snprintf(testo.data(), testo.size(), "\\x%02x", c);
  return testo.data();
}

}  // namespace

std::string difetto_nome(std::string_view nome) {
  if (nome.empty()) return "is empty";
  if (nome == "." || nome == "..") return "is '" + std::string(nome) + "'";
  for (char c : nome) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F || caratteri_vietati.find(c) != std::string_view::npos) {
      return "must not contain " + mostrato(b);
    }
  }
  if (nome_di_dispositivo(nome)) return "is a device name on Windows";
  return "";
}

std::string difetto_nomi_file(const std::vector<std::string>& nomi) {
  const size_t suffisso = marcatore_temporaneo.size() + lunghezza_suffisso_temporaneo;
  for (size_t i = 0; i < nomi.size(); ++i) {
    if (std::string d = difetto_nome(nomi[i]); !d.empty())
      return "the file name " + nomi[i] + " " + d;
    if (nomi[i].size() + suffisso > lunghezza_massima_nome_file) {
      return "the file name " + nomi[i] + " is too long: " + std::to_string(nomi[i].size()) +
             " bytes, and a file name may have " +
             std::to_string(lunghezza_massima_nome_file - suffisso) + " at most";
    }
    for (size_t j = 0; j < i; ++j) {
      if (maiuscolo(nomi[i]) == maiuscolo(nomi[j])) {
        return "two files would have one name: " + nomi[j] + " and " + nomi[i];
      }
    }
  }
  return "";
}

std::string nome_descrizione_linea(const std::string& linea) { return linea + "_linea.txt"; }

std::string nome_descrizione_treno(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "-.txt";
}

std::string nome_scheda_treno(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "_" + "scheda_treno.txt";
}

std::string nome_rallentamenti(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "_" + "rallentamenti.txt";
}

std::string nome_note(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "_" + "note.txt";
}

std::string nome_planimetria(const std::string& linea) { return linea + "_linea.dat"; }

std::string nome_elementi(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + ".sim";
}

std::string nome_celle(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + ".dat";
}

std::vector<std::string> nomi_file_esecuzione(const std::string& linea, const std::string& treno) {
  return {nome_descrizione_linea(linea),   nome_descrizione_treno(linea, treno),
          nome_scheda_treno(linea, treno), nome_rallentamenti(linea, treno),
          nome_note(linea, treno),         nome_planimetria(linea),
          nome_elementi(linea, treno),     nome_celle(linea, treno)};
}

percorsi_scenario percorsi_in(const std::filesystem::path& cartella, const std::string& linea,
                              const std::string& treno) {
  return {
      cartella / nome_descrizione_linea(linea),   cartella / nome_descrizione_treno(linea, treno),
      cartella / nome_scheda_treno(linea, treno), cartella / nome_rallentamenti(linea, treno),
      cartella / nome_note(linea, treno),         cartella / nome_planimetria(linea),
      cartella / nome_elementi(linea, treno),     cartella / nome_celle(linea, treno)};
}

}  // namespace scenario
