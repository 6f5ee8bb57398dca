#pragma once

// The grammar of the two description formats: every row kind, with the
// section it belongs to, the words that its keyword field must hold and the
// fields that follow it. The compilers test their keywords through this
// table; it is the one place where the formats are written down.
//
// A keyword field holds a row kind when it contains every word of the kind
// (in any case where the kind says so); a field may hold several kinds, and
// each reads its own fields, in the order of the table.

#include <array>
#include <span>
#include <string_view>

#include "compilazione/parole_chiave.h"

namespace scenario::grammatica {

enum class formato { linea, treno };
enum class larghezza { i32, i16, u8, testo };

struct campo {
  std::string_view nome;
  std::string_view unita;  // empty for a count, a code or a text
  larghezza tipo;
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
  std::array<std::string_view, 2> parole;  // the second may be empty
  bool maiuscole_contano;
  std::span<const campo> campi;
  std::string_view nota;
  // A row of this kind as it stands in a description, for the reference.
  std::string_view esempio;
};

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
inline constexpr campo campi_lunghezza[] = {{"lunghezza", "m", L::i32}};
inline constexpr campo campi_progressiva[] = {
    {"inizio", "m", L::i32}, {"progressiva", "m", L::i32}, {"aggiungi 100 m (1)", "", L::i32}};
inline constexpr campo campi_sfondo[] = {{"sfondo", "", L::i32}};
inline constexpr campo campi_ripetizione[] = {{"inizio", "m", L::i32}, {"fine", "m", L::i32}};
inline constexpr campo campi_pendenza[] = {{"posizione", "m", L::i32}, {"pendenza", "‰", L::i32}};
inline constexpr campo campi_curva[] = {{"inizio", "m", L::i32}, {"lunghezza", "m", L::i32}};
inline constexpr campo campi_montagna[] = {
    {"inizio", "m", L::i32}, {"fine", "m", L::i32}, {"tipo", "", L::i32}};
inline constexpr campo campi_indicatori[] = {{"posizione", "m", L::i32},
                                             {"velocità a sinistra", "km/h", L::i32, true},
                                             {"velocità b sinistra", "km/h", L::i32, true},
                                             {"velocità c sinistra", "km/h", L::i32, true},
                                             {"strisce sinistra", "", L::i16, true},
                                             {"velocità a destra", "km/h", L::i32, true},
                                             {"velocità b destra", "km/h", L::i32, true},
                                             {"velocità c destra", "km/h", L::i32, true},
                                             {"strisce destra", "", L::i16, true}};
inline constexpr campo campi_cartello[] = {{"posizione", "m", L::i32}, {"testo", "", L::testo}};

inline constexpr campo campi_percentuale[] = {{"massa frenata", "%", L::i32}};
inline constexpr campo campi_vetture[] = {{"vetture", "", L::i32}};
inline constexpr campo campi_velocita[] = {{"posizione", "m", L::i32},
                                           {"velocità", "km/h", L::i32}};
inline constexpr campo campi_aderenza[] = {{"posizione", "m", L::i32}, {"aderenza", "%", L::i32}};
inline constexpr campo campi_orologio[] = {
    {"ore", "h", L::i16}, {"minuti", "min", L::i16}, {"secondi", "s", L::i16}};
inline constexpr campo campi_sabbia[] = {{"sabbia", "", L::i16}};
inline constexpr campo campi_segnale[] = {
    {"posizione", "m", L::i32}, {"sx", "", L::i32},   {"s1", "", L::i32},    {"s2", "", L::i32},
    {"s3", "", L::i32},         {"rapp", "", L::i32}, {"dx", "", L::i32},    {"d1", "", L::i32},
    {"d2", "", L::i32},         {"d3", "", L::i32},   {"tempo", "s", L::i32}};
inline constexpr campo campi_rallentamento[] = {
    {"inizio", "m", L::i32}, {"velocità", "km/h", L::i32},   {"lunghezza", "m", L::i32},
    {"f_tt", "", L::i32},    {"tabelle (f_ta)", "", L::i32}, {"d_v", "", L::i32}};
inline constexpr campo campi_abbattimento[] = {{"posizione", "m", L::i32},
                                               {"codice", "", L::i32, false, true}};
inline constexpr campo campi_stazione[] = {
    {"posizione", "m", L::i32}, {"tipo", "", L::u8},   {"lunghezza", "m", L::i32},
    {"a", "", L::u8},           {"b", "", L::u8},      {"c", "", L::u8},
    {"d", "", L::i16},          {"e", "", L::i16},     {"f", "", L::u8},
    {"g", "", L::i16},          {"h", "", L::i16},     {"i", "", L::i16},
    {"l", "", L::u8},           {"ore", "h", L::i32},  {"minuti", "min", L::i32},
    {"secondi", "s", L::i32},   {"nome", "", L::testo}};

using F = formato;
inline constexpr voce lunghezza_percorso{
    F::linea, "[generale]",    "lunghezza percorso", {"percorso", "lunghezza"},
    false,    campi_lunghezza, "from 0 to 1000000",  "lunghezza percorso,    103000"};
inline constexpr voce progressiva_tre{F::linea,
                                      "[generale]",
                                      "progressiva chilometrica tre",
                                      {"tre", "progressiva"},
                                      true,
                                      campi_progressiva,
                                      "",
                                      "progressiva chilometrica tre,    35400,    100150,    1"};
inline constexpr voce progressiva_due{F::linea,
                                      "[generale]",
                                      "progressiva chilometrica due",
                                      {"due", "progressiva"},
                                      true,
                                      campi_progressiva,
                                      "",
                                      "progressiva chilometrica due,    5800,    -2000,    0"};
inline constexpr voce progressiva_uno{F::linea,
                                      "[generale]",
                                      "progressiva chilometrica uno",
                                      {"uno", "progressiva"},
                                      true,
                                      campi_progressiva,
                                      "",
                                      "progressiva chilometrica uno,    3000,    9000,    1"};
inline constexpr voce sfondo_uno{F::linea, "[generale]", "sfondo uno", {"sfondo", "uno"},
                                 true,     campi_sfondo, "",           "sfondo uno,    0"};
inline constexpr voce sfondo_due{F::linea, "[generale]", "sfondo due", {"sfondo", "due"},
                                 true,     campi_sfondo, "",           "sfondo due,    1"};
inline constexpr voce sfondo_tre{F::linea, "[generale]", "sfondo tre", {"sfondo", "tre"},
                                 true,     campi_sfondo, "",           "sfondo tre,    0"};
inline constexpr voce ripetizione_segnali{F::linea,
                                          "[generale]",
                                          "ripetizione segnali 4 codici",
                                          {"segnali", "ripetizione"},
                                          true,
                                          campi_ripetizione,
                                          "the keyword holds the code count, 4 or 9",
                                          "ripetizione segnali 4 codici,    7500,    35600"};
inline constexpr voce pendenza{F::linea, "[pendenze]",   "pendenza", {"pendenza", ""},
                               false,    campi_pendenza, "",         "pendenza,  700,   -7"};
inline constexpr voce curva{F::linea,
                            "[curve]",
                            "curvas / curvad",
                            {"curva", ""},
                            false,
                            campi_curva,
                            "the keyword holds the class, 1 to 6, and an s for a left turn; "
                            "read only when the track plan is built",
                            "curvas6,  550,  350"};
inline constexpr voce montagna{F::linea,
                               "[montagne]",
                               "montagna",
                               {"montagna", ""},
                               false,
                               campi_montagna,
                               "a type above 10 asks for tunnel markers",
                               "montagna,   600,  1750,  12"};
inline constexpr voce indicatori_v_max{F::linea,
                                       "[cartelli]",
                                       "indicatori_vmax",
                                       {"indicatori_v", ""},
                                       false,
                                       campi_indicatori,
                                       "",
                                       "indicatori_vmax,  7900,  140,  145,  150,  0,  ,  ,  ,  0"};
inline constexpr voce cartello_indicatore{F::linea,
                                          "[indicazioni]",
                                          "cartello_indicatore",
                                          {"indicat", "cartello"},
                                          false,
                                          campi_cartello,
                                          "",
                                          "cartello_indicatore,  16250,   (-----)(|_|_|)( / / )"};

inline constexpr voce massa_frenata{F::treno,
                                    "[generale]",
                                    "percentuale massa frenata",
                                    {"frenata", "massa"},
                                    false,
                                    campi_percentuale,
                                    "",
                                    "percentuale massa frenata,    105"};
inline constexpr voce vetture{
    F::treno,      "[generale]", "numero vetture",      {"vetture", ""}, false,
    campi_vetture, "",           "numero vetture,    5"};
inline constexpr voce velocita{F::treno, "[vel_limite]", "velocita", {"velocit", ""},
                               false,    campi_velocita, "",         "velocita,       0,   105"};
inline constexpr voce aderenza{F::treno, "[aderenze]",   "aderenza", {"aderenza", ""},
                               false,    campi_aderenza, "",         "aderenza,    1750,    70"};
inline constexpr voce orologio{F::treno,
                               "[generale]",
                               "orologio",
                               {"orologio", ""},
                               false,
                               campi_orologio,
                               "",
                               "orologio,    18              29   "
                               "         50"};
inline constexpr voce sabbia{F::treno, "[generale]", "sabbia", {"sabbia", ""},
                             false,    campi_sabbia, "",       "sabbia,    50"};
inline constexpr voce segnale{F::treno,
                              "[segnali]",
                              "segnale",
                              {"segnale", ""},
                              false,
                              campi_segnale,
                              "",
                              "segnale,     850,   2, 5, 6,  1, 0,    "
                              "0,  0,0,0, 0"};
inline constexpr voce rallentamento{F::treno,
                                    "[rallentamenti]",
                                    "rallentamento",
                                    {"rallentamento", ""},
                                    false,
                                    campi_rallentamento,
                                    "",
                                    "rallentamento,    9500,    40,  450, 1,  1,  40"};
inline constexpr voce abbattimento{F::treno,
                                   "[codici]",
                                   "abbattimento",
                                   {"abbattimento", ""},
                                   false,
                                   campi_abbattimento,
                                   "",
                                   "abbattimento,   19000,   AC"};
inline constexpr voce stazione{
    F::treno,
    "[stazioni]",
    "stazione",
    {"stazione", ""},
    false,
    campi_stazione,
    "",
    "stazione,   14250,  12,  300,   0, 0, 0,   1, 1, 0,   3, 1, 1,  55,  18, 51,  0, Borgo Alto"};

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

}  // namespace scenario::grammatica
