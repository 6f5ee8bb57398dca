#include "disegno/disegna.h"

#include <charconv>

#include "base/errore_file.h"
#include "base/scrittore_file.h"
#include "base/sistema_file.h"
#include "disegno/marca_svg.h"
#include "disegno/oggetti_linea.h"
#include "disegno/pianta.h"
#include "disegno/profilo.h"
#include "disegno/superfici.h"

namespace scenario {

namespace {

std::string disegna_file(const std::vector<disegno_pagina>& pagine, const opzioni_disegno& o) {
  std::string byte = disegna_pagine(pagine, o.formato, o.larghezza_png);
  return o.formato == formato_disegno::svg ? marca_generi(byte) : byte;
}

std::string estensione_di(formato_disegno formato) {
  return formato == formato_disegno::svg ? ".svg" : ".png";
}

}  // namespace

std::vector<std::string> nomi_disegni(const modello& m, const std::string& base,
                                      formato_disegno formato) {
  if (formato == formato_disegno::pdf) return {base + ".pdf"};
  const std::string estensione = estensione_di(formato);
  std::vector<std::string> nomi{base + "_pianta" + estensione, base + "_profilo" + estensione};
  for (int k = 2; k <= pagine_profilo(m); ++k) {
    nomi.push_back(base + "_profilo_" + std::to_string(k) + estensione);
  }
  return nomi;
}

std::vector<std::filesystem::path> disegna(const modello& m, const std::filesystem::path& cartella,
                                           const std::string& base,
                                           const opzioni_disegno& opzioni) {
  oggetti_linea o = oggetti_di(m);
  std::vector<disegno_pagina> pagine;
  pagine.push_back([&](cairo_t* cr) { disegna_pianta(cr, m, o); });
  int n = pagine_profilo(m);
  int32_t per_pagina = metri_pagina_profilo(m);
  for (int k = 0; k < n; ++k) {
    int32_t da = k * per_pagina;
    int32_t a = std::min(da + per_pagina, std::max(o.lunghezza, 1));
    pagine.push_back([&, da, a, k](cairo_t* cr) { disegna_profilo(cr, m, o, da, a, k, n); });
  }
  const std::vector<std::string> nomi = nomi_disegni(m, base, opzioni.formato);
  std::vector<std::filesystem::path> scritti;
  if (opzioni.formato == formato_disegno::pdf) {
    scritti.push_back(cartella / nomi[0]);
    sostituisci_file(scritti.back(), disegna_file(pagine, opzioni));
    return scritti;
  }
  for (size_t k = 0; k < pagine.size(); ++k) {
    scritti.push_back(cartella / nomi[k]);
    sostituisci_file(scritti.back(), disegna_file({pagine[k]}, opzioni));
  }
  return scritti;
}

void rimuovi_pagine_in_piu(const modello& m, const std::filesystem::path& cartella,
                           const std::string& base, formato_disegno formato) {
  const std::string estensione = estensione_di(formato);
  const int pagine = pagine_profilo(m);
  const std::string inizio = base + "_profilo_";
  std::error_code e;
  std::filesystem::directory_iterator voce(cartella, e);
  for (; !e && voce != std::filesystem::directory_iterator(); voce.increment(e)) {
    const std::string nome = voce->path().filename().string();
    if (nome.size() <= inizio.size() + estensione.size() || !nome.starts_with(inizio) ||
        !nome.ends_with(estensione)) {
      continue;
    }
    const std::string cifre =
        nome.substr(inizio.size(), nome.size() - inizio.size() - estensione.size());
    int pagina = 0;
    std::error_code ignorato;
    if (cifre.front() == '0' || cifre.find_first_not_of("0123456789") != std::string::npos ||
        std::from_chars(cifre.data(), cifre.data() + cifre.size(), pagina).ec != std::errc() ||
        pagina <= pagine || voce->is_directory(ignorato)) {
      continue;
    }
    if (std::error_code c = sistema_file_corrente().cancella(voce->path());
        c && c != std::errc::no_such_file_or_directory) {
      throw errore_file(voce->path(), c.message());
    }
  }
  if (e) throw errore_file(cartella, e.message());
}

}  // namespace scenario
