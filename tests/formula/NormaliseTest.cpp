#include <gtest/gtest.h>

#include "formula/Normalise.h"
#include "platform/Sjis.h"

namespace {

std::string Normalised(const std::string& utf8) {
  std::string s = sj(utf8);
  NormaliseExpressionText(s, 1);
  InsertFunctionParentheses(s);
  return s;
}

TEST(Normalise, SymbolsNamesAndRelationsBecomeMarkers) {
  struct Row {
    const char* in;
    const char* out;
  } rows[] = {
      {"x>=1", "x@41"},
      {"x=>1", "x@41"},
      {"x<>1", "x@81"},
      {"x<=1", "x@51"},
      {"x=<1", "x@51"},
      {"x<1", "x@21"},
      {"y=x", "y@3x"},
      {"x>0andx<1", "x@10@6x@21"},
      {"x<0orx>1", "x@20@7x@11"},
      {"x<0∪x>1", "x@20@7x@11"},
      {"2π", "2?1"},
      {"spin", "s?1n"},
      {"θ+sita", "r+r"},
      {"ω*omega", "o*o"},
      {"x∩y", "x*y"},
      {"C(5,2)+P(5,2)", "?2(5,2)+?3(5,2)"},
      {"(d/dx)x^2", "?4x^2"},
      {"Max(1,2)+Min(1,2)", "?5x(1,2)+?6n(1,2)"},
      {"MaxV([0,1]x)", "?5xV([0,1]x)"},
      {"Sum(i=[1,3],i)", "?7\\(i@3[1,3],i)"},
      {"shymp([0,1],x,30)", "?8\\\\\\([0,1],x,30)"},
      {"multi(i=[1,3],i)", "?9\\\\\\(i@3[1,3],i)"},
      {"∫[0,1](x)dx", "?a[0,1](x)dx"},
      {"", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(Normalised(r.in), r.out) << r.in;
}

TEST(Normalise, MarkersKeepTheLengthsOfTheWordsTheyReplace) {
  for (const char* word : {"Sum", "shymp", "multi"}) {
    std::string s = word;
    NormaliseExpressionText(s, 1);
    EXPECT_EQ(s.size(), std::string(word).size()) << word;
  }
}

TEST(Normalise, FunctionParentheses) {
  struct Row {
    const char* in;
    const char* out;
  } rows[] = {
      {"sin(x)", "sin(x)"},
      {"sinx", "sin(x)"},
      {"tanhx", "tanhx"},
      {"sinh(x)", "sinh(x)"},
      {"sinx^2", "sin(x)^2"},
      {"sin2x+1", "sin(2x)+1"},
      {"cosecx", "cosec(x)"},
      {"sqrt3x", "sqrt(3x)"},
      {"√x+1", "sqrt(x)+1"},
      {"√2√3", "sqrt(2)sqrt(3)"},
      {"sinsinx", "sin(sin(x))"},
      // The closing parenthesis also stops at relations, commas and an unmatched ")",
      // and skips nested parentheses.
      {"sinx=0.5", "sin(x)@30.5"},
      {"sinx<y", "sin(x)@2y"},
      {"sin2(x+1)", "sin(2(x+1))"},
      {"(sinx)(x+1)", "(sin(x))(x+1)"},
      {"Max(sinx,1)", "?5x(sin(x),1)"},
      {"sqrt(x+1)", "sqrt(x+1)"},
      {"sqrtx>1", "sqrt(x)@11"},
  };
  for (const Row& r : rows) EXPECT_EQ(Normalised(r.in), r.out) << r.in;
}

TEST(Normalise, ReplaceTokenAtLeavesThePositionOnTheReplacement) {
  std::string s = "a>=b";
  int pos = 2;
  EXPECT_TRUE(ReplaceTokenAt(">=", "@4", s, pos));
  EXPECT_EQ(s, "a@4b");
  EXPECT_EQ(pos, 3);
  pos = 1;
  EXPECT_FALSE(ReplaceTokenAt(">=", "@4", s, pos));
  EXPECT_EQ(pos, 1);
  std::string t = "xsitay";
  pos = 2;
  EXPECT_TRUE(ReplaceTokenAt("sita", "r", t, pos));
  EXPECT_EQ(t, "xry");
  EXPECT_EQ(pos, 2);
}

TEST(Normalise, DoubleByteCharactersAreSteppedOverWhole) {
  // The trail byte of "ソ" (83 5C) is a backslash and that of "ア" (83 41) an "A"; a
  // character whose trail byte is 0x83 must not pair with the next byte into "π".
  std::string text = std::string("\xE0\x83") + "\xCE" + "pi";
  NormaliseExpressionText(text, 1);
  EXPECT_EQ(text, std::string("\xE0\x83\xCE") + "?1");
  std::string word = sj("アsinx");
  InsertFunctionParentheses(word);
  EXPECT_EQ(word, sj("アsin(x)"));
}

TEST(Normalise, SpelledSymbolsForTheKeyboard) {
  struct Row {
    const char* in;
    const char* out;
    int caret;
  } rows[] = {
      {"2pi+do", "2π+do", 3},  // stops after the first two-byte symbol
      {"30do", "30ﾟ", 99},     // the one-byte degree sign leaves the caret
      {"siita", "θ", 2},
      {"sita+omega", "θ+omega", 2},
      {"x+1", "x+1", 99},
  };
  for (const Row& r : rows) {
    std::string s = sj(r.in);
    int caret = 99;
    ReplaceSpelledSymbol(s, caret);
    EXPECT_EQ(s, sj(r.out)) << r.in;
    EXPECT_EQ(caret, r.caret) << r.in;
  }
}

TEST(Normalise, MinNonZero) {
  EXPECT_EQ(MinNonZero(0, 5), 5);
  EXPECT_EQ(MinNonZero(4, 0), 4);
  EXPECT_EQ(MinNonZero(4, 2), 2);
  EXPECT_EQ(MinNonZero(0, 0), 0);
}

}  // namespace
