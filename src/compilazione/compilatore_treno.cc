#include "compilazione/compilatore_treno.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "modello/numeri_errore.h"
#include "compilazione/avviso_ripetuto.h"
#include "compilazione/grammatica.h"
#include "compilazione/ordine_righe.h"
#include "compilazione/segnali_rallentamenti.h"
#include "compilazione/sezioni.h"
#include "compilazione/stazioni.h"
#include "modello/arrotonda.h"
#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

class compilatore_treno {
 public:
  compilatore_treno(modello& m, lettore_campi& file, const luoghi_progressive& progressive,
                    origini_celle* origini)
      : m_(m),
        file_(file),
        progressive_(progressive),
        origini_(origini),
        limite_stazioni_(std::min(m.primo_testo_cartello - 1, primo_elemento_testo + 1)) {}

  // Reads the file to its end, or to the row that stops the reading.
  // Appends to the warnings given once the count of the rows they apply to.
  void chiudi_avvisi() {
    velocita_oltre_.chiudi(m_);
    aderenza_oltre_.chiudi(m_);
  }

  esito_riga leggi() {
    // An empty train description is a read past its end.
    file_.richiedi_campo();
    cerca_generale(file_);
    auto riga = [&](const std::string& campo, const campo_letto& voce,
                    bool& riconosciuta) -> std::optional<esito_riga> {
      voce_ = voce;
      esito_riga e = esamina(campo, riconosciuta);
      if (e == esito_riga::continua) return std::nullopt;
      return e;
    };
    return leggi_righe(m_, file_, grammatica::formato::treno, false, riga)
        .value_or(esito_riga::fine_lettura);
  }

  // The speed and adhesion tails and the check of the kilometric progressives.
  void passi_finali() {
    do {
      scrivi_velocita(cella_velocita_++);
    } while (cella_velocita_ < m_.n_celle - 2);
    do {
      scrivi_aderenza(cella_aderenza_++);
    } while (cella_aderenza_ < m_.n_celle - 2);
    // The progressives come from the line description, sorted since: the
    // line half says which row each record came from.
    for (int r : {elemento_progressiva_tre, elemento_progressiva_due, elemento_progressiva_uno}) {
      if (m_.elementi[r].inizio % 50 != 0 || m_.elementi[r].fine % 50 != 0) {
        registra_errore(m_, numero_errore::progressiva_non_multipla, std::nullopt,
                        progressive_[static_cast<size_t>(r - elemento_progressiva_tre)]);
      }
    }
  }

 private:
  // Every test runs on the same field, one after the other; every test of
  // the train half ignores case.
  esito_riga esamina(const std::string& riga, bool& riconosciuta) {
    esito_riga e = esito_riga::continua;
    auto prova = [&](const grammatica::voce& v, esito_riga (compilatore_treno::*azione)()) {
      if (e == esito_riga::continua && grammatica::corrisponde(v, riga)) {
        riconosciuta = true;
        file_.inizia_riga(v);
        e = (this->*azione)();
      }
    };
    prova(grammatica::massa_frenata, &compilatore_treno::massa_frenata);
    prova(grammatica::vetture, &compilatore_treno::vetture);
    prova(grammatica::velocita, &compilatore_treno::velocita);
    prova(grammatica::aderenza, &compilatore_treno::aderenza);
    prova(grammatica::orologio, &compilatore_treno::orologio);
    prova(grammatica::sabbia, &compilatore_treno::sabbia);
    prova(grammatica::segnale, &compilatore_treno::segnale);
    prova(grammatica::rallentamento, &compilatore_treno::rallentamento);
    prova(grammatica::abbattimento, &compilatore_treno::abbattimento);
    prova(grammatica::stazione, &compilatore_treno::stazione);
    return e;
  }

