#include "comandi/stampa_diagnostiche.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "base/numeri_errore.h"
#include "base/testo_windows_1252.h"

namespace scenario {

namespace {

constexpr size_t larghezza_minima_numero = 5;

const char* nome_gravita(gravita g) { return g == gravita::errore ? "error" : "warning"; }

// Line `n` (from 1) of `testo`, without its end; lines end as the field reader
// ends them: LF, CR LF or a CR alone.
std::optional<std::string_view> riga_sorgente(std::string_view testo, int32_t n) {
  size_t inizio = 0;
  for (int32_t riga = 1; riga < n; ++riga) {
    size_t fine = testo.find_first_of("\r\n", inizio);
    if (fine == std::string_view::npos) return std::nullopt;
    inizio = fine + (testo.compare(fine, 2, "\r\n") == 0 ? 2 : 1);
  }
  size_t fine = testo.find_first_of("\r\n", inizio);
  return testo.substr(inizio, fine == std::string_view::npos ? fine : fine - inizio);
}

void stampa_sorgente(std::ostream& o, const diagnostica& d, std::string_view riga) {
  std::string numero = std::to_string(d.luogo.riga);
  const size_t larghezza = std::max(larghezza_minima_numero, numero.size());
  std::string byte(riga);
  std::replace(byte.begin(), byte.end(), '\t', ' ');
  o << std::string(larghezza - numero.size(), ' ') << numero << " | " << da_windows_1252(byte)
    << '\n';
  if (d.luogo.colonna > 0) {
    o << std::string(larghezza, ' ') << " | " << std::string(d.luogo.colonna - 1, ' ') << "^\n";
  }
}

size_t conta(const std::vector<diagnostica>& d, gravita g) {
  return static_cast<size_t>(
      std::count_if(d.begin(), d.end(), [g](const diagnostica& x) { return x.livello == g; }));
}

// Length of the valid UTF-8 sequence at the start of `s`, 0 when there is none.
size_t sequenza_utf8(std::string_view s) {
  const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const auto seguito = [&](size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
  unsigned char c = b(0);
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) return seguito(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (!seguito(1) || !seguito(2)) return 0;
    // Neither overlong forms nor the surrogates.
    if ((c == 0xE0 && b(1) < 0xA0) || (c == 0xED && b(1) >= 0xA0)) return 0;
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (!seguito(1) || !seguito(2) || !seguito(3)) return 0;
    if ((c == 0xF0 && b(1) < 0x90) || (c == 0xF4 && b(1) >= 0x90)) return 0;
    return 4;
  }
  return 0;
}

}  // namespace

std::string messaggio_diagnostica(const diagnostica& d) {
  const voce_errore* voce = cerca_voce(d.numero);
  std::string messaggio = voce != nullptr ? voce->significato : "no entry in the table of numbers";
  if (!d.motivo.empty()) messaggio += ": " + d.motivo;
  return messaggio;
}

void stampa_diagnostiche(std::ostream& o, const std::vector<diagnostica>& d,
                         const testi_sorgente& testi) {
  for (const diagnostica& x : d) {
    if (x.luogo.vuoto()) {
      o << "generatore";
    } else {
      o << x.luogo.file;
      if (x.luogo.riga > 0) o << ':' << x.luogo.riga;
      if (x.luogo.riga > 0 && x.luogo.colonna > 0) o << ':' << x.luogo.colonna;
    }
    o << ": " << nome_gravita(x.livello) << ": " << testo_utf8(messaggio_diagnostica(x));
    if (x.posizione) o << ", at " << *x.posizione << " m";
    o << " [" << x.numero << "]\n";
    if (x.luogo.vuoto() || x.luogo.riga <= 0) continue;
    auto testo = testi.find(x.luogo.file);
    if (testo == testi.end()) continue;
    if (auto riga = riga_sorgente(testo->second, x.luogo.riga)) stampa_sorgente(o, x, *riga);
  }
  o << riepilogo_diagnostiche(conta(d, gravita::errore), conta(d, gravita::avviso)) << '\n';
}

std::string riepilogo_diagnostiche(size_t errori, size_t avvisi) {
  return std::to_string(errori) + (errori == 1 ? " error, " : " errors, ") +
         std::to_string(avvisi) + (avvisi == 1 ? " warning" : " warnings");
}

std::string diagnostiche_json(const std::vector<diagnostica>& d) {
  using json = nlohmann::ordered_json;
  json voci = json::array();
  for (const diagnostica& x : d) {
    const bool con_riga = !x.luogo.vuoto() && x.luogo.riga > 0;
    json voce;
    voce["file"] = x.luogo.vuoto() ? json(nullptr) : json(testo_utf8(x.luogo.file));
    voce["line"] = con_riga ? json(x.luogo.riga) : json(nullptr);
    voce["column"] = con_riga && x.luogo.colonna > 0 ? json(x.luogo.colonna) : json(nullptr);
    voce["severity"] = nome_gravita(x.livello);
    voce["number"] = x.numero;
    voce["message"] = testo_utf8(messaggio_diagnostica(x));
    voce["position_m"] = x.posizione ? json(*x.posizione) : json(nullptr);
    voci.push_back(std::move(voce));
  }
  json documento;
  documento["diagnostics"] = std::move(voci);
  documento["errors"] = conta(d, gravita::errore);
  documento["warnings"] = conta(d, gravita::avviso);
  return documento.dump(2) + "\n";
}

std::string testo_utf8(std::string_view byte) {
  std::string uscita;
  uscita.reserve(byte.size());
  while (!byte.empty()) {
    size_t n = sequenza_utf8(byte);
    if (n > 0) {
      uscita.append(byte.substr(0, n));
    } else {
      n = 1;
      uscita += da_windows_1252(byte.substr(0, 1));
    }
    byte.remove_prefix(n);
  }
  return uscita;
}

}  // namespace scenario
