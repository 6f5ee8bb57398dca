#pragma once

// Test support: variants of a description pair that say the same thing by
// the reading rules, and the compile of a pair down to its compiled files.
// Shared by the test of the built-in pair and by its fuzz target.
//
// A variant is equal to its original only where the rules say so whatever
// the compile makes of a field. Line ends, blanks before a field and blanks
// between a number standing alone in its field and its comma are such
// changes in any file without a double quote (a quoted text may hold commas
// and line ends of its own). Blanks after any number, blanks alone between
// numbers, another letter case and an empty field against a 0 depend on
// which field is read as a number, a keyword or a text: they are made only
// in a file whose every row reads, field by field, as a model of the two
// compilers says, and never in a text value (a place name, a sign text).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compilazione/grammatica.h"
#include "modello/modello.h"
#include "file_compilati/file_compilati.h"
#include "generazione/errore.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"

namespace scenario::prova {

enum class file_descrizione { linea, treno };

// Where a row is read: before "[generale]", in the general section of the
// line description, or among the rows of the items (the whole train body).
enum class sezione_lettura { prima, generale, voci };

// One field of a row: its text without the blanks around it, as offsets in
// its line; a keyword, a number or a text value; what ends it: ',' a comma,
// ' ' blanks alone, '\n' the end of the line.
struct campo_riga {
  size_t inizio = 0;
  size_t fine = 0;
  char tipo = 'k';
  char dopo = '\n';
  bool cifre = false;  // an optional minus and digits
};

struct riga_descrizione {
  std::string testo;  // without its line end
  sezione_lettura sezione = sezione_lettura::prima;
  std::vector<campo_riga> campi;  // empty before "[generale]"
};

struct descrizione_letta {
  std::vector<riga_descrizione> righe;
  bool fine_riga_finale = false;
  bool virgolette = false;
  bool allineata = true;  // every row read as the model says
};

namespace dettaglio {

inline char minuscola(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

inline bool ha(std::string_view campo, std::string_view parola) {
  return campo.find(parola) != std::string_view::npos;
}

inline bool ha_senza_maiuscole(std::string_view campo, std::string_view parola) {
  std::string basso(campo);
  for (char& c : basso) c = minuscola(c);
  return ha(basso, parola);
}

inline bool spazio(char c) { return c == ' ' || c == '\t'; }

inline bool intestazione(std::string_view campo) {
  return !campo.empty() && campo[0] != '-' && ha(campo, "[") && ha(campo, "]");
}

// The values that the compilers read after a keyword, one letter each: 'n' a
// number, 't' a text, as the grammar table gives them. Every kind that
// matches reads its own values.
inline std::string valori_dopo(std::string_view k, file_descrizione file, sezione_lettura s,
                               bool curve_lette) {
  const grammatica::formato formato =
      file == file_descrizione::linea ? grammatica::formato::linea : grammatica::formato::treno;
  std::string v;
  for (const grammatica::voce* voce : grammatica::tutte) {
    if (voce->formato_ != formato || !grammatica::corrisponde(*voce, k)) continue;
    // The line description reads its general rows only in its general
    // section, the others only after it.
    bool generale = voce->sezione == grammatica::sezione_generale;
    if (formato == grammatica::formato::linea && generale != (s == sezione_lettura::generale)) {
      continue;
    }
    if (voce == &grammatica::curva && !curve_lette) continue;
    for (const grammatica::campo& c : voce->campi) {
      v += c.tipo == grammatica::larghezza::testo ? 't' : 'n';
    }
  }
  // The header that closes the general section is told by its brackets.
  if (file == file_descrizione::linea && s == sezione_lettura::generale && intestazione(k)) {
    v += '[';
  }
  return v;
}

// Reads the fields of row `r` after its keyword as the field reader does.
// False when the row does not end with its last value.
inline bool leggi_valori(const std::string& r, std::string_view valori,
                         std::vector<campo_riga>& campi) {
  size_t pos = campi[0].dopo == ',' ? r.find(',') + 1 : r.size();
  for (char tipo : valori) {
    if (tipo == '[') continue;
    if (campi.back().dopo == '\n') return false;  // the value would come from the next line
    while (pos < r.size() && spazio(r[pos])) ++pos;
    campo_riga c;
    c.inizio = pos;
    c.tipo = tipo;
    size_t q = pos;
    if (q < r.size() && r[q] == '-') ++q;
    size_t prima_cifra = q;
    while (q < r.size() && r[q] >= '0' && r[q] <= '9') ++q;
    if (tipo == 'n' && q > prima_cifra && (q == r.size() || spazio(r[q]) || r[q] == ',')) {
      c.fine = q;
      c.cifre = true;
      pos = q;
      while (pos < r.size() && spazio(r[pos])) ++pos;
      if (pos == r.size()) {
        c.dopo = '\n';
      } else if (r[pos] == ',') {
        c.dopo = ',';
        ++pos;
      } else {
        c.dopo = ' ';
      }
    } else {
      size_t virgola = r.find(',', pos);
      size_t fine = virgola == std::string::npos ? r.size() : virgola;
      c.fine = fine;
      while (c.fine > c.inizio && spazio(r[c.fine - 1])) --c.fine;
      c.dopo = virgola == std::string::npos ? '\n' : ',';
      pos = virgola == std::string::npos ? r.size() : virgola + 1;
    }
    campi.push_back(c);
  }
  return campi.back().dopo == '\n';
}

inline campo_riga parola_chiave(const std::string& r) {
  campo_riga c;
  while (c.inizio < r.size() && spazio(r[c.inizio])) ++c.inizio;
  size_t virgola = r.find(',');
  c.fine = virgola == std::string::npos ? r.size() : virgola;
  while (c.fine > c.inizio && spazio(r[c.fine - 1])) --c.fine;
  c.dopo = virgola == std::string::npos ? '\n' : ',';
  return c;
}

}  // namespace dettaglio

// Splits `testo` into lines (CR LF, LF or a lone CR end one) and reads each
// row by the model. `curve_lette`: the track plan is built, so the curve rows
// are read.
inline descrizione_letta leggi_descrizione(const std::string& testo, file_descrizione file,
                                           bool curve_lette) {
  using namespace dettaglio;
  descrizione_letta d;
  d.virgolette = testo.find('"') != std::string::npos;
  size_t inizio = 0;
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] != '\r' && testo[i] != '\n') continue;
    d.righe.push_back({testo.substr(inizio, i - inizio), {}, {}});
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    inizio = i + 1;
  }
  d.fine_riga_finale = inizio == testo.size() && !testo.empty();
  if (inizio < testo.size()) d.righe.push_back({testo.substr(inizio), {}, {}});

  sezione_lettura s = sezione_lettura::prima;
  for (riga_descrizione& r : d.righe) {
    r.sezione = s;
    if (s == sezione_lettura::prima) {
      // Text fields up to the one that holds "[generale]": it must end its line.
      size_t da = 0;
      while (true) {
        size_t virgola = r.testo.find(',', da);
        std::string_view campo = std::string_view(r.testo).substr(
            da, virgola == std::string::npos ? std::string::npos : virgola - da);
        if (ha_senza_maiuscole(campo, grammatica::sezione_generale)) {
          if (virgola != std::string::npos) d.allineata = false;
          s = file == file_descrizione::linea ? sezione_lettura::generale : sezione_lettura::voci;
          break;
        }
        if (virgola == std::string::npos) break;
        da = virgola + 1;
      }
      continue;
    }
    campo_riga chiave = parola_chiave(r.testo);
    std::string_view k =
        std::string_view(r.testo).substr(chiave.inizio, chiave.fine - chiave.inizio);
    r.campi.push_back(chiave);
    std::string valori = valori_dopo(k, file, s, curve_lette);
    if (ha(k, "-") || !leggi_valori(r.testo, valori, r.campi)) {
      d.allineata = false;
      r.campi.clear();
      break;
    }
    if (s == sezione_lettura::generale && intestazione(k)) s = sezione_lettura::voci;
  }
  return d;
}

