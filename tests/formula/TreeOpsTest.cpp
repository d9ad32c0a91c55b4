#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PrefixTree.h"
#include "TreePrint.h"
#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/Simplifier.h"
#include "formula/TreeOps.h"
#include "formula/VariableValues.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"

namespace {

using TreeOpsTest = StateTest;

Tfrec* Parse(const std::string& utf8, int mode = 2) {
  Tfrec* t = ParseExpression(sj(utf8), mode).release();
  EXPECT_EQ(eng.ParseOK, 1) << utf8;
  return t;
}

TEST_F(TreeOpsTest, PolynomialDegree) {
  struct Row {
    const char* formula;
    int total, inX, inY, inT;
  };
  const std::vector<Row> rows = {
      {"5", 0, 0, 0, 0},
      {"x^2*y", 3, 2, 1, 0},
      {"x^2+y^2-1", 2, 2, 2, 0},
      {"(x+y)^3", 3, 3, 3, 0},
      {"x*y*x-2y", 3, 2, 1, 0},
      {"x/y", -1, 1, -1, 0},
      {"(x+1)/2", 1, 1, 0, 0},
      {"x^0.5", -1, -1, 0, 0},
      {"x^0", 0, 0, 0, 0},
      {"2^x", -1, -1, 0, 0},
      {"x^a", -1, -1, 0, 0},
      {"sin(x)", -1, -1, 0, 0},
      {"sin(a)", 0, 0, 0, 0},
      {"t^2+z", 0, 0, 0, 2},
      {"-x^3", 3, 3, 0, 0},
      {"x>0", -1, -1, 0, 0},
      {"a>0", 0, 0, 0, 0},
      // Not polynomials, though their operands are: drawn as curves, never as lines.
      {"x+frac(x)", -1, -1, 0, 0},
      {"intc(x)", -1, -1, 0, 0},
      {"roundc(x)", -1, -1, 0, 0},
      {"rnd(x)", -1, -1, 0, 0},
      {"log2(x)", -1, -1, 0, 0},
      {"(x>0)and(y<1)", -1, -1, -1, 0},
      {"(x>0)or(y<1)", -1, -1, -1, 0},
      {"x<>1", -1, -1, 0, 0},
      {"Sum(i=[1,3],x^i)", -1, -1, 0, 0},
      {"frac(a)+log2(8)", 0, 0, 0, 0},
      {"Max(x,1)", -1, -1, 0, 0},
      {"C(5,2)x", 1, 1, 0, 0},
      {"shymp([0,1],t^2,30,t)+x", 1, 1, 0, 0},
      {"shymp([0,x],t^2,30,t)", -1, -1, 0, 0},
  };
  for (const Row& r : rows) {
    Tfrec* t = Parse(r.formula);
    EXPECT_EQ(PolynomialDegree(t, kDegreeTotalXY), r.total) << r.formula;
    EXPECT_EQ(PolynomialDegree(t, kDegreeInX), r.inX) << r.formula;
    EXPECT_EQ(PolynomialDegree(t, kDegreeInY), r.inY) << r.formula;
    EXPECT_EQ(PolynomialDegree(t, kDegreeInT), r.inT) << r.formula;
    DisposeTree(t);
  }
  EXPECT_EQ(PolynomialDegree(nullptr, kDegreeTotalXY), 0);
  Tfrec* identity = TreeFromPrefix("(id (^ x 2))");
  EXPECT_EQ(PolynomialDegree(identity, kDegreeInX), 2);
  DisposeTree(identity);
  Tfrec* huge = TreeFromPrefix("(^ (^ x 1e300) 1e300)");
  EXPECT_GT(PolynomialDegree(huge, kDegreeInX), 4);
  DisposeTree(huge);
}

TEST_F(TreeOpsTest, UsesSymbolKnowsTheIntegrationVariable) {
  struct Row {
    const char* formula;
    int32_t code;
    bool uses;
  };
  const std::vector<Row> rows = {
      {"x+a", node::VarA, true},
      {"x+a", node::VarA + 1, false},
      {"shymp([0,x],t,30,t)", node::VarT, false},
      {"shymp([0,x],t,30,t)", node::VarX, true},
      {"shymp([t,1],x,30,t)", node::VarT, true},  // a bound outside the integral's reach
      {"shymp([0,1],s,30,s)", node::VarS, false},
      {"shymp([0,1],s*i,30,s)", node::VarI, true},
      {"∫[0,1](θ)dθ", node::VarTheta, false},
      {"∫[0,1](xt)dt", node::VarX, true},
      {"∫[0,1](xt)dt+t", node::VarT, true},
  };
  for (const Row& r : rows) {
    Tfrec* t = Parse(r.formula);
    EXPECT_EQ(TreeUsesSymbol(t, r.code), r.uses) << r.formula << " / " << r.code;
    DisposeTree(t);
    EXPECT_EQ(FormulaUsesSymbol(sj(r.formula), r.code), r.uses) << r.formula;
  }
  EXPECT_FALSE(FormulaUsesSymbol("", node::VarX));
  EXPECT_FALSE(FormulaUsesSymbol("x+", node::VarX));
  EXPECT_FALSE(TreeUsesSymbol(nullptr, node::VarX));
}

TEST_F(TreeOpsTest, ParametersBecomeTheirCurrentValues) {
  const std::string letters = "abcdefghklmnpqorsuvwij";
  for (size_t k = 0; k < letters.size(); ++k) WriteVariable(doc.VariableValues, letters[k], k + 1);
  WriteVariable(doc.VariableValues, 'a', 0.1L);
  // Every letter of the alphabet as a leaf, in one sum.
  std::string prefix = "t";
  for (char c : letters + "xyz") prefix = "(+ " + prefix + " " + c + ")";
  Tfrec* t = TreeFromPrefix(prefix);
  SubstituteParametersAndSimplify(t);
  EXPECT_EQ(PrefixForm(t),
            "(+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ (+ t 0.100000001490116) 2) 3) "
            "4) e) f) g) h) 9) l) 11) 12) 13) 14) 15) 16) 17) u) v) w) i) j) x) y) z)");
  DisposeTree(t);

  WriteVariable(doc.VariableValues, 'a', 2);
  WriteVariable(doc.VariableValues, 'b', 3);
  t = Parse("a(bx)+h");
  SubstituteParametersAndSimplify(t);
  EXPECT_EQ(PrefixForm(t), "(+ (* 6 x) h)");
  DisposeTree(t);
}

TEST_F(TreeOpsTest, VariableValuesAndZeros) {
  doc.VariableValues.X = 2.5L;
  doc.VariableValues.T = -1;
  Tfrec* t = TreeFromPrefix("(+ (* x t) (sin x))");
  SubstituteVariableValue(t, node::VarX);
  EXPECT_EQ(PrefixForm(t), "(+ (* 2.5 t) (sin 2.5))");
  SubstituteVariableValue(t, node::VarT);
  EXPECT_EQ(PrefixForm(t), "(+ (* 2.5 -1) (sin 2.5))");
  SubstituteVariableValue(t, node::VarA);  // not a variable with a current value here
  EXPECT_EQ(PrefixForm(t), "(+ (* 2.5 -1) (sin 2.5))");
  DisposeTree(t);

  t = TreeFromPrefix("(+ (+ (^ x 2) (* 3 x)) y)");
  SubstituteZeroAndSimplify(t, node::VarX);
  EXPECT_EQ(PrefixForm(t), "y");
  DisposeTree(t);
}

// The arithmetic of a piece, with x fixed at an integer, folds to an exact number; the
// interval indicator keeps its relations.
std::string PieceAt(Tfrec* piece, Extended x) {
  TreePtr copy = CloneTree(piece, 2);
  doc.VariableValues.X = x;
  SubstituteVariableValue(InPlace(copy), node::VarX);
  SimplifyTree(copy->left, 2);
  return PrefixForm(copy->left);
}

TEST_F(TreeOpsTest, PieceBuilders) {
  TreePtr t = MakeIntervalIndicator(1, 0, 2);
  EXPECT_EQ(PrefixForm(t.get()), "(* (>= x 0) (<= x 2))");
  t = MakeIntervalIndicator(0, -1.5L, 2);
  EXPECT_EQ(PrefixForm(t.get()), "(* (>= x -1.5) (< x 2))");

  t = MakeConstantPiece(0, 3, 1, 2);
  EXPECT_EQ(PrefixForm(t.get()), "(* 3 (* (>= x 1) (< x 2)))");
  EXPECT_EQ(t->hasRelation, 1);

  t = MakeLinearPiece(1, 0, 0, 2, 4);
  EXPECT_EQ(PrefixForm(t->right), "(* (>= x 0) (<= x 2))");
  EXPECT_EQ(PieceAt(t.get(), 1), "2");
  EXPECT_EQ(PieceAt(t.get(), 2), "4");

  // Through (0, 0), (1, 1), (2, 4): the parabola x^2.
  t = MakeParabolaPiece(1, 0, 0, 1, 1, 2, 4);
  EXPECT_EQ(PrefixForm(t->right), "(* (>= x 0) (<= x 2))");
  for (int x = -1; x <= 3; ++x) EXPECT_EQ(PieceAt(t.get(), x), std::to_string(x * x)) << x;

  // Through (2, 1), (4, -1), (6, 3): 3/4 x^2 - 11/2 x + 9.
  t = MakeParabolaPiece(0, 2, 1, 4, -1, 6, 3);
  EXPECT_EQ(PrefixForm(t->right), "(* (>= x 2) (< x 6))");
  EXPECT_EQ(PieceAt(t.get(), 2), "1");
  EXPECT_EQ(PieceAt(t.get(), 4), "-1");
  EXPECT_EQ(PieceAt(t.get(), 6), "3");
  EXPECT_EQ(PieceAt(t.get(), 5), "(/ 1 4)");

  eng.ParseOK = 0;
  eng.ParseErrorPos = 7;
  t = MakeLinearPiece(1, 0, 0, 1, 1);
  EXPECT_EQ(eng.ParseOK, 0);  // building leaves the caller's parse result alone
  EXPECT_EQ(eng.ParseErrorPos, 7);
}

}  // namespace

