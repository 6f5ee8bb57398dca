#include "compilazione/compilatore_linea.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "modello/numeri_errore.h"
#include "compilazione/elementi_linea.h"
#include "compilazione/grammatica.h"
#include "compilazione/lavoro_linea.h"
#include "compilazione/ordine_righe.h"
#include "compilazione/parole_chiave.h"
#include "compilazione/planimetria.h"
#include "compilazione/progressive.h"
#include "compilazione/sezioni.h"
#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

static_assert(grammatica::campi_lunghezza[0].valori->massimo == lunghezza_massima_percorso);

enum class esito_elementi { prosegui, fine_file, oltre_la_griglia, fermata };

class compilazione_linea {
 public:
  compilazione_linea(modello& m, lettore_campi& file, const opzioni_compilazione& opzioni,
                     const std::function<void()>& letta, origini_celle* origini)
      : m_(m), file_(file), opzioni_(opzioni), letta_(letta), origini_(origini) {}

  // Returns false after an error that ends the compile.
  bool cerca_generale() {
    if (scenario::cerca_generale(file_)) return true;
    auto [luogo, motivo] = dove_manca_generale(file_);
    chiudi();
    registra_errore(m_, numero_errore::generale_mancante, std::nullopt, std::move(luogo),
                    std::move(motivo));
    return false;
  }

  bool sezione_generale() {
    auto riga = [&](const std::string& campo, const campo_letto& voce,
                    bool& riconosciuta) -> std::optional<esito_elementi> {
      voce_ = voce;
      if (!valori_generali(campo, riconosciuta)) return esito_elementi::fermata;
      return std::nullopt;
    };
    return !leggi_righe(m_, file_, grammatica::formato::linea, true, riga);
  }

  esito_elementi sezioni_elementi(lavoro_linea& w) {
    auto riga = [&](const std::string& campo, const campo_letto& voce,
                    bool& riconosciuta) -> std::optional<esito_elementi> {
      voce_ = voce;
      esito_elementi esito = esamina_voce(campo, w, riconosciuta);
      if (esito == esito_elementi::prosegui) return std::nullopt;
      return esito;
    };
    return leggi_righe(m_, file_, grammatica::formato::linea, false, riga)
        .value_or(esito_elementi::fine_file);
  }

  // The start and chainage fields of the rows read into records 81 to 83.
  const std::array<std::array<campo_letto, 2>, 3>& campi_progressive() const {
    return campi_progressive_;
  }

  // The reading of the file is over, whichever way: the caller's step (the
  // deletion of a description file) runs once, before anything is recorded.
  void chiudi() {
    if (chiusa_) return;
    chiusa_ = true;
    if (letta_) letta_();
  }

 private:
  bool ferma(int32_t numero, std::optional<int32_t> posizione, luogo_sorgente luogo) {
    chiudi();
    registra_errore(m_, numero, posizione, std::move(luogo));
    return false;
  }

  bool ferma(int32_t numero, const campo_letto& campo) {
    return ferma(numero, std::nullopt, campo.luogo());
  }

