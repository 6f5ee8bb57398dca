#include "compilazione/riferimento_grammatica.h"

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

std::string valori(const campo& c) {
  if (!c.valori) return {};
  return std::to_string(c.valori->minimo) + " to " + std::to_string(c.valori->massimo);
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

}  // namespace scenario::grammatica
