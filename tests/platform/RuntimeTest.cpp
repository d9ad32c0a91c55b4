#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace {

TEST(Runtime, RoundIsHalfToEvenAndTruncTowardZero) {
  struct Row {
    Extended v;
    int64_t round, trunc;
  } rows[] = {{0.5L, 0, 0},   {1.5L, 2, 1},   {2.5L, 2, 2},     {3.5L, 4, 3},   {-0.5L, 0, 0},
              {-1.5L, -2, -1}, {-2.5L, -2, -2}, {2.4999L, 2, 2}, {-2.7L, -3, -2}, {7.0L, 7, 7}};
  for (const Row& r : rows) {
    EXPECT_EQ(rtl::Round(r.v), r.round) << static_cast<double>(r.v);
    EXPECT_EQ(rtl::Trunc(r.v), r.trunc) << static_cast<double>(r.v);
  }
  EXPECT_EQ(rtl::Round(1e300L), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(rtl::Round(-1e300L), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(rtl::Round(std::numeric_limits<Extended>::quiet_NaN()), 0);
  EXPECT_EQ(rtl::RoundToEven(1e30L), 1e30L);
}

TEST(Runtime, FloatToStrGeneralFormat) {
  struct Row {
    Extended v;
    const char* text;
  } rows[] = {
      {0, "0"},
      {-0.0L, "0"},
      {1, "1"},
      {-2.5L, "-2.5"},
      {0.1L, "0.1"},
      {0.1f, "0.100000001490116"},  // a single-precision cell widened
      {1.0L / 3, "0.333333333333333"},
      {2.0L / 3, "0.666666666666667"},
      {100, "100"},
      {123456789012345.0L, "123456789012345"},
      {1e15L, "1E15"},
      {1e20L, "1E20"},
      {-1.5e20L, "-1.5E20"},
      {0.0001L, "0.0001"},
      {0.00001L, "1E-5"},
      {1.25e-7L, "1.25E-7"},
      {3.14159265358979323846L, "3.14159265358979"},
      {1e4932L, "1E4932"},
  };
  for (const Row& r : rows) EXPECT_EQ(rtl::FloatToStr(r.v), r.text);
  EXPECT_EQ(rtl::FloatToStr(std::numeric_limits<Extended>::infinity()), "INF");
  EXPECT_EQ(rtl::FloatToStr(-std::numeric_limits<Extended>::infinity()), "-INF");
  EXPECT_EQ(rtl::FloatToStr(std::numeric_limits<Extended>::quiet_NaN()), "NAN");
  EXPECT_EQ(rtl::FloatToStrPrec(3.14159265358979323846L, 4), "3.142");
}

TEST(Runtime, FormatFloatPatterns) {
  struct Row {
    const char* pattern;
    Extended v;
    const char* text;
  } rows[] = {
      {"0.000", 1.0L, "1.000"},     {"0.000", 2.0005L, "2.001"},  {"0.000", -1.23456L, "-1.235"},
      {"0.000", 0.125L, "0.125"},   {"0.00", 0.125L, "0.13"},     {"0.00", -0.125L, "-0.13"},
      {"0.0", -0.01L, "0.0"},       {"0", -0.4L, "0"},            {"0", 2.5L, "3"},
      {"0", 99.5L, "100"},          {"0.0000", 3.14159265L, "3.1416"}, {"0.0##", 1.5L, "1.5"},
      {"0.0##", 1.23456L, "1.235"}, {"#.00", 0.5L, ".50"},        {"0.000", 1e6L, "1000000.000"},
      {"0.00000", 1e-7L, "0.00000"}, {"0.0", 9.96L, "10.0"},      {"00", 5, "05"},
  };
  for (const Row& r : rows) EXPECT_EQ(rtl::FormatFloat(r.pattern, r.v), r.text) << r.pattern;
}

TEST(Runtime, FixedFormatRoundsOnceAtTheCoarserPlace) {
  struct Row {
    Extended v;
    int precision, digits;
    const char* text;
  } rows[] = {
      {2.5L, 10, 3, "2.500"},
      {0.1f, 10, 3, "0.100"},  // a widened single-precision cell
      {-1.2345L, 10, 3, "-1.235"},
      {0.0005L, 10, 3, "0.001"},
      {-0.0004L, 10, 3, "0.000"},  // no "-0.000"
      {-0.0L, 10, 3, "0.000"},
      {123456789.1234L, 10, 3, "123456789.100"},  // ten significant digits are the limit
      {999.9996L, 10, 3, "1000.000"},
      {0.5L, 10, 2, "0.50"},
      {1.5e12L, 10, 3, "1.500000000E+012"},
      {9999999999.9996L, 10, 3, "1.000000000E+010"},
      {7, 10, 0, "7"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(rtl::FloatToStrFixed(r.v, r.precision, r.digits), r.text) << static_cast<double>(r.v);
  EXPECT_EQ(rtl::FloatToStrFixed(std::numeric_limits<Extended>::infinity(), 10, 3), "INF");
}

TEST(Runtime, TextToFloat) {
  struct Row {
    const char* text;
    bool ok;
    Extended v;
  } rows[] = {
      {"1", true, 1},         {" -2.5 ", true, -2.5L}, {"+3", true, 3},       {"1.", true, 1},
      {".5", true, 0.5L},     {"1e3", true, 1000},     {"2.5E-3", true, 0.0025L}, {"1E+2", true, 100},
      {"", false, 0},         {"-", false, 0},         {".", false, 0},       {"1,5", false, 0},
      {"1e", false, 0},       {"inf", false, 0},       {"nan", false, 0},     {"0x10", false, 0},
      {"1 2", false, 0},      {"e5", false, 0},
  };
  for (const Row& r : rows) {
    Extended v = -99;
    EXPECT_EQ(rtl::TryStrToFloat(r.text, v), r.ok) << r.text;
    if (r.ok) {
      EXPECT_EQ(v, r.v) << r.text;
    }
  }
  Extended v;
  ASSERT_TRUE(rtl::TryStrToFloat("0.1", v));
  EXPECT_EQ(v, 0.1L);  // correctly rounded in 80 bits, not a widened double
  EXPECT_EQ(rtl::StrToFloatDef("x", 7), 7);
  EXPECT_TRUE(rtl::TryStrToFloat("1e99999", v));
  EXPECT_TRUE(std::isinf(v));
  EXPECT_TRUE(rtl::TryStrToFloat("1e-99999", v));
  EXPECT_EQ(v, 0);
}

// Every number reads as the correctly rounded 80-bit value, whichever way it is converted:
// short ones by one exact scaling, the rest by the library's general conversion.
TEST(Runtime, TextToFloatIsCorrectlyRounded) {
  std::mt19937_64 random(7);
  auto expectSameAsStrtold = [](const std::string& text) {
    Extended v = -99;
    ASSERT_TRUE(rtl::TryStrToFloat(text, v)) << text;
    const Extended expected = std::strtold(text.c_str(), nullptr);
    EXPECT_EQ(v, expected) << text;
    EXPECT_EQ(std::signbit(v), std::signbit(expected)) << text;
  };
  for (const char* text : {"0.1", "-0", "0.000", "1e27", "1e28", "1e-27", "1e-28", "9999999999999999999",
                           "18446744073709551615", "12345678901234567890123", "0.0000000000000000000000000001",
                           "3.14159265358979323846", "1.00000000000000000005", "1.5E-4931", "1.2E4932"})
    expectSameAsStrtold(text);
  for (int n = 0; n < 20000; ++n) {
    std::string digits = std::to_string(random() % 10'000'000'000'000'000'000ULL);
    digits.resize(1 + random() % digits.size());
    const size_t point = random() % (digits.size() + 1);
    std::string text = (random() % 2 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
    if (random() % 2) text += "E" + std::to_string(static_cast<int>(random() % 71) - 35);
    expectSameAsStrtold(text);
  }
}

TEST(Runtime, ValReportsTheFirstBadPosition) {
  struct Row {
    const char* text;
    int code;
    Extended v;
  } rows[] = {{"12", 0, 12}, {"  12", 0, 12}, {"12x", 3, 12}, {"x", 1, 0}, {"", 1, 0},
              {"1.5e", 4, 1.5L}, {"  -3.25abc", 8, -3.25L}, {"12 ", 3, 12}};
  for (const Row& r : rows) {
    Extended v = -99;
    EXPECT_EQ(rtl::Val(r.text, v), r.code) << r.text;
    EXPECT_EQ(v, r.v) << r.text;
  }
}

TEST(Runtime, ConversionsIgnoreTheLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale here";
  Extended v;
  EXPECT_TRUE(rtl::TryStrToFloat("2.5", v));
  EXPECT_EQ(v, 2.5L);
  EXPECT_EQ(rtl::FloatToStr(2.5L), "2.5");
  EXPECT_EQ(rtl::FormatFloat("0.00", 2.5L), "2.50");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Runtime, IntegerText) {
  int64_t v;
  EXPECT_TRUE(rtl::TryStrToInt(" 42 ", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(rtl::TryStrToInt("-7", v));
  EXPECT_EQ(v, -7);
  EXPECT_FALSE(rtl::TryStrToInt("4.2", v));
  EXPECT_FALSE(rtl::TryStrToInt("", v));
  EXPECT_EQ(rtl::StrToIntDef("99999999999999999999", -1), -1);
  EXPECT_EQ(rtl::IntToStr(-15), "-15");
}

TEST(Runtime, OneBasedStringHelpers) {
  EXPECT_EQ(rtl::Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(rtl::Copy("abcdef", 0, 2), "ab");
  EXPECT_EQ(rtl::Copy("abcdef", 5, 100), "ef");
  EXPECT_EQ(rtl::Copy("abcdef", 7, 1), "");
  EXPECT_EQ(rtl::Copy("abcdef", 2, -1), "");
  EXPECT_EQ(rtl::Pos("cd", "abcdcd"), 3);
  EXPECT_EQ(rtl::Pos("cd", "abcdcd", 4), 5);
  EXPECT_EQ(rtl::Pos("x", "abc"), 0);
  EXPECT_EQ(rtl::Pos("", "abc"), 0);
  std::string s = "abc";
  rtl::Insert("XY", s, 2);
  EXPECT_EQ(s, "aXYbc");
  rtl::Insert("!", s, 99);
  EXPECT_EQ(s, "aXYbc!");
  rtl::Insert("<", s, 0);
  EXPECT_EQ(s, "<aXYbc!");
  rtl::Delete(s, 2, 3);
  EXPECT_EQ(s, "<bc!");
  rtl::Delete(s, 3, 99);
  EXPECT_EQ(s, "<b");
  rtl::Delete(s, 0, 1);
  EXPECT_EQ(s, "<b");
  // Positions and counts are bytes: a CP932 pair takes two.
  const std::string text = sj("aπθb");  // a | 83 CE | 83 C6 | b
  EXPECT_EQ(rtl::Copy(text, 2, 2), sj("π"));
  EXPECT_EQ(rtl::Pos(sj("θ"), text), 4);
  std::string edited = text;
  rtl::Delete(edited, 2, 2);
  rtl::Insert(sj("ω"), edited, 4);
  EXPECT_EQ(edited, sj("aθωb"));
  EXPECT_EQ(rtl::Trim("\t a b \n"), "a b");
  // Trail bytes of double-byte characters are not letters.
  const std::string word = sj("ア") + "ab";  // 83 41 ...
  EXPECT_EQ(rtl::UpperCase(word), sj("ア") + "AB");
  EXPECT_EQ(rtl::LowerCase(sj("ア") + "AB"), word);
}

}  // namespace
