#include "disegno/disegna.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <regex>
#include <stdexcept>

// PNG and PDF are drawn where cairo is built; the SVG is read with expat,
// which the Windows build of the tests lacks.
#ifdef DISEGNO_CON_CAIRO
#include <cairo.h>
#endif
#ifdef PROVE_CON_EXPAT
#include <expat.h>
#endif

#include "cartella_temporanea.h"
#include "disegno/pagina.h"
#include "disegno/pianta.h"
#include "scenario_di_prova.h"
#include "disegno/oggetti_linea.h"
#include "scritte_svg.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;

#ifdef PROVE_CON_EXPAT
// The classes of the elements of an SVG file, counted; false when it is not
// well-formed XML.
bool conta_classi(const std::string& svg, std::map<std::string, int>& classi) {
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, &classi);
  XML_SetStartElementHandler(parser, [](void* dati, const XML_Char*, const XML_Char** attributi) {
    auto& c = *static_cast<std::map<std::string, int>*>(dati);
    for (int k = 0; attributi[k] != nullptr; k += 2) {
      if (std::string(attributi[k]) == "class") ++c[attributi[k + 1]];
    }
  });
  bool ok = XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return ok;
}
#endif

class DisegnaMinuscolo : public ::testing::Test {
 protected:
  void SetUp() override {
    m = prova::scenario_minuscolo();
    ASSERT_EQ(m->n_errore, 0);
  }
  std::vector<std::filesystem::path> disegna_in(formato_disegno f, int larghezza = 800) {
    opzioni_disegno o;
    o.formato = f;
    o.larghezza_png = larghezza;
    return disegna(*m, cartella.percorso(), "Prova_1", o);
  }
  cartella_temporanea cartella;
  std::unique_ptr<modello> m;
};

// SVG on every build; PNG and PDF where cairo is, and elsewhere a logic
// error that writes nothing, since the command line refuses them first.
TEST_F(DisegnaMinuscolo, EachBuildDrawsItsFormatsAndRefusesTheOthers) {
#ifdef DISEGNO_CON_CAIRO
  constexpr bool con_cairo = true;
#else
  constexpr bool con_cairo = false;
#endif
  const struct {
    formato_disegno formato;
    bool disegnato;
  } casi[] = {{formato_disegno::svg, true},
              {formato_disegno::png, con_cairo},
              {formato_disegno::pdf, con_cairo}};
  for (const auto& c : casi) {
    const int n = static_cast<int>(c.formato);
    EXPECT_EQ(formato_disponibile(c.formato), c.disegnato) << n;
    if (c.disegnato) continue;
    EXPECT_THROW(disegna_in(c.formato), std::logic_error) << n;
    EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{}) << n;
  }
  EXPECT_EQ(disegna_in(formato_disegno::svg).size(), 2u);
}

#ifdef PROVE_CON_EXPAT
TEST_F(DisegnaMinuscolo, SvgHoldsOneElementPerStationSignalAndSlowDown) {
  std::vector<std::filesystem::path> file = disegna_in(formato_disegno::svg);
  ASSERT_EQ(file.size(), 2u);
  EXPECT_EQ(file[0].filename(), "Prova_1_pianta.svg");
  EXPECT_EQ(file[1].filename(), "Prova_1_profilo.svg");
  std::map<std::string, int> pianta, profilo;
  ASSERT_TRUE(conta_classi(leggi_file(file[0]), pianta));
  ASSERT_TRUE(conta_classi(leggi_file(file[1]), profilo));
  EXPECT_EQ(pianta, (std::map<std::string, int>{{"galleria", 1}, {"segnale", 2}, {"stazione", 2}}));
  // The code points: the row's and those that the finishing pass adds.
  EXPECT_EQ(profilo, (std::map<std::string, int>{{"galleria", 1},
                                                 {"punto_codice", 5},
                                                 {"rallentamento", 1},
                                                 {"segnale", 2},
                                                 {"stazione", 2}}));
  EXPECT_NE(leggi_file(file[1]).find("id=\"stazione-2\""), std::string::npos);
}
#endif

