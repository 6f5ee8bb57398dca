// Where the compile points, through the real executable: each diagnostic at
// the field at fault, in the text and the JSON form, and the hints for what
// reads without an error as something else than the author meant. Each case
// is the built-in pair with one change.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "cartella_temporanea.h"
#include "compilazione/lettore_campi.h"
#include "compilazione/memorizza_dati.h"
#include "esegui_generatore.h"
#include "generazione/errore.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "modello/modello.h"
#include "modello/numeri_errore.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

// The diagnostic a case expects: in the line ('l') or the train ('t')
// description, its number, line and column, and words of its message.
struct atteso {
  char file;
  int32_t numero;
  int32_t riga;
  int32_t colonna;
  std::string parole;
};

struct caso {
  std::string nome;
  char file;  // which description the change is made in
  std::string cerca;
  std::string metti;
  std::vector<atteso> attesi;  // every diagnostic of the compile, in order
};

[[maybe_unused]] void PrintTo(const caso& c, std::ostream* o) { *o << c.nome; }

// `quante` rows of `riga`, each ended by CR LF.
std::string ripetuta(const std::string& riga, int quante) {
  std::string testo;
  for (int i = 0; i < quante; ++i) testo += riga + "\r\n";
  return testo;
}

[[maybe_unused]] const std::vector<caso>& casi() {
  static const std::vector<caso> tutti = {
      // A row one value short takes the next row's keyword in its place: told
      // at its own line, just after its last value, and the next line's
      // leftovers are not reported again.
      {"ShortRow",
       'l',
       "pendenza,  3800,   6",
       "pendenza,  3800",
       {{'l', numero_avviso::riga_corta, 60, 16, "lacks its last value, field 'pendenza'"}}},
      {"RowWithoutValues",
       'l',
       "pendenza,  3800,   6",
       "pendenza",
       {{'l', numero_avviso::riga_corta, 60, 9, "lacks its last 2 values"}}},
      {"ShortTrainRow",
       't',
       "velocita,    3150,    85",
       "velocita,    3150",
       {{'t', numero_avviso::riga_corta, 12, 18, "line 13"}}},
      {"StationWithoutName",
       't',
       "0, Castelvieri",
       "0",
       {{'t', numero_avviso::riga_corta, 30, 86, "field 'nome'"}}},
      // Error 2 at the field of the row that the sort moved.
      {"ProgressiveChainage",
       'l',
       "progressiva chilometrica due,    5800,    -2000",
       "progressiva chilometrica due,    5800,    -2010",
       {{'l', numero_errore::progressiva_non_multipla, 4, 43, ""}}},
      {"ProgressiveStart",
       'l',
       "progressiva chilometrica tre,    35400",
       "progressiva chilometrica tre,    35410",
       {{'l', numero_errore::progressiva_non_multipla, 5, 34, ""}}},
      // Error 102 where [generale] was meant to stand.
      {"MisspeltGeneral",
       'l',
       "[generale]",
       "[generali]",
       {{'l', numero_avviso::intestazione_sconosciuta, 1, 1, "did you mean '[generale]'?"},
        {'l', numero_avviso::prima_di_generale, 1, 1, ""},
        {'l', numero_errore::generale_mancante, 1, 1, "'[generali]' is not '[generale]'"}}},
      {"NoGeneral",
       'l',
       "[generale]\r\n",
       "",
       {{'l', numero_avviso::prima_di_generale, 1, 1, ""},
        {'l', numero_errore::generale_mancante, 1, 1, "begins without"}}},
      // Errors 9 and 24 at the length.
      {"StationLength",
       't',
       "stazione,    5750,   4,   700",
       "stazione,    5750,   4,   750",
       {{'t', numero_errore::lunghezza_stazione_non_multipla, 29, 27, ""}}},
      {"FirstStationTooShort",
       't',
       "stazione,       0,   8,   500",
       "stazione,       0,   12,   100",
       {{'t', numero_errore::stazione_troppo_corta, 26, 28, "ends at 50 m"}}},
      {"StationsOutOfOrder",
       't',
       "stazione,   14250,",
       "stazione,   4250,",
       {{'t', numero_errore::stazioni_troppo_vicine, 30, 13, "out of order"}}},
      // A file saved as UTF-8: once, at its first such character.
      {"Utf8",
       't',
       "Castelvieri",
       "Verz\xC3\xB9 \xC3\xA8",
       {{'t', numero_avviso::testo_utf8, 30, 92, "reads as '\xC3\x83\xC2\xB9'"}}},
      {"Units",
       'l',
       "pendenza,  3800,   6",
       "pendenza,  3800 m,   6",
       {{'l', numero_avviso::unita_di_misura, 60, 17, "'m' after 3800"}}},
      {"UnitJoined",
       'l',
       "pendenza,  3800,   6",
       "pendenza,  3800m,   6",
       {{'l', numero_avviso::unita_di_misura, 60, 12, "'3800m' reads as 0"}}},
      {"UnitAfterLastValue",
       'l',
       "lunghezza percorso,    103000",
       "lunghezza percorso,    103000 m",
       {{'l', numero_avviso::unita_di_misura, 2, 31, ""}}},
      {"SpeedUnit",
       't',
       "velocita,    3150,    85",
       "velocita,    3150,    85 km/h",
       {{'t', numero_avviso::unita_di_misura, 12, 26, "'km/h' after 85"}}},
      {"DecimalPoint",
       'l',
       "pendenza,  3800,   6",
       "pendenza,  3800,   6.5",
       {{'l', numero_avviso::numero_decimale, 60, 20, "'6.5' reads as 0"}}},
      {"DecimalComma",
       'l',
       "pendenza,  3800,   6",
       "pendenza,  3800,   6,5",
       {{'l', numero_avviso::numero_decimale, 60, 20, "'6,5' is read as two values"}}},
      // A comma between digits where the row has other commas alike is a
      // row written without blanks: the field too many is only that.
      {"CommasWithoutBlanks",
       'l',
       "pendenza,  3800,   6",
       "pendenza,3800,6,5",
       {{'l', numero_avviso::campi_in_piu, 60, 17, ""}}},
      // Rows out of order, named with the row before them.
      {"GradientOutOfOrder",
       'l',
       "pendenza,  3800,   6",
       "pendenza,  380,   6",
       {{'l', numero_avviso::fuori_ordine, 60, 12, "at 3000 m (line 59)"}}},
      {"CurveOutOfOrder",
       'l',
       "curvad3,  12600,  800",
       "curvad3,  1260,  800",
       {{'l', numero_avviso::fuori_ordine, 19, 11, "at 10300 m (line 18)"}}},
      {"TunnelOutOfOrder",
       'l',
       "montagna,   600,  1750,  12",
       "montagna,   600,  1750,  12\r\nmontagna, 100, 300, 2",
       {{'l', numero_avviso::fuori_ordine, 103, 11, "at 600 m (line 102)"},
        {'l', numero_avviso::galleria_tipo_3, 103, 21, "1650 m before the previous tunnel ends"}}},
      {"SpeedOutOfOrder",
       't',
       "velocita,    3150,    85",
       "velocita,    315,    85",
       {{'t', numero_avviso::fuori_ordine, 12, 14, "at 1950 m (line 11)"}}},
      {"AdhesionOutOfOrder",
       't',
       "aderenza,    1750,    70",
       "aderenza,    1750,    70\r\naderenza, 100, 50",
       {{'t', numero_avviso::fuori_ordine, 9, 11, "at 1750 m (line 8)"}}},
      // A first failure and what only follows from it.
      {"ConsequenceOfALineError",
       'l',
       "cartello_indicatore,  16250,",
       "cartello_indicatore,  216250,",
       {{'l', numero_errore::oltre_la_griglia, 122, 23, ""},
        {'t', numero_errore::oltre_la_griglia, 48, 19, "a consequence of the error 15 at "}}},
      {"SpeedRowsPastTheGrid",
       't',
       "velocita,   98150,    60\r\n",
       "velocita,   98150,    60\r\n" + ripetuta("velocita, 109800, 60", 30),
       {{'t', numero_avviso::profilo_oltre_la_griglia, 30, 11, "and on 24 later rows"}}},
      {"GradientRowsPastTheGrid",
       'l',
       "pendenza,  100000,   0\r\n",
       "pendenza,  100000,   0\r\n" + ripetuta("pendenza, 109800, 1", 30),
       {{'l', numero_avviso::pendenze_oltre_la_griglia, 107, 11, "and on 23 later rows"}}},
  };
  return tutti;
}

