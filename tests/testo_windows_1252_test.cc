#include "base/testo_windows_1252.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario {
namespace {

TEST(TestoWindows1252, EveryByteSurvivesARoundTrip) {
  std::string tutti;
  for (int b = 0; b < 256; ++b) tutti.push_back(static_cast<char>(b));
  EXPECT_EQ(a_windows_1252(da_windows_1252(tutti)), tutti);
  EXPECT_EQ(a_windows_1252("\u4e2d"), "?");
  EXPECT_EQ(a_windows_1252("a\xff"), "a\xff");  // not UTF-8: taken byte for byte
  std::string uscita = "x";
  aggiungi_windows_1252(uscita, "ASCII ");
  aggiungi_windows_1252(uscita, "\u00e8 \u20ac");
  EXPECT_EQ(uscita, "xASCII \xe8 \x80");
}

TEST(TestoWindows1252, LowerCase) {
  EXPECT_EQ(minuscolo("27364LORVENTO-Basalto"), "27364lorvento-basalto");
  EXPECT_EQ(minuscolo("\u00c0\u00c8\u00d7\u0160"), "\u00e0\u00e8\u00d7\u0161");
  // A character beyond the first 65536 stays whole, and is then no character
  // of Windows-1252 like any other.
  EXPECT_EQ(minuscolo("A\U0001F600B"), "a\U0001F600b");
  EXPECT_EQ(a_windows_1252(minuscolo("A\U0001F600B")), "a?b");
}

}  // namespace
}  // namespace scenario
