#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "cartella_temporanea.h"
#include "piattaforma/attesa_modifiche.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;

// A save that keeps a description's size, a digit changed, soon after the
// one before must still be seen as a change.
TEST(FirmaFile, TwoSavesOfOneSizeWithinASecondDiffer) {
  cartella_temporanea cartella;
  const auto file = cartella / "Linea_linea.txt";
  prova::scrivi_file(file, "stazione, 21600\r\n");
  const firma_file prima = firma_di(file);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  prova::scrivi_file(file, "stazione, 21630\r\n");
  const firma_file dopo = firma_di(file);
  EXPECT_EQ(prima.second, 17u);
  EXPECT_EQ(dopo.second, 17u);
  EXPECT_NE(prima.first, dopo.first);
  EXPECT_EQ(firma_di(cartella / "assente.txt"), (firma_file{0, 0}));
}

}  // namespace
}  // namespace scenario