#ifdef _WIN32

TEST(LuoghiDiagnostiche, RunByTheWindowsScript) {
  GTEST_SKIP() << "starts the executable in POSIX child processes";
}

#else

class LuoghiDiagnostiche : public testing::TestWithParam<caso> {
 protected:
  static void SetUpTestSuite() {
    cartella_ = new cartella_temporanea;
    prova::esito_processo esito =
        prova::esegui_con_argomenti({"descrizioni"}, cartella_->percorso());
    ASSERT_EQ(esito.stato, stato_uscita::successo) << esito.errori;
  }
  static void TearDownTestSuite() {
    delete cartella_;
    cartella_ = nullptr;
  }
  static cartella_temporanea* cartella_;
};

cartella_temporanea* LuoghiDiagnostiche::cartella_ = nullptr;

const std::string nome_linea = "V_linea.txt", nome_treno = "V_1-.txt";

TEST_P(LuoghiDiagnostiche, EachDiagnosticAtTheFieldAtFault) {
  const caso& c = GetParam();
  const cartella_temporanea& cartella = *cartella_;
  std::string linea = leggi_file(cartella / nome_descrizione_linea(linea_predefinita));
  std::string treno =
      leggi_file(cartella / nome_descrizione_treno(linea_predefinita, treno_predefinito));
  std::string& cambiato = c.file == 'l' ? linea : treno;
  size_t dove = cambiato.find(c.cerca);
  ASSERT_NE(dove, std::string::npos) << c.cerca;
  cambiato.replace(dove, c.cerca.size(), c.metti);
  scrivi_file(cartella / nome_linea, linea);
  scrivi_file(cartella / nome_treno, treno);
  auto nome = [](char file) { return file == 'l' ? nome_linea : nome_treno; };
  bool errori = false;
  for (const atteso& a : c.attesi) errori = errori || a.numero < 200;
  const int stato = errori ? stato_uscita::errore_registrato : stato_uscita::successo;

  prova::esito_processo testo = prova::esegui_con_argomenti(
      {"compila", nome_linea, nome_treno, "-o", "fuori"}, cartella.percorso());
  EXPECT_EQ(testo.stato, stato) << testo.errori;
  for (const atteso& a : c.attesi) {
    const std::string luogo = nome(a.file) + ":" + std::to_string(a.riga) + ":" +
                              std::to_string(a.colonna) + ": " +
                              (a.numero < 200 ? "error: " : "warning: ");
    // Several entries may share a place: the one of this number.
    std::string riga;
    for (size_t inizio = testo.errori.find(luogo); inizio != std::string::npos;
         inizio = testo.errori.find(luogo, inizio + 1)) {
      riga = testo.errori.substr(inizio, testo.errori.find('\n', inizio) - inizio);
      if (riga.ends_with("[" + std::to_string(a.numero) + "]")) break;
    }
    ASSERT_TRUE(riga.ends_with("[" + std::to_string(a.numero) + "]"))
        << luogo << "\n" << testo.errori;
    EXPECT_NE(riga.find(a.parole), std::string::npos) << riga;
  }

  prova::esito_processo json = prova::esegui_con_argomenti(
      {"compila", nome_linea, nome_treno, "-o", "fuori", "--formato", "json"}, cartella.percorso());
  EXPECT_EQ(json.stato, stato);
  nlohmann::json letto = nlohmann::json::parse(json.uscita);
  const nlohmann::json& diagnostiche = letto["diagnostics"];
  ASSERT_EQ(diagnostiche.size(), c.attesi.size()) << json.uscita;
  for (size_t i = 0; i < c.attesi.size(); ++i) {
    const atteso& a = c.attesi[i];
    const nlohmann::json& d = diagnostiche[i];
    EXPECT_EQ(d["file"], nome(a.file)) << i;
    EXPECT_EQ(d["number"], a.numero) << i;
    EXPECT_EQ(d["line"], a.riga) << i;
    EXPECT_EQ(d["column"], a.colonna) << i;
    EXPECT_NE(d["message"].get<std::string>().find(a.parole), std::string::npos) << d.dump();
  }
}

