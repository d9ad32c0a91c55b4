// The parser's calls into the differentiator, the evaluator and the simplifier.
#include <gtest/gtest.h>

#include "ParserTestSupport.h"
#include "formula/VariableValues.h"
#include "support/StateFixture.h"

namespace {

class ParserServicesTest : public StateTest {};

TEST_F(ParserServicesTest, DerivativesEndWithTheirEnclosingForm) {
  EXPECT_EQ(Parsed("(d/dx)(x^2)+1"), "(* 2 x)");  // the derivative of x^2+1
  // The derivative runs to the end of its enclosing form, which then closes as usual.
  EXPECT_EQ(Parsed("Max((d/dx)x^2,1)"), "(Max (* 2 x) 1)");
  EXPECT_EQ(Parsed("sin((d/dx)x^2)+1"), "(+ (sin (* 2 x)) 1)");
  doc.DefinedFunctionTexts[1] = "x^3";
  doc.DefinedFunctionCount = 1;
  EXPECT_EQ(Parsed("F1\"(t)"), "(* 6 t)");  // the second derivative of the function text
  EXPECT_TRUE(Valid("(d/dx)x^2+F1'(x)"));
}

TEST_F(ParserServicesTest, ModesThreeAndTwoAreFinishedByTheSimplifier) {
  WriteVariable(doc.VariableValues, 'a', 3);
  EXPECT_EQ(Parsed("2a*x", 3), "(* 6 x)");  // the parameter's value, folded
  EXPECT_EQ(Parsed("2a*x", 2), "(* (* 2 a) x)");
  EXPECT_EQ(Parsed("x*1+0", 2), "(* 1 x)");
  EXPECT_EQ(Parsed("log2(x)", 2), "(logb 2 x)");
  EXPECT_EQ(Parsed("log2(x)", 3), "(/ (log x) (log 2))");
}

TEST_F(ParserServicesTest, CombinationArgumentsMustBeExactInCheckMode) {
  EXPECT_TRUE(Valid("C(5,2)+P(n,2)"));
  EXPECT_EQ(Parsed("C(x,2)", 1), "error@4");
  EXPECT_EQ(Parsed("P(5,x+1)", 1), "error@6");
  EXPECT_EQ(Parsed("C(x,2)", 2), "(C x 2)");  // only check mode tests exactness
  // A form left open fails at the end in every mode, even when a function inside it closes.
  for (int mode : {1, 2}) EXPECT_EQ(Parsed("C(5,sin(x)", mode), "error@11") << mode;
}

TEST_F(ParserServicesTest, BoundsThatAreNotNumbersAreEvaluated) {
  WriteVariable(doc.VariableValues, 'n', 3);
  EXPECT_EQ(Parsed("multi(i=[1,n],i)"), "6");
  // An undefined bound leaves the form as it is.
  EXPECT_EQ(Parsed("multi(i=[1,sqrt(n-4)],i)").substr(0, 7), "(multi ");
  // In mode 3 the parameter n is its value before the sum is unrolled.
  EXPECT_EQ(Parsed("Sum(i=[-1,n],i)", 3), "5");
}

}  // namespace
