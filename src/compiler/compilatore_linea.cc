#include "compiler/compilatore_linea.h"

#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "base/numeri_errore.h"
#include "base/testo_windows_1252.h"
#include "compiler/elementi_linea.h"
#include "compiler/lavoro_linea.h"
#include "compiler/lettore_campi.h"
#include "compiler/parole_chiave.h"
#include "compiler/planimetria.h"
#include "model/errore_esecuzione.h"

namespace scenario {

namespace {

// In the general section a keyword may hide behind up to ten fields holding
// a dash, in the item sections behind up to two.
constexpr int trattini_generale = 10;
constexpr int trattini_elementi = 2;

// A section header: not a dash field, and bracketed.
bool intestazione(std::string_view campo) {
  size_t inizio = campo.find_first_not_of(' ');
  if (inizio != std::string_view::npos && campo[inizio] == '-') return false;
  return contiene(campo, "[") && contiene(campo, "]");
}

enum class esito_elementi { prosegui, fine_file, oltre_la_griglia, fermata };

class compilazione_linea {
 public:
  compilazione_linea(modello& m, const std::filesystem::path& file_linea,
                     const opzioni_compilazione& opzioni)
      : m_(m),
        file_linea_(file_linea),
        opzioni_(opzioni),
        lettore_(lettore_campi::da_file(file_linea)) {}

  // Returns false after an error that ends the compile.
  bool cerca_generale() {
    while (true) {
      // An empty file has no "[generale]" either.
      if (lettore_.fine()) return ferma(numero_errore::generale_mancante);
      leggi_campo();
      if (lettore_.fine()) return ferma(numero_errore::generale_mancante);
      if (contiene_senza_maiuscole(m_.riga, "[generale]")) return true;
    }
  }

  bool sezione_generale() {
    while (!lettore_.fine()) {
      leggi_campo();
      if (lettore_.fine()) break;
      // No end test between these reads: a file ending in dashes here is a
      // read past its end.
      for (int i = 0; i < trattini_generale; ++i) {
        if (contiene(m_.riga, "-")) leggi_campo();
      }
      const std::string campo = m_.riga;
      if (!valori_generali(campo)) return false;
      if (intestazione(campo)) break;
    }
    return true;
  }

  esito_elementi sezioni_elementi(lavoro_linea& w) {
    while (!lettore_.fine()) {
      leggi_campo();
      if (lettore_.fine()) return esito_elementi::fine_file;
      for (int i = 0; i < trattini_elementi; ++i) {
        if (!contiene(m_.riga, "-")) continue;
        leggi_campo();
        if (lettore_.fine()) return esito_elementi::fine_file;
      }
      const std::string campo = m_.riga;
      esito_elementi esito = esamina_voce(campo, w);
      if (esito != esito_elementi::prosegui) return esito;
    }
    return esito_elementi::fine_file;
  }

  // The file is read whole when the compile opens it, so closing it leaves
  // only its deletion.
  void chiudi_e_cancella() { cancella_descrizione(file_linea_, opzioni_); }

 private:
  bool ferma(int32_t numero) {
    chiudi_e_cancella();
    m_.n_errore = numero;
    return false;
  }

  void leggi_campo() { m_.riga = lettore_.leggi_testo(); }

  // Every test of the general section looks at the same keyword; each that
  // matches reads its own values. Returns false after an error that ends
  // the compile.
  bool valori_generali(const std::string& campo) {
    if (contiene_senza_maiuscole(campo, "percorso") &&
        contiene_senza_maiuscole(campo, "lunghezza")) {
      int32_t lunghezza = lettore_.leggi_i32();
      m_.elementi[elemento_linea].fine = lunghezza;
      // A negative length would size the grid and the plan below their
      // first cells; it is refused like one that is too long.
      if (lunghezza > lunghezza_massima_percorso || lunghezza < 0) {
        return ferma(numero_errore::lunghezza_eccessiva);
      }
      dimensiona(m_, lunghezza);
    }
    if (contiene(campo, "tre") && contiene(campo, "progressiva")) {
      leggi_progressiva(elemento_progressiva_tre);
    }
    if (contiene(campo, "due") && contiene(campo, "progressiva")) {
      leggi_progressiva(elemento_progressiva_due);
    }
    if (contiene(campo, "uno") && contiene(campo, "progressiva")) {
      leggi_progressiva(elemento_progressiva_uno);
    }
    elemento& sfondo = m_.elementi[elemento_testata_percorso];
    if (contiene(campo, "sfondo") && contiene(campo, "uno")) sfondo.inizio = lettore_.leggi_i32();
    if (contiene(campo, "sfondo") && contiene(campo, "due")) {
      sfondo.posizione = lettore_.leggi_i32();
    }
    if (contiene(campo, "sfondo") && contiene(campo, "tre")) sfondo.fine = lettore_.leggi_i32();
    if (contiene(campo, "segnali") && contiene(campo, "ripetizione")) {
      return ripetizione_segnali(campo);
    }
    return true;
  }

