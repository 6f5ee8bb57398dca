#include "compilazione/memorizza_dati.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>

#include "modello/numeri_errore.h"
#include "compilazione/compilatore_linea.h"
#include "compilazione/compilatore_treno.h"
#include "compilazione/lettore_campi.h"
#include "compilazione/sezioni.h"
#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

// Inside the failure handler a file that will not go is left where it is.
void cancella_se_esiste(const std::filesystem::path& percorso, const opzioni_compilazione& o) {
  if (!o.cancella_descrizioni) return;
  std::error_code ignorato;
  std::filesystem::remove(percorso, ignorato);
}

void intesta(modello& m) {
  m.elementi[elemento_testata_percorso].testo = m.linea;
  m.elementi[elemento_testata_treno].testo = m.treno;
}

// A failure that did not know its place gets the field that `file` read last.
template <typename F>
auto con_luogo(const lettore_campi& file, F passo) {
  try {
    return passo();
  } catch (errore_esecuzione& e) {
    if (e.luogo.vuoto()) e.luogo = file.luogo_campo();
    throw;
  }
}

// The two halves, the train description opened only when the line half lets
// the train half run; `linea_letta` and `treno_letto` run once each file's
// rows are read.
void compila_meta(modello& m, lettore_campi linea, const std::function<lettore_campi()>& treno,
                  const opzioni_compilazione& opzioni, const std::function<void()>& linea_letta,
                  const std::function<void()>& treno_letto, origini_celle* origini) {
  // Without a caller's origins the compile keeps its own, for the notes of
  // its errors.
  origini_celle proprie;
  if (origini == nullptr) origini = &proprie;
  luoghi_progressive progressive;
  if (!con_luogo(linea, [&] {
        return compila_linea(m, linea, opzioni, linea_letta, &progressive, origini);
      })) {
    return;
  }
  lettore_campi file_treno = treno();
  con_luogo(file_treno,
            [&] { compila_treno(m, file_treno, treno_letto, progressive, origini); });
}

// The first byte that no text file holds: a C0 control other than a tab and
// the line ends.
std::optional<size_t> byte_non_di_testo(std::string_view testo) {
  for (size_t i = 0; i < testo.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(testo[i]);
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return i;
  }
  return std::nullopt;
}

// Records an error for each description that is no description; false when
// there was one.
bool sono_descrizioni(modello& m, const descrizione& linea, const descrizione& treno) {
  bool buone = true;
  for (const descrizione* d : {&linea, &treno}) {
    if (std::optional<size_t> i = byte_non_di_testo(d->testo)) {
      char codice[8];
      std::snprintf(codice, sizeof codice, "0x%02X", static_cast<unsigned char>(d->testo[*i]));
      registra_errore(m, numero_errore::byte_non_di_testo, std::nullopt,
                      lettore_campi(d->testo, d->nome).luogo(*i), std::string("byte ") + codice);
      buone = false;
    }
  }
  if (!buone) return false;
  lettore_campi file_treno(treno.testo, treno.nome);
  if (!cerca_generale(file_treno)) {
    auto [luogo, motivo] = dove_manca_generale(file_treno);
    registra_errore(m, numero_errore::generale_treno_mancante, std::nullopt, std::move(luogo),
                    std::move(motivo));
    // Looked for again with its warnings, which say where the ignored fields
    // begin and which header was probably meant as [generale].
    lettore_campi di_nuovo(treno.testo, treno.nome);
    di_nuovo.avvisa_in(registro_di(m));
    cerca_generale(di_nuovo);
    return false;
  }
  // The one row that every line description has, and no train description.
  try {
    while (std::optional<std::string> campo = prossima_voce(file_treno, trattini_elementi)) {
      if (file_treno.a_inizio_riga() &&
          grammatica::corrisponde(grammatica::lunghezza_percorso, *campo)) {
        registra_errore(m, numero_errore::linea_come_treno, std::nullopt, file_treno.luogo_campo());
        return false;
      }
    }
  } catch (const errore_esecuzione&) {
    // The compile meets the same failure and records it in its place.
  }
  return true;
}

void registra_fallimento(modello& m, const errore_esecuzione& e) {
  registra_errore(m, numero_errore::errore_esecuzione, std::nullopt, e.luogo, e.what());
}

}  // namespace

void cancella_descrizione(const std::filesystem::path& percorso,
                          const opzioni_compilazione& opzioni) {
  if (!opzioni.cancella_descrizioni) return;
  std::error_code errore;
  std::filesystem::remove(percorso, errore);
  if (errore) {
    throw errore_esecuzione("cannot delete " + percorso.string() + ": " + errore.message(),
                            luogo_sorgente{percorso.string()});
  }
}

void compila_descrizioni(modello& m, const descrizione& linea, const descrizione& treno,
                         const opzioni_compilazione& opzioni, origini_celle* origini) {
  intesta(m);
  if (opzioni.rifiuta_non_descrizioni && !sono_descrizioni(m, linea, treno)) return;
  try {
    compila_meta(
        m, lettore_campi(linea.testo, linea.nome),
        [&] { return lettore_campi(treno.testo, treno.nome); }, opzioni, {}, {}, origini);
  } catch (const errore_esecuzione& e) {
    registra_fallimento(m, e);
  }
}

void memorizza_dati(modello& m, const std::filesystem::path& file_linea,
                    const std::filesystem::path& file_treno, const opzioni_compilazione& opzioni,
                    origini_celle* origini) {
  intesta(m);
  // Nothing sized by an earlier compile survives a file that is missing or
  // cannot be read, as none survives the line half.
  svuota_griglia(m);
  try {
    std::error_code errore;
    bool esiste = std::filesystem::exists(file_linea, errore);
    if (errore) {
      throw errore_esecuzione("cannot read " + file_linea.string() + ": " + errore.message(),
                              luogo_sorgente{file_linea.string()});
    }
    if (!esiste) {
      registra_errore(m, numero_errore::file_linea_mancante, std::nullopt,
                      luogo_sorgente{file_linea.string()});
      return;
    }
    compila_meta(
        m, lettore_campi::da_file(file_linea), [&] { return lettore_campi::da_file(file_treno); },
        opzioni, [&] { cancella_descrizione(file_linea, opzioni); },
        [&] { cancella_descrizione(file_treno, opzioni); }, origini);
  } catch (const errore_esecuzione& e) {
    cancella_se_esiste(file_linea, opzioni);
    cancella_se_esiste(file_treno, opzioni);
    registra_fallimento(m, e);
  }
}

}  // namespace scenario
