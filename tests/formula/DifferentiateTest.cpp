// Symbolic derivatives: their printed form, their values against central differences, and
// the derivative forms of the parser.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "EvaluatorTestSupport.h"
#include "formula/Differentiate.h"
#include "formula/TreeText.h"
#include "platform/Sjis.h"

namespace {

class DifferentiateTest : public EvaluatorTest {
 protected:
  void SetUp() override {
    EvaluatorTest::SetUp();
    eng.UseFigureFormulas = 0;
    PlacePoint(1, 2, 3);  // A
    WriteVariable(doc.VariableValues, 'a', 1.5L);
  }

  static std::string Derivative(const std::string& utf8) {
    std::string out;
    DifferentiateFormulaText(sj(utf8), node::VarX, out);
    return sjis::ToUtf8(out);
  }
};

TEST_F(DifferentiateTest, PrintedDerivatives) {
  const struct {
    const char* formula;
    const char* derivative;
  } cases[] = {
      {"x^3", "3x^2"},
      {"x^2", "2x"},
      {"x", "1"},
      {"5", "0"},
      {"a", "0"},
      {"Ax", "0"},
      {"3x+1", "3"},
      {"sin(2x)", "2cos(2x)"},
      {"cos(x)", "-sin(x)"},
      {"e^x", "e^x"},
      {"exp(x)", "exp(x)"},
      {"exp(2x)", "2exp(2x)"},
      {"log(x)", "1/x"},
      {"log(abs(x))", "1/x"},
      {"sqrt(x)", "1/(2sqrt(x))"},
      {"1/x", "-1/x^2"},
      {"x^(-1)", "-x^(-2)"},
      {"a^x", "log(a)*a^x"},
      {"x/(x+1)", "((x+1)-x)/(x+1)^2"},
      {"x*sin(x)", "sin(x)+x*cos(x)"},
      {"sin(x)^2", "2cos(x)*sin(x)"},
      {"shymp([0,x],t^2,30,t)", "x^2"},
      {"(x>0)", "0(x>0)"},
      {"x+", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Derivative(c.formula), c.derivative) << c.formula;
}

// Each derivative, evaluated, against (f(x+h) - f(x-h)) / 2h; and its printed text reads
// back as the same function.
TEST_F(DifferentiateTest, DerivativesAgreeWithCentralDifferences) {
  const char* corpus[] = {
      "x^3-2x^2+x-1", "sin(3x)*cos(x)", "tan(x)", "sec(x)", "cosec(x)", "cotan(x)",
      "arctn(x^2)",   "log(x^2+1)",     "exp(-x^2)", "sqrt(x^2+1)", "abs(x)*x", "sinh(x)+cosh(2x)",
      "arcsin(x/3)",  "arccos(x/3)",    "tanh(x)",   "arsinh(x)",   "arcosh(x^2+2)", "artanh(x/3)",
      "x^x",          "a^x",            "x^a",       "x^(1/3)",     "(x^2+1)/(x-4)", "1/(x^2+1)",
      "x/(x+5)",      "sin(sin(sin(x)))", "exp(sin(x))*log(x^2+3)", "2^(x^2)", "x^2^3",
      "log2(x^2+1)",  "e^(2x)",         "frac(x)+3x", "-x^2",       "(2x+1)^5",     "5/x^2",
      "Max(x,1-x)",   "Min(x^2,2x)",    "shymp([0,x],t^2,30,t)", "shymp([x,1],x*t,40,t)",
      "Sum(i=[1,3],x^i)",     "shymp([0,2x],t*shymp([0,t],t,10,t),10,t)",
  };
  const Extended h = 1e-6L;
  for (const char* text : corpus) {
    const TreePtr f = ParseExpression(sj(text), 3);
    ASSERT_EQ(eng.ParseOK, 1) << text;
    const TreePtr d = Differentiate(f.get(), node::VarX);
    const std::string printed = ExpressionTreeToText(d.get());
    const TreePtr reread = ParseExpression(printed, 3);
    ASSERT_EQ(eng.ParseOK, 1) << text << " -> " << sjis::ToUtf8(printed);
    for (const Extended x : {0.7L, 1.3L, 2.2L, -1.1L, -0.45L}) {
      const Extended dv = EvaluateTree(d.get(), x, 0, 0);
      if (!eng.EvalDrawable) continue;
      const Extended up = EvaluateTree(f.get(), x + h, 0, 0);
      const bool upOK = eng.EvalDrawable;
      const Extended down = EvaluateTree(f.get(), x - h, 0, 0);
      if (!upOK || !eng.EvalDrawable) continue;
      const Extended difference = (up - down) / (2 * h);
      EXPECT_LE(std::fabs(dv - difference), 1e-6L * (1 + std::fabs(dv)))
          << text << " at " << static_cast<double>(x) << ": " << static_cast<double>(dv) << " against "
          << static_cast<double>(difference);
      const Extended again = EvaluateTree(reread.get(), x, 0, 0);
      EXPECT_TRUE(eng.EvalDrawable) << sjis::ToUtf8(printed);
      EXPECT_LE(std::fabs(dv - again), 1e-15L * (1 + std::fabs(dv))) << sjis::ToUtf8(printed);
    }
  }
}

TEST_F(DifferentiateTest, RestrictedDomainsAndPiecewiseForms) {
  SampledTree restricted("(d/dx)(x*(x>0))");
  EXPECT_TRUE(restricted.At(1).drawable);
  EXPECT_EQ(restricted.At(1).value, 1);
  EXPECT_FALSE(restricted.At(-1).drawable);
  EXPECT_TRUE(restricted.At(-1).ok);

  SampledTree larger("(d/dx)Max(x,1-x)");
  EXPECT_EQ(larger.At(1).value, 1);
  EXPECT_EQ(larger.At(0).value, -1);
  EXPECT_FALSE(larger.At(0.5L).drawable);  // where the two are equal
}

TEST_F(DifferentiateTest, TheParsersDerivativeForms) {
  EXPECT_EQ(EvaluateUtf8("(d/dx)(x^2)+1", 3).value, 6);  // differentiates x^2+1
  EXPECT_EQ(EvaluateUtf8("Max((d/dx)x^2,1)", 3).value, 6);
  EXPECT_EQ(EvaluateUtf8("sin((d/dx)x^2)+1", 0).value, 1);
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("(d/dx)log2(x)", 2).value), 1 / (2 * std::log(2.0)), 1e-15);

