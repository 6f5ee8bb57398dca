#include "documenti/tabella_documento.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>

#include "descrizioni_incorporate/scrivi_righe.h"

namespace scenario {

std::string a_sinistra(std::string_view testo, size_t larghezza) {
  std::string cella(testo);
  if (cella.size() < larghezza) cella.append(larghezza - cella.size(), ' ');
  return cella;
}

std::string a_destra(std::string_view testo, size_t larghezza) {
  std::string cella;
  if (testo.size() < larghezza) cella.assign(larghezza - testo.size(), ' ');
  cella.append(testo);
  return cella;
}

std::string centrato(std::string_view testo, size_t larghezza) {
  size_t prima = testo.size() < larghezza ? (larghezza - testo.size()) / 2 : 0;
  return a_sinistra(std::string(prima, ' ').append(testo), larghezza);
}

std::string con_decimali(int32_t valore, int decimali) {
  std::string cifre = std::to_string(valore < 0 ? -static_cast<int64_t>(valore) : valore);
  size_t n = static_cast<size_t>(decimali);
  if (cifre.size() <= n) cifre.insert(0, n + 1 - cifre.size(), '0');
  if (n > 0) cifre.insert(cifre.size() - n, 1, '.');
  return valore < 0 ? "-" + cifre : cifre;
}

std::string riga_tabella(std::span<const size_t> larghezze, std::span<const std::string> celle) {
  std::string riga = " |";
  for (size_t i = 0; i < larghezze.size(); ++i) {
    riga += a_sinistra(i < celle.size() ? std::string_view(celle[i]) : "", larghezze[i]);
    riga += '|';
  }
  return riga;
}

std::string riga_filetto(std::span<const size_t> larghezze) {
  std::string riga = " |";
  for (size_t larghezza : larghezze) riga.append(larghezza, '_').push_back('|');
  return riga;
}

std::string riga_copertura(std::span<const size_t> larghezze) {
  size_t interno = std::accumulate(larghezze.begin(), larghezze.end(), size_t{0});
  if (!larghezze.empty()) interno += larghezze.size() - 1;
  return "  " + std::string(interno, '_');
}

void scrivi_documento(const std::filesystem::path& percorso, std::span<const std::string> righe) {
  if (righe.size() >= posti_lista_righe) {
    throw std::length_error("a document holds at most 1000 lines: " + percorso.string());
  }
  // The list is some 32 KB of strings: kept off the stack.
  auto lista = std::make_unique<lista_righe>();
  std::copy(righe.begin(), righe.end(), lista->begin());
  (*lista)[righe.size()] = marcatore_fine;
  scrivi_righe(percorso, *lista);
}

}  // namespace scenario