INSTANTIATE_TEST_SUITE_P(Casi, LuoghiDiagnostiche, testing::ValuesIn(casi()),
                         [](const testing::TestParamInfo<caso>& i) { return i.param.nome; });

#endif

// A place asked for before the last one counted is counted back from there:
// whatever the order of the questions, every offset gets the place that a
// reader asked once gives, across CR LF, LF and lone CR line ends.
TEST(LuoghiDiagnosticheLettore, PlacesAskedInAnyOrderAgree) {
  const std::string testo = "ab,c\r\nd\n\ne, f\rg\r\n\r\nhi";
  auto da_solo = [&](size_t offset) { return lettore_campi(testo, "x").luogo(offset); };
  lettore_campi lettore(testo, "x");
  std::vector<size_t> ordine;
  for (size_t i = 0; i <= testo.size(); ++i) ordine.push_back(i);
  for (size_t i = testo.size() + 1; i-- > 0;) ordine.push_back(i);
  for (size_t i = 0; i <= testo.size(); ++i) ordine.push_back((i * 7) % (testo.size() + 1));
  for (size_t offset : ordine) {
    luogo_sorgente atteso = da_solo(offset);
    luogo_sorgente dato = lettore.luogo(offset);
    EXPECT_EQ(dato.riga, atteso.riga) << offset;
    EXPECT_EQ(dato.colonna, atteso.colonna) << offset;
  }
  EXPECT_EQ(da_solo(testo.size()).riga, 7);
  EXPECT_EQ(da_solo(testo.find('g')).riga, 5);
  EXPECT_EQ(da_solo(testo.find('f')).colonna, 4);
}