  // Every test of the general section looks at the same keyword; each that
  // matches reads its own values. Returns false after an error that ends
  // the compile.
  bool valori_generali(const std::string& campo, bool& riconosciuta) {
    auto prova = [&](const grammatica::voce& v) {
      if (!grammatica::corrisponde(v, campo)) return false;
      riconosciuta = true;
      file_.inizia_riga(v);
      return true;
    };
    if (prova(grammatica::lunghezza_percorso)) {
      campo_letto campo_lunghezza;
      int32_t lunghezza = leggi_i32(file_, campo_lunghezza);
      m_.elementi[elemento_linea].fine = lunghezza;
      // A negative length would size the grid and the plan below their
      // first cells; it is refused like one that is too long.
      const grammatica::intervallo ammessa = grammatica::valori_di(grammatica::campi_lunghezza[0]);
      int64_t massima = std::min<int64_t>(opzioni_.lunghezza_massima, ammessa.massimo);
      if (lunghezza > massima || lunghezza < ammessa.minimo) {
        return ferma(numero_errore::lunghezza_eccessiva, campo_lunghezza);
      }
      dimensiona(m_, lunghezza);
    }
    if (prova(grammatica::progressiva_tre)) {
      leggi_progressiva(elemento_progressiva_tre);
    }
    if (prova(grammatica::progressiva_due)) {
      leggi_progressiva(elemento_progressiva_due);
    }
    if (prova(grammatica::progressiva_uno)) {
      leggi_progressiva(elemento_progressiva_uno);
    }
    elemento& sfondo = m_.elementi[elemento_testata_percorso];
    if (prova(grammatica::sfondo_uno)) sfondo.inizio = file_.leggi_i32();
    if (prova(grammatica::sfondo_due)) sfondo.posizione = file_.leggi_i32();
    if (prova(grammatica::sfondo_tre)) sfondo.fine = file_.leggi_i32();
    if (prova(grammatica::ripetizione_segnali)) {
      return ripetizione_segnali(campo);
    }
    return true;
  }

  void leggi_progressiva(int record) {
    elemento& e = m_.elementi[static_cast<size_t>(record)];
    auto& campi = campi_progressive_[static_cast<size_t>(record - elemento_progressiva_tre)];
    e.inizio = leggi_i32(file_, campi[0]);
    e.fine = leggi_i32(file_, campi[1]);
    e.posizione = file_.leggi_i32();
  }

  // The zone with signals repeated in the cab, and its code count.
  bool ripetizione_segnali(const std::string& campo) {
    elemento& zona = m_.elementi[elemento_testata_treno];
    campo_letto campo_inizio, campo_fine;
    zona.inizio = leggi_i32(file_, campo_inizio);
    zona.fine = leggi_i32(file_, campo_fine);
    if (zona.inizio % 50 != 0) {
      return ferma(numero_errore::ripetizione_inizio_non_multiplo, campo_inizio);
    }
    if (zona.fine % 50 != 0) return ferma(numero_errore::ripetizione_fine_non_multipla, campo_fine);
    if (contiene(campo, "4")) {
      zona.posizione = 4;
    } else if (contiene(campo, "9")) {
      zona.posizione = 9;
    } else {
      return ferma(numero_errore::ripetizione_senza_codici, voce_);
    }
    if (zona.fine == 0) zona.posizione = 0;
    return true;
  }

  // A row at `p` lies beyond the grid when (p + 100) / 50 exceeds the last
  // cell. A board before the first cell lies outside it as well.
  bool fuori_griglia(int32_t p, const campo_letto& campo, bool cartello = false) {
    bool oltre = m_.n_celle < (static_cast<double>(p) + 100) / 50;
    if (cartello && cella_cartello(p) < 0) oltre = true;
    if (oltre) registra_errore(m_, numero_errore::oltre_la_griglia, p, campo.luogo());
    return oltre;
  }

  // A placing step refused the row, recording its own error.
  esito_elementi ferma_elementi() {
    chiudi();
    return esito_elementi::fermata;
  }

