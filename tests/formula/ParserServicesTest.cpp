// The parser's calls into the differentiator and the evaluator, through stand-ins that
// record what they were given, and into the simplifier.
#include <gtest/gtest.h>

#include <vector>

#include "ParserTestSupport.h"
#include "formula/EngineServices.h"
#include "support/StateFixture.h"

namespace {

std::vector<std::string> calls;

Tfrec* FakeDerivative(const Tfrec* tree, int32_t variable) {
  calls.push_back("d/" + std::to_string(variable) + " " + PrefixForm(tree));
  return NewBinaryNode(node::Product, NewLeafNode(node::VarE, 2), CloneTree(tree, 2), 2);
}

// Every bound the parser cannot read evaluates to 3.
Extended FakeEvaluate(Tfrec*& tree, Extended x, Extended y, Extended z) {
  calls.push_back("evaluate " + PrefixForm(tree));
  eng.EvalOK = 1;
  eng.EvalDrawable = PrefixForm(tree) != "u";  // u stands for an undefined bound
  eng.ParseOK = 0;                              // must not leak into the parse
  return 3;
}

class ParserServicesTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    calls.clear();
  }
  void TearDown() override {
    engineServices = EngineServices{};
    StateTest::TearDown();
  }
};

TEST_F(ParserServicesTest, DerivativesGoThroughTheDifferentiator) {
  engineServices.Differentiate = FakeDerivative;
  EXPECT_EQ(Parsed("(d/dx)(x^2)+1"), "(* e (+ (^ x 2) 1))");
  // The derivative runs to the end of its enclosing form, which then closes as usual.
  EXPECT_EQ(Parsed("Max((d/dx)x^2,1)"), "(Max (* e (^ x 2)) 1)");
  EXPECT_EQ(Parsed("sin((d/dx)x^2)+1"), "(+ (sin (* e (^ x 2))) 1)");
  doc.DefinedFunctionTexts[1] = "x^3";
  doc.DefinedFunctionCount = 1;
  EXPECT_EQ(Parsed("F1\"(t)"), "(* e (* e (^ t 3)))");
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0], "d/10024 (+ (^ x 2) 1)");
  EXPECT_EQ(calls[4], "d/10024 (* e (^ x 3))");  // the second derivative of the function text
  // Check mode differentiates nothing.
  calls.clear();
  EXPECT_TRUE(Valid("(d/dx)x^2+F1'(x)"));
  EXPECT_TRUE(calls.empty());
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
}

TEST_F(ParserServicesTest, BoundsThatAreNotNumbersNeedTheEvaluator) {
  EXPECT_EQ(Parsed("multi(i=[1,n],i)"), "(multi (i 1 n) i)");
  EXPECT_TRUE(calls.empty());
  engineServices.EvaluateTree = FakeEvaluate;
  EXPECT_EQ(Parsed("multi(i=[1,n],i)"), "6");
  EXPECT_EQ(Parsed("multi(i=[1,u],i)"), "(multi (i 1 u) i)");  // not drawable: the form stays
  // In mode 3 the parameter n is its value 1 before the sum is unrolled.
  EXPECT_EQ(Parsed("Sum(i=[-1,n],i)", 3), "0");
  EXPECT_EQ(calls, (std::vector<std::string>{"evaluate n", "evaluate u"}));
}

}  // namespace