#ifdef DISEGNO_CON_CAIRO
TEST_F(DisegnaMinuscolo, PngHasTheAskedSizeAndTheLineWhereThePlanPutsIt) {
  std::vector<std::filesystem::path> file = disegna_in(formato_disegno::png, 800);
  cairo_surface_t* s = cairo_image_surface_create_from_png(file[0].c_str());
  ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
  const impaginazione_pianta imp = impagina_pianta(*m, oggetti_di(*m));
  EXPECT_EQ(cairo_image_surface_get_width(s), 800);
  EXPECT_EQ(cairo_image_surface_get_height(s), std::lround(imp.altezza * 800 / imp.larghezza));
  cairo_surface_flush(s);
  const unsigned char* dati = cairo_image_surface_get_data(s);
  int passo = cairo_image_surface_get_stride(s);
  auto pixel = [&](double x, double y) {
    int px = static_cast<int>(x), py = static_cast<int>(y);
    if (px < 0 || py < 0 || px >= cairo_image_surface_get_width(s) ||
        py >= cairo_image_surface_get_height(s)) {
      ADD_FAILURE() << x << ", " << y << " is off the picture";
      return std::array<int, 3>{-1, -1, -1};
    }
    uint32_t v = *reinterpret_cast<const uint32_t*>(dati + py * passo + px * 4);
    return std::array<int, 3>{static_cast<int>(v >> 16 & 0xff), static_cast<int>(v >> 8 & 0xff),
                              static_cast<int>(v & 0xff)};
  };
  const trasformazione_pianta& t = imp.t;
  double scala = 800 / imp.larghezza;
  // Metres on the line away from stations, signals and the tunnel: in ink
  // up to the route's end at 3000 m, faded beyond it.
  for (auto [metro, inchiostrato] :
       {std::pair{150u, true}, {900u, true}, {2100u, true}, {3040u, false}, {3060u, false}}) {
    double x = t.pagina_x(m->planimetria[0].numero(metro)) * scala;
    double y = t.pagina_y(m->planimetria[1].numero(metro)) * scala;
    std::array<int, 3> c = pixel(x, y);
    EXPECT_EQ(c[0] < 90 && c[1] < 90 && c[2] < 90, inchiostrato)
        << metro << ": " << c[0] << "," << c[1] << "," << c[2];
    if (!inchiostrato) {
      EXPECT_TRUE(c[0] > 150 && c[1] > 150 && c[2] > 150) << metro;
      continue;
    }
    // Twenty points to the side is paper.
    std::array<int, 3> fuori = pixel(x + 20 * scala * 3, y);
    EXPECT_EQ(fuori, (std::array<int, 3>{255, 255, 255})) << metro;
  }
  cairo_surface_destroy(s);
}

// The text string that follows `chiave` in a PDF's document information, as
// UTF-8: a literal (...) or a UTF-16 <FEFF...> in hex, as cairo writes it.
std::string voce_pdf(const std::string& pdf, const std::string& chiave) {
  size_t k = pdf.find(chiave + " ");
  if (k == std::string::npos) return "(missing)";
  k += chiave.size() + 1;
  if (pdf[k] == '(') return pdf.substr(k + 1, pdf.find(')', k) - k - 1);
  std::string esadecimale = pdf.substr(k + 1, pdf.find('>', k) - k - 1), utf8;
  for (size_t i = 4; i + 4 <= esadecimale.size(); i += 4) {
    char32_t c = static_cast<char32_t>(std::stoul(esadecimale.substr(i, 4), nullptr, 16));
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

TEST_F(DisegnaMinuscolo, PdfHoldsThePlanAndOneProfilePage) {
  std::vector<std::filesystem::path> file = disegna_in(formato_disegno::pdf);
  ASSERT_EQ(file.size(), 1u);
  EXPECT_EQ(file[0].filename(), "Prova_1.pdf");
  std::string pdf = leggi_file(file[0]);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  std::regex pagina("/Type /Page[^s]");
  EXPECT_EQ(
      std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), pagina), std::sregex_iterator()),
      2);
  // A reader's window and a library's index show the route and the train.
  EXPECT_EQ(voce_pdf(pdf, "/Title"), "Prova — treno 1");
  EXPECT_EQ(voce_pdf(pdf, "/Subject"), "Planimetria e profilo della linea Prova per il treno 1");
}

TEST_F(DisegnaMinuscolo, AVeryLongRouteNameIsShortenedOnEveryPage) {
  m->elementi[elemento_testata_percorso].testo = std::string(300, 'W');
  for (const std::filesystem::path& file : disegna_in(formato_disegno::svg)) {
    const prova::pagina_svg p = prova::leggi_pagina_svg(leggi_file(file));
    EXPECT_EQ(prova::scritte_in_conflitto(p), std::vector<std::string>{}) << file;
    EXPECT_LE(p.larghezza, lato_lungo_a3) << file;
    EXPECT_TRUE(p.scritte.at(0).testo.starts_with("WWW")) << file;
    EXPECT_TRUE(p.scritte.at(0).testo.ends_with("…")) << file;
  }
}

TEST(DisegnaPredefinito, ThePlanIsSmallAndEveryNameIsTextToSearch) {
  auto m = prova::scenario_predefinito();
  cartella_temporanea cartella;
  opzioni_disegno o;
  o.formato = formato_disegno::svg;
  const std::vector<std::filesystem::path> file = disegna(*m, cartella.percorso(), "P", o);
  const std::string pianta = leggi_file(file[0]);
  // A line of a hundred kilometres is some thousand points at the page's
  // scale, not one point a metre.
  EXPECT_LT(pianta.size(), 100000u);
  std::vector<std::string> testi;
  for (const auto& percorso : file) {
    for (const scritta& s : prova::leggi_pagina_svg(leggi_file(percorso)).scritte) {
      testi.push_back(s.testo);
    }
  }
  for (const auto& s : oggetti_di(*m).stazioni) {
    EXPECT_GE(std::count(testi.begin(), testi.end(), s.nome), 2) << s.nome;
  }
  EXPECT_NE(std::find(testi.begin(), testi.end(), "Lorvento-Basalto — treno 27364 — planimetria"),
            testi.end());
}
#endif

}  // namespace
}  // namespace scenario
