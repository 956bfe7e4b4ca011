#include <gtest/gtest.h>

#include <string>

#include "projectfiles/Cp1251.h"

using namespace kalteron;

namespace {

struct Case {
  const char* utf8;
  std::string cp1251;
};

TEST(Cp1251, ConvertsBothWays) {
  const Case cases[] = {
      {"Kalteron 1,5", "Kalteron 1,5"},
      {"Аа Яя", "\xC0\xE0 \xDF\xFF"},
      {"Ёё", "\xA8\xB8"},
      {"№ «»", "\xB9 \xAB\xBB"},
      {"°—–…", "\xB0\x97\x96\x85"},
      {"€‰™", "\x88\x89\x99"},
      {"ЂЏђџ", "\x80\x8F\x90\x9F"},
      {"ЇІіїҐґЄє", "\xAF\xB2\xB3\xBF\xA5\xB4\xAA\xBA"},
      {"Стена А\r\n", "\xD1\xF2\xE5\xED\xE0 \xC0\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
    EXPECT_EQ(cp1251ToUtf8(c.cp1251), c.utf8) << c.utf8;
  }
}

TEST(Cp1251, EveryAssignedByteSurvivesTheRoundTrip) {
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << b;
  }
  EXPECT_EQ(cp1251ToUtf8("\x98"), "?");
}

TEST(Cp1251, UnmappableAndMalformedBecomeQuestionMarks) {
  const Case cases[] = {
      {"日本", "??"},
      {"a\xF0\x9F\x98\x80z", "a?z"},   // outside the basic plane
      {"\xC3\xA9", "?"},                // é has no place in the code page
      {"\xD0", "?"},                    // cut sequence at the end
      {"\xD0x", "?x"},                  // cut sequence in the middle
      {"\xC0\x80", "??"},               // overlong
      {"\xED\xA0\x80", "???"},          // surrogate
      {"\xFF", "?"},
  };
  for (const Case& c : cases) EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
}

}  // namespace