  // Every test of the item sections looks at the same keyword; each that
  // matches reads its own values.
  esito_elementi esamina_voce(const std::string& campo, lavoro_linea& w, bool& riconosciuta) {
    auto prova = [&](const grammatica::voce& v, bool letta = true) {
      if (!grammatica::corrisponde(v, campo)) return false;
      riconosciuta = true;
      if (letta) file_.inizia_riga(v);
      return letta;
    };
    const luoghi_riga riga{&file_};
    campo_letto primo;
    if (prova(grammatica::pendenza)) {
      int32_t p = leggi_i32(file_, primo);
      int32_t g = file_.leggi_i32();
      if (fuori_griglia(p, primo)) return esito_elementi::oltre_la_griglia;
      // The grid keeps gradient + 100 in one byte.
      const grammatica::intervallo ammessa = grammatica::valori_di(grammatica::campi_pendenza[1]);
      if ((g < ammessa.minimo || g > ammessa.massimo) && !file_.valori_fuori_posto()) {
        registra_avviso(
            m_, numero_avviso::valore_troncato, riga.campo(1).luogo(),
            "gradient " + std::to_string(g) + " outside " + std::to_string(ammessa.minimo) +
                " to " + std::to_string(ammessa.massimo) + " reads as " +
                std::to_string(static_cast<uint8_t>(static_cast<uint32_t>(g) + 100u) - 100));
      }
      ordine_pendenze_.controlla(m_, p, primo);
      memo_pendenza(m_, w, p, g, riga);
    }
    // Without the plan a curve row is not read: its numbers come back as
    // fields that match nothing.
    if (prova(grammatica::curva, m_.scrivi_planimetria != 0)) {
      int32_t s = leggi_i32(file_, primo);
      campo_letto campo_l;
      int32_t l = leggi_i32(file_, campo_l);
      if (fuori_griglia(s, primo)) return esito_elementi::oltre_la_griglia;
      ordine_curve_.controlla(m_, s, primo);
      if (!memo_curva(m_, w.metro, s, l, campo, voce_, campo_l)) return ferma_elementi();
    }
    if (prova(grammatica::montagna)) {
      int32_t inizio = leggi_i32(file_, primo);
      int32_t fine = file_.leggi_i32();
      int32_t tipo = file_.leggi_i32();
      if (fuori_griglia(inizio, primo)) return esito_elementi::oltre_la_griglia;
      ordine_gallerie_.controlla(m_, inizio, primo);
      if (!memo_montagna(m_, inizio, fine, tipo, riga)) return ferma_elementi();
    }
    if (prova(grammatica::indicatori_v_max)) {
      int32_t posizione = leggi_i32(file_, primo);
      int32_t vas = file_.leggi_i32();
      int32_t vbs = file_.leggi_i32();
      int32_t vcs = file_.leggi_i32();
      int16_t strisces = file_.leggi_i16();
      int32_t vad = file_.leggi_i32();
      int32_t vbd = file_.leggi_i32();
      int32_t vcd = file_.leggi_i32();
      int16_t strisced = file_.leggi_i16();
      if (fuori_griglia(posizione, primo, true)) return esito_elementi::oltre_la_griglia;
      if (!memo_indicatori_v_max(m_, posizione, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced,
                                 riga, origini_)) {
        return ferma_elementi();
      }
    }
    if (prova(grammatica::cartello_indicatore)) {
      int32_t p = leggi_i32(file_, primo);
      std::string testo = file_.leggi_testo();
      if (fuori_griglia(p, primo, true)) return esito_elementi::oltre_la_griglia;
      if (!memo_cartello_indicatore(m_, w, p, testo, riga, origini_)) return ferma_elementi();
    }
    return esito_elementi::prosegui;
  }

  modello& m_;
  lettore_campi& file_;
  const opzioni_compilazione& opzioni_;
  const std::function<void()>& letta_;
  origini_celle* origini_;
  bool chiusa_ = false;
  campo_letto voce_;  // the keyword field of the row being examined
  std::array<std::array<campo_letto, 2>, 3> campi_progressive_{};
  ordine_righe ordine_pendenze_{"gradient row"};
  ordine_righe ordine_curve_{"curve"};
  ordine_righe ordine_gallerie_{"tunnel"};
};

