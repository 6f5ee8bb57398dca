#include "compiler/compilatore_treno.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "base/numeri_errore.h"
#include "compiler/lettore_campi.h"
#include "compiler/parole_chiave.h"
#include "compiler/segnali_rallentamenti.h"
#include "model/arrotonda.h"
#include "model/errore_esecuzione.h"

namespace scenario {

namespace {

// How a row leaves the main loop: on to the next field, out to the end steps
// (error 15), or out of the compile at once (every other error).
enum class esito { continua, fine_lettura, interrotto };

// Every test of the train half ignores case.
bool contiene(std::string_view campo, std::string_view parola) {
  return contiene_senza_maiuscole(campo, parola);
}

int32_t in_campo_32(int64_t v) {
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    throw errore_esecuzione("valore fuori campo: " + std::to_string(v));
  }
  return static_cast<int32_t>(v);
}

class compilatore_treno {
 public:
  compilatore_treno(modello& m, lettore_campi& file, int32_t indice_testo)
      : m_(m), file_(file), limite_stazioni_(std::min(indice_testo, primo_elemento_testo + 1)) {}

  // Reads the file to its end, or to the row that stops the reading.
  esito leggi() {
    do {
      m_.riga = file_.leggi_testo();
    } while (!contiene(m_.riga, "[generale]") && !file_.fine());
    for (;;) {
      if (file_.fine()) return esito::fine_lettura;
      m_.riga = file_.leggi_testo();
      if (file_.fine()) return esito::fine_lettura;
      for (int salti = 0; salti < 2 && contiene(m_.riga, "-"); ++salti) {
        m_.riga = file_.leggi_testo();
        if (file_.fine()) return esito::fine_lettura;
      }
      esito e = esamina();
      if (e != esito::continua) return e;
    }
  }

  // The speed and adhesion tails and the check of the kilometric progressives.
  void passi_finali() {
    do {
      scrivi_velocita(cella_velocita_++);
    } while (cella_velocita_ < m_.n_celle - 2);
    do {
      scrivi_aderenza(cella_aderenza_++);
    } while (cella_aderenza_ < m_.n_celle - 2);
    for (int r : {elemento_progressiva_tre, elemento_progressiva_due, elemento_progressiva_uno}) {
      if (m_.elementi[r].inizio % 50 != 0 || m_.elementi[r].fine % 50 != 0) {
        m_.n_errore = numero_errore::progressiva_non_multipla;
      }
    }
  }

 private:
  // Every test runs on the same field, one after the other.
  esito esamina() {
    const std::string riga = m_.riga;
    esito e = esito::continua;
    auto prova = [&](bool vale, esito (compilatore_treno::*azione)()) {
      if (e == esito::continua && vale) e = (this->*azione)();
    };
    prova(contiene(riga, "frenata") && contiene(riga, "massa"), &compilatore_treno::massa_frenata);
    prova(contiene(riga, "vetture"), &compilatore_treno::vetture);
    prova(contiene(riga, "velocit"), &compilatore_treno::velocita);
    prova(contiene(riga, "aderenza"), &compilatore_treno::aderenza);
    prova(contiene(riga, "orologio"), &compilatore_treno::orologio);
    prova(contiene(riga, "sabbia"), &compilatore_treno::sabbia);
    prova(contiene(riga, "segnale"), &compilatore_treno::segnale);
    prova(contiene(riga, "rallentamento"), &compilatore_treno::rallentamento);
    prova(contiene(riga, "abbattimento"), &compilatore_treno::abbattimento);
    prova(contiene(riga, "stazione"), &compilatore_treno::stazione);
    return e;
  }

  bool oltre_la_griglia(int32_t p, int32_t margine) const {
    return int64_t{p} + margine > int64_t{metri_per_cella} * m_.n_celle;
  }

  esito ferma_lettura(int32_t p) {
    m_.n_errore = numero_errore::oltre_la_griglia;
    m_.pos_errore = p;
    return esito::fine_lettura;
  }

  esito interrompi(int32_t numero) {
    m_.n_errore = numero;
    return esito::interrotto;
  }

  esito interrompi(int32_t numero, int32_t p) {
    m_.pos_errore = p;
    return interrompi(numero);
  }

  void scrivi_velocita(int32_t k) {
    if (cella_nella_griglia(m_, k)) {
      m_.celle[k].vel_max = arrotonda_a<uint8_t>(velocita_attuale_ / 5.0);
    }
  }

