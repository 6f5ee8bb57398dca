// The diagnostics in the words an author reads: text with the source line and
// a caret, and the JSON form, on hand-made lists.

#include "comandi/stampa_diagnostiche.h"

#include <gtest/gtest.h>

#include <climits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "modello/numeri_errore.h"

namespace scenario {
namespace {

const std::string treno = "linee/Lorvento-Basalto_27364-.txt";
const std::string linea = "Lorvento-Basalto_linea.txt";

diagnostica errore(int32_t numero, luogo_sorgente luogo, std::optional<int32_t> posizione = {},
                   std::string motivo = {}) {
  return nuova_diagnostica(numero, gravita::errore, posizione, std::move(luogo), std::move(motivo));
}

std::string testo(const std::vector<diagnostica>& d, const testi_sorgente& testi,
                  const diagnostiche_tralasciate& tralasciate = {}) {
  std::ostringstream o;
  stampa_diagnostiche(o, d, testi, tralasciate);
  return o.str();
}

// The source line and the caret line that follow the first line of `uscita`.
std::pair<std::string, std::string> righe_mostrate(const std::string& uscita) {
  std::istringstream righe(uscita);
  std::string intestazione, sorgente, cursore;
  std::getline(righe, intestazione);
  std::getline(righe, sorgente);
  std::getline(righe, cursore);
  return {sorgente, cursore};
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

TEST(StampaDiagnostiche, LinesAreFoundWhateverTheirEnds) {
  const struct {
    std::string testo;
    std::vector<std::string> righe;
  } casi[] = {
      {"a\nbb\r\nc\rd", {"a", "bb", "c", "d"}},
      {"x\n", {"x", ""}},
      {"", {""}},
      // A CR LF is one end; a CR before it ends a line of its own.
      {"\r\r\n\n\r", {"", "", "", "", ""}},
      {"\n\r\n", {"", "", ""}},
      {"e\r\nf\r\n", {"e", "f", ""}},
  };
  for (const auto& c : casi) {
    const righe_testo righe(c.testo);
    EXPECT_EQ(righe.riga(0), std::nullopt) << c.testo;
    EXPECT_EQ(righe.riga(-1), std::nullopt) << c.testo;
    for (size_t n = 0; n < c.righe.size(); ++n) {
      EXPECT_EQ(righe.riga(static_cast<int32_t>(n) + 1), c.righe[n]) << c.testo << " " << n;
    }
    EXPECT_EQ(righe.riga(static_cast<int32_t>(c.righe.size()) + 1), std::nullopt) << c.testo;
  }
}

// A line of 1000 characters shows the 160 round its caret, "..." on each
// side that is cut, and the caret stays under the character of its column.
TEST(StampaDiagnostiche, ALongLineIsCutRoundItsCaret) {
  std::string riga;
  for (int i = 0; riga.size() < 1000; ++i) riga += std::to_string(i) + ",";
  riga.resize(1000);
  const testi_sorgente testi{{linea, "[generale]\r\n" + riga + "\r\nfine\r\n"}};
  const struct {
    int32_t colonna;
    size_t inizio;  // the first character shown
    bool taglio_a_sinistra, taglio_a_destra;
  } casi[] = {{1, 0, false, true},      {80, 0, false, true},    {81, 0, false, true},
              {82, 1, true, true},      {500, 419, true, true},  {921, 840, true, false},
              {1000, 840, true, false}, {1001, 840, true, false}};
  for (const auto& c : casi) {
    const auto [sorgente, cursore] =
        righe_mostrate(testo({errore(numero_errore::curva_errata, {linea, 2, c.colonna})}, testi));
    const std::string sinistra = c.taglio_a_sinistra ? "..." : "";
    const std::string destra = c.taglio_a_destra ? "..." : "";
    EXPECT_EQ(sorgente, "    2 | " + sinistra + riga.substr(c.inizio, 160) + destra) << c.colonna;
    const size_t sotto = cursore.find('^');
    ASSERT_NE(sotto, std::string::npos) << c.colonna;
    EXPECT_EQ(cursore, "      | " + std::string(sotto - 8, ' ') + "^") << c.colonna;
    const size_t carattere = static_cast<size_t>(c.colonna) - 1;
    EXPECT_EQ(sotto - 8, sinistra.size() + carattere - c.inizio) << c.colonna;
  }
  // A column past the end of the line, which no step records, has no caret.
  for (int32_t colonna : {1002, INT32_MAX}) {
    EXPECT_EQ(testo({errore(numero_errore::curva_errata, {linea, 2, colonna})}, testi),
              "Lorvento-Basalto_linea.txt:2:" + std::to_string(colonna) +
                  ": error: curve without class digit, or track plan past metre 1000000 [103]\n"
                  "    2 | " +
                  riga.substr(0, 160) + "...\n1 error, 0 warnings\n");
  }
}

// Control characters of the file name, of the reason and of the source line
// reach the terminal as visible characters, the caret still under its column;
// no escape sequence gets through.
TEST(StampaDiagnostiche, ControlCharactersAreShownNotSent) {
  const std::string esc = "\x1b", bel = "\x07", csi = "\xC2\x9B";  // the last in UTF-8
  const std::string file = "t" + esc + "[2J.txt";
  const testi_sorgente testi{
      {file, "[generale]\n" + esc + "]0;x" + bel + "\tb\x7f\x81\x9d" + "c, 5\n"}};
  diagnostica d = errore(numero_errore::errore_esecuzione, {file, 2, 12}, {},
                         "'" + esc + "]0;x" + bel + "' " + csi + "31m \x9d\r\n");
  const std::string uscita = testo({d}, testi);
  EXPECT_EQ(uscita,
            "t\xE2\x90\x9B[2J.txt:2:12: error: run-time failure while reading a description file: "
            "'\xE2\x90\x9B]0;x\xE2\x90\x87' <U+009B>31m <U+009D>\xE2\x90\x8D\xE2\x90\x8A [25]\n"
            "    2 | \xE2\x90\x9B]0;x\xE2\x90\x87 b\xE2\x90\xA1<U+0081><U+009D>c, 5\n"
            "      |                          ^\n"
            "1 error, 0 warnings\n");
  for (size_t i = 0; i < uscita.size(); ++i) {
    const auto b = static_cast<unsigned char>(uscita[i]);
    EXPECT_FALSE((b < 0x20 && b != '\n') || b == 0x7F) << i;
    EXPECT_FALSE(b == 0xC2 && i + 1 < uscita.size() &&
                 static_cast<unsigned char>(uscita[i + 1]) < 0xA0)
        << i;
  }
}

TEST(StampaDiagnostiche, TheEntriesLeftOutAreCountedBeforeTheTotal) {
  const std::string prima =
      "generatore: error: no route length read: the compile left no cell grid [104]\n";
  EXPECT_EQ(testo({errore(numero_errore::griglia_mancante, {})}, {}, {12000, 345}),
            prima +
                "... 12345 more diagnostics not shown (12000 errors, 345 warnings); "
                "--max-diagnostiche 0 shows every one\n"
                "12001 errors, 345 warnings\n");
  EXPECT_EQ(testo({errore(numero_errore::griglia_mancante, {})}, {}, {0, 1}),
            prima +
                "... 1 more diagnostic not shown (0 errors, 1 warning); "
                "--max-diagnostiche 0 shows every one\n"
                "1 error, 1 warning\n");
}

// A note follows its entry with its own place and source line, and counts
// neither as an error nor as a warning; a suggestion ends the message.
TEST(StampaDiagnostiche, NotesAndSuggestionsInTextAndJson) {
  const testi_sorgente testi{{linea, "[linea]\nindicatori_vmax, 5100\nrallentamento, 6300\n"}};
  diagnostica e = errore(numero_errore::avviso_su_cella_occupata, {linea, 3, 16}, 6300);
  aggiungi_nota(e, {linea, 2, 18}, "speed board at 5100 m (cell 102)");
  aggiungi_nota(e, {}, "of no row");
  diagnostica a = errore(numero_avviso::parola_sconosciuta, {linea, 1, 1});
  a.livello = gravita::avviso;
  a.suggerimento = "[linee]";
  const std::string uscita = testo({e, a}, testi);
  EXPECT_NE(uscita.find(" [17]\n"
                        "    3 | rallentamento, 6300\n"
                        "      |                ^\n"
                        "Lorvento-Basalto_linea.txt:2:18: note: speed board at 5100 m (cell 102)\n"
                        "    2 | indicatori_vmax, 5100\n"
                        "      |                  ^\n"
                        "generatore: note: of no row\n"),
            std::string::npos)
      << uscita;
  EXPECT_NE(uscita.find("; did you mean '[linee]'? [203]\n"), std::string::npos) << uscita;
  EXPECT_NE(uscita.find("1 error, 1 warning\n"), std::string::npos) << uscita;

  const nlohmann::json letto = nlohmann::json::parse(diagnostiche_json({e, a}));
  EXPECT_EQ(letto["diagnostics"][0]["notes"], nlohmann::json::parse(R"j([
      {"file": "Lorvento-Basalto_linea.txt", "line": 2, "column": 18, "severity": "note",
       "message": "speed board at 5100 m (cell 102)"},
      {"file": null, "line": null, "column": null, "severity": "note", "message": "of no row"}])j"));
  EXPECT_EQ(letto["diagnostics"][1]["suggestion"], "[linee]");
  EXPECT_EQ(letto["errors"], 1);
  EXPECT_EQ(letto["warnings"], 1);
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
       "message": "station position not a multiple of 50", "position_m": 21630,
       "suggestion": null, "notes": []},
      {"file": null, "line": null, "column": null, "severity": "error", "number": 104,
       "message": "no route length read: the compile left no cell grid", "position_m": null,
       "suggestion": null, "notes": []},
      {"file": "nome\u00e8.txt", "line": null, "column": null, "severity": "warning",
       "number": 103,
       "message": "curve without class digit, or track plan past metre 1000000: campo '\u20ac\u201c' e \u2192",
       "position_m": null, "suggestion": null, "notes": []}
    ],
    "errors": 2, "warnings": 1, "omitted": 0})"));
  EXPECT_EQ(
      nlohmann::json::parse(diagnostiche_json({})),
      nlohmann::json::parse(R"({"diagnostics": [], "errors": 0, "warnings": 0, "omitted": 0})"));
}

