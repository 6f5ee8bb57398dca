#include "file_compilati/file_compilati.h"

#include <gtest/gtest.h>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;

TEST(FileCompilati, TaggedValuesTakeTwoFourOrTenBytes) {
  const struct {
    valore_planimetria valore;
    std::string atteso;
  } casi[] = {
      {std::monostate{}, std::string("\x00\x00", 2)},
      {int16_t{-2}, std::string("\x02\x00\xfe\xff", 4)},
      {0.5, std::string("\x05\x00\x00\x00\x00\x00\x00\x00\xe0\x3f", 10)},
  };
  for (const auto& c : casi) {
    std::string b;
    codifica_valore_planimetria(b, c.valore);
    EXPECT_EQ(b, c.atteso) << c.valore.index();
  }
}

TEST(FileCompilati, CellFieldsAtTheirOffsets) {
  cella c;
  c.tipo = 1;
  c.val1 = -1;
  c.val2 = 0x0302;
  c.val3 = 0x0504;
  c.val4 = 0x0706;
  c.tempo = 8;
  c.avviso = 9;
  c.galleria = 10;
  c.vel_max = 11;
  c.pendenza = 12;
  c.aderenza = 13;
  std::string b;
  codifica_cella(b, c);
  EXPECT_EQ(b, std::string("\x01\xff\xff\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d", 15));
}

TEST(FileCompilati, ElementRecordCarriesItsTextInWindows1252) {
  elemento e;
  e.tipo = 1;
  e.inizio = -500;
  e.fine = 2;
  e.posizione = 3;
  e.dato_a = 4;
  e.testo = "Cant\u00f9";
  e.dato_d = 5;
  e.dato_e = 6;
  e.dato_g = 7;
  e.dato_h = 8;
  e.dato_i = 9;
  e.dato_f = 10;
  e.dato_l = 11;
  e.dato_c = 12;
  e.dato_b = 13;
  e.orario = 66600;
  std::string b;
  codifica_elemento(b, e);
  EXPECT_EQ(b, std::string("\x01\x0c\xfe\xff\xff\x02\x00\x00\x00\x03\x00\x00\x00\x04"
                           "\x05\x00"
                           "Cant\xf9"
                           "\x05\x00\x06\x00\x07\x00\x08\x00\x09\x00"
                           "\x0a\x0b\x0c\x0d"
                           "\x28\x04\x01\x00",
                           39));
}

TEST(FileCompilati, ElementTableWithOnlyTheHeadersFilled) {
  cartella_temporanea cartella;
  modello m;
  m.elementi[85].testo = "Lorvento-Basalto";
  m.elementi[86].testo = "27364";
  scrivi_file_elementi(cartella / "t.sim", m);
  std::string file = leggi_file(cartella / "t.sim");
  ASSERT_EQ(file.size(), 2958u + 16 + 5);
  EXPECT_EQ(file.substr(0, 34), std::string(34, '\0'));
  size_t record_85 = 85 * 34;
  EXPECT_EQ(file.substr(record_85 + 14, 18), std::string("\x10\x00Lorvento-Basalto", 18));
}

TEST(FileCompilati, PlanIsCoordinateZeroThenCoordinateOne) {
  cartella_temporanea cartella;
  modello m;
  m.planimetria[0] = {int16_t{0}, int16_t{0}, 0.25};
  m.planimetria[1] = {int16_t{0}, int16_t{1}, std::monostate{}};
  m.celle.resize(3);
  scrivi_file_planimetria(cartella / "p.dat", m);
  scrivi_file_celle(cartella / "c.dat", m);
  EXPECT_EQ(leggi_file(cartella / "p.dat"),
            std::string("\x02\x00\x00\x00\x02\x00\x00\x00\x05\x00\x00\x00\x00\x00\x00\x00\xd0\x3f"
                        "\x02\x00\x00\x00\x02\x00\x01\x00\x00\x00",
                        28));
  EXPECT_EQ(leggi_file(cartella / "c.dat").size(), 45u);
  EXPECT_EQ(leggi_file(cartella / "c.dat"), codifica_file_celle(m));
  EXPECT_EQ(leggi_file(cartella / "p.dat"), codifica_file_planimetria(m));
}

// A plan of every shape: integers, a run of doubles longer than the write
// buffer, an integer written over one of them, a gap left empty before a
// double, an empty tail. Each metre reads back as put, and the file is every
// metre's encoding in order.
TEST(FileCompilati, PlanFileIsEveryMetreEncodedInOrder) {
  cartella_temporanea cartella;
  modello m;
  for (coordinata_planimetria& c : m.planimetria) {
    c.dimensiona(20000);
    c.metti(0, int16_t{0});
    c.metti(1, int16_t{-3});
    for (size_t metro = 2; metro < 12000; ++metro) c.metti_reale(metro, metro * 0.5);
  }
  m.planimetria[0].metti(5000, int16_t{7});
  m.planimetria[1].metti(15000, 1.25);
  EXPECT_EQ(m.planimetria[0][1], valore_planimetria(int16_t{-3}));
  EXPECT_EQ(m.planimetria[0][5000], valore_planimetria(int16_t{7}));
  EXPECT_EQ(m.planimetria[0][11999], valore_planimetria(5999.5));
  EXPECT_EQ(m.planimetria[1][5000], valore_planimetria(2500.0));
  EXPECT_EQ(m.planimetria[1][12000], valore_planimetria());
  EXPECT_EQ(m.planimetria[1][15000], valore_planimetria(1.25));
  EXPECT_EQ(m.planimetria[1][19999], valore_planimetria());

  std::string atteso;
  for (const coordinata_planimetria& c : m.planimetria) {
    for (size_t metro = 0; metro < c.size(); ++metro) codifica_valore_planimetria(atteso, c[metro]);
  }
  ASSERT_EQ(atteso.size(),
            (8 + 11997 * 10 + 4 + 8000 * 2) + (8 + 11998 * 10 + 3000 * 2 + 10 + 4999 * 2));
  scrivi_file_planimetria(cartella / "p.dat", m);
  EXPECT_TRUE(leggi_file(cartella / "p.dat") == atteso);
  // The whole file in memory holds the same bytes.
  EXPECT_TRUE(codifica_file_planimetria(m) == atteso);
}

}  // namespace
}  // namespace scenario
