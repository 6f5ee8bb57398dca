#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file_vicino.h"
#include "cartella_temporanea.h"

namespace scenario {
namespace {

using prova::cartella_temporanea;
using prova::scrivi_file;

// Of the entries of the named file's directory, the one its name is a likely
// typo of, with the directory as written; none for a name that names a file,
// a far name or a directory.
TEST(FileVicino, NamesTheNearFileOfTheDirectory) {
  cartella_temporanea cartella;
  for (const char* nome : {"X_linea.txt", "X_27364-.txt", "Altro.txt", "b_linea.txt"}) {
    scrivi_file(cartella / nome, "");
  }
  std::filesystem::create_directory(cartella / "Cartella");
  const std::string c = cartella.percorso().string() + "/";
  const struct {
    std::string scritto, atteso;
  } casi[] = {
      {"X-linea.txt", "X_linea.txt"},
#ifdef _WIN32
      {"x_linea.txt", ""},  // the same name to a file system blind to case
#else
      {"x_linea.txt", "X_linea.txt"},  // another case of the same name
#endif
      {"X_linae.txt", "X_linea.txt"},
      {"X_27364.txt", "X_27364-.txt"},
      {"a_linea.txt", "X_linea.txt"},  // a tie: the first in byte order
      {"X_linea.txt", ""},             // it exists
      {"Cartela", ""},                 // a directory is no description
      {"Manca_linea.txt", ""},
      {"X", ""},
  };
  for (const auto& caso : casi) {
    const std::string atteso = caso.atteso.empty() ? "" : c + caso.atteso;
    EXPECT_EQ(file_vicino(c + caso.scritto), atteso) << caso.scritto;
  }
  EXPECT_EQ(file_vicino(cartella / "manca" / "X_linea.txt"), "");
}

#ifndef _WIN32
// A link is named, never followed; a dangling one is something that exists.
TEST(FileVicino, FollowsNoLink) {
  cartella_temporanea cartella;
  std::filesystem::create_symlink("altrove/nulla", cartella / "L_linea.txt");
  EXPECT_EQ(file_vicino(cartella / "L-linea.txt"), (cartella / "L_linea.txt").string());
  EXPECT_EQ(file_vicino(cartella / "L_linea.txt"), "");
}
#endif

// The directory is read no further than the bound.
TEST(FileVicino, ReadsNoMoreEntriesThanItsBound) {
  cartella_temporanea cartella;
  for (const char* nome : {"X_linea.txt", "a", "b", "c"}) scrivi_file(cartella / nome, "");
  EXPECT_EQ(file_vicino(cartella / "X-linea.txt", 4), (cartella / "X_linea.txt").string());
  EXPECT_EQ(file_vicino(cartella / "X-linea.txt", 0), "");
}

}  // namespace
}  // namespace scenario
