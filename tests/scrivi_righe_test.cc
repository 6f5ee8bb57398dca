#include "descrizioni_incorporate/scrivi_righe.h"

#include <gtest/gtest.h>

#include <memory>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

TEST(ScriviRighe, WritesUpToTheMarkerWithCrLfAfterEveryLine) {
  cartella_temporanea cartella;
  auto righe = std::make_unique<lista_righe>();

  (*righe)[0] = marcatore_fine;
  scrivi_righe(cartella / "vuoto.txt", *righe);
  EXPECT_EQ(leggi_file(cartella / "vuoto.txt"), "");

  for (int i = 0; i < 52; ++i) (*righe)[i] = "riga " + std::to_string(i);
  (*righe)[1] = "";
  (*righe)[52] = marcatore_fine;
  (*righe)[53] = "mai scritta";
  scrivi_file(cartella / "f.txt", std::string(5000, 'x'));
  scrivi_righe(cartella / "f.txt", *righe);
  std::string atteso = "riga 0\r\n\r\n";
  for (int i = 2; i < 52; ++i) atteso += "riga " + std::to_string(i) + "\r\n";
  EXPECT_EQ(leggi_file(cartella / "f.txt"), atteso);
}

TEST(ScriviRighe, OnlyTheExactMarkerEndsTheList) {
  cartella_temporanea cartella;
  auto righe = std::make_unique<lista_righe>();
  (*righe)[0] = std::string(marcatore_fine) + " ";
  (*righe)[1] = "Riferimento fine del file";
  (*righe)[2] = "il riferimento fine del file";
  (*righe)[3] = marcatore_fine;
  scrivi_righe(cartella / "f.txt", *righe);
  EXPECT_EQ(leggi_file(cartella / "f.txt"),
            "riferimento fine del file \r\nRiferimento fine del file\r\n"
            "il riferimento fine del file\r\n");
}

TEST(ScriviRighe, AListWithoutMarkerStopsAtItsLastSlot) {
  cartella_temporanea cartella;
  auto righe = std::make_unique<lista_righe>();
  scrivi_righe(cartella / "f.txt", *righe);
  EXPECT_EQ(leggi_file(cartella / "f.txt").size(), 2 * posti_lista_righe);
}

TEST(ScriviRighe, AccentedVowelsBecomeOneByteEach) {
  cartella_temporanea cartella;
  auto righe = std::make_unique<lista_righe>();
  (*righe)[0] = "\u00e0 \u00e8 \u00ec \u00f2 \u00f9 \u20ac";
  (*righe)[1] = marcatore_fine;
  scrivi_righe(cartella / "f.txt", *righe);
  EXPECT_EQ(leggi_file(cartella / "f.txt"), "\xe0 \xe8 \xec \xf2 \xf9 \x80\r\n");
}

}  // namespace
}  // namespace scenario
