#include "compilazione/stazioni.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "modello/numeri_errore.h"
#include "compilazione/marche_griglia.h"
#include "compilazione/segnali_rallentamenti.h"
#include "modello/arrotonda.h"
#include "modello/errore_esecuzione.h"

namespace scenario {

namespace {

// Stations shorter than this have no use for dato_b.
constexpr int32_t lunghezza_stazione_lunga = 600;
// From the second station on, a station begins at least this far after the
// end of the one before it.
constexpr int64_t distanza_minima_stazioni = 350;

// A time or a zone end that leaves 32 bits: the row as a whole is at fault.
int32_t in_campo_32(int64_t v, const char* cosa, const campo_letto& voce) {
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    throw errore_esecuzione(
        std::string(cosa) + " " + std::to_string(v) + " does not fit a 32-bit field", voce.luogo());
  }
  return static_cast<int32_t>(v);
}

esito_riga interrompi(modello& m, int32_t numero, std::optional<int32_t> p,
                      const campo_letto& campo) {
  registra_errore(m, numero, p, campo.luogo());
  return esito_riga::interrotto;
}

// Warning 226 for the cells, visited from the stop mark backwards, whose
// signal's marks (each cell with the mark it held) the station's replace;
// a note for each signal whose marks they can be.
void avvisa_marche_sostituite(modello& m, const std::vector<std::pair<int64_t, uint8_t>>& celle,
                              const campo_letto& campo, const origini_celle* origini) {
  std::vector<int64_t> indici;
  for (const auto& [k, avviso] : celle) indici.push_back(k);
  diagnostica d = nuova_diagnostica(numero_avviso::marche_segnale_sostituite, gravita::avviso,
                                    std::nullopt, campo.luogo(), nelle_celle(indici));
  if (origini != nullptr) {
    std::vector<int64_t> segnali;
    for (const auto& [k, avviso] : celle) {
      for (int n = 1; n <= 4; ++n) {
        const int64_t s = k + 2 * n;
        if (!cella_nella_griglia(m, s)) continue;
        const cella& c = m.celle[static_cast<size_t>(s)];
        if (c.tipo != tipo_cella::segnale || !marca_di_segnale(c.val4, n, avviso)) continue;
        if (std::find(segnali.begin(), segnali.end(), s) == segnali.end()) segnali.push_back(s);
      }
    }
    for (int64_t s : segnali) origini->annota(d, m, s);
  }
  registro_di(m).registra(std::move(d));
}

}  // namespace

bool oltre_la_griglia(const modello& m, int32_t p, int32_t margine) {
  return int64_t{p} + margine > int64_t{metri_per_cella} * m.n_celle;
}

esito_riga ferma_lettura(modello& m, int32_t p, const campo_letto& campo) {
  registra_errore(m, numero_errore::oltre_la_griglia, p, campo.luogo());
  return esito_riga::fine_lettura;
}

