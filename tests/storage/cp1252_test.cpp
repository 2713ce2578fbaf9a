#include "storage/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace drippo {
namespace {

TEST(Cp1252, FrenchAccentsAndEuroRoundTrip) {
  const std::string utf8 = "é à ç €";
  const std::string bytes = cp1252_from_utf8(utf8);
  EXPECT_EQ(bytes, "\xE9 \xE0 \xE7 \x80");
  EXPECT_EQ(utf8_from_cp1252(bytes), utf8);
}

TEST(Cp1252, EveryByteSurvivesTheTripThroughUtf8) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(cp1252_from_utf8(utf8_from_cp1252(byte)), byte) << "byte " << b;
  }
}

TEST(Cp1252, BytesMapToTheirWindowsCharacters) {
  struct Case {
    const char* bytes;
    const char* utf8;
  };
  const Case cases[] = {
      {"\x80", "€"},         {"\x8C", "Œ"},         {"\x92", "’"},
      {"\x99", "™"},         {"\x9F", "Ÿ"},         {"\xA0", "\xC2\xA0"},
      {"\xFF", "ÿ"},         {"\x81", "\xC2\x81"},  {"\x8D", "\xC2\x8D"},
      {"\x8F", "\xC2\x8F"},  {"\x90", "\xC2\x90"},  {"\x9D", "\xC2\x9D"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8_from_cp1252(c.bytes), c.utf8) << c.utf8;
    EXPECT_EQ(cp1252_from_utf8(c.utf8), c.bytes) << c.utf8;
  }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  struct Case {
    const char* utf8;
    const char* bytes;
  };
  const Case cases[] = {
      {"日本", "??"},
      {"a😀b", "a?b"},
      {"\xC2\x80", "?"},  // U+0080: 0x80 is the euro sign, not this control
      {"Ā", "?"},
  };
  for (const Case& c : cases) EXPECT_EQ(cp1252_from_utf8(c.utf8), c.bytes) << c.utf8;
}

TEST(Cp1252, EachByteOfMalformedUtf8BecomesAQuestionMark) {
  struct Case {
    std::string utf8;
    std::string bytes;
    const char* what;
  };
  const Case cases[] = {
      {"\x80", "?", "stray continuation byte"},
      {"a\xFF" "b", "a?b", "byte never valid in UTF-8"},
      {"\xC3", "?", "sequence cut by the end"},
      {"\xE2\x82" "A", "??A", "sequence cut by a plain letter"},
      {"\xC0\xAF", "??", "overlong slash"},
      {"\xE0\x80\xAF", "???", "overlong three-byte slash"},
      {"\xED\xA0\x80", "???", "surrogate"},
      {"\xF4\x90\x80\x80", "????", "beyond U+10FFFF"},
      {"\xC3\xA9\xC3", "\xE9?", "valid then cut"},
  };
  for (const Case& c : cases) EXPECT_EQ(cp1252_from_utf8(c.utf8), c.bytes) << c.what;
}

}  // namespace
}  // namespace drippo