  void leggi_progressiva(int record) {
    elemento& e = m_.elementi[static_cast<size_t>(record)];
    e.inizio = lettore_.leggi_i32();
    e.fine = lettore_.leggi_i32();
    e.posizione = lettore_.leggi_i32();
  }

  // The zone with signals repeated in the cab, and its code count.
  bool ripetizione_segnali(const std::string& campo) {
    elemento& zona = m_.elementi[elemento_testata_treno];
    zona.inizio = lettore_.leggi_i32();
    zona.fine = lettore_.leggi_i32();
    if (zona.inizio % 50 != 0) return ferma(numero_errore::ripetizione_inizio_non_multiplo);
    if (zona.fine % 50 != 0) return ferma(numero_errore::ripetizione_fine_non_multipla);
    if (contiene(campo, "4")) {
      zona.posizione = 4;
    } else if (contiene(campo, "9")) {
      zona.posizione = 9;
    } else {
      return ferma(numero_errore::ripetizione_senza_codici);
    }
    if (zona.fine == 0) zona.posizione = 0;
    return true;
  }

  // A row at `p` lies beyond the grid when (p + 100) / 50 exceeds the last
  // cell. A board before the first cell lies outside it as well.
  bool fuori_griglia(int32_t p, bool cartello = false) {
    if (!m_.griglia_dimensionata()) throw errore_esecuzione("manca la lunghezza del percorso");
    bool oltre = m_.n_celle < (static_cast<double>(p) + 100) / 50;
    if (cartello && cella_cartello(p) < 0) oltre = true;
    if (oltre) {
      m_.n_errore = numero_errore::oltre_la_griglia;
      m_.pos_errore = p;
    }
    return oltre;
  }

  esito_elementi ferma_elementi(int32_t pos_errore) {
    chiudi_e_cancella();
    m_.pos_errore = pos_errore;
    return esito_elementi::fermata;
  }

  // Every test of the item sections looks at the same keyword; each that
  // matches reads its own values.
  esito_elementi esamina_voce(const std::string& campo, lavoro_linea& w) {
    if (contiene_senza_maiuscole(campo, "pendenza")) {
      int32_t p = lettore_.leggi_i32();
      int32_t g = lettore_.leggi_i32();
      if (fuori_griglia(p)) return esito_elementi::oltre_la_griglia;
      memo_pendenza(m_, w, p, g);
    }
    if (contiene_senza_maiuscole(campo, "curva") && m_.scrivi_planimetria != 0) {
      int32_t s = lettore_.leggi_i32();
      int32_t l = lettore_.leggi_i32();
      if (fuori_griglia(s)) return esito_elementi::oltre_la_griglia;
      if (!memo_curva(m_, w.metro, s, l, campo)) {
        chiudi_e_cancella();
        return esito_elementi::fermata;
      }
    }
    if (contiene_senza_maiuscole(campo, "montagna")) {
      int32_t inizio = lettore_.leggi_i32();
      int32_t fine = lettore_.leggi_i32();
      int32_t tipo = lettore_.leggi_i32();
      if (fuori_griglia(inizio)) return esito_elementi::oltre_la_griglia;
      if (!memo_montagna(m_, inizio, fine, tipo)) return ferma_elementi(inizio);
    }
    if (contiene_senza_maiuscole(campo, "indicatori_v")) {
      int32_t posizione = lettore_.leggi_i32();
      int32_t vas = lettore_.leggi_i32();
      int32_t vbs = lettore_.leggi_i32();
      int32_t vcs = lettore_.leggi_i32();
      int16_t strisces = lettore_.leggi_i16();
      int32_t vad = lettore_.leggi_i32();
      int32_t vbd = lettore_.leggi_i32();
      int32_t vcd = lettore_.leggi_i32();
      int16_t strisced = lettore_.leggi_i16();
      if (fuori_griglia(posizione, true)) return esito_elementi::oltre_la_griglia;
      if (!memo_indicatori_v_max(m_, posizione, vas, vbs, vcs, strisces, vad, vbd, vcd, strisced)) {
        return ferma_elementi(posizione);
      }
    }
    if (contiene_senza_maiuscole(campo, "indicat") && contiene_senza_maiuscole(campo, "cartello")) {
      int32_t p = lettore_.leggi_i32();
      leggi_campo();
      if (fuori_griglia(p, true)) return esito_elementi::oltre_la_griglia;
      if (!memo_cartello_indicatore(m_, w, p, m_.riga)) return ferma_elementi(p);
    }
    return esito_elementi::prosegui;
  }

