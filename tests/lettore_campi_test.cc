#include "compilazione/lettore_campi.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <variant>
#include <vector>

#include "cartella_temporanea.h"
#include "modello/errore_esecuzione.h"

namespace scenario {
namespace {

// One read: 't' text, 'l' 32-bit, 'i' 16-bit, 'u' 8-bit; the expected value
// and whether the end has been reached after it.
struct lettura {
  char tipo;
  std::variant<std::string, int64_t> atteso;
  bool fine;
};

void verifica(const std::string& ingresso, const std::vector<lettura>& letture) {
  lettore_campi l(ingresso);
  for (size_t i = 0; i < letture.size(); ++i) {
    const lettura& r = letture[i];
    SCOPED_TRACE(testing::Message() << "input \"" << ingresso << "\", read " << i);
    if (r.tipo == 't') {
      EXPECT_EQ(l.leggi_testo(), std::get<std::string>(r.atteso));
    } else {
      int64_t v = r.tipo == 'l' ? l.leggi_i32() : r.tipo == 'i' ? l.leggi_i16() : l.leggi_u8();
      EXPECT_EQ(v, std::get<int64_t>(r.atteso));
    }
    EXPECT_EQ(l.fine(), r.fine);
  }
}

TEST(LettoreCampi, Fields) {
  using s = std::string;
  using n = int64_t;
  verifica("lunghezza percorso,    103000\r\n[curve]\r\n",
           {{'t', s("lunghezza percorso"), false}, {'l', n(103000), false}, {'t', s("[curve]"), true}});
  // Numbers separated by blanks alone; the trailing blank makes no field.
  verifica("orologio,    18              29            50 \r\n",
           {{'t', s("orologio"), false}, {'i', n(18), false}, {'i', n(29), false},
            {'i', n(50), true}});
  // Empty fields and non-numbers read as 0.
  verifica("a,  ,  ,  0\r\nabbattimento,   19000,   AC\r\n",
           {{'t', s("a"), false}, {'l', n(0), false}, {'l', n(0), false}, {'l', n(0), false},
            {'t', s("abbattimento"), false}, {'l', n(19000), false}, {'l', n(0), true}});
  verifica("12abc,-,+5,-7\n", {{'l', n(0), false}, {'l', n(0), false}, {'l', n(0), false},
                               {'l', n(-7), true}});
  // Text keeps inner blanks, loses leading and trailing ones; a hyphen is text.
  verifica("cartello_indicatore,  16250,   (-----)(|_|_|)(  /  )  \r\n",
           {{'t', s("cartello_indicatore"), false}, {'l', n(16250), false},
            {'t', s("(-----)(|_|_|)(  /  )"), true}});
  verifica("   Pratomagro-Lenzi\n", {{'t', s("Pratomagro-Lenzi"), true}});
  // A quoted text runs to its closing quote; what follows it up to the comma is dropped.
  verifica("\"a, b\r\nc\" x,7", {{'t', s("a, b\r\nc"), false}, {'l', n(7), true}});
  verifica("\"aperto", {{'t', s("aperto"), true}});
  // Bare LF, lone CR and a last line without line end.
  verifica("a\nb\rc", {{'t', s("a"), false}, {'t', s("b"), false}, {'t', s("c"), true}});
  // An empty line is an empty field.
  verifica("a\r\n\r\nb\r\n", {{'t', s("a"), false}, {'t', s(""), false}, {'t', s("b"), true}});
  // A number may be read from a text position and a text from a number's.
  verifica("5,x\r\n", {{'t', s("5"), false}, {'t', s("x"), true}});
  // Windows-1252 bytes become UTF-8 text.
  verifica("Cant\xf9\r\n", {{'t', s("Cant\u00f9"), true}});
}

TEST(LettoreCampi, Widths) {
  using n = int64_t;
  verifica("255,-32768,32767,-2147483648,2147483647\r\n",
           {{'u', n(255), false}, {'i', n(-32768), false}, {'i', n(32767), false},
            {'l', n(-2147483648LL), false}, {'l', n(2147483647), true}});
  const struct {
    const char* ingresso;
    char tipo;
  } troppo_larghi[] = {{"256", 'u'}, {"-1", 'u'}, {"32768", 'i'}, {"-32769", 'i'},
                       {"2147483648", 'l'}, {"99999999999999999999999", 'l'}};
  for (const auto& c : troppo_larghi) {
    lettore_campi l(c.ingresso);
    auto leggi = [&] {
      if (c.tipo == 'u') return int64_t{l.leggi_u8()};
      if (c.tipo == 'i') return int64_t{l.leggi_i16()};
      return int64_t{l.leggi_i32()};
    };
    EXPECT_THROW(leggi(), errore_esecuzione) << c.ingresso;
  }
}

// After the last comma: blanks, a line end or both make one more field, an
// empty one, whatever the width it is read at; nothing at all makes none.
TEST(LettoreCampi, ABlankLastFieldReadsAsZero) {
  using s = std::string;
  using n = int64_t;
  const char* const ultimi[] = {"   ", " \t", "   \r\n", "\t\n", "  \r", "\r\n", "\n", "\r"};
  for (const char* ultimo : ultimi) {
    verifica(s("velocita,   14500,") + ultimo,
             {{'t', s("velocita"), false}, {'l', n(14500), false}, {'l', n(0), true}});
    verifica(s("sabbia,") + ultimo, {{'t', s("sabbia"), false}, {'i', n(0), true}});
    verifica(s("stazione, 0,") + ultimo,
             {{'t', s("stazione"), false}, {'l', n(0), false}, {'u', n(0), true}});
    verifica(s("stazione, 0,") + ultimo,
             {{'t', s("stazione"), false}, {'l', n(0), false}, {'t', s(""), true}});
    // Blank-only numbers after a number read by blanks alone.
    verifica(
        s("orologio, 18 29 ,") + ultimo,
        {{'t', s("orologio"), false}, {'i', n(18), false}, {'i', n(29), false}, {'i', n(0), true}});
  }
  lettore_campi l("velocita,   14500,");
  l.leggi_testo();
  l.leggi_i32();
  EXPECT_TRUE(l.fine());
  EXPECT_THROW(l.leggi_i32(), errore_esecuzione);
}

TEST(LettoreCampi, ReadingPastTheEndIsARunTimeFailure) {
  lettore_campi vuoto("");
  EXPECT_TRUE(vuoto.fine());
  EXPECT_THROW(vuoto.leggi_testo(), errore_esecuzione);
  lettore_campi l("[fine]\r\n");
  l.leggi_testo();
  EXPECT_THROW(l.leggi_i32(), errore_esecuzione);
}

// Within a row every read must be of the width the grammar gives its field:
// a compiler that read a clock field as 32 bits, or one field too many,
// fails whatever the file holds, where a wrong width would otherwise only
// shift which values fit.
TEST(LettoreCampi, AReadAgainstTheGrammarIsAFaultOfTheProgram) {
  struct caso {
    const char* nome;
    const grammatica::voce& voce;
    std::vector<char> letture;  // as in `lettura`; the last one is refused
  };
  const caso casi[] = {
      {"another width", grammatica::orologio, {'i', 'l'}},
      {"a number for a text", grammatica::cartello_indicatore, {'l', 'l'}},
      {"a text for a number", grammatica::sabbia, {'t'}},
      {"8 bits for 16", grammatica::stazione, {'l', 'u', 'l', 'u', 'u', 'u', 'u'}},
      {"past the last field", grammatica::sabbia, {'i', 'i'}},
  };
  auto leggi = [](lettore_campi& l, char tipo) {
    if (tipo == 't') l.leggi_testo();
    if (tipo == 'l') l.leggi_i32();
    if (tipo == 'i') l.leggi_i16();
    if (tipo == 'u') l.leggi_u8();
  };
  for (const caso& c : casi) {
    SCOPED_TRACE(c.nome);
    lettore_campi l("x, 1, 2, 3, 4, 5, 6, 7, 8\r\n[fine]\r\n");
    l.leggi_testo();
    l.inizia_riga(c.voce);
    for (size_t i = 0; i + 1 < c.letture.size(); ++i) leggi(l, c.letture[i]);
    EXPECT_THROW(leggi(l, c.letture.back()), std::logic_error);
  }
  // The same reads of the grammar's widths, and any read outside a row, pass.
  lettore_campi l("orologio, 1, 2, 3\r\nx, 4\r\n[fine]\r\n");
  l.leggi_testo();
  l.inizia_riga(grammatica::orologio);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(l.leggi_i16(), i + 1);
  l.chiudi_riga();
  l.leggi_testo();
  EXPECT_EQ(l.leggi_u8(), 4);
}

// The reader's warnings join the list it is given, within that list's limit,
// as the model's own do.
TEST(LettoreCampi, WarningsJoinTheListGivenWithinItsLimit) {
  std::vector<diagnostica> elenco;
  size_t limite = 1;
  diagnostiche_tralasciate tralasciate;
  lettore_campi l("sabbia, x\r\nsabbia, y\r\n[fine]\r\n", "treno.txt");
  l.avvisa_in(registro_diagnostiche(elenco, limite, tralasciate));
  for (int i = 0; i < 2; ++i) {
    l.leggi_testo();
    l.inizia_riga(grammatica::sabbia);
    EXPECT_EQ(l.leggi_i16(), 0);
    l.chiudi_riga();
  }
  ASSERT_EQ(elenco.size(), 1u);
  EXPECT_EQ(elenco[0].livello, gravita::avviso);
  EXPECT_EQ(elenco[0].motivo, "field 'sabbia' of 'sabbia': 'x'");
  EXPECT_EQ(elenco[0].luogo.riga, 1);
  EXPECT_EQ(tralasciate.avvisi, 1u);
}

TEST(LettoreCampi, MissingFileIsARunTimeFailure) {
  prova::cartella_temporanea cartella;
  EXPECT_THROW(lettore_campi::da_file(cartella / "manca.txt"), errore_esecuzione);
  prova::scrivi_file(cartella / "c.txt", "x,1\r\n");
  lettore_campi l = lettore_campi::da_file(cartella / "c.txt");
  EXPECT_EQ(l.leggi_testo(), "x");
}

// The description files are read as leggi_descrizione reads them: only a
// regular file, of at most massimo_byte_descrizione bytes, or the compile
// fails naming the file.
TEST(LettoreCampi, AFileNotRegularOrTooLargeIsARunTimeFailure) {
  prova::cartella_temporanea cartella;
  std::filesystem::create_directory(cartella / "cartella.txt");
  prova::scrivi_file(cartella / "grande.txt", "");
  std::filesystem::resize_file(cartella / "grande.txt", massimo_byte_descrizione + 1);
  std::vector<std::pair<std::filesystem::path, std::string>> casi = {
      {cartella / "grande.txt", "67108865 bytes, larger than the 64 MiB a description may have"},
  };
#ifndef _WIN32
  casi.push_back({cartella / "cartella.txt", "Is a directory"});
  casi.push_back({"/dev/zero", "not a regular file"});
#endif
  for (const auto& [percorso, motivo] : casi) {
    try {
      lettore_campi::da_file(percorso);
      ADD_FAILURE() << percorso << " read";
    } catch (const errore_esecuzione& e) {
      EXPECT_EQ(e.what(), "cannot open " + percorso.string() + ": " + motivo);
      EXPECT_EQ(e.luogo.file, percorso.string());
    }
  }
  EXPECT_THROW(lettore_campi::da_file(cartella / "cartella.txt"), errore_esecuzione);
}

}  // namespace
}  // namespace scenario