// The inputs that the compile's fuzz target starts from compile without a
// failure, and every place that their diagnostics give lies in its file: a
// line that exists, a column from 1 to one past its last character.
TEST(LuoghiDiagnosticheFuzz, TheCorpusCompilesWithEveryPlaceInItsFile) {
  const std::filesystem::path corpus =
      std::filesystem::path(CARTELLA_PROGETTO) / "fuzz/corpus/compilazione";
  size_t letti = 0;
  for (const auto& voce : std::filesystem::directory_iterator(corpus)) {
    const std::string ingresso = leggi_file(voce.path());
    const size_t separatore = ingresso.find("\n%%\n");
    const std::string linea = ingresso.substr(0, separatore);
    const std::string treno =
        separatore == std::string::npos ? std::string() : ingresso.substr(separatore + 4);
    modello m;
    m.linea = "Fuzz";
    m.treno = "1";
    inizializza_elementi(m);
    m.scrivi_planimetria = 1;
    compila_descrizioni(m, {"linea", linea}, {"treno", treno});
    ++letti;
    for (const diagnostica& d : m.diagnostiche) {
      const std::string& testo = d.luogo.file == "linea" ? linea : treno;
      ASSERT_TRUE(d.luogo.file == "linea" || d.luogo.file == "treno") << voce.path();
      if (d.luogo.riga == 0) continue;
      std::vector<size_t> lunghezze{0};
      for (size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') continue;
        if (testo[i] == '\r' || testo[i] == '\n') {
          lunghezze.push_back(0);
        } else {
          ++lunghezze.back();
        }
      }
      ASSERT_LE(static_cast<size_t>(d.luogo.riga), lunghezze.size()) << voce.path();
      EXPECT_GE(d.luogo.colonna, 1) << voce.path();
      EXPECT_LE(static_cast<size_t>(d.luogo.colonna),
                lunghezze[static_cast<size_t>(d.luogo.riga) - 1] + 1)
          << voce.path() << " " << d.numero;
    }
  }
  EXPECT_GT(letti, 0u);
}

}  // namespace
}  // namespace scenario