  modello& m_;
  const std::filesystem::path& file_linea_;
  const opzioni_compilazione& opzioni_;
  lettore_campi lettore_;
};

void azzera(elemento& e) {
  e.inizio = 0;
  e.fine = 0;
  e.posizione = 0;
}

void copia_progressiva(elemento& verso, const elemento& da) {
  verso.inizio = da.inizio;
  verso.fine = da.fine;
  verso.posizione = da.posizione;
}

}  // namespace

void progressive_ordina(modello& m) {
  elemento& r81 = m.elementi[elemento_progressiva_tre];
  elemento& r82 = m.elementi[elemento_progressiva_due];
  elemento& r83 = m.elementi[elemento_progressiva_uno];
  const elemento t = r81;
  const elemento d = r82;
  const elemento u = r83;
  auto metti = [&](const elemento& a, const elemento& b, const elemento& c) {
    copia_progressiva(r81, a);
    copia_progressiva(r82, b);
    copia_progressiva(r83, c);
  };
  auto azzera_tutte = [&] {
    azzera(r81);
    azzera(r82);
    azzera(r83);
  };
  // Of the two that do not begin furthest, the later goes first; on equal
  // starts the one from the higher-numbered record does.
  auto metti_dopo = [&](const elemento& primo, const elemento& basso, const elemento& alto) {
    if (basso.inizio > alto.inizio) {
      metti(primo, basso, alto);
    } else {
      metti(primo, alto, basso);
    }
  };
  if (int64_t{t.inizio} + d.inizio + u.inizio != 0) {
    if (t.inizio > d.inizio && t.inizio > u.inizio) {
      metti_dopo(t, d, u);
    } else if (d.inizio > t.inizio && d.inizio > u.inizio) {
      metti_dopo(d, t, u);
    } else if (u.inizio > t.inizio && u.inizio > d.inizio) {
      metti_dopo(u, t, d);
    } else {
      azzera_tutte();
    }
  } else if (u.fine > 0) {
    metti(u, d, t);
  } else if (d.fine > 0) {
    metti(d, t, u);
  } else if (t.fine <= 0) {
    azzera_tutte();
  }
  for (elemento* e : {&r81, &r82, &r83}) {
    if (e->posizione != 1) continue;
    int64_t progressiva = int64_t{e->fine} + 100;
    if (progressiva > std::numeric_limits<int32_t>::max()) {
      throw errore_esecuzione("progressiva fuori campo: " + std::to_string(e->fine));
    }
    e->fine = static_cast<int32_t>(progressiva);
  }
}

bool compila_linea(modello& m, const std::filesystem::path& file_linea,
                   const opzioni_compilazione& opzioni, int32_t& indice_testo) {
  // Nothing sized by an earlier compile survives: a file without a length
  // row leaves the grid and the plan unsized, and their first use fails.
  m.celle.clear();
  for (auto& coordinata : m.planimetria) coordinata.dimensiona(0);
  m.n_celle = 0;
  m.metri_totali = 0;

  std::error_code errore;
  bool esiste = std::filesystem::exists(file_linea, errore);
  if (errore) throw errore_esecuzione("impossibile leggere " + file_linea.string());
  if (!esiste) {
    m.n_errore = numero_errore::file_linea_mancante;
    return false;
  }
  compilazione_linea c(m, file_linea, opzioni);
  if (!c.cerca_generale()) return false;
  if (!c.sezione_generale()) return false;

  progressive_ordina(m);
  m.n_gallerie = 0;
  lavoro_linea w;
  if (m.scrivi_planimetria != 0) semina_planimetria(m);

  esito_elementi esito = c.sezioni_elementi(w);
  indice_testo = w.indice_testo;
  if (esito == esito_elementi::fermata) return false;

  c.chiudi_e_cancella();
  coda_pendenze(m, w);
  if (m.scrivi_planimetria != 0) coda_planimetria(m, w.metro);
  return true;
}

}  // namespace scenario