  void scrivi_velocita(int32_t k) {
    if (!cella_nella_griglia(m_, k)) return;
    double quinto = arrotonda(velocita_attuale_ / 5.0);
    if (quinto < 0 || quinto > 255) {
      // Written when the next row comes, or by the tail: the place is the
      // speed's own field.
      throw errore_esecuzione("speed " + std::to_string(velocita_attuale_) +
                                  " km/h is stored as its fifth, which does not fit an 8-bit "
                                  "field (0 to 1277 km/h)",
                              campo_velocita_.luogo());
    }
    m_.celle[k].vel_max = static_cast<uint8_t>(quinto);
  }

  void scrivi_aderenza(int32_t k) {
    if (cella_nella_griglia(m_, k)) {
      m_.celle[k].aderenza = static_cast<uint8_t>(aderenza_attuale_ & 0xFF);
    }
  }

  esito_riga massa_frenata() {
    m_.elementi[elemento_linea].inizio = file_.leggi_i32();
    return esito_riga::continua;
  }

  esito_riga vetture() {
    m_.elementi[elemento_linea].posizione = file_.leggi_i32();
    return esito_riga::continua;
  }

  esito_riga orologio() {
    elemento& e = m_.elementi[elemento_testata_treno];
    e.dato_g = file_.leggi_i16();
    e.dato_h = file_.leggi_i16();
    e.dato_i = file_.leggi_i16();
    return esito_riga::continua;
  }

  esito_riga sabbia() {
    m_.elementi[elemento_testata_treno].dato_d = file_.leggi_i16();
    return esito_riga::continua;
  }

  // A row's value holds from its cell to the cell before the next row's; a
  // row at or before the fill point still writes one cell. The fill stops
  // after `ultima`.
  void riempi(int32_t& prossima, int32_t p, int32_t ultima,
              void (compilatore_treno::*scrivi)(int32_t), const campo_letto& campo,
              avviso_ripetuto& oltre) {
    int32_t k = arrotonda_a<int32_t>(p / 50.0);
    if (k <= 0) return;
    do {
      if (prossima > ultima) {
        oltre.registra(m_, numero_avviso::profilo_oltre_la_griglia, campo.luogo(),
                       "the rows before it have filled every cell up to " + std::to_string(ultima));
        break;
      }
      (this->*scrivi)(prossima++);
    } while (prossima < k);
  }

  esito_riga velocita() {
    campo_letto campo;
    int32_t p = leggi_i32(file_, campo);
    int32_t s = file_.leggi_i32();
    campo_letto campo_s = campo_letto::ultimo(file_);
    if (oltre_la_griglia(m_, p, 100)) return ferma_lettura(m_, p, campo);
    ordine_velocita_.controlla(m_, p, campo);
    riempi(cella_velocita_, p, m_.n_celle - 1, &compilatore_treno::scrivi_velocita, campo,
           velocita_oltre_);
    velocita_attuale_ = s;
    campo_velocita_ = campo_s;
    return esito_riga::continua;
  }

  // Unlike the speed, the adhesion fill may reach the last cell; it stops
  // there, since a long run of rows that each write one cell would otherwise
  // carry it off the grid.
  esito_riga aderenza() {
    campo_letto campo;
    int32_t p = leggi_i32(file_, campo);
    int32_t a = file_.leggi_i32();
    if (oltre_la_griglia(m_, p, 100)) return ferma_lettura(m_, p, campo);
    ordine_aderenza_.controlla(m_, p, campo);
    const grammatica::intervallo ammessa = grammatica::valori_di(grammatica::campi_aderenza[1]);
    if ((a < ammessa.minimo || a > ammessa.massimo) && !file_.valori_fuori_posto()) {
      registra_avviso(
          m_, numero_avviso::valore_troncato, campo_letto::ultimo(file_).luogo(),
          "adhesion " + std::to_string(a) + " outside " + std::to_string(ammessa.minimo) + " to " +
              std::to_string(ammessa.massimo) + ", stored as " + std::to_string(a & 0xFF));
    }
    riempi(cella_aderenza_, p, m_.n_celle, &compilatore_treno::scrivi_aderenza, campo,
           aderenza_oltre_);
    aderenza_attuale_ = a;
    return esito_riga::continua;
  }

