#pragma once

// The three files that the simulator loads. Each is a raw dump of one
// structure of the model: no header, no count, no terminator, every
// multi-byte number little-endian, no gaps and no alignment.
//
// Track plan (route + "_linea.dat"): every metre 0..metri_totali of
// coordinate 0, then every metre of coordinate 1. Each element is a tagged
// number: u16 type code (0 empty, 2 int16, 5 double), then nothing, an i16,
// or an IEEE 754 double (2, 4 or 10 bytes).
//
// Element table (route + "_" + train + ".sim"): records 0..86, each
//   u8 tipo, i32 inizio, i32 fine, i32 posizione, u8 dato_a,
//   u16 n, n bytes of testo in Windows-1252 (no terminator),
//   i16 dato_d, i16 dato_e, i16 dato_g, i16 dato_h, i16 dato_i,
//   u8 dato_f, u8 dato_l, u8 dato_c, u8 dato_b, i32 orario
// = lunghezza_record_elemento_senza_testo + n bytes.
//
// Cell grid (route + "_" + train + ".dat"): cells 0..n_celle, each
//   u8 tipo, i16 val1, i16 val2, i16 val3, i16 val4,
//   u8 tempo, u8 avviso, u8 galleria, u8 vel_max, u8 pendenza, u8 aderenza
// = lunghezza_record_cella bytes.

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>

#include "modello/modello.h"

namespace scenario {

constexpr size_t lunghezza_record_cella = 15;
constexpr size_t lunghezza_record_elemento_senza_testo = 34;

// The largest each file can be, for the longest route and every text at the
// most its u16 length holds: a file read back that is larger is refused
// before it is read.
static_assert((lunghezza_massima_percorso + coda_percorso) % metri_per_cella == 0,
              "the longest route fills a whole number of cells: no rounding below");
constexpr size_t massimo_metri_planimetria =
    static_cast<size_t>(lunghezza_massima_percorso) + coda_percorso + 1;
constexpr size_t massimo_byte_planimetria =
    2 * massimo_metri_planimetria *
    coordinata_planimetria::lunghezza_codifica(coordinata_planimetria::reale);
constexpr size_t massimo_byte_elementi =
    numero_elementi * (lunghezza_record_elemento_senza_testo + 0xFFFF);
constexpr size_t massimo_celle =
    static_cast<size_t>(lunghezza_massima_percorso + coda_percorso) / metri_per_cella + 1;
constexpr size_t massimo_byte_celle = massimo_celle * lunghezza_record_cella;
// Any of the three: a file read for what it holds, whatever its name says.
constexpr size_t massimo_byte_file_compilato =
    std::max({massimo_byte_planimetria, massimo_byte_elementi, massimo_byte_celle});

// Encoders of one record, appended to `uscita`. A record whose length is not
// the layout's is a fault of the encoder: std::logic_error, in every build.
void codifica_valore_planimetria(std::string& uscita, const valore_planimetria& v);
void codifica_metro(std::string& uscita, const coordinata_planimetria& coordinata, size_t metro);
void codifica_elemento(std::string& uscita, const elemento& e);
void codifica_cella(std::string& uscita, const cella& c);

// Each compiled file whole, as its bytes.
std::string codifica_file_planimetria(const modello& m);
std::string codifica_file_elementi(const modello& m);
std::string codifica_file_celle(const modello& m);

// Replace the file at `percorso` with the same bytes. The track plan, millions
// of doubles, goes to the file straight from the model rather than through a
// copy of its own; the other two are written from their whole encoding.
void scrivi_file_planimetria(const std::filesystem::path& percorso, const modello& m);
void scrivi_file_elementi(const std::filesystem::path& percorso, const modello& m);
void scrivi_file_celle(const std::filesystem::path& percorso, const modello& m);

}  // namespace scenario