esito_riga memo_stazione(modello& m, lettore_campi& file, int32_t limite, const campo_letto& voce,
                         campo_letto& precedente, origini_celle* origini) {
  int32_t r = m.n_stazioni + 1;
  // Only reachable when the sign texts leave no record at all for stations.
  if (r >= limite) return interrompi(m, numero_errore::troppe_stazioni, std::nullopt, voce);
  elemento& e = m.elementi[static_cast<size_t>(r)];
  e.posizione = file.leggi_i32();
  const campo_letto campo_posizione = campo_letto::ultimo(file);
  if (oltre_la_griglia(m, e.posizione, 800)) return ferma_lettura(m, e.posizione, campo_posizione);
  if (e.posizione % 50 != 0) {
    return interrompi(m, numero_errore::stazione_non_multipla, e.posizione, campo_posizione);
  }
  e.tipo = file.leggi_u8();
  int32_t lunghezza = file.leggi_i32();
  const campo_letto campo_lunghezza = campo_letto::ultimo(file);
  if (lunghezza % 100 != 0) {
    return interrompi(m, numero_errore::lunghezza_stazione_non_multipla, e.posizione,
                      campo_lunghezza);
  }
  e.dato_a = file.leggi_u8();
  e.dato_b = file.leggi_u8();
  e.dato_c = file.leggi_u8();
  e.dato_d = file.leggi_i16();
  e.dato_e = file.leggi_i16();
  e.dato_f = file.leggi_u8();
  e.dato_g = file.leggi_i16();
  e.dato_h = file.leggi_i16();
  e.dato_i = file.leggi_i16();
  e.dato_l = file.leggi_u8();
  int64_t ore = file.leggi_i32();
  int64_t minuti = file.leggi_i32();
  int64_t secondi = file.leggi_i32();
  e.testo = file.leggi_testo();
  e.orario = in_campo_32((ore * 60 + minuti) * 60 + secondi, "the time in seconds", voce);

  if (e.tipo == 5 || e.tipo == 6) {
    e.inizio = in_campo_32(int64_t{e.posizione} - lunghezza, "the zone's start", voce);
    e.fine = in_campo_32(int64_t{e.posizione} + 150, "the zone's end", voce);
    e.dato_c = 0;
  } else if (e.tipo == 7 || e.tipo == 8) {
    e.inizio = in_campo_32(int64_t{e.posizione} - lunghezza, "the zone's start", voce);
    e.fine = in_campo_32(int64_t{e.posizione} + lunghezza, "the zone's end", voce);
    e.dato_c = 0;
  } else {
    double meta = lunghezza / 2.0;
    e.inizio = arrotonda_a<int32_t>(e.posizione - meta);
    e.fine = arrotonda_a<int32_t>(e.posizione + meta + (e.dato_c != 0 ? 50 : 0));
  }
  if (lunghezza < lunghezza_stazione_lunga) e.dato_b = 0;
  if (r == 1) {
    e.dato_b = 0;
    e.dato_c = 0;
  }

  if (con_fermata(e)) {
    double t = e.fine / 50.0 - 1;
    if (t <= 1) {
      // The zone's end of types 5 and 6 does not depend on the length.
      const bool dalla_lunghezza = e.tipo != 5 && e.tipo != 6;
      registra_errore(m, numero_errore::stazione_troppo_corta, std::nullopt,
                      (dalla_lunghezza ? campo_lunghezza : campo_posizione).luogo(),
                      "its zone ends at " + std::to_string(e.fine) + " m");
      return esito_riga::interrotto;
    }
    int64_t fermata = static_cast<int64_t>(arrotonda(t));
    // Checked before any mark is written; the approach marks lie before it.
    if (!cella_nella_griglia(m, fermata)) {
      return interrompi(m, numero_errore::cella_fuori_griglia, e.posizione, voce);
    }
    std::vector<std::pair<int64_t, uint8_t>> sostituite;
    for (int n = 1; n <= 4; ++n) {
      const std::optional<int64_t> marca = cella_marca_stazione(e, n);
      if (!marca) continue;
      cella& c = m.celle[static_cast<size_t>(*marca)];
      // Only stations and signals write marks: any other value is a signal's.
      if (c.avviso != 0 && (c.avviso < marca_stazione(1) || c.avviso > marca_stazione(4))) {
        sostituite.emplace_back(*marca, c.avviso);
      }
      c.avviso = marca_stazione(n);
    }
    if (!sostituite.empty()) avvisa_marche_sostituite(m, sostituite, campo_posizione, origini);
    if (!cella_libera(m.celle[static_cast<size_t>(fermata)])) {
      diagnostica d = nuova_diagnostica(numero_avviso::fermata_sopra_elemento, gravita::avviso,
                                        std::nullopt, campo_posizione.luogo(),
                                        "in cell " + std::to_string(fermata));
      if (origini != nullptr) origini->annota(d, m, fermata);
      registro_di(m).registra(std::move(d));
    }
    m.celle[static_cast<size_t>(fermata)].tipo = tipo_cella::fermata;
    m.celle[static_cast<size_t>(fermata)].val1 = static_cast<int16_t>(r);
    if (origini != nullptr) {
      origini->registra(fermata, occupante::fermata, int64_t{e.fine} - 50, campo_posizione);
    }
  }

  if (r > 1 && int64_t{e.inizio} - distanza_minima_stazioni < m.elementi[r - 1].fine) {
    const elemento& prima = m.elementi[r - 1];
    const int32_t riga_prima = precedente.luogo().riga;
    const int64_t scarto = int64_t{e.inizio} - prima.fine;
    const std::string distanza =
        scarto >= 0 ? std::to_string(scarto) + " m after" : std::to_string(-scarto) + " m before";
    std::string motivo =
        e.posizione < prima.posizione
            ? "it lies before the previous station (line " + std::to_string(riga_prima) + ", " +
                  std::to_string(prima.posizione) + " m): the rows are out of order"
            : "its zone begins at " + std::to_string(e.inizio) + " m, " + distanza +
                  " the zone of the previous station (line " + std::to_string(riga_prima) +
                  ") ends at " + std::to_string(prima.fine) + " m";
    registra_errore(m, numero_errore::stazioni_troppo_vicine, e.posizione, campo_posizione.luogo(),
                    std::move(motivo));
    return esito_riga::interrotto;
  }
  m.n_stazioni = r;
  precedente = campo_posizione;
  if (r + 1 >= limite) return interrompi(m, numero_errore::troppe_stazioni, std::nullopt, voce);
  return esito_riga::continua;
}

esito_riga memo_abbattimento(modello& m, int32_t p, int32_t codice, const campo_letto& campo,
                             origini_celle* origini) {
  if (oltre_la_griglia(m, p, 100)) return ferma_lettura(m, p, campo);
  int32_t k = arrotonda_a<int32_t>(p / 50.0);
  if (!cella_nella_griglia(m, k)) {
    return interrompi(m, numero_errore::cella_fuori_griglia, p, campo);
  }
  cella& c = m.celle[static_cast<size_t>(k)];
  if (!cella_libera(c)) {
    registra_celle_occupate(m, origini, numero_errore::abbattimento_su_cella_occupata, p, campo,
                            {k});
    return esito_riga::interrotto;
  }
  if (codice > 0) {
    c.tipo = tipo_cella::punto_codice;
    c.val1 = static_cast<int16_t>(static_cast<uint16_t>(codice & 0xFFFF));
  } else {
    c.tipo = tipo_cella::punto_senza_codice;
  }
  if (origini != nullptr) origini->registra(k, occupante::abbattimento, p, campo);
  return esito_riga::continua;
}

}  // namespace scenario
