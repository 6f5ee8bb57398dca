#pragma once

// The in-memory form of one compiled scenario. Field order and widths are the
// layout of the compiled files (file_compilati/file_compilati.h): do not reorder them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "modello/coordinata_planimetria.h"
#include "modello/diagnostica.h"

namespace scenario {

// One 50 m cell of the grid.
struct cella {
  uint8_t tipo = 0;
  int16_t val1 = 0;
  int16_t val2 = 0;
  int16_t val3 = 0;
  int16_t val4 = 0;
  uint8_t tempo = 0;
  uint8_t avviso = 0;
  uint8_t galleria = 0;
  uint8_t vel_max = 0;
  uint8_t pendenza = 0;
  uint8_t aderenza = 0;
};

// Kinds of `cella::tipo`. These numbers are read by the simulator.
namespace tipo_cella {
constexpr uint8_t vuota = 0;
constexpr uint8_t segnale = 1;
constexpr uint8_t fine_rallentamento = 2;
constexpr uint8_t inizio_rallentamento = 3;
constexpr uint8_t avviso_rallentamento = 4;
constexpr uint8_t tabella_distanziometrica = 5;
constexpr uint8_t indicatore_v_max = 6;
constexpr uint8_t fermata = 10;
constexpr uint8_t marca_galleria = 11;
constexpr uint8_t punto_codice = 12;
constexpr uint8_t punto_senza_codice = 13;
constexpr uint8_t cartello = 14;
}  // namespace tipo_cella

// A tunnel marker counts as free: any item placed on it replaces it.
inline bool cella_libera(const cella& c) {
  return c.tipo == tipo_cella::vuota || c.tipo == tipo_cella::marca_galleria;
}

// One record of the element table: a station, a sign text, a kilometric
// progressive or a header.
struct elemento {
  uint8_t tipo = 0;
  int32_t inizio = 0;
  int32_t fine = 0;
  int32_t posizione = 0;
  uint8_t dato_a = 0;
  std::string testo;  // UTF-8 in memory, Windows-1252 on disk
  int16_t dato_d = 0;
  int16_t dato_e = 0;
  int16_t dato_g = 0;
  int16_t dato_h = 0;
  int16_t dato_i = 0;
  uint8_t dato_f = 0;
  uint8_t dato_l = 0;
  uint8_t dato_c = 0;
  uint8_t dato_b = 0;
  int32_t orario = 0;
};

constexpr int numero_elementi = 87;
constexpr int primo_elemento_testo = 80;  // sign texts count down from here
constexpr int elemento_progressiva_tre = 81;
constexpr int elemento_progressiva_due = 82;
constexpr int elemento_progressiva_uno = 83;
constexpr int elemento_linea = 84;
constexpr int elemento_testata_percorso = 85;
constexpr int elemento_testata_treno = 86;

constexpr int massimo_gallerie = 80;
constexpr int32_t lunghezza_massima_percorso = 1000000;
// The grid and the plan run this far beyond the end of the route.
constexpr int32_t coda_percorso = 7000;
constexpr int32_t metri_per_cella = 50;
// The cell whose val1 and val2 the check codes fill: it must reach them empty.
constexpr int32_t cella_riservata = 1;

// Where a slow-down placed on the grid came from: its start cell, its warning
// cell (-1 when it has none) and the row that placed it. The finishing pass
// names that row for the code points of the slow-down it cannot place.
struct origine_rallentamento {
  int32_t cella_inizio = 0;
  int32_t cella_avviso = -1;
  luogo_sorgente luogo;
};

struct modello {
  // planimetria[c][m]: coordinate c (0 or 1) of the point at metre m.
  std::array<coordinata_planimetria, 2> planimetria;
  std::vector<cella> celle;  // indices 0 to n_celle once sized
  std::array<elemento, numero_elementi> elementi;
  std::array<int32_t, massimo_gallerie + 1> galleria_inizio{};
  std::array<int32_t, massimo_gallerie + 1> galleria_fine{};
  int32_t n_gallerie = 0;
  int32_t scrivi_planimetria = 0;
  int32_t metri_totali = 0;
  int32_t n_celle = 0;
  // Records 1 to n_stazioni hold the stations the train compile placed, and
  // primo_testo_cartello to 80 the sign texts of the line compile (none when
  // it is 81); a station refused after its record was filled leaves it in
  // record n_stazioni + 1.
  int32_t n_stazioni = 0;
  int32_t primo_testo_cartello = primo_elemento_testo + 1;
  std::string linea;
  std::string treno;
  std::string riga;  // the check string, once the check codes are filled
  // The last error recorded and the last position recorded with one; 0 for
  // none. Written only by registra_errore.
  int32_t n_errore = 0;
  int32_t pos_errore = 0;
  // Every error and warning recorded, in order, up to limite_diagnostiche
  // entries (0: no limit); the last error is n_errore when none was left out.
  // A description can hold a problem in every few bytes: the limit keeps the
  // list to what a reader will look at, and the rest is only counted.
  std::vector<diagnostica> diagnostiche;
  size_t limite_diagnostiche = 0;
  diagnostiche_tralasciate tralasciate;
  // Every slow-down placed by the train compile, in file order.
  std::vector<origine_rallentamento> rallentamenti;
  // The rows that last wrote val1 and val2 of cella_riservata, where an
  // error 1250 or 1251 points; empty while no row wrote them.
  luogo_sorgente autore_val1_riservato;
  luogo_sorgente autore_val2_riservato;