// The places of the sorted progressives. The sort either clears all three
// or puts the rows in other records, each whole, its chainage raised by 100
// by the flag: each record is matched to the row it came from.
luoghi_progressive luoghi_dopo_ordine(const modello& m, const std::array<elemento, 3>& letti,
                                      const std::array<std::array<campo_letto, 2>, 3>& campi,
                                      const luogo_sorgente& file) {
  luoghi_progressive luoghi;
  std::array<bool, 3> usato{};
  for (size_t i = 0; i < luoghi.size(); ++i) {
    luoghi[i] = file;
    const elemento& e = m.elementi[static_cast<size_t>(elemento_progressiva_tre) + i];
    if (e.inizio % 50 == 0 && e.fine % 50 == 0) continue;
    for (size_t j = 0; j < letti.size(); ++j) {
      const elemento& l = letti[j];
      int64_t fine = int64_t{l.fine} + (l.posizione == 1 ? 100 : 0);
      if (usato[j] || l.inizio != e.inizio || l.posizione != e.posizione || fine != e.fine) {
        continue;
      }
      usato[j] = true;
      const campo_letto& campo = e.inizio % 50 != 0 ? campi[j][0] : campi[j][1];
      // A record that no row filled holds zeros, which are multiples of 50.
      if (campo.file != nullptr) luoghi[i] = campo.luogo();
      break;
    }
  }
  return luoghi;
}

}  // namespace

namespace {

bool compila_righe_linea(modello& m, lettore_campi& file, const opzioni_compilazione& opzioni,
                         const std::function<void()>& letta, luoghi_progressive* progressive,
                         origini_celle* origini) {
  // Nothing sized by an earlier compile survives: a file without a length
  // row leaves the grid and the plan unsized, and their first use fails.
  svuota_griglia(m);
  if (origini != nullptr) origini->azzera();
  m.primo_testo_cartello = primo_elemento_testo + 1;

  file.avvisa_in(registro_di(m));
  file.avvisa_se_utf8();
  compilazione_linea c(m, file, opzioni, letta, origini);
  if (!c.cerca_generale()) return false;
  if (!c.sezione_generale()) return false;
  // Every step after this one sizes nothing: without a length there is no
  // grid for them, whatever rows follow.
  if (!m.griglia_dimensionata()) {
    throw errore_esecuzione("no 'lunghezza percorso' row in the general section",
                            file.luogo_file());
  }

  bool scritte = false;
  for (int r : {elemento_progressiva_tre, elemento_progressiva_due, elemento_progressiva_uno}) {
    const elemento& e = m.elementi[static_cast<size_t>(r)];
    scritte = scritte || e.inizio != 0 || e.fine != 0 || e.posizione != 0;
  }
  std::array<elemento, 3> letti;
  for (size_t i = 0; i < letti.size(); ++i) {
    letti[i] = m.elementi[static_cast<size_t>(elemento_progressiva_tre) + i];
  }
  bool azzerate = false;
  try {
    azzerate = progressive_ordina(m);
  } catch (errore_esecuzione& e) {
    // The rows are sorted by now: the file as a whole is at fault.
    e.luogo = file.luogo_file();
    throw;
  }
  if (progressive != nullptr) {
    *progressive = luoghi_dopo_ordine(m, letti, c.campi_progressive(), file.luogo_file());
  }
  if (azzerate && scritte) {
    registra_avviso(m, numero_avviso::progressive_azzerate, file.luogo_file(),
                    "two of them share the greatest start, or their starts add up to 0 and no "
                    "chainage is above 0");
  }
  m.n_gallerie = 0;
  lavoro_linea w;
  if (m.scrivi_planimetria != 0) semina_planimetria(m);

  esito_elementi esito = c.sezioni_elementi(w);
  w.pendenze_oltre.chiudi(m);
  m.primo_testo_cartello = w.indice_testo + 1;
  if (esito == esito_elementi::fermata) return false;

  c.chiudi();
  coda_pendenze(m, w);
  if (m.scrivi_planimetria != 0) coda_planimetria(m, w.metro);
  return true;
}

}  // namespace

bool compila_linea(modello& m, lettore_campi& file, const opzioni_compilazione& opzioni,
                   const std::function<void()>& letta, luoghi_progressive* progressive,
                   origini_celle* origini) {
  bool prosegue = false;
  try {
    prosegue = compila_righe_linea(m, file, opzioni, letta, progressive, origini);
  } catch (...) {
    if (origini != nullptr) origini->fissa_luoghi();
    throw;
  }
  if (origini != nullptr) origini->fissa_luoghi();
  return prosegue;
}

}  // namespace scenario
