#include "disegno/disegna.h"

#include <algorithm>
#include <stdexcept>

#include "base/errore_file.h"
#include "base/scrittore_file.h"
#include "base/sistema_file.h"
#include "disegno/oggetti_linea.h"
#include "disegno/pianta.h"
#include "disegno/profilo.h"
#include "disegno/tela_svg.h"
#ifdef DISEGNO_CON_CAIRO
#include "disegno/tela_cairo.h"
#endif

namespace scenario {

namespace {

std::string estensione_di(formato_disegno formato) {
  return formato == formato_disegno::svg ? ".svg" : ".png";
}

}  // namespace

bool formato_disponibile(formato_disegno formato) {
#ifdef DISEGNO_CON_CAIRO
  (void)formato;
  return true;
#else
  return formato == formato_disegno::svg;
#endif
}

std::vector<std::string> nomi_disegni(const modello& m, const std::string& base,
                                      formato_disegno formato) {
  if (formato == formato_disegno::pdf) return {base + ".pdf"};
  const std::string estensione = estensione_di(formato);
  std::vector<std::string> nomi{base + "_pianta" + estensione};
  const int pagine = pagine_profilo(m);
  if (pagine == 1) {
    nomi.push_back(base + "_profilo" + estensione);
    return nomi;
  }
  // Numbers of one width, so that the pages sort by name in their order.
  const size_t cifre = std::to_string(pagine).size();
  for (int k = 1; k <= pagine; ++k) {
    const std::string numero = std::to_string(k);
    nomi.push_back(base + "_profilo_" + std::string(cifre - numero.size(), '0') + numero +
                   estensione);
  }
  return nomi;
}

std::vector<pagina_disegno> pagine_disegno(const modello& m, const oggetti_linea& o) {
  std::vector<pagina_disegno> pagine{pagina_pianta(m, o)};
  const int n = pagine_profilo(m);
  const int32_t per_pagina = metri_pagina_profilo(m);
  for (int k = 0; k < n; ++k) {
    int32_t da = k * per_pagina;
    int32_t a = std::min(da + per_pagina, std::max(o.lunghezza, 1));
    pagine.push_back(pagina_profilo(m, o, da, a, k, n));
  }
  return pagine;
}

std::vector<std::filesystem::path> disegna(const modello& m, const std::filesystem::path& cartella,
                                           const std::string& base,
                                           const opzioni_disegno& opzioni) {
  if (!formato_disponibile(opzioni.formato)) {
    throw std::logic_error("this build does not draw the format asked for");
  }
  const oggetti_linea o = oggetti_di(m);
  const std::vector<pagina_disegno> pagine = pagine_disegno(m, o);
  const std::vector<std::string> nomi = nomi_disegni(m, base, opzioni.formato);
  std::vector<std::filesystem::path> scritti;
#ifdef DISEGNO_CON_CAIRO
  if (opzioni.formato == formato_disegno::pdf) {
    const std::string percorso = m.elementi[elemento_testata_percorso].testo;
    const std::string treno = m.elementi[elemento_testata_treno].testo;
    scritti.push_back(cartella / nomi[0]);
    sostituisci_file(scritti.back(),
                     pdf_delle_pagine(pagine, {percorso + " — treno " + treno,
                                               "Planimetria e profilo della linea " + percorso +
                                                   " per il treno " + treno}));
    return scritti;
  }
#endif
  for (size_t k = 0; k < pagine.size(); ++k) {
    scritti.push_back(cartella / nomi[k]);
#ifdef DISEGNO_CON_CAIRO
    if (opzioni.formato == formato_disegno::png) {
      sostituisci_file(scritti.back(), png_della_pagina(pagine[k], opzioni.larghezza_png));
      continue;
    }
#endif
    sostituisci_file(scritti.back(), svg_della_pagina(pagine[k]));
  }
  return scritti;
}

void rimuovi_pagine_in_piu(const modello& m, const std::filesystem::path& cartella,
                           const std::string& base, formato_disegno formato) {
  const std::string estensione = estensione_di(formato);
  const std::vector<std::string> scritti = nomi_disegni(m, base, formato);
  const std::string inizio = base + "_profilo";
  // A profile page of any drawing of this name: "_profilo", or "_profilo_"
  // and a number of any width.
  const auto pagina = [&](const std::string& nome) {
    if (!nome.starts_with(inizio) || !nome.ends_with(estensione)) return false;
    const std::string resto =
        nome.substr(inizio.size(), nome.size() - inizio.size() - estensione.size());
    return resto.empty() || (resto.size() > 1 && resto[0] == '_' &&
                             resto.find_first_not_of("0123456789", 1) == std::string::npos);
  };
  std::error_code e;
  std::filesystem::directory_iterator voce(cartella, e);
  for (; !e && voce != std::filesystem::directory_iterator(); voce.increment(e)) {
    const std::string nome = voce->path().filename().string();
    std::error_code ignorato;
    if (!pagina(nome) || std::find(scritti.begin(), scritti.end(), nome) != scritti.end() ||
        voce->is_directory(ignorato)) {
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
