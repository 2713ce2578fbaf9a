#include "storage/cp1252.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace drippo {
namespace {

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
      {"\xE9 \xE7", "é ç"}, {"\x80", "€"},        {"\x92", "’"},          {"\x99", "™"},
      {"\x9F", "Ÿ"},        {"\xA0", "\xC2\xA0"}, {"\xFF", "ÿ"},
      {"\x81", "\xC2\x81"}, {"\x9D", "\xC2\x9D"},  // left undefined by the code page
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8_from_cp1252(c.bytes), c.utf8) << c.utf8;
    EXPECT_EQ(cp1252_from_utf8(c.utf8), c.bytes) << c.utf8;
  }
}

TEST(Cp1252, WhatTheCodePageCannotHoldBecomesOneQuestionMarkPerByteOrCharacter) {
  struct Case {
    std::string utf8;
    std::string bytes;
    const char* what;
  };
  const Case cases[] = {
      {"日本", "??", "characters outside the code page"},
      {"a😀b", "a?b", "four-byte character"},
      {"\xC2\x80", "?", "U+0080: 0x80 is the euro sign, not this control"},
      {"\x80", "?", "stray continuation byte"},
      {"a\xFF" "b", "a?b", "byte never valid in UTF-8"},
      {"\xC3", "?", "sequence cut by the end"},
      {"\xE2\x82" "A", "??A", "sequence cut by a plain letter"},
      {"\xC0\xAF", "??", "overlong slash"},
      {"\xED\xA0\x80", "???", "surrogate"},
      {"\xF4\x90\x80\x80", "????", "beyond U+10FFFF"},
  };
  for (const Case& c : cases) EXPECT_EQ(cp1252_from_utf8(c.utf8), c.bytes) << c.what;
  const std::string e_acute = "é";
  EXPECT_EQ(cp1252_from_utf8(std::string_view(e_acute).substr(0, 1)), "?") << "cut by the end of the view";
}

}  // namespace
}  // namespace drippo
