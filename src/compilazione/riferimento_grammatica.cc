#include "compilazione/riferimento_grammatica.h"

#include "base/testo_windows_1252.h"

namespace scenario::grammatica {

namespace {

// A table cell holds no bar of its own.
std::string cella(std::string_view testo) {
  std::string uscita;
  for (char c : testo) {
    if (c == '|') uscita += '\\';
    uscita += c;
  }
  return uscita;
}

// An 8-bit or 16-bit field refuses what its width does not hold (error 25),
// so its range is worth saying even where the table gives none; a 32-bit
// one's would only repeat the reading rules.
std::string valori(const campo& c) {
  if (!c.valori && c.tipo != larghezza::u8 && c.tipo != larghezza::i16) return {};
  intervallo v = valori_di(c);
  return std::to_string(v.minimo) + " to " + std::to_string(v.massimo);
}

bool uguali_senza_maiuscole(std::string_view a, std::string_view b) {
  return minuscolo(a) == minuscolo(b);
}

// Whether `parola` is one of the words of the name `nome` ("progressiva" of
// "progressiva chilometrica tre", "vmax" of "indicatori_vmax").
bool parola_del_nome(std::string_view nome, std::string_view parola) {
  size_t inizio = 0;
  while (inizio <= nome.size()) {
    size_t fine = nome.find_first_of(" _/", inizio);
    if (fine == std::string_view::npos) fine = nome.size();
    if (uguali_senza_maiuscole(nome.substr(inizio, fine - inizio), parola)) return true;
    inizio = fine + 1;
  }
  return false;
}

}  // namespace

std::string riferimento_voce(const voce& v) {
  std::string t = "### `" + std::string(v.nome) + "`\n\nSection `" + std::string(v.sezione) + "`; ";
  std::string parole;
  size_t quante = 0;
  for (std::string_view parola : v.parole) {
    if (parola.empty()) continue;
    parole += (quante++ == 0 ? "`" : ", `") + std::string(parola) + "`";
  }
  t += (quante == 1 ? "word " : "words ") + parole;
  t += v.maiuscole_contano ? ", case counts." : ", case ignored.";
  if (!v.nota.empty()) t += " " + std::string(v.nota);
  t += "\n\n| field | unit | width | values | meaning |\n|---|---|---|---|---|\n";
  for (const campo& c : v.campi) {
    for (const std::string& testo :
         {"`" + cella(c.nome) + "`", cella(c.unita), std::string(nome_larghezza(c.tipo)), valori(c),
          cella(c.significato)}) {
      t += testo.empty() ? "| " : "| " + testo + " ";
    }
    t += "|\n";
  }
  t += "\n    " + std::string(v.esempio) + "\n";
  return t;
}

std::string riferimento_formato(formato f) {
  std::span<const std::string_view> sezioni =
      f == formato::linea ? std::span<const std::string_view>(sezioni_linea) : sezioni_treno;
  std::string t = "Sections, in order: ";
  for (size_t i = 0; i < sezioni.size(); ++i) {
    t += (i == 0 ? "`" : ", `") + std::string(sezioni[i]) + "`";
  }
  t += ".\n";
  for (const voce* v : tutte) {
    if (v->formato_ == f) t += "\n" + riferimento_voce(*v);
  }
  return t;
}

std::vector<const voce*> voci_nominate(std::string_view parola) {
  std::vector<const voce*> nominate;
  auto scegli = [&](auto nomina) {
    for (const voce* v : tutte) {
      if (nomina(*v)) nominate.push_back(v);
    }
    return !nominate.empty();
  };
  if (parola.empty()) return nominate;
  if (scegli([&](const voce& v) { return uguali_senza_maiuscole(v.nome, parola); }))
    return nominate;
  if (scegli([&](const voce& v) {
        return corrisponde_senza_maiuscole(v, parola) || parola_del_nome(v.nome, parola);
      })) {
    return nominate;
  }
  scegli([&](const voce& v) { return uguali_senza_maiuscole(v.sezione, parola); });
  return nominate;
}

}  // namespace scenario::grammatica
