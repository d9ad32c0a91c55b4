#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/TextHelpers.h"
#include "platform/Sjis.h"

namespace {

TEST(TextHelpersTest, PiFractionText) {
  struct Case {
    int n, d;
    const char* expected;  // UTF-8
  };
  const std::vector<Case> cases = {
      {2, 4, "π/2"}, {-3, 2, "-3π/2"}, {4, 2, "2π"},    {1, 1, "π"},
      {-1, 1, "-π"}, {3, -6, "-π/2"},  {5, 3, "5π/3"},  {0, 4, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << "/" << c.d);
    EXPECT_EQ(PiFractionText(c.n, c.d), sj(c.expected));
  }
}

TEST(TextHelpersTest, NextTokenWalksDelimitedWords) {
  const std::string text = "  ab, cd";
  int pos = 1;
  EXPECT_EQ(NextToken(text, ',', pos), "ab");
  EXPECT_EQ(pos, 5);
  pos = 6;
  EXPECT_EQ(NextToken(text, ',', pos), "cd");
  EXPECT_EQ(pos, 9);
  EXPECT_EQ(NextToken(text, ',', pos), "");
  EXPECT_EQ(pos, 9);

  pos = 1;
  EXPECT_EQ(NextToken(",x", ',', pos), "");
  EXPECT_EQ(pos, 1);
  pos = 1;
  EXPECT_EQ(NextToken("", ',', pos), "");
  EXPECT_EQ(pos, 1);
}

TEST(TextHelpersTest, SkipsAndTrims) {
  int pos = 2;
  SkipChars("aaab", 'a', pos);
  EXPECT_EQ(pos, 4);
  pos = 1;
  SkipChars("aaa", 'a', pos);
  EXPECT_EQ(pos, 4);
  pos = 1;
  SkipToChar("abc", 'c', pos);
  EXPECT_EQ(pos, 3);
  pos = 1;
  SkipToChar("abc", 'z', pos);
  EXPECT_EQ(pos, 4);

  std::string s = "  a b  ";
  TrimRightSpaces(s);
  EXPECT_EQ(s, "  a b");
  TrimLeftSpaces(s);
  EXPECT_EQ(s, "a b");
  s = "   ";
  TrimLeftSpaces(s);
  EXPECT_EQ(s, "");
  s = "   ";
  TrimRightSpaces(s);
  EXPECT_EQ(s, "");
}

TEST(TextHelpersTest, FindCharSkipsDoubleByteCharacters) {
  // "表" is 0x95 0x5C: its trail byte is a backslash.
  const std::string text = sj("表") + "\\";
  ASSERT_EQ(text, std::string("\x95\x5C\\"));
  EXPECT_EQ(FindCharSkippingDBCS('\\', text, 1, 3), 3);
  EXPECT_EQ(FindCharSkippingDBCS('\\', text, 2, 3), 3);  // a start on a trail byte
  EXPECT_EQ(FindCharSkippingDBCS('\\', text, 1, 2), 0);
  EXPECT_EQ(FindCharSkippingDBCS('\\', text, 1, 50), 3);

  const std::string mixed = "a|" + sj("ア") + "|b";
  EXPECT_EQ(FindCharSkippingDBCS('|', mixed, 1, 10), 2);
  EXPECT_EQ(FindCharSkippingDBCS('|', mixed, 3, 10), 5);
  EXPECT_EQ(FindCharSkippingDBCS('x', mixed, 1, 10), 0);
}

}  // namespace
