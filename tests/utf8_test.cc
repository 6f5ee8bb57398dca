// What counts as UTF-8: one decoder, for the text shown on a terminal and the
// text written to files alike.

#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/testo_visibile.h"
#include "base/testo_windows_1252.h"

namespace scenario {
namespace {

using namespace std::string_view_literals;

const struct {
  std::string_view byte;
  size_t lunghezza;  // 0: no valid sequence
  char32_t codice;
} casi[] = {
    {"A"sv, 1, U'A'},
    {"\0"sv, 1, 0},
    {"\x7f"sv, 1, 0x7f},
    {"\xc2\x80"sv, 2, 0x80},
    {"\xc3\xa9X"sv, 2, 0xe9},
    {"\xdf\xbf"sv, 2, 0x7ff},
    {"\xe0\xa0\x80"sv, 3, 0x800},
    {"\xe2\x82\xac"sv, 3, 0x20ac},
    {"\xed\x9f\xbf"sv, 3, 0xd7ff},
    {"\xee\x80\x80"sv, 3, 0xe000},
    {"\xef\xbf\xbf"sv, 3, 0xffff},
    {"\xf0\x90\x80\x80"sv, 4, 0x10000},
    {"\xf0\x9f\x98\x80"sv, 4, 0x1f600},
    {"\xf4\x8f\xbf\xbf"sv, 4, 0x10ffff},
    // Stray continuation bytes.
    {"\x80"sv, 0, 0},
    {"\xbf\x80"sv, 0, 0},
    // Overlong forms.
    {"\xc0\x80"sv, 0, 0},
    {"\xc1\xbf"sv, 0, 0},
    {"\xe0\x9f\xbf"sv, 0, 0},
    {"\xf0\x8f\xbf\xbf"sv, 0, 0},
    // Surrogates.
    {"\xed\xa0\x80"sv, 0, 0},
    {"\xed\xb0\x80"sv, 0, 0},
    {"\xed\xbf\xbf"sv, 0, 0},
    // Cut short, at the end or by a byte that does not continue.
    {"\xc3"sv, 0, 0},
    {"\xe2\x82"sv, 0, 0},
    {"\xe2\x82!"sv, 0, 0},
    {"\xf0\x9f\x98"sv, 0, 0},
    // Beyond U+10FFFF, and bytes that begin no sequence.
    {"\xf4\x90\x80\x80"sv, 0, 0},
    {"\xf5\x80\x80\x80"sv, 0, 0},
    {"\xf7\xbf\xbf\xbf"sv, 0, 0},
    {"\xf8\x88\x80\x80\x80"sv, 0, 0},
    {"\xff"sv, 0, 0},
};

std::string esadecimale(std::string_view byte) {
  std::string testo;
  for (char b : byte) {
    testo += "0123456789abcdef"[static_cast<unsigned char>(b) >> 4];
    testo += "0123456789abcdef"[b & 0xf];
    testo += ' ';
  }
  return testo;
}

TEST(Utf8, EachSequenceIsDecodedOrRefusedWhole) {
  constexpr char32_t intatto = 0xfffffff;
  for (const auto& c : casi) {
    char32_t codice = intatto;
    EXPECT_EQ(decodifica_utf8(c.byte, codice), c.lunghezza) << esadecimale(c.byte);
    EXPECT_EQ(codice, c.lunghezza > 0 ? c.codice : intatto) << esadecimale(c.byte);
    EXPECT_EQ(sequenza_utf8(c.byte), c.lunghezza) << esadecimale(c.byte);
  }
  char32_t codice = intatto;
  EXPECT_EQ(decodifica_utf8("", codice), 0u);
}

// Every valid sequence encodes back to its own bytes.
TEST(Utf8, EachCodePointIsEncodedAsItIsDecoded) {
  for (const auto& c : casi) {
    if (c.lunghezza == 0) continue;
    std::string uscita = "x";
    aggiungi_utf8(uscita, c.codice);
    EXPECT_EQ(uscita, "x" + std::string(c.byte.substr(0, c.lunghezza))) << esadecimale(c.byte);
  }
}

// Bytes of no valid sequence are Windows-1252 characters, one a byte, both in
// the text that a terminal shows and in the text written to a file.
TEST(Utf8, WhatIsNotUtf8IsTakenByteForByteEverywhere) {
  for (const auto& c : casi) {
    const std::string primo(c.byte.substr(0, c.lunghezza > 0 ? c.lunghezza : 1));
    if (c.lunghezza > 0) {
      EXPECT_EQ(testo_utf8(primo), primo) << esadecimale(c.byte);
    } else {
      EXPECT_EQ(testo_utf8(primo), da_windows_1252(primo)) << esadecimale(c.byte);
      EXPECT_EQ(a_windows_1252(c.byte), std::string(c.byte)) << esadecimale(c.byte);
      EXPECT_EQ(minuscolo(c.byte), std::string(c.byte)) << esadecimale(c.byte);
    }
  }
}

// A terminal gives a character one column however many bytes it takes: the
// tables of an inspection are aligned by this count.
TEST(Utf8, AVisibleTextTakesAColumnACharacter) {
  const struct {
    std::string testo;
    size_t colonne;
  } casi[] = {
      {"", 0},
      {"Verzasca", 8},
      {testo_visibile("Verz\xF9"), 5},
      {testo_visibile("a\x1B[2Jb"), 6},
      {testo_visibile("\x81"), 8},
      {"\xE2\x82\xAC 5", 3},
      {"\xF0\x9F\x9A\x82", 1},
  };
  for (const auto& c : casi) EXPECT_EQ(colonne_testo(c.testo), c.colonne) << c.testo;
}

}  // namespace
}  // namespace scenario