  // An error recorded before this row (a 15 of the line half) stops the
  // compile here: it is recorded again with this row's position.
  // It is no fault of this row, and says so: a consequence of that error.
  esito_riga errore_precedente(int32_t p, const campo_letto& campo) {
    if (m_.n_errore <= 0) return esito_riga::continua;
    std::string motivo = "a consequence of the error " + std::to_string(m_.n_errore);
    for (const diagnostica& d : m_.diagnostiche) {
      if (d.livello != gravita::errore || d.numero != m_.n_errore || d.luogo.vuoto()) continue;
      motivo += " at " + d.luogo.file + ":" + std::to_string(d.luogo.riga) + ":" +
                std::to_string(d.luogo.colonna);
      break;
    }
    motivo += ", which stops the compile at the first signal or slow-down placed after it";
    registra_errore(m_, m_.n_errore, p, campo.luogo(), std::move(motivo));
    return esito_riga::interrotto;
  }

  esito_riga segnale() {
    campo_letto campo;
    int32_t v[11];
    v[0] = leggi_i32(file_, campo);
    for (int i = 1; i < 11; ++i) v[i] = file_.leggi_i32();
    if (oltre_la_griglia(m_, v[0], 100)) return ferma_lettura(m_, v[0], campo);
    if (!memo_segnale(m_, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], campo,
                      origini_)) {
      return esito_riga::interrotto;
    }
    return errore_precedente(v[0], campo);
  }

  esito_riga rallentamento() {
    campo_letto campo;
    int32_t v[6];
    v[0] = leggi_i32(file_, campo);
    for (int i = 1; i < 6; ++i) v[i] = file_.leggi_i32();
    if (oltre_la_griglia(m_, v[0], 100)) return ferma_lettura(m_, v[0], campo);
    if (!memo_rallentamento(m_, v[0], v[1], v[2], v[3], v[4], v[5], luoghi_riga{&file_},
                            origini_)) {
      return esito_riga::interrotto;
    }
    return errore_precedente(v[0], campo);
  }

  esito_riga abbattimento() {
    campo_letto campo;
    int32_t p = leggi_i32(file_, campo);
    int32_t codice = file_.leggi_i32();
    return memo_abbattimento(m_, p, codice, campo, origini_);
  }

  esito_riga stazione() {
    return memo_stazione(m_, file_, limite_stazioni_, voce_, stazione_precedente_, origini_);
  }

  modello& m_;
  lettore_campi& file_;
  const luoghi_progressive& progressive_;
  origini_celle* origini_;
  int32_t limite_stazioni_;
  int32_t cella_velocita_ = 0;
  int32_t velocita_attuale_ = 0;
  campo_letto campo_velocita_;  // where velocita_attuale_ was read
  int32_t cella_aderenza_ = 0;
  int32_t aderenza_attuale_ = 0;
  campo_letto voce_;                 // the keyword field of the row being examined
  campo_letto stazione_precedente_;  // the position field of the last station placed
  ordine_righe ordine_velocita_{"speed row"};
  avviso_ripetuto velocita_oltre_;
  avviso_ripetuto aderenza_oltre_;
  ordine_righe ordine_aderenza_{"adhesion row"};
};

}  // namespace

void compila_treno(modello& m, lettore_campi& file, const std::function<void()>& letta,
                   const luoghi_progressive& progressive, origini_celle* origini) {
  if (!m.griglia_dimensionata()) throw errore_esecuzione("the cell grid is not sized");
  m.n_stazioni = 0;
  m.rallentamenti.clear();
  file.avvisa_in(registro_di(m));
  file.avvisa_se_utf8();
  compilatore_treno compilatore(m, file, progressive, origini);
  try {
    esito_riga e = compilatore.leggi();
    compilatore.chiudi_avvisi();
    if (letta) letta();
    if (e != esito_riga::interrotto) compilatore.passi_finali();
  } catch (...) {
    if (origini != nullptr) origini->fissa_luoghi();
    throw;
  }
  if (origini != nullptr) origini->fissa_luoghi();
}

}  // namespace scenario