// The document is written an entry at a time, laid out as the library lays
// it out; the counts take in the entries left out, and DEL and the C1
// controls, which the library would leave raw, are escaped.
TEST(StampaDiagnostiche, TheJsonFormCountsTheEntriesLeftOut) {
  for (const std::vector<diagnostica>& d :
       {std::vector<diagnostica>{},
        {errore(numero_errore::stazione_non_multipla, {treno, 32, 13}, 21630),
         errore(numero_errore::griglia_mancante, {})}}) {
    const std::string json = diagnostiche_json(d, {3, 4});
    const nlohmann::ordered_json letto = nlohmann::ordered_json::parse(json);
    EXPECT_EQ(json, letto.dump(2) + "\n");
    EXPECT_EQ(letto["errors"], d.size() + 3);
    EXPECT_EQ(letto["warnings"], 4);
    EXPECT_EQ(letto["omitted"], 7);
  }
  // CSI in UTF-8, a byte that Windows-1252 reads as a C1 control, and DEL.
  const std::string csi = "\xC2\x9B", c1 = "\x81";
  const std::string json = diagnostiche_json({errore(
      numero_errore::errore_esecuzione, {"a\x9b.txt", 0, 0}, {}, csi + "1m" + c1 + "\x7f")});
  EXPECT_EQ(json.find(csi), std::string::npos) << json;
  EXPECT_EQ(json.find("\xC2\x81"), std::string::npos) << json;
  EXPECT_EQ(json.find('\x7f'), std::string::npos) << json;
  const nlohmann::json voce = nlohmann::json::parse(json)["diagnostics"][0];
  EXPECT_EQ(voce["file"], "a\xE2\x80\xBA.txt");
  EXPECT_EQ(voce["message"],
            "run-time failure while reading a description file: " + csi + "1m\xC2\x81\x7f");
}

}  // namespace
}  // namespace scenario