enum class modifica {
  fine_riga_lf,
  fine_riga_cr,
  fine_riga_crlf,
  fine_riga_finale,   // a line end after the last line added, or taken away
  spazi_prima,        // blanks before every field
  spazi_dopo,         // blanks after every number
  solo_spazi,         // blanks alone, no comma, between two numbers
  zeri_tolti,         // an explicit 0 in its own field becomes an empty field
  zeri_messi,         // an empty number field becomes an explicit 0
  maiuscole,          // keywords in capitals
  maiuscole_alterne,  // keywords in alternating case
};

namespace dettaglio {

// Insertions and replacements in one line, applied from its end back.
struct ritocco {
  size_t inizio, fine;
  std::string con;
};

inline std::string ritocca(std::string r, std::vector<ritocco> ritocchi) {
  for (auto it = ritocchi.rbegin(); it != ritocchi.rend(); ++it) {
    r.replace(it->inizio, it->fine - it->inizio, it->con);
  }
  return r;
}

inline std::string cambia_maiuscole(std::string t, bool alterne) {
  bool su = true;
  for (char& c : t) {
    bool lettera = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!lettera) continue;
    char basso = minuscola(c);
    c = su ? static_cast<char>(basso - 32) : basso;
    if (alterne) su = !su;
  }
  return t;
}

inline const char* spazi = " \t ";

}  // namespace dettaglio

