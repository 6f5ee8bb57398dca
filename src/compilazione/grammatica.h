#pragma once

// The grammar of the two description formats: every row kind, with the
// section it belongs to, the words that its keyword field must hold and the
// fields that follow it, each with its width, unit, values and meaning. It
// is the one place where the formats are written down: the compilers test
// their keywords through it, the field reader refuses a read of another
// width than a field's, and docs/formati.md (riferimento_grammatica), the
// test variants and the checks of the fuzz dictionary are made from it.
//
// A keyword field holds a row kind when it contains every word of the kind
// (in any case where the kind says so); a field may hold several kinds, and
// each reads its own fields, in the order of the table.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "compilazione/parole_chiave.h"

namespace scenario::grammatica {

enum class formato { linea, treno };
enum class larghezza { i32, i16, u8, testo };

// The values a field takes, both ends included.
struct intervallo {
  int64_t minimo;
  int64_t massimo;
};

struct campo {
  std::string_view nome;
  larghezza tipo;
  std::string_view unita = {};  // empty for a count, a code or a text
  // The values that the compile accepts or that the format documents, where
  // they are narrower than the width's; see valori_di.
  std::optional<intervallo> valori = std::nullopt;
  // What the value is and what becomes of it, in one line of the reference.
  std::string_view significato = {};
  // The format lets this value be left blank: an empty field reads as 0 and
  // is no cause for a warning (the second group of a speed board).
  bool vuoto_ammesso = false;
  // A text that is not a number is a documented way to write 0 here (the code
  // of a code point without code): no warning either.
  bool testo_ammesso = false;
};

struct voce {
  formato formato_;
  // The section header under which the row is written. The line compiler
  // tells its general section from the sections after it (their headers are
  // not looked at); the train compiler reads every row in any section.
  std::string_view sezione;
  // The keyword as an author writes it; `parole` are what the test looks for.
  std::string_view nome;
  std::array<std::string_view, 2> parole = {};  // the second may be empty
  bool maiuscole_contano = false;
  std::span<const campo> campi;
  // What the reference says of the row besides its fields; may be empty.
  std::string_view nota = {};
  // A row of this kind as it stands in a description, for the reference.
  std::string_view esempio;
};

// How the reference and the faults of the reader name a width.
constexpr std::string_view nome_larghezza(larghezza l) {
  switch (l) {
    case larghezza::i32:
      return "32-bit";
    case larghezza::i16:
      return "16-bit";
    case larghezza::u8:
      return "8-bit";
    default:
      return "text";
  }
}

// The values a number of field `c` may take: those the table gives, or the
// whole of its width.
constexpr intervallo valori_di(const campo& c) {
  if (c.valori) return *c.valori;
  switch (c.tipo) {
    case larghezza::i16:
      return {.minimo = -32768, .massimo = 32767};
    case larghezza::u8:
      return {.minimo = 0, .massimo = 255};
    default:
      return {.minimo = -2147483648LL, .massimo = 2147483647};
  }
}

// The section headers of each format, in the order in which they stand.
inline constexpr std::string_view sezioni_linea[] = {
    "[generale]", "[curve]", "[pendenze]", "[montagne]", "[cartelli]", "[indicazioni]", "[fine]"};
inline constexpr std::string_view sezioni_treno[] = {
    "[generale]",      "[aderenze]", "[vel_limite]", "[stazioni]",
    "[rallentamenti]", "[segnali]",  "[codici]",     "[fine]"};
inline constexpr std::string_view sezione_generale = "[generale]";

// Whether the keyword field `campo_chiave` holds the row kind `v`.
inline bool corrisponde(const voce& v, std::string_view campo_chiave) {
  for (std::string_view parola : v.parole) {
    if (parola.empty()) continue;
    bool c = v.maiuscole_contano ? contiene(campo_chiave, parola)
                                 : contiene_senza_maiuscole(campo_chiave, parola);
    if (!c) return false;
  }
  return true;
}

// The same test with case ignored: tells an author that a case-sensitive
// keyword was written with capitals.
inline bool corrisponde_senza_maiuscole(const voce& v, std::string_view campo_chiave) {
  for (std::string_view parola : v.parole) {
    if (!parola.empty() && !contiene_senza_maiuscole(campo_chiave, parola)) return false;
  }
  return true;
}

using L = larghezza;
inline constexpr campo campi_lunghezza[] = {
    {.nome = "lunghezza",
     .tipo = L::i32,
     .unita = "m",
     .valori = intervallo{.minimo = 0, .massimo = 1000000},
     .significato = "the route length (error 1 outside), stored as record 84's fine; sizes the "
                    "cell grid and the track plan (length + 7000 m). Must come before any item "
                    "row (error 25 without it)"}};
inline constexpr campo campi_progressiva[] = {
    {.nome = "inizio",
     .tipo = L::i32,
     .unita = "m",
     .significato = "where the chainage reference begins, stored as its record's inizio; a "
                    "multiple of 50 (error 2)"},
    {.nome = "progressiva",
     .tipo = L::i32,
     .unita = "m",
     .significato = "the chainage at that point, stored as its record's fine; a multiple of 50 "
                    "(error 2)"},
    {.nome = "aggiungi 100 m (1)",
     .tipo = L::i32,
     .significato = "stored as its record's posizione; 1 adds 100 m to the chainage, anything "
                    "else nothing"}};
inline constexpr campo campi_sfondo[] = {
    {.nome = "sfondo",
     .tipo = L::i32,
     .significato = "a background setting of the scenery, stored as read in the route header, "
                    "record 85 (the note says which field); no other use"}};
inline constexpr campo campi_ripetizione[] = {
    {.nome = "inizio",
     .tipo = L::i32,
     .unita = "m",
     .significato = "start of the zone where signals are repeated in the cab, stored as record "
                    "86's inizio; a multiple of 50 (error 3)"},
    {.nome = "fine",
     .tipo = L::i32,
     .unita = "m",
     .significato = "its end, record 86's fine; a multiple of 50 (error 4); 0 for no zone"}};
inline constexpr campo campi_pendenza[] = {
    {.nome = "posizione",
     .tipo = L::i32,
     .unita = "m",
     .significato = "from here on the gradient holds, until the next row"},
    {.nome = "pendenza",
     .tipo = L::i32,
     .unita = "‰",
     .valori = intervallo{.minimo = -100, .massimo = 155},
     .significato = "stored in the pendenza byte of the cells from here on as gradient + 100 "
                    "(warning 216 outside: its low 8 bits kept)"}};
inline constexpr campo campi_curva[] = {
    {.nome = "inizio",
     .tipo = L::i32,
     .unita = "m",
     .significato = "the last straight metre before the curve"},
    {.nome = "lunghezza", .tipo = L::i32, .unita = "m", .significato = "how long the curve turns"}};
inline constexpr campo campi_montagna[] = {
    {.nome = "inizio",
     .tipo = L::i32,
     .unita = "m",
     .significato = "start of the tunnel; cells from inizio / 50 (before cell 0 not drawn, "
                    "warning 211)"},
    {.nome = "fine",
     .tipo = L::i32,
     .unita = "m",
     .significato = "its end; cells up to fine / 50 - 1 (past the grid not drawn, warning 211; "
                    "none when it ends before its first cell, warning 212)"},
    {.nome = "tipo",
     .tipo = L::i32,
     .valori = intervallo{.minimo = 0, .massimo = 265},
     .significato = "type code, stored in the galleria byte of every cell it covers; above 10, "
                    "10 is taken off and every fourth empty cell gets a tunnel marker (kind 11); "
                    "a type left outside 0 to 255 keeps its low 8 bits (warning 216); a tunnel "
                    "beginning at most 150 m after the previous one ends takes type 3 "
                    "(warning 213)"}};
inline constexpr campo campi_indicatori[] = {
    {.nome = "posizione", .tipo = L::i32, .unita = "m", .significato = "where the board stands"},
    {.nome = "velocità a sinistra",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "speed for category a, left group",
     .vuoto_ammesso = true},
    {.nome = "velocità b sinistra",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "category b, left",
     .vuoto_ammesso = true},
    {.nome = "velocità c sinistra",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "category c, left",
     .vuoto_ammesso = true},
    {.nome = "strisce sinistra",
     .tipo = L::i16,
     .valori = intervallo{.minimo = 0, .massimo = 2},
     .significato = "stripes, left",
     .vuoto_ammesso = true},
    {.nome = "velocità a destra",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "category a, right",
     .vuoto_ammesso = true},
    {.nome = "velocità b destra",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "category b, right",
     .vuoto_ammesso = true},
    {.nome = "velocità c destra",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "category c, right",
     .vuoto_ammesso = true},
    {.nome = "strisce destra",
     .tipo = L::i16,
     .valori = intervallo{.minimo = 0, .massimo = 2},
     .significato = "stripes, right",
     .vuoto_ammesso = true}};
inline constexpr campo campi_cartello[] = {
    {.nome = "posizione", .tipo = L::i32, .unita = "m", .significato = "where the board stands"},
    {.nome = "testo",
     .tipo = L::testo,
     .significato = "its face, one parenthesised group per row of the board, stored as its "
                    "record's testo; up to the end of the line; no comma"}};

inline constexpr campo campi_percentuale[] = {{.nome = "massa frenata",
                                               .tipo = L::i32,
                                               .unita = "%",
                                               .significato = "braked-mass percentage, stored "
                                                              "as record 84's inizio"}};
inline constexpr campo campi_vetture[] = {
    {.nome = "vetture",
     .tipo = L::i32,
     .significato = "number of cars of the train, stored as record 84's posizione"}};
inline constexpr campo campi_velocita[] = {
    {.nome = "posizione",
     .tipo = L::i32,
     .unita = "m",
     .significato = "from here on the speed limit holds, until the next row"},
    {.nome = "velocità",
     .tipo = L::i32,
     .unita = "km/h",
     .valori = intervallo{.minimo = 0, .massimo = 1277},
     .significato = "stored in the vel_max byte of the cells as speed / 5, rounded, which must "
                    "fit 0 to 255 (error 25)"}};
inline constexpr campo campi_aderenza[] = {
    {.nome = "posizione",
     .tipo = L::i32,
     .unita = "m",
     .significato = "from here on the adhesion holds, until the next row"},
    {.nome = "aderenza",
     .tipo = L::i32,
     .unita = "%",
     .valori = intervallo{.minimo = 0, .massimo = 255},
     .significato = "adhesion, stored in the aderenza byte of the cells; the low 8 bits are "
                    "kept (warning 216 outside)"}};
inline constexpr campo campi_orologio[] = {
    {.nome = "ore", .tipo = L::i16, .unita = "h", .significato = "hours, record 86's dato_g"},
    {.nome = "minuti",
     .tipo = L::i16,
     .unita = "min",
     .significato = "minutes, record 86's dato_h"},
    {.nome = "secondi",
     .tipo = L::i16,
     .unita = "s",
     .significato = "seconds, record 86's dato_i"}};
inline constexpr campo campi_sabbia[] = {
    {.nome = "sabbia",
     .tipo = L::i16,
     .significato = "the train's sand value, stored as record 86's dato_d; no other use"}};
// The signal's values reach the simulator only as the fields of its cell
// (kind 1) and the marks before it; each sum keeps its low 16 bits unchecked.
inline constexpr campo campi_segnale[] = {
    {.nome = "posizione", .tipo = L::i32, .unita = "m", .significato = "where the signal stands"},
    {.nome = "sx",
     .tipo = L::i32,
     .valori = intervallo{.minimo = 1, .massimo = 2},
     .significato = "code of the left-hand part: in val4 (rapp × 10 + sx × 3 + dx) and in the "
                    "marks before the signal; 2 keeps tempo"},
    {.nome = "s1",
     .tipo = L::i32,
     .significato = "first value of the left-hand part: the tens of val1 (s1 × 10 + d1)"},
    {.nome = "s2",
     .tipo = L::i32,
     .significato = "second value, left: the tens of val2 (s2 × 10 + d2)"},
    {.nome = "s3",
     .tipo = L::i32,
     .significato = "third value, left: the tens of val3 (s3 × 10 + d3)"},
    {.nome = "rapp",
     .tipo = L::i32,
     .valori = intervallo{.minimo = 0, .massimo = 1},
     .significato = "the tens of val4 (rapp × 10 + sx × 3 + dx)"},
    {.nome = "dx",
     .tipo = L::i32,
     .valori = intervallo{.minimo = 0, .massimo = 2},
     .significato = "code of the right-hand part: in val4 and in the marks before the signal"},
    {.nome = "d1",
     .tipo = L::i32,
     .significato = "first value of the right-hand part: the units of val1"},
    {.nome = "d2", .tipo = L::i32, .significato = "second value, right: the units of val2"},
    {.nome = "d3", .tipo = L::i32, .significato = "third value, right: the units of val3"},
    {.nome = "tempo",
     .tipo = L::i32,
     .significato = "a time value of the signal, kept only when sx is 2: its low 8 bits in the "
                    "cell's tempo byte, 1 to 100 becoming 101; 0 there otherwise. The built-in "
                    "rows hold 0 or 130 to 255"}};
inline constexpr campo campi_rallentamento[] = {
    {.nome = "inizio", .tipo = L::i32, .unita = "m", .significato = "start of the slow-down"},
    {.nome = "velocità",
     .tipo = L::i32,
     .unita = "km/h",
     .significato = "its speed: val1 of the start, end and warning-point cells; below 110 km/h "
                    "code points every 400 m inside it"},
    {.nome = "lunghezza",
     .tipo = L::i32,
     .unita = "m",
     .significato = "its length; under about 50 m the end shares the start's cell (warning 218)"},
    {.nome = "f_tt",
     .tipo = L::i32,
     .significato = "a flag, val3 of the start and end cells; the built-in rows hold 1 where the "
                    "slow-down order asks the whole train to respect the slow-down"},
    {.nome = "tabelle (f_ta)",
     .tipo = L::i32,
     .significato = "not 0: four distance boards before the warning point (none at or before "
                    "1500 m, warning 217)"},
    {.nome = "d_v",
     .tipo = L::i32,
     .significato = "not 0: val2 of the start, end and warning-point cells, and each distance "
                    "board's number a second time in its val2"}};
inline constexpr campo campi_abbattimento[] = {
    {.nome = "posizione",
     .tipo = L::i32,
     .unita = "m",
     .significato = "where the code point stands"},
    {.nome = "codice",
     .tipo = L::i32,
     .significato = "above 0: a code point (kind 12) with the code's low 16 bits in val1; 0, "
                    "below 0 or a text (no warning): a code point without code (kind 13)",
     .testo_ammesso = true}};
// The station row's values a to l reach the simulator through the station's
// element record, where the compile gives most of them no use of its own: the
// reference says which field and bytes each lands in, never what the
// simulator makes of it. n is the length of the name in bytes.
inline constexpr campo campi_stazione[] = {
    {.nome = "posizione",
     .tipo = L::i32,
     .unita = "m",
     .significato = "where the place stands, stored as its record's posizione; a multiple of 50 "
                    "(error 8)"},
    {.nome = "tipo",
     .tipo = L::u8,
     .significato =
         "type of place, stored as its record's tipo: 5 and 6 take their zone from position − "
         "length to position + 150, 7 and 8 from position − length to position + length, the "
         "others position ± length / 2; below 25 a stop mark in the cell before the zone's end "
         "(error 24 within the first 100 m), and approach marks except for 5 and 6"},
    {.nome = "lunghezza",
     .tipo = L::i32,
     .unita = "m",
     .significato = "sets the zone, stored as the record's inizio and fine (see tipo); not "
                    "stored itself. A multiple of 100 (error 9); below 600 clears `b`"},
    {.nome = "a",
     .tipo = L::u8,
     .significato = "stored as the record's dato_a (byte 13); no other use in the compile. The "
                    "built-in rows hold 0 or 1"},
    {.nome = "b",
     .tipo = L::u8,
     .significato = "stored as the record's dato_b (byte 29 + n) for a station of 600 m or more "
                    "that is not the first, else 0; no other use. The built-in rows hold 0 or 1"},
    {.nome = "c",
     .tipo = L::u8,
     .significato = "not 0: the zone of types other than 5 to 8 ends 50 m later. Stored as the "
                    "record's dato_c (byte 28 + n), but 0 for types 5 to 8 and the first "
                    "station (which keeps the 50 m)"},
    {.nome = "d",
     .tipo = L::i16,
     .significato = "stored as the record's dato_d (bytes 16 + n, 17 + n); no other use. The "
                    "built-in rows hold 0, 1, 3 or 4"},
    {.nome = "e",
     .tipo = L::i16,
     .significato = "stored as the record's dato_e (bytes 18 + n, 19 + n); no other use. The "
                    "built-in rows hold 0 or 1"},
    {.nome = "f",
     .tipo = L::u8,
     .significato = "stored as the record's dato_f (byte 26 + n); no other use. The built-in "
                    "rows hold 0"},
    {.nome = "g",
     .tipo = L::i16,
     .significato = "stored as the record's dato_g (bytes 20 + n, 21 + n); no other use. The "
                    "built-in rows hold 0, 2, 3 or 4"},
    {.nome = "h",
     .tipo = L::i16,
     .significato = "stored as the record's dato_h (bytes 22 + n, 23 + n); no other use. The "
                    "built-in rows hold 0 or 1"},
    {.nome = "i",
     .tipo = L::i16,
     .significato = "stored as the record's dato_i (bytes 24 + n, 25 + n); no other use. The "
                    "built-in rows hold 0 or 1"},
    {.nome = "l",
     .tipo = L::u8,
     .significato = "stored as the record's dato_l (byte 27 + n); no other use. The built-in "
                    "rows hold 0 to 150"},
    {.nome = "ore",
     .tipo = L::i32,
     .unita = "h",
     .significato = "scheduled time, stored as the record's orario in seconds, (ore × 60 + "
                    "minuti) × 60 + secondi, which must fit 32 bits (error 25); 0, 0, 0 for a "
                    "place without a time"},
    {.nome = "minuti", .tipo = L::i32, .unita = "min", .significato = "its minutes"},
    {.nome = "secondi", .tipo = L::i32, .unita = "s", .significato = "its seconds"},
    {.nome = "nome",
     .tipo = L::testo,
     .significato = "the place's name, stored as the record's testo; up to the end of the line; "
                    "no comma"}};

using F = formato;
inline constexpr voce lunghezza_percorso{.formato_ = F::linea,
                                         .sezione = "[generale]",
                                         .nome = "lunghezza percorso",
                                         .parole = {"percorso", "lunghezza"},
                                         .campi = campi_lunghezza,
                                         .esempio = "lunghezza percorso,    103000"};
// The three progressives share their note: the reference shows it under each.
inline constexpr std::string_view nota_progressive =
    "The three progressives are sorted by their start: record 81 gets the one that begins "
    "furthest, 83 the first. Two with the same greatest start clear all three (warning 215).";
inline constexpr voce progressiva_tre{
    .formato_ = F::linea,
    .sezione = "[generale]",
    .nome = "progressiva chilometrica tre",
    .parole = {"tre", "progressiva"},
    .maiuscole_contano = true,
    .campi = campi_progressiva,
    .nota = nota_progressive,
    .esempio = "progressiva chilometrica tre,    35400,    100150,    1"};
inline constexpr voce progressiva_due{
    .formato_ = F::linea,
    .sezione = "[generale]",
    .nome = "progressiva chilometrica due",
    .parole = {"due", "progressiva"},
    .maiuscole_contano = true,
    .campi = campi_progressiva,
    .nota = nota_progressive,
    .esempio = "progressiva chilometrica due,    5800,    -2000,    0"};
inline constexpr voce progressiva_uno{
    .formato_ = F::linea,
    .sezione = "[generale]",
    .nome = "progressiva chilometrica uno",
    .parole = {"uno", "progressiva"},
    .maiuscole_contano = true,
    .campi = campi_progressiva,
    .nota = nota_progressive,
    .esempio = "progressiva chilometrica uno,    3000,    9000,    1"};
inline constexpr voce sfondo_uno{.formato_ = F::linea,
                                 .sezione = "[generale]",
                                 .nome = "sfondo uno",
                                 .parole = {"sfondo", "uno"},
                                 .maiuscole_contano = true,
                                 .campi = campi_sfondo,
                                 .nota = "The first background setting, record 85's inizio.",
                                 .esempio = "sfondo uno,    0"};
inline constexpr voce sfondo_due{.formato_ = F::linea,
                                 .sezione = "[generale]",
                                 .nome = "sfondo due",
                                 .parole = {"sfondo", "due"},
                                 .maiuscole_contano = true,
                                 .campi = campi_sfondo,
                                 .nota = "The second background setting, record 85's posizione.",
                                 .esempio = "sfondo due,    1"};
inline constexpr voce sfondo_tre{.formato_ = F::linea,
                                 .sezione = "[generale]",
                                 .nome = "sfondo tre",
                                 .parole = {"sfondo", "tre"},
                                 .maiuscole_contano = true,
                                 .campi = campi_sfondo,
                                 .nota = "The third background setting, record 85's fine.",
                                 .esempio = "sfondo tre,    0"};
inline constexpr voce ripetizione_segnali{
    .formato_ = F::linea,
    .sezione = "[generale]",
    .nome = "ripetizione segnali 4 codici",
    .parole = {"segnali", "ripetizione"},
    .maiuscole_contano = true,
    .campi = campi_ripetizione,
    .nota =
        "The keyword holds the code count, 4 or 9 (error 5 without either; 4 wins), stored "
        "as record 86's posizione (0 when the end is 0).",
    .esempio = "ripetizione segnali 4 codici,    7500,    35600"};
inline constexpr voce pendenza{
    .formato_ = F::linea,
    .sezione = "[pendenze]",
    .nome = "pendenza",
    .parole = {"pendenza", ""},
    .campi = campi_pendenza,
    .nota =
        "Rows in order of position, at most one per 50 m (warning 210 when they crowd the "
        "last cell).",
    .esempio = "pendenza,  700,   -7"};
inline constexpr voce curva{
    .formato_ = F::linea,
    .sezione = "[curve]",
    .nome = "curvas / curvad",
    .parole = {"curva", ""},
    .campi = campi_curva,
    .nota =
        "`curvas` turns left, `curvad` right; a digit 1 to 6 in the keyword is the class, "
        "from 1 (radius about 10000 m) to 6 (about 333 m); error 103 without one. Read only "
        "when the track plan is built. Curves are drawn in file order, each from where the "
        "plan stands; one that runs past the plan's last metre is clipped (warning 214).",
    .esempio = "curvas6,  550,  350"};
inline constexpr voce montagna{.formato_ = F::linea,
                               .sezione = "[montagne]",
                               .nome = "montagna",
                               .parole = {"montagna", ""},
                               .campi = campi_montagna,
                               .nota = "At most 80 (error 26).",
                               .esempio = "montagna,   600,  1750,  12"};
inline constexpr voce indicatori_v_max{
    .formato_ = F::linea,
    .sezione = "[cartelli]",
    .nome = "indicatori_vmax",
    .parole = {"indicatori_v", ""},
    .campi = campi_indicatori,
    .nota =
        "A speed indicator board in cell position / 50 + 1 (error 21 when taken). Two groups "
        "of values, left (s) and right (d); either group may be left blank, its values "
        "reading as 0 without a warning. Each category is stored as left × 20 + right / 5 in "
        "val1 (a), val2 (b) and val3 (c) of the board's cell, which must fit 16 bits (error "
        "25); the stripes as left × 10 + right in val4.",
    .esempio = "indicatori_vmax,  7900,  140,  145,  150,  0,  ,  ,  ,  0"};
inline constexpr voce cartello_indicatore{
    .formato_ = F::linea,
    .sezione = "[indicazioni]",
    .nome = "cartello_indicatore",
    .parole = {"indicat", "cartello"},
    .campi = campi_cartello,
    .nota =
        "A sign board with a text in cell position / 50 + 1 (error 6 when taken); its text "
        "goes into the element table, from record 80 down (error 27 past 80 boards).",
    .esempio = "cartello_indicatore,  16250,   (-----)(|_|_|)( / / )"};

inline constexpr voce massa_frenata{.formato_ = F::treno,
                                    .sezione = "[generale]",
                                    .nome = "percentuale massa frenata",
                                    .parole = {"frenata", "massa"},
                                    .campi = campi_percentuale,
                                    .esempio = "percentuale massa frenata,    105"};
inline constexpr voce vetture{.formato_ = F::treno,
                              .sezione = "[generale]",
                              .nome = "numero vetture",
                              .parole = {"vetture", ""},
                              .campi = campi_vetture,
                              .esempio = "numero vetture,    5"};
inline constexpr voce velocita{.formato_ = F::treno,
                               .sezione = "[vel_limite]",
                               .nome = "velocita",
                               .parole = {"velocit", ""},
                               .campi = campi_velocita,
                               .nota = "Rows in order of position.",
                               .esempio = "velocita,       0,   105"};
inline constexpr voce aderenza{.formato_ = F::treno,
                               .sezione = "[aderenze]",
                               .nome = "aderenza",
                               .parole = {"aderenza", ""},
                               .campi = campi_aderenza,
                               .nota = "Rows in order of position.",
                               .esempio = "aderenza,    1750,    70"};
inline constexpr voce orologio{.formato_ = F::treno,
                               .sezione = "[generale]",
                               .nome = "orologio",
                               .parole = {"orologio", ""},
                               .campi = campi_orologio,
                               .nota = "The clock time at which the simulation starts.",
                               .esempio = "orologio,    18              29            50"};
inline constexpr voce sabbia{.formato_ = F::treno,
                             .sezione = "[generale]",
                             .nome = "sabbia",
                             .parole = {"sabbia", ""},
                             .campi = campi_sabbia,
                             .esempio = "sabbia,    50"};
inline constexpr voce segnale{
    .formato_ = F::treno,
    .sezione = "[segnali]",
    .nome = "segnale",
    .parole = {"segnale", ""},
    .campi = campi_segnale,
    .nota =
        "A signal in cell posizione / 50 + 1 (error 16 when taken), marking the cells 2, 4, "
        "6 and 8 before it with (sx × 3 + dx) × 10 + 1, 2, 3, 4 in their avviso byte (those "
        "before cell 0 are dropped, warning 208).",
    .esempio = "segnale,     850,   2, 5, 6,  1, 0,    0,  0,0,0, 0"};
inline constexpr voce rallentamento{
    .formato_ = F::treno,
    .sezione = "[rallentamenti]",
    .nome = "rallentamento",
    .parole = {"rallentamento", ""},
    .campi = campi_rallentamento,
    .nota =
        "Start and end in cells x / 50 + 1 and (x + l) / 50 + 1; beyond 1500 m a warning "
        "point 1200 m before the start. Cells taken: errors 17 to 20.",
    .esempio = "rallentamento,    9500,    40,  450, 1,  1,  40"};
inline constexpr voce abbattimento{
    .formato_ = F::treno,
    .sezione = "[codici]",
    .nome = "abbattimento",
    .parole = {"abbattimento", ""},
    .campi = campi_abbattimento,
    .nota = "A code point in cell posizione / 50 (error 7 when taken, 29 before cell 0).",
    .esempio = "abbattimento,   19000,   AC"};
inline constexpr voce stazione{
    .formato_ = F::treno,
    .sezione = "[stazioni]",
    .nome = "stazione",
    .parole = {"stazione", ""},
    .campi = campi_stazione,
    .nota =
        "Rows in order of position; each takes the next element record from 1 up (error 10 "
        "when the sign texts leave none), which keeps its values: bytes are counted from the "
        "record's start, n being the length of the name in bytes. Zones of two stations leave at "
        "least 350 m "
        "between them (error 22).",
    .esempio =
        "stazione,   14250,  12,  300,   0, 0, 0,   1, 1, 0,   3, 1, 1,  55,  18, 51,  0, "
        "Borgo Alto"};

// Every row kind, in the order in which the compilers test them.
inline constexpr const voce* tutte[] = {&lunghezza_percorso,
                                        &progressiva_tre,
                                        &progressiva_due,
                                        &progressiva_uno,
                                        &sfondo_uno,
                                        &sfondo_due,
                                        &sfondo_tre,
                                        &ripetizione_segnali,
                                        &pendenza,
                                        &curva,
                                        &montagna,
                                        &indicatori_v_max,
                                        &cartello_indicatore,
                                        &massa_frenata,
                                        &vetture,
                                        &velocita,
                                        &aderenza,
                                        &orologio,
                                        &sabbia,
                                        &segnale,
                                        &rallentamento,
                                        &abbattimento,
                                        &stazione};

// The most values that a row of any kind reads.
inline constexpr size_t massimo_campi_riga = [] {
  size_t massimo = 0;
  for (const voce* v : tutte) massimo = std::max(massimo, v->campi.size());
  return massimo;
}();

}  // namespace scenario::grammatica