namespace {

// Evaluation trees come out of the parser with the parameters' values folded in.
TEST_F(TreeOpsTest, EvaluationTreesAreSubstitutedAndSimplified) {
  WriteVariable(doc.VariableValues, 'a', 0.5L);
  WriteVariable(doc.VariableValues, 'b', 0.25L);
  WriteVariable(doc.VariableValues, 'n', 4);
  struct Row {
    const char* formula;
    const char* mode3;
  };
  const std::vector<Row> rows = {
      {"a(bx)", "(* 0.125 x)"},  // never rounded to 0*x
      {"y=ax+h", "(= y (+ (* 0.5 x) h))"},
      {"1/2-1/2+x", "x"},
      {"x^n/n", "(/ (^ x 4) 4)"},
      {"(n+2)/(2n)", "(/ 3 4)"},
      {"x/(1/n)", "(/ (* 4 x) 1)"},  // no rule drops a divisor 1
      {"0*(x>0)+b", "(+ (* 0 (> x 0)) 0.25)"},
      {"C(n,2)x", "(* (C 4 2) x)"},
  };
  for (const Row& r : rows) {
    Tfrec* t = Parse(r.formula, 3);
    EXPECT_EQ(PrefixForm(t), r.mode3) << r.formula;
    DisposeTree(t);
  }
  const TreePtr t = ParseExpression("x/(n-4)", 3);
  EXPECT_EQ(t.get(), nullptr);  // a division by zero once n is known
  EXPECT_EQ(eng.ParseOK, 0);
}

}  // namespace