  void scrivi_aderenza(int32_t k) {
    if (cella_nella_griglia(m_, k)) {
      m_.celle[k].aderenza = static_cast<uint8_t>(aderenza_attuale_ & 0xFF);
    }
  }

  esito massa_frenata() {
    m_.elementi[elemento_linea].inizio = file_.leggi_i32();
    return esito::continua;
  }

  esito vetture() {
    m_.elementi[elemento_linea].posizione = file_.leggi_i32();
    return esito::continua;
  }

  esito orologio() {
    elemento& e = m_.elementi[elemento_testata_treno];
    e.dato_g = file_.leggi_i16();
    e.dato_h = file_.leggi_i16();
    e.dato_i = file_.leggi_i16();
    return esito::continua;
  }

  esito sabbia() {
    m_.elementi[elemento_testata_treno].dato_d = file_.leggi_i16();
    return esito::continua;
  }

  // A row's value holds from its cell to the cell before the next row's; a
  // row at or before the fill point still writes one cell. The fill stops
  // after `ultima`.
  void riempi(int32_t& prossima, int32_t p, int32_t ultima,
              void (compilatore_treno::*scrivi)(int32_t)) {
    int32_t k = arrotonda_a<int32_t>(p / 50.0);
    if (k <= 0) return;
    do {
      if (prossima > ultima) break;
      (this->*scrivi)(prossima++);
    } while (prossima < k);
  }

  esito velocita() {
    int32_t p = file_.leggi_i32();
    int32_t s = file_.leggi_i32();
    if (oltre_la_griglia(p, 100)) return ferma_lettura(p);
    riempi(cella_velocita_, p, m_.n_celle - 1, &compilatore_treno::scrivi_velocita);
    velocita_attuale_ = s;
    return esito::continua;
  }

  // Unlike the speed, the adhesion fill may reach the last cell; it stops
  // there, since a long run of rows that each write one cell would otherwise
  // carry it off the grid.
  esito aderenza() {
    int32_t p = file_.leggi_i32();
    int32_t a = file_.leggi_i32();
    if (oltre_la_griglia(p, 100)) return ferma_lettura(p);
    riempi(cella_aderenza_, p, m_.n_celle, &compilatore_treno::scrivi_aderenza);
    aderenza_attuale_ = a;
    return esito::continua;
  }

