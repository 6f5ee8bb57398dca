#include "base/scrittore_file.h"

#include <gtest/gtest.h>

#include "cartella_temporanea.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::leggi_file;
using prova::scrivi_file;

TEST(ScrittoreFile, ReplacesALongerFileWithExactlyTheNewContent) {
  cartella_temporanea cartella;
  scrivi_file(cartella / "f.dat", std::string(100000, 'x'));
  sostituisci_file(cartella / "f.dat", "abc");
  EXPECT_EQ(leggi_file(cartella / "f.dat"), "abc");
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"f.dat"});
}

TEST(ScrittoreFile, ContentLargerThanTheBufferArrivesWhole) {
  cartella_temporanea cartella;
  std::string grande;
  for (int i = 0; i < 300000; ++i) grande.push_back(static_cast<char>(i * 7));
  scrittore_file file(cartella / "g.dat");
  for (size_t i = 0; i < grande.size(); i += 1000) file.scrivi(grande.substr(i, 1000));
  file.chiudi();
  EXPECT_EQ(leggi_file(cartella / "g.dat"), grande);
}

TEST(ScrittoreFile, AWriterDroppedBeforeClosingKeepsTheOldFileAndLeavesNoTemporary) {
  cartella_temporanea cartella;
  scrivi_file(cartella / "f.dat", "vecchio");
  {
    scrittore_file file(cartella / "f.dat");
    file.scrivi(std::string(200000, 'n'));
  }
  EXPECT_EQ(leggi_file(cartella / "f.dat"), "vecchio");
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"f.dat"});
}

TEST(ScrittoreFile, FailuresNameTheFileAndTheReason) {
  cartella_temporanea cartella;
  std::filesystem::create_directory(cartella / "cartella.dat");
  try {
    sostituisci_file(cartella / "cartella.dat", "x");
    FAIL() << "a directory cannot be replaced by a file";
  } catch (const errore_file& e) {
    EXPECT_EQ(e.percorso(), cartella / "cartella.dat");
    EXPECT_TRUE(prova::messaggio_su_cartella(e.what(), cartella / "cartella.dat")) << e.what();
  }
  EXPECT_EQ(cartella.contenuto(), std::vector<std::string>{"cartella.dat"});
  EXPECT_THROW(sostituisci_file(cartella / "manca" / "f.dat", "x"), errore_file);
}

}  // namespace
}  // namespace scenario
