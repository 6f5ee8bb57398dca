// The diagnostics in the words an author reads: text with the source line and
// a caret, and the JSON form, on hand-made lists.

#include "comandi/stampa_diagnostiche.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "base/numeri_errore.h"

namespace scenario {
namespace {

const std::string treno = "linee/Lorvento-Basalto_27364-.txt";
const std::string linea = "Lorvento-Basalto_linea.txt";

diagnostica errore(int32_t numero, luogo_sorgente luogo, std::optional<int32_t> posizione = {},
                   std::string motivo = {}) {
  return {numero, gravita::errore, posizione, std::move(luogo), std::move(motivo)};
}

std::string testo(const std::vector<diagnostica>& d, const testi_sorgente& testi) {
  std::ostringstream o;
  stampa_diagnostiche(o, d, testi);
  return o.str();
}

TEST(StampaDiagnostiche, AnErrorWithItsSourceLineAndACaretUnderItsColumn) {
  // Line ends of every kind, a tab before the field and a Windows-1252 "è".
  const testi_sorgente testi{
      {treno, "[treno]\r\nx\ry\n\tstazione,   21630,  23, Citt\xE8\r\n"}};
  EXPECT_EQ(testo({errore(numero_errore::stazione_non_multipla, {treno, 4, 14}, 21630)}, testi),
            "linee/Lorvento-Basalto_27364-.txt:4:14: error: station position not a multiple of "
            "50, at 21630 m [8]\n"
            "    4 |  stazione,   21630,  23, Citt\xC3\xA8\n"
            "      |              ^\n"
            "1 error, 0 warnings\n");
}

TEST(StampaDiagnostiche, PlacesWithoutASourceLine) {
  const testi_sorgente testi{{linea, "[generale]\n"}};
  diagnostica avviso = errore(numero_errore::file_linea_mancante, {linea, 0, 0});
  avviso.livello = gravita::avviso;
  EXPECT_EQ(testo({errore(numero_errore::errore_esecuzione, {linea, 0, 0}, {}, "no length row"),
                   errore(numero_errore::griglia_mancante, {}),
                   // A line past the end of the text, and a file not among the texts.
                   errore(numero_errore::curva_errata, {linea, 9, 1}),
                   errore(numero_errore::curva_errata, {"altro.txt", 2, 3}), avviso},
                  testi),
            "Lorvento-Basalto_linea.txt: error: run-time failure while reading a description "
            "file: no length row [25]\n"
            "generatore: error: no route length read: the compile left no cell grid [104]\n"
            "Lorvento-Basalto_linea.txt:9:1: error: curve without class digit, or track plan past "
            "metre 1000000 [103]\n"
            "altro.txt:2:3: error: curve without class digit, or track plan past metre 1000000 "
            "[103]\n"
            "Lorvento-Basalto_linea.txt: warning: line description file not found [101]\n"
            "4 errors, 1 warning\n");
}

TEST(StampaDiagnostiche, TheGutterWidensForLongFiles) {
  std::string lungo(123456, '\n');
  lungo += "ab";
  EXPECT_EQ(testo({errore(numero_errore::curva_errata, {linea, 123457, 2})}, {{linea, lungo}}),
            "Lorvento-Basalto_linea.txt:123457:2: error: curve without class digit, or track "
            "plan past metre 1000000 [103]\n"
            "123457 | ab\n"
            "       |  ^\n"
            "1 error, 0 warnings\n");
}

TEST(StampaDiagnostiche, TheCountInSingularAndPlural) {
  EXPECT_EQ(riepilogo_diagnostiche(0, 0), "0 errors, 0 warnings");
  EXPECT_EQ(riepilogo_diagnostiche(1, 1), "1 error, 1 warning");
  EXPECT_EQ(riepilogo_diagnostiche(2, 3), "2 errors, 3 warnings");
}

TEST(StampaDiagnostiche, TheJsonFormParsedBack) {
  diagnostica avviso = errore(numero_errore::curva_errata, {"nome\xE8.txt", 0, 0}, {},
                              std::string("campo '\x80\x93' e \xE2\x86\x92"));
  avviso.livello = gravita::avviso;
  nlohmann::json letto = nlohmann::json::parse(
      diagnostiche_json({errore(numero_errore::stazione_non_multipla, {treno, 32, 13}, 21630),
                         errore(numero_errore::griglia_mancante, {}), avviso}));
  EXPECT_EQ(letto, nlohmann::json::parse(R"({
    "diagnostics": [
      {"file": "linee/Lorvento-Basalto_27364-.txt", "line": 32, "column": 13,
       "severity": "error", "number": 8,
       "message": "station position not a multiple of 50", "position_m": 21630},
      {"file": null, "line": null, "column": null, "severity": "error", "number": 104,
       "message": "no route length read: the compile left no cell grid", "position_m": null},
      {"file": "nome\u00e8.txt", "line": null, "column": null, "severity": "warning",
       "number": 103,
       "message": "curve without class digit, or track plan past metre 1000000: campo '\u20ac\u201c' e \u2192",
       "position_m": null}
    ],
    "errors": 2, "warnings": 1})"));
  EXPECT_EQ(nlohmann::json::parse(diagnostiche_json({})),
            nlohmann::json::parse(R"({"diagnostics": [], "errors": 0, "warnings": 0})"));
}

}  // namespace
}  // namespace scenario