  esito segnale() {
    int32_t v[11];
    for (int32_t& valore : v) valore = file_.leggi_i32();
    if (oltre_la_griglia(v[0], 100)) return ferma_lettura(v[0]);
    memo_segnale(m_, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
    // Also an error recorded before this row (a 15 of the line half) stops here.
    if (m_.n_errore > 0) return interrompi(m_.n_errore, v[0]);
    return esito::continua;
  }

  esito rallentamento() {
    int32_t v[6];
    for (int32_t& valore : v) valore = file_.leggi_i32();
    if (oltre_la_griglia(v[0], 100)) return ferma_lettura(v[0]);
    memo_rallentamento(m_, v[0], v[1], v[2], v[3], v[4], v[5]);
    if (m_.n_errore > 0) return interrompi(m_.n_errore, v[0]);
    return esito::continua;
  }

  esito abbattimento() {
    int32_t p = file_.leggi_i32();
    int32_t codice = file_.leggi_i32();
    if (oltre_la_griglia(p, 100)) return ferma_lettura(p);
    int32_t k = arrotonda_a<int32_t>(p / 50.0);
    if (!cella_nella_griglia(m_, k)) return interrompi(numero_errore::cella_fuori_griglia, p);
    cella& c = m_.celle[k];
    if (!cella_libera(c)) return interrompi(numero_errore::abbattimento_su_cella_occupata, p);
    if (codice > 0) {
      c.tipo = tipo_cella::punto_codice;
      c.val1 = static_cast<int16_t>(static_cast<uint16_t>(codice & 0xFFFF));
    } else {
      c.tipo = tipo_cella::punto_senza_codice;
    }
    return esito::continua;
  }

  esito stazione() {
    int32_t r = n_stazione_;
    // Only reachable when the sign texts leave no record at all for stations.
    if (r >= limite_stazioni_) return interrompi(numero_errore::troppe_stazioni);
    elemento& e = m_.elementi[r];
    e.posizione = file_.leggi_i32();
    if (oltre_la_griglia(e.posizione, 800)) return ferma_lettura(e.posizione);
    if (e.posizione % 50 != 0) {
      return interrompi(numero_errore::stazione_non_multipla, e.posizione);
    }
    e.tipo = file_.leggi_u8();
    int32_t lunghezza = file_.leggi_i32();
    if (lunghezza % 100 != 0) {
      return interrompi(numero_errore::lunghezza_stazione_non_multipla, e.posizione);
    }
    e.dato_a = file_.leggi_u8();
    e.dato_b = file_.leggi_u8();
    e.dato_c = file_.leggi_u8();
    e.dato_d = file_.leggi_i16();
    e.dato_e = file_.leggi_i16();
    e.dato_f = file_.leggi_u8();
    e.dato_g = file_.leggi_i16();
    e.dato_h = file_.leggi_i16();
    e.dato_i = file_.leggi_i16();
    e.dato_l = file_.leggi_u8();
    int64_t ore = file_.leggi_i32();
    int64_t minuti = file_.leggi_i32();
    int64_t secondi = file_.leggi_i32();
    e.testo = file_.leggi_testo();
    e.orario = in_campo_32((ore * 60 + minuti) * 60 + secondi);

    if (e.tipo == 5 || e.tipo == 6) {
      e.inizio = in_campo_32(int64_t{e.posizione} - lunghezza);
      e.fine = in_campo_32(int64_t{e.posizione} + 150);
      e.dato_c = 0;
    } else if (e.tipo == 7 || e.tipo == 8) {
      e.inizio = in_campo_32(int64_t{e.posizione} - lunghezza);
      e.fine = in_campo_32(int64_t{e.posizione} + lunghezza);
      e.dato_c = 0;
    } else {
      double meta = lunghezza / 2.0;
      e.inizio = arrotonda_a<int32_t>(e.posizione - meta);
      e.fine = arrotonda_a<int32_t>(e.posizione + meta + (e.dato_c != 0 ? 50 : 0));
    }
    if (lunghezza < 600) e.dato_b = 0;
    if (r == 1) {
      e.dato_b = 0;
      e.dato_c = 0;
    }

    if (e.tipo < 25) {
      double t = e.fine / 50.0 - 1;
      if (t <= 1) return interrompi(numero_errore::stazione_troppo_corta);
      int64_t fermata = static_cast<int64_t>(arrotonda(t));
      // Checked before any mark is written; the approach marks lie before it.
      if (!cella_nella_griglia(m_, fermata)) {
        return interrompi(numero_errore::cella_fuori_griglia, e.posizione);
      }
      if (e.tipo != 5 && e.tipo != 6) {
        for (int n = 1; n <= 4; ++n) {
          double marca = t - n;
          if (marca > 1)
            m_.celle[static_cast<size_t>(arrotonda(marca))].avviso = static_cast<uint8_t>(80 + n);
        }
      }
      m_.celle[static_cast<size_t>(fermata)].tipo = tipo_cella::fermata;
      m_.celle[static_cast<size_t>(fermata)].val1 = static_cast<int16_t>(r);
    }

    if (r > 1 && int64_t{e.inizio} - 350 < m_.elementi[r - 1].fine) {
      return interrompi(numero_errore::stazioni_troppo_vicine, e.posizione);
    }
    n_stazione_ = r + 1;
    if (n_stazione_ >= limite_stazioni_) return interrompi(numero_errore::troppe_stazioni);
    return esito::continua;
  }

  modello& m_;
  lettore_campi& file_;
  int32_t limite_stazioni_;
  int32_t cella_velocita_ = 0;
  int32_t velocita_attuale_ = 0;
  int32_t cella_aderenza_ = 0;
  int32_t aderenza_attuale_ = 0;
  int32_t n_stazione_ = 1;
};


}  // namespace

void compila_treno(modello& m, const std::filesystem::path& file_treno,
                   const opzioni_compilazione& opzioni, int32_t indice_testo) {
  if (!m.griglia_dimensionata()) throw errore_esecuzione("griglia non dimensionata");
  lettore_campi file = lettore_campi::da_file(file_treno);
  compilatore_treno compilatore(m, file, indice_testo);
  esito e = compilatore.leggi();
  cancella_descrizione(file_treno, opzioni);
  if (e == esito::interrotto) return;
  compilatore.passi_finali();
}

}  // namespace scenario
