#include <gtest/gtest.h>

#include "platform/Sjis.h"
#include "platform/SjisQt.h"

namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int c : b) s.push_back(static_cast<char>(c));
  return s;
}

TEST(Sjis, SymbolsHaveTheirCp932Bytes) {
  struct Row {
    const char* utf8;
    std::string cp932;
  } rows[] = {
      {"π", Bytes({0x83, 0xCE})},  {"θ", Bytes({0x83, 0xC6})},  {"ω", Bytes({0x83, 0xD6})},
      {"≦", Bytes({0x81, 0x85})},  {"ﾟ", Bytes({0xDF})},        {"゜", Bytes({0x81, 0x4B})},
      {"°", Bytes({0x81, 0x8B})},  {"円", Bytes({0x89, 0x7E})},  {"～", Bytes({0x81, 0x60})},
      {"〜", Bytes({0x81, 0x60})}, {"−", Bytes({0x81, 0x7C})},  {"x+1", "x+1"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(sjis::FromUtf8(r.utf8), r.cp932) << r.utf8;
    EXPECT_EQ(sj(r.utf8), r.cp932) << r.utf8;
  }
  // Back to UTF-8: the look-alikes come back as the CP932 character's own code point.
  for (const char* s : {"π", "θ", "ω", "≦", "ﾟ", "゜", "°", "円", "関数のグラフ", "y=sin(x)"})
    EXPECT_EQ(sjis::ToUtf8(sjis::FromUtf8(s)), s);
  EXPECT_EQ(sjis::ToUtf8(Bytes({0x81, 0x60})), "～");
}

TEST(Sjis, UnmappableAndBrokenInputBecomesQuestionMark) {
  EXPECT_EQ(sjis::FromUtf8("a😀b"), "a?b");
  EXPECT_EQ(sjis::FromUtf8("a\xC3"), "a?");          // cut UTF-8 sequence
  EXPECT_EQ(sjis::ToUtf8(Bytes({'x', 0x83})), "x?");  // lone lead byte at the end
}

TEST(Sjis, LeadBytesAndPositions) {
  EXPECT_TRUE(sjis::IsLeadByte(0x81));
  EXPECT_TRUE(sjis::IsLeadByte(0x9F));
  EXPECT_TRUE(sjis::IsLeadByte(0xE0));
  EXPECT_TRUE(sjis::IsLeadByte(0xFC));
  EXPECT_FALSE(sjis::IsLeadByte(0x80));
  EXPECT_FALSE(sjis::IsLeadByte(0xA0));
  EXPECT_FALSE(sjis::IsLeadByte(0xDF));  // halfwidth katakana are single bytes
  EXPECT_FALSE(sjis::IsLeadByte('A'));

  const std::string s = sj("aπ2ﾟθ");  // bytes: a | 83 CE | 2 | DF | 83 C6
  ASSERT_EQ(s.size(), 7u);
  EXPECT_EQ(sjis::CharCount(s), 5);
  const int charOfByte[] = {0, 1, 1, 2, 3, 4, 4, 5};
  for (int b = 0; b <= 7; ++b) EXPECT_EQ(sjis::CharIndexOfByte(s, b), charOfByte[b]) << b;
  const int byteOfChar[] = {0, 1, 3, 4, 5, 7};
  for (int c = 0; c <= 5; ++c) EXPECT_EQ(sjis::ByteOfCharIndex(s, c), byteOfChar[c]) << c;
  // Every CP932 character is one UTF-16 unit, so the maps serve Qt positions too.
  EXPECT_EQ(sjis::ToQString(s).size(), 5);
}

TEST(Sjis, QStringRoundTrip) {
  const std::string s = sj("関数 y=x^2 θ");
  EXPECT_EQ(sjis::FromQString(sjis::ToQString(s)), s);
  EXPECT_EQ(sjis::ToQString(s), QString::fromUtf8("関数 y=x^2 θ"));
}

}  // namespace
