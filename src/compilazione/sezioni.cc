#include "compilazione/sezioni.h"

#include <algorithm>
#include <span>
#include <vector>

#include "base/distanza_modifica.h"
#include "modello/numeri_errore.h"
#include "compilazione/parole_chiave.h"

namespace scenario {

namespace {

// A section header: bracketed. Headers are not rows.
bool fra_parentesi(std::string_view campo) { return contiene(campo, "[") && contiene(campo, "]"); }

// The header of a section other than the general one, as written by the
// generator: no misspelt "[generale]".
bool altra_sezione(std::string_view riga) {
  size_t fine = riga.find_last_not_of(" \t");
  riga = riga.substr(0, fine + 1);
  auto tra = [&](std::span<const std::string_view> sezioni) {
    for (std::string_view s : sezioni) {
      if (s != grammatica::sezione_generale && riga == s) return true;
    }
    return false;
  };
  return tra(grammatica::sezioni_linea) || tra(grammatica::sezioni_treno);
}

std::span<const std::string_view> sezioni_di(grammatica::formato formato) {
  if (formato == grammatica::formato::linea) return grammatica::sezioni_linea;
  return grammatica::sezioni_treno;
}

const char* descrizione_di(grammatica::formato formato) {
  return formato == grammatica::formato::linea ? "a line description" : "a train description";
}

// Of the row kinds that `ammessa` takes, the keyword that `campo` is likely a
// typo of, as an author writes it ("curvas / curvad" is two keywords), with
// its kind.
template <typename Ammessa>
std::optional<std::pair<std::string_view, const grammatica::voce*>> parola_vicina(
    std::string_view campo, Ammessa ammessa) {
  std::vector<std::string_view> nomi;
  std::vector<const grammatica::voce*> voci;
  for (const grammatica::voce* v : grammatica::tutte) {
    if (!ammessa(*v)) continue;
    std::string_view resto = v->nome;
    for (size_t barra = resto.find(" / "); barra != std::string_view::npos;
         barra = resto.find(" / ")) {
      nomi.push_back(resto.substr(0, barra));
      voci.push_back(v);
      resto.remove_prefix(barra + 3);
    }
    nomi.push_back(resto);
    voci.push_back(v);
  }
  const std::optional<size_t> i = piu_vicina(campo, nomi);
  if (!i) return std::nullopt;
  return std::pair{nomi[*i], voci[*i]};
}

// A header that begins its line and is none of its format's. Nothing is lost
// by it beyond the general section, whose headers the compilers do not look
// at, but an author who wrote it meant one.
void avvisa_se_intestazione_sconosciuta(lettore_campi& file, const std::string& campo,
                                        grammatica::formato formato) {
  const auto uguale = [&](std::string_view nome) {
    return campo.size() == nome.size() && contiene_senza_maiuscole(campo, nome);
  };
  const std::span<const std::string_view> proprie = sezioni_di(formato);
  if (std::any_of(proprie.begin(), proprie.end(), uguale)) return;
  std::string motivo = "'" + campo + "'";
  std::string suggerimento;
  const auto altro = formato == grammatica::formato::linea ? grammatica::formato::treno
                                                           : grammatica::formato::linea;
  const std::span<const std::string_view> altre = sezioni_di(altro);
  if (const std::optional<size_t> i = piu_vicina(campo, proprie)) {
    suggerimento = proprie[*i];
  } else if (std::any_of(altre.begin(), altre.end(), uguale)) {
    motivo += std::string(" belongs to ") + descrizione_di(altro);
  }
  file.avvisa(numero_avviso::intestazione_sconosciuta, file.inizio_campo(), motivo, suggerimento);
}

}  // namespace

bool intestazione(std::string_view campo) {
  size_t inizio = campo.find_first_not_of(' ');
  if (inizio != std::string_view::npos && campo[inizio] == '-') return false;
  return fra_parentesi(campo);
}

bool cerca_generale(lettore_campi& file) {
  std::optional<size_t> primo_ignorato;
  auto avvisa = [&](const char* dopo) {
    if (!primo_ignorato) return;
    file.avvisa(numero_avviso::prima_di_generale, *primo_ignorato,
                "from '" + file.testo_da(*primo_ignorato) + "'" + dopo);
  };
  while (!file.fine()) {
    std::string campo = file.leggi_testo();
    if (file.fine()) break;
    if (contiene_senza_maiuscole(campo, grammatica::sezione_generale)) {
      avvisa("");
      return true;
    }
    // A misspelt "[generale]" loses every row before the real one, or all.
    const std::string_view generale[] = {grammatica::sezione_generale};
    if (fra_parentesi(campo) && file.a_inizio_riga() && piu_vicina(campo, generale)) {
      file.avvisa(numero_avviso::intestazione_sconosciuta, file.inizio_campo(), "'" + campo + "'",
                  std::string(grammatica::sezione_generale));
    }
    if (!primo_ignorato && !campo.empty()) primo_ignorato = file.inizio_campo();
  }
  avvisa(" to the end: the file has no [generale] before its last field");
  return false;
}

std::optional<std::string> prossima_voce(lettore_campi& file, int trattini,
                                         bool fine_tra_trattini) {
  if (file.fine()) return std::nullopt;
  // The last field of a file is never examined: worth a word unless it is
  // the closing header or nothing.
  auto ultimo = [&](const std::string& campo) {
    if (!campo.empty() && !fra_parentesi(campo)) {
      file.avvisa(numero_avviso::ultimo_campo, file.inizio_campo(), "'" + campo + "'");
    }
    return std::nullopt;
  };
  std::string campo = file.leggi_testo();
  if (file.fine()) return ultimo(campo);
  for (int i = 0; i < trattini && contiene(campo, "-"); ++i) {
    file.avvisa(numero_avviso::campo_con_trattino, file.inizio_campo(), "'" + campo + "'");
    campo = file.leggi_testo();
    if (fine_tra_trattini && file.fine()) return ultimo(campo);
  }
  return campo;
}

void avvisa_se_sconosciuta(lettore_campi& file, const std::string& campo,
                           grammatica::formato formato, bool sezione_generale) {
  if (campo.empty() || !file.a_inizio_riga()) return;
  if (fra_parentesi(campo)) {
    avvisa_se_intestazione_sconosciuta(file, campo, formato);
    return;
  }
  std::string motivo = "'" + campo + "'";
  const auto generale = [](const grammatica::voce& v) {
    return v.sezione == grammatica::sezione_generale;
  };
  bool spiegata = false;
  for (const grammatica::voce* v : grammatica::tutte) {
    if (!grammatica::corrisponde_senza_maiuscole(*v, campo)) continue;
    if (v->formato_ != formato) {
      motivo += std::string(" belongs to ") + descrizione_di(v->formato_);
    } else if (formato == grammatica::formato::treno || generale(*v) == sezione_generale) {
      motivo += " has capitals where case counts: write '" + std::string(v->nome) + "'";
    } else {
      motivo += sezione_generale ? " is read only after the general section"
                                 : " is read only in the general section";
    }
    spiegata = true;
    break;
  }
  std::string suggerimento;
  if (!spiegata) {
    // A keyword of this place first; failing that, one of another place,
    // which the author must also move.
    const auto qui = [&](const grammatica::voce& v) {
      return v.formato_ == formato &&
             (formato == grammatica::formato::treno || generale(v) == sezione_generale);
    };
    if (auto vicina = parola_vicina(campo, qui)) {
      suggerimento = vicina->first;
    } else if (auto altrove = parola_vicina(campo, [](const grammatica::voce&) { return true; })) {
      suggerimento = altrove->first;
      const grammatica::voce& v = *altrove->second;
      if (v.formato_ != formato) {
        motivo += std::string(": the nearest keyword belongs to ") + descrizione_di(v.formato_);
      } else {
        motivo += sezione_generale ? ": the nearest keyword is read only after the general section"
                                   : ": the nearest keyword is read only in the general section";
      }
    }
  }
  file.avvisa(numero_avviso::parola_sconosciuta, file.inizio_campo(), motivo, suggerimento);
}

std::pair<luogo_sorgente, std::string> dove_manca_generale(const lettore_campi& file) {
  const std::string_view testo = file.contenuto();
  std::optional<size_t> primo_non_vuoto;
  size_t inizio = 0;
  while (inizio < testo.size()) {
    size_t fine = testo.find_first_of("\r\n", inizio);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string_view riga = testo.substr(inizio, fine - inizio);
    size_t primo = riga.find_first_not_of(" \t");
    if (primo != std::string_view::npos) {
      if (!primo_non_vuoto) primo_non_vuoto = inizio + primo;
      if ((riga[primo] == '[' && contiene(riga, "]") && !altra_sezione(riga.substr(primo))) ||
          contiene_senza_maiuscole(riga, "general")) {
        // The header itself, as the last field of the file, is never examined.
        if (contiene_senza_maiuscole(riga, grammatica::sezione_generale)) {
          return {file.luogo(inizio + primo),
                  "nothing follows it: the last field of a file is "
                  "never examined"};
        }
        return {file.luogo(inizio + primo), "'" + file.testo_da(inizio + primo) + "' is not '" +
                                                std::string(grammatica::sezione_generale) + "'"};
      }
    }
    inizio = fine + 1;
  }
  if (primo_non_vuoto) {
    return {file.luogo(*primo_non_vuoto),
            "the file begins without a line '" + std::string(grammatica::sezione_generale) + "'"};
  }
  return {file.luogo_file(), "the file holds no field"};
}

}  // namespace scenario