// `testo` with one change made everywhere it applies; nothing when the
// change does not apply to this file.
inline std::optional<std::string> modifica_descrizione(const std::string& testo,
                                                       file_descrizione file, bool curve_lette,
                                                       modifica mod) {
  using namespace dettaglio;
  descrizione_letta d = leggi_descrizione(testo, file, curve_lette);
  if (d.virgolette) return std::nullopt;
  std::string fine_riga = "\r\n";
  bool fine_riga_finale = d.fine_riga_finale;
  bool per_campi = mod == modifica::spazi_dopo || mod == modifica::solo_spazi ||
                   mod == modifica::zeri_tolti || mod == modifica::zeri_messi ||
                   mod == modifica::maiuscole || mod == modifica::maiuscole_alterne;
  if (per_campi && !d.allineata && mod != modifica::spazi_dopo) return std::nullopt;

  // The line end each line of the file had; kept unless the change is one of them.
  std::vector<std::string> fini;
  {
    size_t i = 0;
    for (size_t n = 0; n < d.righe.size(); ++n) {
      i += d.righe[n].testo.size();
      std::string f;
      if (i < testo.size()) f += testo[i++];
      if (f == "\r" && i < testo.size() && testo[i] == '\n') f += testo[i++];
      fini.push_back(f);
    }
  }
  switch (mod) {
    case modifica::fine_riga_lf:
      fine_riga = "\n";
      break;
    case modifica::fine_riga_cr:
      fine_riga = "\r";
      break;
    case modifica::fine_riga_crlf:
      fine_riga = "\r\n";
      break;
    case modifica::fine_riga_finale: {
      // Without a line end an empty last line is no field, and nor is the
      // empty field after a last comma.
      if (d.righe.empty() || d.righe.back().testo.empty() || d.righe.back().testo.back() == ',') {
        return std::nullopt;
      }
      fine_riga_finale = !fine_riga_finale;
      if (fine_riga_finale) fini.back() = "\r\n";
      break;
    }
    default:
      break;
  }
  bool uniforme = mod == modifica::fine_riga_lf || mod == modifica::fine_riga_cr ||
                  mod == modifica::fine_riga_crlf;

  std::string uscita;
  for (size_t n = 0; n < d.righe.size(); ++n) {
    const riga_descrizione& r = d.righe[n];
    bool ultima = n + 1 == d.righe.size();
    // A file that ends right after a comma has no field after it: anything
    // put there, blanks or a 0, would make one.
    auto nessun_campo = [&](const campo_riga& c) {
      return ultima && !fine_riga_finale && c.inizio == r.testo.size() && !r.testo.empty() &&
             r.testo.back() == ',';
    };
    std::vector<ritocco> ritocchi;
    switch (mod) {
      case modifica::spazi_prima:
        ritocchi.push_back({0, 0, spazi});
        for (size_t i = 0; i < r.testo.size(); ++i) {
          // Blanks after a comma that ends the file would be a field of their own.
          if (r.testo[i] == ',' && !(ultima && !fine_riga_finale && i + 1 == r.testo.size())) {
            ritocchi.push_back({i + 1, i + 1, spazi});
          }
        }
        break;
      case modifica::spazi_dopo:
        if (d.allineata) {
          for (const campo_riga& c : r.campi) {
            if (c.tipo == 'n' && !nessun_campo(c)) ritocchi.push_back({c.fine, c.fine, spazi});
          }
        } else {
          // A number alone in its field: were it read as text, the blanks at
          // its end would go with them.
          for (size_t i = 0; i <= r.testo.size(); ++i) {
            if (i != 0 && r.testo[i - 1] != ',') continue;
            size_t q = i;
            while (q < r.testo.size() && spazio(r.testo[q])) ++q;
            if (q < r.testo.size() && r.testo[q] == '-') ++q;
            size_t prima_cifra = q;
            while (q < r.testo.size() && r.testo[q] >= '0' && r.testo[q] <= '9') ++q;
            if (q > prima_cifra && (q == r.testo.size() || r.testo[q] == ',')) {
              ritocchi.push_back({q, q, spazi});
            }
          }
        }
        break;
      case modifica::solo_spazi:
        for (size_t i = 1; i + 1 < r.campi.size(); ++i) {
          const campo_riga& a = r.campi[i];
          const campo_riga& b = r.campi[i + 1];
          if (a.tipo == 'n' && b.tipo == 'n' && a.cifre && b.cifre && a.dopo == ',') {
            ritocchi.push_back({a.fine, b.inizio, " "});
          }
        }
        break;
      case modifica::zeri_tolti:
      case modifica::zeri_messi:
        for (size_t i = 1; i < r.campi.size(); ++i) {
          const campo_riga& c = r.campi[i];
          if (c.tipo != 'n' || r.campi[i - 1].dopo != ',') continue;
          std::string_view t = std::string_view(r.testo).substr(c.inizio, c.fine - c.inizio);
          if (mod == modifica::zeri_tolti && t == "0" && c.dopo != ' ') {
            ritocchi.push_back({c.inizio, c.fine, " "});
          }
          if (mod == modifica::zeri_messi && t.empty() && !nessun_campo(c)) {
            ritocchi.push_back({c.inizio, c.inizio, "0"});
          }
        }
        break;
      case modifica::maiuscole:
      case modifica::maiuscole_alterne: {
        bool alterne = mod == modifica::maiuscole_alterne;
        if (r.sezione == sezione_lettura::prima) {
          ritocchi.push_back({0, r.testo.size(), cambia_maiuscole(r.testo, alterne)});
          break;
        }
        const campo_riga& k = r.campi[0];
        std::string chiave = r.testo.substr(k.inizio, k.fine - k.inizio);
        std::string nuova = cambia_maiuscole(chiave, alterne);
        // Some keywords of the general section are told by their case.
        if (valori_dopo(nuova, file, r.sezione, curve_lette) !=
            valori_dopo(chiave, file, r.sezione, curve_lette)) {
          break;
        }
        ritocchi.push_back({k.inizio, k.fine, nuova});
        break;
      }
      default:
        break;
    }
    uscita += ritocca(r.testo, ritocchi);
    if (!ultima || fine_riga_finale) uscita += uniforme ? fine_riga : fini[n];
  }
  return uscita;
}

