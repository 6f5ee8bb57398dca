#include "comandi/stampa_diagnostiche.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "base/testo_visibile.h"
#include "base/testo_windows_1252.h"
#include "base/utf8.h"
#include "modello/numeri_errore.h"

namespace scenario {

namespace {

constexpr size_t larghezza_minima_numero = 5;
// Of a longer source line, the characters round the caret.
constexpr size_t larghezza_finestra = 160;
constexpr std::string_view taglio = "...";

const char* nome_gravita(gravita g) { return g == gravita::errore ? "error" : "warning"; }

size_t conta(const std::vector<diagnostica>& d, gravita g) {
  return static_cast<size_t>(
      std::count_if(d.begin(), d.end(), [g](const diagnostica& x) { return x.livello == g; }));
}

void stampa_sorgente(std::ostream& o, const luogo_sorgente& luogo, std::string_view riga) {
  std::string numero = std::to_string(luogo.riga);
  const size_t larghezza = std::max(larghezza_minima_numero, numero.size());
  // A column past the end of its line, which no step records, has no caret.
  std::optional<size_t> cursore;
  if (luogo.colonna > 0 && static_cast<size_t>(luogo.colonna) <= riga.size() + 1) {
    cursore = static_cast<size_t>(luogo.colonna) - 1;
  }
  size_t inizio = 0;
  size_t fine = riga.size();
  if (riga.size() > larghezza_finestra) {
    const size_t c = cursore.value_or(0);
    inizio = std::min(c - std::min(c, larghezza_finestra / 2), riga.size() - larghezza_finestra);
    fine = inizio + larghezza_finestra;
  }
  std::string mostrata(inizio > 0 ? taglio : "");
  size_t prima_del_cursore = mostrata.size();
  // One character for each byte of the line.
  const std::string caratteri = da_windows_1252(riga.substr(inizio, fine - inizio));
  for (size_t i = 0, byte = inizio; i < caratteri.size(); ++byte) {
    const size_t n = sequenza_utf8(std::string_view(caratteri).substr(i));
    const size_t colonne = aggiungi_visibile(mostrata, std::string_view(caratteri).substr(i, n));
    if (cursore && byte < *cursore) prima_del_cursore += colonne;
    i += n;
  }
  if (fine < riga.size()) mostrata += taglio;
  o << std::string(larghezza - numero.size(), ' ') << numero << " | " << mostrata << '\n';
  if (cursore) {
    o << std::string(larghezza, ' ') << " | " << std::string(prima_del_cursore, ' ') << "^\n";
  }
}

// The library escapes the C0 controls alone. In its UTF-8 text, DEL and C2
// followed by 80 to 9F, a C1 control, can only be in a string.
std::string escapa_controlli(std::string_view json) {
  std::string uscita;
  uscita.reserve(json.size());
  for (size_t i = 0; i < json.size(); ++i) {
    if (json[i] == '\x7F') {
      uscita += "\\u007f";
    } else if (controllo_c1(json.substr(i, 2))) {
      uscita += "\\u" + codice_c1(json.substr(i, 2), "0123456789abcdef");
      ++i;
    } else {
      uscita += json[i];
    }
  }
  return uscita;
}

}  // namespace

std::string messaggio_diagnostica(const diagnostica& d) {
  const voce_errore* voce = cerca_voce(d.numero);
  std::string messaggio = voce != nullptr ? voce->significato : "no entry in the table of numbers";
  if (!d.motivo.empty()) messaggio += ": " + d.motivo;
  if (!d.suggerimento.empty()) messaggio += "; did you mean '" + d.suggerimento + "'?";
  return messaggio;
}

void stampa_diagnostiche(std::ostream& o, const std::vector<diagnostica>& d,
                         const testi_sorgente& testi, const diagnostiche_tralasciate& tralasciate) {
  // Built when an entry first needs a line of its file, once for all of them.
  std::map<std::string, righe_testo, std::less<>> righe;
  auto stampa_luogo = [&](const luogo_sorgente& luogo) {
    if (luogo.vuoto()) {
      o << "generatore";
    } else {
      o << testo_visibile(luogo.file);
      if (luogo.riga > 0) o << ':' << luogo.riga;
      if (luogo.riga > 0 && luogo.colonna > 0) o << ':' << luogo.colonna;
    }
  };
  auto stampa_riga = [&](const luogo_sorgente& luogo) {
    if (luogo.vuoto() || luogo.riga <= 0) return;
    auto testo = testi.find(luogo.file);
    if (testo == testi.end()) return;
    auto indice = righe.find(luogo.file);
    if (indice == righe.end()) indice = righe.emplace(luogo.file, testo->second).first;
    if (auto riga = indice->second.riga(luogo.riga)) stampa_sorgente(o, luogo, *riga);
  };
  for (const diagnostica& x : d) {
    stampa_luogo(x.luogo);
    o << ": " << nome_gravita(x.livello) << ": " << testo_visibile(messaggio_diagnostica(x));
    if (x.posizione) o << ", at " << *x.posizione << " m";
    o << " [" << x.numero << "]\n";
    stampa_riga(x.luogo);
    for (const nota_diagnostica& n : x.note) {
      stampa_luogo(n.luogo);
      o << ": note: " << testo_visibile(n.testo) << '\n';
      stampa_riga(n.luogo);
    }
  }
  if (const size_t altre = tralasciate.totale(); altre > 0) {
    o << "... " << altre << (altre == 1 ? " more diagnostic" : " more diagnostics")
      << " not shown (" << riepilogo_diagnostiche(tralasciate.errori, tralasciate.avvisi)
      << "); --max-diagnostiche 0 shows every one\n";
  }
  o << riepilogo_diagnostiche(conta(d, gravita::errore) + tralasciate.errori,
                              conta(d, gravita::avviso) + tralasciate.avvisi)
    << '\n';
}

std::string riepilogo_diagnostiche(size_t errori, size_t avvisi) {
  return std::to_string(errori) + (errori == 1 ? " error, " : " errors, ") +
         std::to_string(avvisi) + (avvisi == 1 ? " warning" : " warnings");
}

std::string diagnostiche_json(const std::vector<diagnostica>& d,
                              const diagnostiche_tralasciate& tralasciate,
                              const std::vector<fallimento_comando>& fallimenti) {
  using json = nlohmann::ordered_json;
  // The document as the library would indent it, written an entry at a time:
  // the whole list as one value would take many times the memory of its text.
  std::string uscita = "{\n  \"diagnostics\": [";
  bool primo = true;
  const auto aggiungi = [&](const json& voce) {
    uscita += primo ? "\n    " : ",\n    ";
    primo = false;
    // No string of the dump holds a line end: each one is a line of the entry.
    for (char c : escapa_controlli(voce.dump(2))) {
      uscita += c;
      if (c == '\n') uscita += "    ";
    }
  };
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
    voce["suggestion"] = x.suggerimento.empty() ? json(nullptr) : json(testo_utf8(x.suggerimento));
    voce["notes"] = json::array();
    for (const nota_diagnostica& n : x.note) {
      const bool nota_con_riga = !n.luogo.vuoto() && n.luogo.riga > 0;
      voce["notes"].push_back(
          {{"file", n.luogo.vuoto() ? json(nullptr) : json(testo_utf8(n.luogo.file))},
           {"line", nota_con_riga ? json(n.luogo.riga) : json(nullptr)},
           {"column", nota_con_riga && n.luogo.colonna > 0 ? json(n.luogo.colonna) : json(nullptr)},
           {"severity", "note"},
           {"message", testo_utf8(n.testo)}});
    }
    aggiungi(voce);
  }
  for (const fallimento_comando& f : fallimenti) {
    std::string messaggio = f.messaggio;
    if (!f.suggerimento.empty()) messaggio += "; did you mean '" + f.suggerimento + "'?";
    json voce;
    voce["file"] = f.file.empty() ? json(nullptr) : json(testo_utf8(f.file));
    voce["line"] = nullptr;
    voce["column"] = nullptr;
    voce["severity"] = nome_gravita(gravita::errore);
    voce["number"] = nullptr;
    voce["message"] = testo_utf8(messaggio);
    voce["position_m"] = nullptr;
    voce["suggestion"] = f.suggerimento.empty() ? json(nullptr) : json(testo_utf8(f.suggerimento));
    voce["notes"] = json::array();
    aggiungi(voce);
  }
  uscita += primo ? "]" : "\n  ]";
  uscita += ",\n  \"errors\": " +
            std::to_string(conta(d, gravita::errore) + tralasciate.errori + fallimenti.size());
  uscita += ",\n  \"warnings\": " + std::to_string(conta(d, gravita::avviso) + tralasciate.avvisi);
  uscita += ",\n  \"omitted\": " + std::to_string(tralasciate.totale()) + "\n}\n";
  return uscita;
}

righe_testo::righe_testo(std::string_view testo) : testo_(testo), inizi_{0} {
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] != '\r' && testo[i] != '\n') continue;
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    inizi_.push_back(i + 1);
  }
}

std::optional<std::string_view> righe_testo::riga(int32_t n) const {
  if (n < 1 || static_cast<size_t>(n) > inizi_.size()) return std::nullopt;
  const size_t inizio = inizi_[static_cast<size_t>(n) - 1];
  size_t fine = testo_.size();
  if (static_cast<size_t>(n) < inizi_.size()) {
    // Back over the line end: LF, CR or CR LF.
    fine = inizi_[static_cast<size_t>(n)] - 1;
    if (testo_[fine] == '\n' && fine > inizio && testo_[fine - 1] == '\r') --fine;
  }
  return testo_.substr(inizio, fine - inizio);
}

}  // namespace scenario