  // The grid exists only once the line compiler has read the route length.
  bool griglia_dimensionata() const { return !celle.empty(); }
};

// Every numeric field 0 and every text empty, in all 87 records.
void inizializza_elementi(modello& m);

// The model's list of diagnostics, its limit and its count of those left
// out, for a step that records without the model.
inline registro_diagnostiche registro_di(modello& m) {
  return {m.diagnostiche, m.limite_diagnostiche, m.tralasciate};
}

// Records error `numero`: it becomes n_errore and, when the step gives a
// position, `posizione` becomes pos_errore (the last recorded wins both), and
// it joins m.diagnostiche with its place in a description and, for a run-time
// failure, its reason, or is counted in m.tralasciate once the list holds
// limite_diagnostiche entries. The one way that an error is recorded.
void registra_errore(modello& m, int32_t numero, std::optional<int32_t> posizione = std::nullopt,
                     luogo_sorgente luogo = {}, std::string motivo = {});

// The same for an entry built by the step, with its notes: `d.numero` is the
// error number, and `d.posizione`, when it has one, becomes pos_errore.
void registra_errore(modello& m, diagnostica d);

// Records error 1250 or 1251, which ends the run rather than being recorded:
// it joins m.diagnostiche, past the limit too, since it is what the author
// must see; n_errore and pos_errore keep the compile's.
void registra_errore_fatale(modello& m, int32_t numero, luogo_sorgente luogo, std::string motivo);

// Records warning `codice` with its place and what it is about, past the
// limit only counted; n_errore and pos_errore stay as they are.
void registra_avviso(modello& m, int32_t codice, luogo_sorgente luogo, std::string motivo = {},
                     std::optional<int32_t> posizione = std::nullopt);

// The errors recorded, kept or left out, without the warnings.
size_t conta_errori(const modello& m);

// Whether the compile failed: it recorded an error, or ended on 1250 or 1251.
// A failed compile's files are written only when asked for, and its run never
// ends as a success.
bool compilazione_fallita(const modello& m);

// Forgets every error and warning recorded: n_errore 0, the list empty and
// none left out; pos_errore and the limit stay.
void azzera_errori(modello& m);

// Leaves the grid and the plan unsized, with no cells nor metres: what an
// earlier compile sized is gone, and the first use without a new size fails.
void svuota_griglia(modello& m);

// Sizes the grid (and the plan when scrivi_planimetria is set) for a route of
// `lunghezza` metres, discarding what they held. The caller has already
// refused lengths above lunghezza_massima_percorso.
void dimensiona(modello& m, int32_t lunghezza);

}  // namespace scenario
