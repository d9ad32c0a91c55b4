// Texts that would make trees too large or too deep, or the parse too long, are refused as
// parse errors: no crash, no freeze.
#include <gtest/gtest.h>

#include <string>

#include "ParserTestSupport.h"
#include "formula/TreeKernel.h"
#include "support/StateFixture.h"

namespace {

using ParserLimitsTest = StateTest;

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST_F(ParserLimitsTest, DeepNestingIsAnError) {
  const std::string fine = Repeat("(", 200) + "x" + Repeat(")", 200);
  EXPECT_EQ(Parsed(fine), "x");
  for (int mode : {1, 2, 3}) {
    EXPECT_FALSE(Valid(Repeat("(", 5000) + "x" + Repeat(")", 5000), mode));
    EXPECT_FALSE(Valid(Repeat("-", 5000) + "x", mode));
    EXPECT_FALSE(Valid(Repeat("sin(", 3000) + "x" + Repeat(")", 3000), mode));
    EXPECT_FALSE(Valid(Repeat("x", 5000), mode));
  }
  EXPECT_EQ(eng.ParseErrorPos, MaxParseNesting + 1);  // the first letter past the limit
}

TEST_F(ParserLimitsTest, LongChainsWithinTheDepthLimit) {
  const std::string sum = "x" + Repeat("+x", 5000);
  const TreePtr t = ParseExpression(sum, 2);
  ASSERT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(TreeDepth(t.get()), 5001);
  EXPECT_FALSE(Valid("1" + Repeat("+1", MaxTreeDepth), 2));
}

TEST_F(ParserLimitsTest, SumsUnrollAtMostTenThousandTerms) {
  const TreePtr t = ParseExpression("Sum(i=[1,10000],ix)", 3);
  ASSERT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(TreeSize(t.get()), 4 * 10000 - 1);
  EXPECT_EQ(Parsed("x+Sum(i=[1,10001],i)", 3), "error@3");
  EXPECT_EQ(Parsed("multi(i=[1,1E9],i)", 2), "error@1");
  EXPECT_TRUE(Valid("Sum(i=[1,1E9],i)", 1));  // check mode unrolls nothing
  EXPECT_FALSE(Valid("Sum(i=[1,1E30],i)", 3));
  // Nested forms that would make a million terms.
  EXPECT_FALSE(Valid("Sum(i=[1,2000],Sum(j=[1,2000],ij))", 3));
}

TEST_F(ParserLimitsTest, ExpansionsThatGrowWithoutBoundAreRefused) {
  // Each level doubles the tree: F2(x) = F1(x)+F1(x), F3(x) = F2(x)+F2(x), ...
  doc.DefinedFunctionTexts[1] = "x*x";
  for (int n = 2; n <= 20; ++n)
    doc.DefinedFunctionTexts[n] = "F" + std::to_string(n - 1) + "(x)+F" + std::to_string(n - 1) + "(x)";
  doc.DefinedFunctionCount = 20;
  EXPECT_TRUE(Valid("F5(x)", 2));
  for (int mode : {1, 2}) EXPECT_FALSE(Valid("F20(x)", mode)) << mode;
  // Arguments substituted into many places.
  doc.DefinedFunctionTexts[1] = "x*x*x*x*x*x*x*x";
  std::string nested = "x";
  for (int i = 0; i < 12; ++i) nested = "F1(" + nested + ")";
  EXPECT_FALSE(Valid(nested, 2));
}

}  // namespace
