#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "calculation/Numbers.h"

using namespace kalteron;

TEST(Numbers, ParsesRussianNumbers) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"0,5", 0.5}, {"-12,5", -12.5}, {"  7 ", 7.0}, {"+3", 3.0}, {",5", 0.5},  {"5,", 5.0},  {"-,5", -0.5},
      {"0", 0.0},   {"-010", -10.0},  {"0.5", {}},   {"", {}},    {"-", {}},    {",", {}},    {"1-", {}},
      {"--1", {}},  {"1,2,3", {}},    {"abc", {}},   {"1e5", {}}, {" - 1", {}}, {"12 3", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseDouble(c.text), c.value);
    const auto s = parseSingle(c.text);
    ASSERT_EQ(s.has_value(), c.value.has_value());
    if (s) {
      EXPECT_EQ(*s, static_cast<float>(*c.value));
    }
  }
}

// The plain text of a number takes the exponent form outside 1e-5 .. 1e7
// ("2,499058E-06"); such a text reads back. Nothing else with an exponent is
// a number, and a value beyond the range of the type is none either.
TEST(Numbers, ParsesTheExponentFormItWrites) {
  struct Case {
    const char* text;
    std::optional<double> asDouble;
    std::optional<float> asSingle;
  };
  const Case cases[] = {
      {"2,499058E-06", 2.499058e-06, 2.499058e-06f},
      {"1E-06", 1e-06, 1e-06f},
      {"-1,234568E+07", -1.234568e+07, -1.234568e+07f},
      {" +5E+00 ", 5.0, 5.0f},
      {",5E-01", 0.05, 0.05f},
      {"5,E+01", 50.0, 50.0f},
      {"3,402823E+38", 3.402823e+38, 3.402823e+38f},
      {"1,401298E-45", 1.401298e-45, 1.401298e-45f},
      {"1E+39", 1e+39, {}},
      {"1E-46", 1e-46, {}},
      {"1,5E+300", 1.5e+300, {}},
      {"4,94065645841247E-324", 4.94065645841247e-324, {}},
      {"1E+0000000000000000000005", 1e+05, 1e+05f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(parseDouble(c.text), c.asDouble);
    EXPECT_EQ(parseSingle(c.text), c.asSingle);
  }
  for (const char* text : {"1E+309", "1e5", "1e+05", "1E5", "1E", "1E+", "E+05", ",E+05", "-E+05", "1E+0,5", "1E+05,",
                           "1E+05E+01", "1E+-5", "1 E+05", "1E +05", "1.5E-06"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parseDouble(text), std::nullopt);
    EXPECT_EQ(parseSingle(text), std::nullopt);
  }
}

TEST(Numbers, FormatTwoDecimals) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0795, "0,08"},
      {15.8666, "15,87"},
      {-0.004, "0,00"},
      {0.0, "0,00"},
      {0.005, "0,01"},
      {-0.005, "-0,01"},
      {2.675, "2,68"},
      {1234567.891, "1234567,89"},
      {-3.3427, "-3,34"},
      {static_cast<double>(15.8666f), "15,87"},
      {11.325, "11,33"},
      {0.999, "1,00"},
      {99.995, "100,00"},
      // Binary values just below or above a half count as the half they stand for.
      {1.005, "1,01"},
      {-1.005, "-1,01"},
      {0.125, "0,13"},
      {1.0049, "1,00"},
      {123456789.125, "123456789,13"},
      {123456789012.345, "123456789012,35"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(format00(c.value), c.text);
  }
}

TEST(Numbers, FormatWhole) {
  EXPECT_EQ(format0(21000.0), "21000");
  EXPECT_EQ(format0(2100.4999), "2100");
  EXPECT_EQ(format0(2.5), "3");
  EXPECT_EQ(format0(-2.5), "-3");
  EXPECT_EQ(format0(-0.4), "0");
}

TEST(Numbers, PlainTextOfNumbers) {
  struct Case {
    float value;
    const char* text;
  };
  const Case singles[] = {
      {0.1f, "0,1"},
      {9.9f, "9,9"},
      {7.0f, "7"},
      {-40.0f, "-40"},
      {0.0f, "0"},
      {3342.7f, "3342,7"},
      {1.0f / 3.0f, "0,3333333"},
      {12345678.0f, "1,234568E+07"},
      {0.000001f, "1E-06"},
      {0.00001f, "0,00001"},
      {-0.5f, "-0,5"},
      {1000000.0f, "1000000"},
  };
  for (const auto& c : singles) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(singleToText(c.value), c.text);
  }
  EXPECT_EQ(doubleToText(0.1), "0,1");
  EXPECT_EQ(doubleToText(1.0 / 3.0), "0,333333333333333");
  EXPECT_EQ(doubleToText(static_cast<double>(0.1f)), "0,100000001490116");
  EXPECT_EQ(intToText(-40), "-40");
}

TEST(Numbers, RoundHalfEven) {
  struct Case {
    double value;
    int digits;
    double rounded;
  };
  const Case cases[] = {
      {70.0 / std::sqrt(50.0), 2, 9.9},
      {2.5, 0, 2.0},
      {3.5, 0, 4.0},
      {-2.5, 0, -2.0},
      {0.125, 2, 0.12},
      {0.135, 2, 0.14},
      {11.0, 1, 11.0},
      {0.0, 2, 0.0},
      {1.005, 2, 1.0},
      {1.015, 2, 1.02},
      {-0.4, 0, 0.0},
      {23.04, 0, 23.0},
      {10.5, 0, 10.0},
      {11.5, 0, 12.0},
  };
  for (const auto& c : cases) EXPECT_EQ(roundHalfEven(c.value, c.digits), c.rounded) << c.value << " " << c.digits;
}

// Short texts take a short path; it must give the same correctly rounded
// numbers as the general one, at its limits too.
TEST(Numbers, ShortAndLongTextsAgree) {
  const char* texts[] = {
      "0,1",          "9,9",           "15,8666",          "16777216", "16777217",   "16777219",
      "0,1234567891", "0,12345678901", "-0,0000000001",    "123456,7", "99999999,5", "3,4028235",
      "0,3",          "-273,15",       "9007199254740993", "0,000001", "1,00000005", "12345678901234567890"};
  for (const char* t : texts) {
    SCOPED_TRACE(t);
    std::string dot = t;
    for (char& c : dot)
      if (c == ',') c = '.';
    float f = 0;
    double d = 0;
    std::from_chars(dot.data(), dot.data() + dot.size(), f);
    std::from_chars(dot.data(), dot.data() + dot.size(), d);
    EXPECT_EQ(parseSingle(t), f);
    EXPECT_EQ(parseDouble(t), d);
  }
  EXPECT_TRUE(std::signbit(*parseSingle("-0")));
}