struct variante {
  const char* nome;
  std::vector<modifica> modifiche;
};

// Every variant, one change at a time, then several together.
inline const std::vector<variante>& varianti() {
  static const std::vector<variante> tutte = {
      {"LF line ends", {modifica::fine_riga_lf}},
      {"lone CR line ends", {modifica::fine_riga_cr}},
      {"CR LF line ends", {modifica::fine_riga_crlf}},
      {"line end after the last line added or taken away", {modifica::fine_riga_finale}},
      {"blanks before every field", {modifica::spazi_prima}},
      {"blanks after every number", {modifica::spazi_dopo}},
      {"blanks alone between numbers", {modifica::solo_spazi}},
      {"explicit zeros made empty", {modifica::zeri_tolti}},
      {"empty number fields made 0", {modifica::zeri_messi}},
      {"keywords in capitals", {modifica::maiuscole}},
      {"keywords in alternating case", {modifica::maiuscole_alterne}},
      {"all together, zeros made empty",
       {modifica::zeri_tolti, modifica::solo_spazi, modifica::maiuscole_alterne,
        modifica::spazi_dopo, modifica::spazi_prima, modifica::fine_riga_cr,
        modifica::fine_riga_finale}},
      {"all together, empty fields made 0",
       {modifica::zeri_messi, modifica::spazi_dopo, modifica::maiuscole, modifica::spazi_prima,
        modifica::fine_riga_lf}},
  };
  return tutte;
}

// The variant's changes made one after the other; nothing when none applies.
inline std::optional<std::string> applica(const std::string& testo, file_descrizione file,
                                          bool curve_lette, const variante& v) {
  std::string t = testo;
  bool cambiato = false;
  for (modifica mod : v.modifiche) {
    std::optional<std::string> nuovo = modifica_descrizione(t, file, curve_lette, mod);
    if (!nuovo) continue;
    cambiato = cambiato || *nuovo != t;
    t = std::move(*nuovo);
  }
  if (!cambiato) return std::nullopt;
  return t;
}

// What a compile leaves: the error with its position and the three compiled
// files, each empty when it was not written.
struct compilato {
  int32_t n_errore = 0;
  int32_t pos_errore = 0;
  std::string planimetria, elementi, celle;
  bool operator==(const compilato&) const = default;
};

// Compiles the pair as the run does, in memory and up to the bytes of the
// files it would write; `j` non-zero builds the track plan. Without the
// disk's syncs the fuzz target tries many more inputs in its time.
inline compilato compila_coppia(const std::string& linea, const std::string& treno, int32_t j) {
  auto m = std::make_unique<modello>();
  m->linea = "Prova";
  m->treno = "1";
  // On 1250 or 1251 no compiled file is written.
  const esito_percorso esito =
      compila_percorso(*m, {nome_descrizione_linea(m->linea), linea},
                       {nome_descrizione_treno(m->linea, m->treno), treno}, j);
  compilato c;
  c.n_errore = m->n_errore;
  c.pos_errore = m->pos_errore;
  if (esito.da_scrivere) {
    if (m->scrivi_planimetria != 0) c.planimetria = codifica_file_planimetria(*m);
    c.elementi = codifica_file_elementi(*m);
    c.celle = codifica_file_celle(*m);
  }
  return c;
}

}  // namespace scenario::prova
