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

#include "compiler/parole_chiave.h"

namespace scenario::grammatica {

enum class formato { linea, treno };
enum class larghezza { i32, i16, u8, testo };

struct campo {
  std::string_view nome;
  std::string_view unita;  // empty for a count, a code or a text
  larghezza tipo;
};

struct voce {
  formato formato_;
  // "generale" for the general section; "elementi" for the sections after it
  // in a line description (any of them: the header is not looked at).
  std::string_view sezione;
  std::array<std::string_view, 2> parole;  // the second may be empty
  bool maiuscole_contano;
  std::span<const campo> campi;
  std::string_view nota;
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
                                             {"velocità a sinistra", "km/h", L::i32},
                                             {"velocità b sinistra", "km/h", L::i32},
                                             {"velocità c sinistra", "km/h", L::i32},
                                             {"strisce sinistra", "", L::i16},
                                             {"velocità a destra", "km/h", L::i32},
                                             {"velocità b destra", "km/h", L::i32},
                                             {"velocità c destra", "km/h", L::i32},
                                             {"strisce destra", "", L::i16}};
inline constexpr campo campi_cartello[] = {{"posizione", "m", L::i32}, {"testo", "", L::testo}};

inline constexpr campo campi_percentuale[] = {{"massa frenata", "%", L::i32}};
inline constexpr campo campi_vetture[] = {{"vetture", "", L::i32}};
inline constexpr campo campi_velocita[] = {{"posizione", "m", L::i32},
                                           {"velocità", "km/h", L::i32}};
inline constexpr campo campi_aderenza[] = {{"posizione", "m", L::i32}, {"aderenza", "", L::i32}};
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
inline constexpr campo campi_abbattimento[] = {{"posizione", "m", L::i32}, {"codice", "", L::i32}};
inline constexpr campo campi_stazione[] = {
    {"posizione", "m", L::i32}, {"tipo", "", L::u8},   {"lunghezza", "m", L::i32},
    {"a", "", L::u8},           {"b", "", L::u8},      {"c", "", L::u8},
    {"d", "", L::i16},          {"e", "", L::i16},     {"f", "", L::u8},
    {"g", "", L::i16},          {"h", "", L::i16},     {"i", "", L::i16},
    {"l", "", L::u8},           {"ore", "h", L::i32},  {"minuti", "min", L::i32},
    {"secondi", "s", L::i32},   {"nome", "", L::testo}};

using F = formato;
inline constexpr voce lunghezza_percorso{F::linea, "generale",      {"percorso", "lunghezza"},
                                         false,    campi_lunghezza, "from 0 to 1000000"};
inline constexpr voce progressiva_tre{F::linea, "generale",        {"tre", "progressiva"},
                                      true,     campi_progressiva, ""};
inline constexpr voce progressiva_due{F::linea, "generale",        {"due", "progressiva"},
                                      true,     campi_progressiva, ""};
inline constexpr voce progressiva_uno{F::linea, "generale",        {"uno", "progressiva"},
                                      true,     campi_progressiva, ""};
inline constexpr voce sfondo_uno{F::linea, "generale", {"sfondo", "uno"}, true, campi_sfondo, ""};
inline constexpr voce sfondo_due{F::linea, "generale", {"sfondo", "due"}, true, campi_sfondo, ""};
inline constexpr voce sfondo_tre{F::linea, "generale", {"sfondo", "tre"}, true, campi_sfondo, ""};
inline constexpr voce ripetizione_segnali{
    F::linea, "generale",        {"segnali", "ripetizione"},
    true,     campi_ripetizione, "the keyword holds the code count, 4 or 9"};
inline constexpr voce pendenza{F::linea, "elementi", {"pendenza", ""}, false, campi_pendenza, ""};
inline constexpr voce curva{F::linea,
                            "elementi",
                            {"curva", ""},
                            false,
                            campi_curva,
                            "the keyword holds the class, 1 to 6, and an s for a left turn; "
                            "read only when the track plan is built"};
inline constexpr voce montagna{F::linea, "elementi",     {"montagna", ""},
                               false,    campi_montagna, "a type above 10 asks for tunnel markers"};
inline constexpr voce indicatori_v_max{F::linea, "elementi",       {"indicatori_v", ""},
                                       false,    campi_indicatori, ""};
inline constexpr voce cartello_indicatore{F::linea, "elementi",     {"indicat", "cartello"},
                                          false,    campi_cartello, ""};

inline constexpr voce massa_frenata{F::treno, "generale",        {"frenata", "massa"},
                                    false,    campi_percentuale, ""};
inline constexpr voce vetture{F::treno, "generale", {"vetture", ""}, false, campi_vetture, ""};
inline constexpr voce velocita{F::treno, "generale", {"velocit", ""}, false, campi_velocita, ""};
inline constexpr voce aderenza{F::treno, "generale", {"aderenza", ""}, false, campi_aderenza, ""};
inline constexpr voce orologio{F::treno, "generale", {"orologio", ""}, false, campi_orologio, ""};
inline constexpr voce sabbia{F::treno, "generale", {"sabbia", ""}, false, campi_sabbia, ""};
inline constexpr voce segnale{F::treno, "generale", {"segnale", ""}, false, campi_segnale, ""};
inline constexpr voce rallentamento{F::treno, "generale",          {"rallentamento", ""},
                                    false,    campi_rallentamento, ""};
inline constexpr voce abbattimento{F::treno, "generale",         {"abbattimento", ""},
                                   false,    campi_abbattimento, ""};
inline constexpr voce stazione{F::treno, "generale", {"stazione", ""}, false, campi_stazione, ""};

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