  doc.DefinedFunctionTexts[1] = "x^3";
  doc.DefinedFunctionCount = 1;
  const TreePtr tree = ParseExpression("F1'(x)", 2);
  EXPECT_EQ(sjis::ToUtf8(ExpressionTreeToText(tree.get())), "3x^2");
  EXPECT_EQ(EvaluateUtf8("F1\"(2)").value, 12);
  EXPECT_EQ(EvaluateUtf8("F1'(t)+F1(t)").value, 0);
}

TEST_F(DifferentiateTest, TheInputTreeIsLeftUntouched) {
  const TreePtr f = ParseExpression("sin(x)*x^2", 2);
  const TreePtr before = CloneTree(f.get(), 2);
  const TreePtr d = Differentiate(f.get(), node::VarX);
  EXPECT_EQ(ExpressionTreeToText(f.get()), ExpressionTreeToText(before.get()));
  EXPECT_NE(d.get(), f.get());
}

TEST_F(DifferentiateTest, IntegralsWithTheOuterVariableInside) {
  // d/dx of the integral of x t over [0, x] is x^2 + x^2/2.
  const TreePtr f = ParseExpression(sj("∫[0,x](xt)dt"), 3);
  const TreePtr d = Differentiate(f.get(), node::VarX);
  EXPECT_NEAR(static_cast<double>(EvaluateTree(d.get(), 2, 0, 0)), 6, 1e-12);
}

}  // namespace
// The derivative forms of one text share one node budget: a fourth derivative of a product
// of eight functions (about 85000 nodes) fits twice, not three times.
TEST_F(DifferentiateTest, TheDerivativesOfOneTextShareOneBudget) {
  const std::string fourth = "((d/dx)(d/dx)(d/dx)(d/dx)(sin(x)cos(x)tan(x)exp(x)log(x)sqrt(x)asin(x)atan(x)))";
  for (int copies = 1; copies <= 3; ++copies) {
    std::string text = fourth;
    for (int k = 1; k < copies; ++k) text += "+" + fourth;
    const TreePtr tree = ParseExpression(sj(text), 2);
    EXPECT_EQ(eng.ParseOK, copies < 3 ? 1 : 0) << copies;
  }
  // A new text starts a new budget.
  TreePtr tree = ParseExpression(sj(fourth), 2);
  EXPECT_EQ(eng.ParseOK, 1);

  // The derivatives of a defined function count too.
  doc.DefinedFunctionTexts[1] = "(d/dx)(d/dx)(sin(x)cos(x)tan(x)exp(x)log(x)sqrt(x)asin(x)atan(x))";
  doc.DefinedFunctionCount = 1;
  for (int copies = 2; copies <= 3; ++copies) {
    std::string text = "(F1\"(x))";
    for (int k = 1; k < copies; ++k) text += "+(F1\"(x))";
    tree = ParseExpression(sj(text), 2);
    EXPECT_EQ(eng.ParseOK, copies < 3 ? 1 : 0) << copies;
  }
}
