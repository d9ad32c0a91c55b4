// Values, domain errors and the validity of relations.
#include <gtest/gtest.h>

#include <cfloat>

#include "EvaluatorTestSupport.h"
#include "formula/Differentiate.h"
#include "formula/TreeText.h"

namespace {

constexpr Extended Pi = 3.14159265358979323846264338327950288L;

struct ValueCase {
  const char* text;
  Extended x;
  Extended expected;
};

TEST_F(EvaluatorTest, ValuesFromMathematicsAndTheRules) {
  const ValueCase cases[] = {
      {"sin(x)^2+cos(x)^2", 0.3L, 1},
      {"sin(x)^2+cos(x)^2", -7.5L, 1},
      {"sin(x)^2+cos(x)^2", 1234.5L, 1},
      {"log2(8)", 0, 3},
      {"log10(x)", 1000, 3},
      {"Sum(i=[1,100],i)", 0, 5050},
      {"Sum(i=[1,3],Sum(j=[1,i],j))", 0, 10},
      {"5!", 0, 120},
      {"0!", 0, 1},
      {"0!+1", 0, 2},
      {"C(5,2)", 0, 10},
      {"P(5,2)", 0, 20},
      {"sin(30ﾟ)", 0, 0.5L},
      {"2π", 0, 2 * Pi},
      {"x^0", 0, 1},
      {"(-8)^(1/3)", 0, -2},
      {"(-8)^(2/3)", 0, 4},
      {"(-8)^(-1/3)", 0, -0.5L},
      {"x^(-2)", 2, 0.25L},
      {"2^x", 10, 1024},
      {"exp(5000)", 0, 1e4932L},
      {"exp(-20000)", 0, 3e-4932L},
      {"Max(1,2)", 0, 2},
      {"Min(1,2)", 0, 1},
      {"abs(x)+sgn(x)", -2.5L, 1.5L},
      {"gaus(x)", -1.5L, -2},
      {"int(x)+frac(x)", -1.25L, -1.25L},
      {"round(x)+round(x+1)", 0.5L, 2},  // ties go to even: 0 + 2
      {"tanh(x)", 100000, 1},
      {"arsinh(x)", -1e10L, -std::log(2e10L)},
      {"arctn(1)", 0, Pi / 4},
      {"arcsin(1)+arccos(-1)", 0, 1.5L * Pi},
      {"e", 0, std::exp(1.0L)},
      {"multi(i=[1,4],i)", 0, 24},
      {"multi(i=[1,0],i)", 0, 1},  // the empty product
      {"Sum(i=[1,0],1/i)", 0, 0},  // the empty sum, its body never computed
      {"(x>0)+(x<-1)", 2, 1},
      {"(x>=1)(x<=1)", 1, 1},
      {"(x>0)and(x<1)", 0.5L, 1},
  };
  for (const auto& c : cases) {
    const Outcome r = EvaluateUtf8(c.text, c.x);
    EXPECT_TRUE(r.ok && r.drawable) << c.text << " at " << static_cast<double>(c.x);
    EXPECT_LE(std::fabs(r.value - c.expected), 1e-15L * (1 + std::fabs(c.expected)))
        << c.text << " at " << static_cast<double>(c.x) << " gives " << static_cast<double>(r.value);
  }
}

TEST_F(EvaluatorTest, ExactResultsStayExact) {
  EXPECT_EQ(EvaluateUtf8("2^10").value, 1024);
  EXPECT_EQ(EvaluateUtf8("(1/3)*3").value, 1);
  EXPECT_EQ(EvaluateUtf8("∫[0,3](x^2)dx[1]").value, 9);  // Simpson is exact for a parabola
}

struct DomainCase {
  const char* text;
  Extended x;
};

TEST_F(EvaluatorTest, DomainErrorsClearEvalOK) {
  const DomainCase cases[] = {
      {"sqrt(-1)", 0},     {"sqrt(x)", -1e-30L}, {"log(0)", 0},      {"log(x)", -1},
      {"arcsin(2)", 0},    {"arccos(x)", -1.5L}, {"arcosh(0.5)", 0}, {"artanh(1)", 0},
      {"1/x", 0},          {"x/(x-1)", 1},       {"x^(-1)", 0},      {"(-8)^(0.5)", 0},
      {"(-8)^(1/2)", 0},   {"(-1)!", 0},         {"C(5,6)", 0},      {"log1(x)", 2},
      {"log(x)+sqrt(-x)", 1},
  };
  for (const auto& c : cases) {
    const Outcome r = EvaluateUtf8(c.text, c.x);
    EXPECT_FALSE(r.ok) << c.text;
    EXPECT_FALSE(r.drawable) << c.text;
    EXPECT_EQ(r.value, 0) << c.text;
  }
}

TEST_F(EvaluatorTest, DivisionByZeroMarksAJump) {
  const Outcome r = EvaluateUtf8("x/(x-1)", 1);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(eng.LineContinues, 1);
}

TEST_F(EvaluatorTest, AFalseRelationIsInvalidWithoutAnError) {
  SampledTree t("x>0");
  Outcome r = t.At(-1);
  EXPECT_EQ(r.value, 0);
  EXPECT_TRUE(r.ok);
  EXPECT_FALSE(r.drawable);
  EXPECT_EQ(t.root()->valid, 0);
  r = t.At(1);
  EXPECT_EQ(r.value, 1);
  EXPECT_TRUE(r.drawable);
}

TEST_F(EvaluatorTest, ConditionsRestrictTheDomain) {
  struct Case {
    const char* text;
    Extended x;
    bool drawable;
    Extended value;
  };
  const Case cases[] = {
      {"x*(x>0)", -1, false, 0},
      {"x*(x>0)", 2, true, 2},
      {"(x>0)*x", -1, false, 0},
      {"(x>0)*sqrt(x)", -1, false, 0},  // a false condition hides the error of its factor
      {"sqrt(x)*(x>0)", -1, false, 0},
      {"x^2(0<x<1)", 0.5L, true, 0.25L},
      {"x^2(0<x<1)", 1.5L, false, 0},
      {"(x<0)+(x>1)", -2, true, 1},
      {"(x<0)+(x>1)", 3, true, 1},
      {"(x<0)+(x>1)", 0.5L, false, 0},
      {"(x>0)or(x<-1)", -0.5L, false, 0},
      {"(x*(x>0))^2", -1, false, 0},  // a power of an undefined base is undefined
  };
  for (const auto& c : cases) {
    const Outcome r = EvaluateUtf8(c.text, c.x);
    EXPECT_TRUE(r.ok) << c.text << " at " << static_cast<double>(c.x);
    EXPECT_EQ(r.drawable, c.drawable) << c.text << " at " << static_cast<double>(c.x);
    if (c.drawable) {
      EXPECT_EQ(r.value, c.value) << c.text;
    }
  }
}

TEST_F(EvaluatorTest, ATextThatDoesNotParseIsNoValidZero) {
  EXPECT_TRUE(EvaluateUtf8("1+1").drawable);
  const Outcome r = EvaluateUtf8("x+");
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.drawable);
  // The empty text is 0 and leaves the flags as they were.
  eng.EvalOK = 1;
  EXPECT_EQ(EvaluateText("", 0, 0, 0), 0);
  EXPECT_EQ(eng.EvalOK, 1);
}

TEST_F(EvaluatorTest, OverflowAtANodeAndBeyond) {
  // Caught at the product: 1.0E4932 with EvalOK 0, which the outer call turns into 0.
  const TreePtr tree = ParseExpression("1E4932*10", 3);
  ASSERT_NE(tree.get(), nullptr);
  EXPECT_EQ(EvaluateNode(tree.get(), 0, 0, 0), 1e4932L);
  EXPECT_EQ(eng.EvalOK, 0);
  EXPECT_EQ(EvaluateTree(tree.get(), 0, 0, 0), 0);
  EXPECT_EQ(eng.EvalDrawable, 0);
  EXPECT_EQ(hooks.stops, 0);

  // An overflow no node handles ends the evaluation and stops the animation.
  const Outcome r = EvaluateUtf8("x^99999+1", 10);
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(r.drawable);
  EXPECT_EQ(r.value, 0);
  EXPECT_EQ(hooks.stops, 1);
  EXPECT_FALSE(EvaluateUtf8("sinh(x)", 20000).ok);
  EXPECT_FALSE(EvaluateUtf8("1/x", 1e-4940L).ok);
  EXPECT_EQ(hooks.stops, 3);
  // The next evaluation starts afresh.
  EXPECT_TRUE(EvaluateUtf8("x+1", 1).drawable);
}

TEST_F(EvaluatorTest, NilTreeChangesNothing) {
  Tfrec* tree = nullptr;
  eng.EvalOK = 0;
  eng.EvalDrawable = 0;
  EXPECT_EQ(EvaluateTree(tree, 1, 2, 3), 0);
  EXPECT_EQ(eng.EvalOK, 0);
  EXPECT_EQ(eng.EvalDrawable, 0);
}

TEST_F(EvaluatorTest, ParametersAndVariables) {
  WriteVariable(doc.VariableValues, 'a', 0.1L);
  doc.VariableValues.T = 0.1L;
  // Parameter cells are single precision, read widened; t is 80-bit.
  EXPECT_EQ(EvaluateUtf8("a").value, static_cast<Extended>(0.1f));
  EXPECT_EQ(EvaluateUtf8("t").value, 0.1L);
  WriteVariable(doc.VariableValues, 'r', 2);
  WriteVariable(doc.VariableValues, 'o', 3);
  EXPECT_EQ(EvaluateUtf8("θω").value, 6);
  EXPECT_EQ(EvaluateUtf8("x+2y+3z", 1, 10, 100).value, 321);
  eng.XTickStep = 0.5f;
  EXPECT_EQ(EvaluateUtf8("latx*2").value, 1);
}

TEST_F(EvaluatorTest, SymbolicTreesEvaluateTheirLogarithmsWithABase) {
  SampledTree t("log2(x)", 2);
  ASSERT_EQ(t.root()->code, node::LogBase);
  EXPECT_NEAR(static_cast<double>(t.At(8).value), 3, 1e-15);
  EXPECT_NEAR(static_cast<double>(EvaluateTextUnrolled("Sum(i=[1,4],i)+log2(8)", 0, 0, 0)), 13, 1e-15);
}

TEST_F(EvaluatorTest, RandomValuesScaleTheirOperand) {
  SeedRandom(7);
  SampledTree t("rnd(x)");
  Extended first = t.At(10).value;
  bool differs = false;
  for (int k = 0; k < 50; ++k) {
    const Extended v = t.At(10).value;
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 10);
    differs = differs || v != first;
  }
  EXPECT_TRUE(differs);
}

TEST_F(EvaluatorTest, PlotModeTakesAChangeOfOrderAsEquality) {
  eng.PlotMode = 1;
  SampledTree t("y=x");
  EXPECT_FALSE(t.At(0, 1).drawable);
  EXPECT_TRUE(t.At(2, 1).drawable);
  EXPECT_FALSE(t.At(3, 1).drawable);
  eng.PlotMode = 0;
  SampledTree u("y=x");
  u.At(0, 1);
  EXPECT_FALSE(u.At(2, 1).drawable);
}

TEST_F(EvaluatorTest, ValidityChangedFollowsTheTruthOfRelations) {
  SampledTree t("x>0");
  t.At(1);
  eng.ValidityChanged = 0;
  t.At(2);
  EXPECT_EQ(eng.ValidityChanged, 0);
  t.At(-1);
  EXPECT_EQ(eng.ValidityChanged, 1);
}

TEST_F(EvaluatorTest, ExactFractionsWithFigureFormulas) {
  eng.UseFigureFormulas = 1;
  SampledTree t("x/3+x/6");
  t.At(1);
  EXPECT_EQ(t.root()->exact, 1);
  EXPECT_EQ(t.root()->num, 1);
  EXPECT_EQ(t.root()->den, 2);
  // A part beyond 10000 ends exact arithmetic for the rest of the evaluation.
  SampledTree big("(x/9999)*(x/7)");
  big.At(1);
  EXPECT_EQ(big.root()->exact, 0);
  EXPECT_EQ(eng.UseFigureFormulas, 0);
}

TEST_F(EvaluatorTest, DefinedConstantsAreComputedWhenStale) {
  doc.DefinedConstantTexts[1] = "2+3";
  doc.DefinedConstantCount = 1;
  doc.DefinedConstantDirty[1] = 1;
  eng.UseFigureFormulas = 0;
  EXPECT_EQ(EvaluateUtf8("Q1*x", 2).value, 10);
  EXPECT_EQ(doc.DefinedConstantDirty[1], 0);
  doc.DefinedConstantTexts[1] = "sqrt(-1)";
  EXPECT_EQ(EvaluateUtf8("Q1*x", 2).value, 10);  // cached until marked stale
  doc.DefinedConstantDirty[1] = 1;
  EXPECT_FALSE(EvaluateUtf8("Q1*x", 2).ok);
}

TEST_F(EvaluatorTest, PointCoordinatesAreRefreshedWhenStale) {
  // Point A given by coordinates in entry 1.
  doc.EntryCount = 1;
  doc.KindCounts[kKindPoint] = 1;
  InitFuncprop(doc.FigureTable[1], kKindPoint);
  doc.FigureTable[1].letter = 1;
  doc.FigureTable[1].dragAxes = 5;
  doc.FigureTable[1].texts[0] = "4";
  doc.FigureTable[1].texts[1] = "2";
  doc.PointLetterEntry[1] = 1;
  PlacePoint(1, 1, 2);
  eng.UseFigureFormulas = 0;
  EXPECT_EQ(EvaluateUtf8("Ax+Ay").value, 3);  // not stale: the table as it is
  doc.PointSequenceDirty[1] = 1;
  EXPECT_EQ(EvaluateUtf8("Ax+Ay").value, 6);  // recomputed from its texts
  EXPECT_EQ(doc.PointSequenceDirty[1], 0);
  doc.PointSequences[1][0].valid = 0;
  EXPECT_FALSE(EvaluateUtf8("Ay").ok);
}

TEST_F(EvaluatorTest, IntegralsKeepTheirVariableApartFromX) {
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("∫[0,1](x^2)dx").value), 1.0 / 3, 1e-15);
  // The integrand may use the outer x.
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("∫[0,1](xt)dt", 2).value), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("shymp([0,x],s^2,10,s)", 3).value), 9, 1e-14);
  // Nested over the same variable.
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("∫[0,1](∫[0,t](1)dt)dt").value), 0.5, 1e-15);
  // A panel count beyond the limit, or none, is no value.
  EXPECT_FALSE(EvaluateUtf8("∫[0,1](x)dx[1E9]").ok);
  EXPECT_FALSE(EvaluateUtf8("∫[0,1](x)dx[0]").ok);
  // An undefined bound makes the integral undefined.
  EXPECT_FALSE(EvaluateUtf8("∫[0,sqrt(x)](t)dt", -1).drawable);
}

TEST_F(EvaluatorTest, ExtremaOverAnInterval) {
  const Outcome max = EvaluateUtf8("MaxV([-1,2]x^2)");
  EXPECT_TRUE(max.drawable);
  EXPECT_NEAR(static_cast<double>(max.value), 4, 1e-12);
  const Outcome min = EvaluateUtf8("MinV([-1,2](x-0.5)^2)");
  EXPECT_TRUE(min.drawable);
  EXPECT_NEAR(static_cast<double>(min.value), 0, 1e-9);
  // Before any drawing has a pixel size, the search cannot step.
  doc.PixelSizeX = 0;
  EXPECT_FALSE(EvaluateUtf8("MaxV([-1,2]x^2)").ok);
}

TEST_F(EvaluatorTest, AngleFormsMeasureBetweenPoints) {
  PlacePoint(1, 0, 0);   // A
  PlacePoint(2, -1, 0);  // B
  PlacePoint(3, 0, -1);  // C
  eng.UseFigureFormulas = 0;
  struct Case {
    const char* text;
    Extended expected;
  };
  const Case cases[] = {
      {"arg(AB)", Pi},
      {"arg(AC)", 1.5L * Pi},
      {"arg(C)", 1.5L * Pi},
      {"angle(BAC)", Pi / 2},
      {"arg(BAC)", Pi / 2},  // from AB to AC counter-clockwise
      {"arg(CAB)", 1.5L * Pi},
      {"angle(AB,AC)", Pi / 2},
  };
  for (const auto& c : cases) {
    SampledTree t(c.text);
    // Evaluating again reads the same points: the form keeps its data.
    for (int k = 0; k < 2; ++k) {
      const Outcome r = t.At(0);
      EXPECT_TRUE(r.drawable) << c.text;
      EXPECT_NEAR(static_cast<double>(r.value), static_cast<double>(c.expected), 1e-15) << c.text;
    }
  }
  // Parallel vectors have the angle 0 or pi, whatever the rounding of the cosine.
  PlacePoint(1, 1, 1);
  PlacePoint(2, 2, 2);
  PlacePoint(3, 3.3L, 3.3L);
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("angle(ABC)").value), static_cast<double>(Pi), 1e-15);
  EXPECT_NEAR(static_cast<double>(EvaluateUtf8("angle(AB,AC)").value), 0, 1e-9);
  // A vector of length 0 is a domain error.
  PlacePoint(2, 1, 1);
  EXPECT_FALSE(EvaluateUtf8("angle(ABC)").ok);
}

TEST_F(EvaluatorTest, SphericalAngle) {
  doc.Dimension = 3;
  PlacePoint(1, 1, 0, 0);  // A
  PlacePoint(2, 0, 0, 1);  // B, the pole
  PlacePoint(3, 0, 1, 0);  // C
  PlacePoint(4, 0, 0, 0);  // D, the centre
  Tfuncprop& sphere = doc.FigureTable[1];
  InitFuncprop(sphere, kKindFigure);
  sphere.subkind = 8;
  sphere.letter = 4;
  sphere.texts[1] = "1";
  doc.EntryCount = 1;
  doc.KindCounts[kKindFigure] = 1;
  const Outcome r = EvaluateUtf8("angle(ABC/s1)");
  EXPECT_TRUE(r.drawable);
  EXPECT_NEAR(static_cast<double>(r.value), static_cast<double>(Pi / 2), 1e-15);
  // Every named point must lie on the sphere.
  PlacePoint(3, 0, 2, 0);
  EXPECT_FALSE(EvaluateUtf8("angle(ABC/s1)").ok);
}

}  // namespace

namespace {

// A chain of sums as deep as the parser allows is evaluated, printed and differentiated
// within the stack.
TEST_F(EvaluatorTest, TheDeepestTreesStayWithinTheStack) {
  std::string text = "x";
  for (int k = 1; k < MaxTreeDepth - 1; ++k) text += k % 2 ? "+x" : "-2x";
  TreePtr tree = ParseExpression(text, 3);
  ASSERT_EQ(eng.ParseOK, 1);
  const Extended expected = 1 + (MaxTreeDepth - 2 + 1) / 2 - 2 * ((MaxTreeDepth - 2) / 2);
  EXPECT_EQ(EvaluateTree(tree.get(), 1, 0, 0), expected);
  EXPECT_EQ(eng.EvalDrawable, 1);
  TreePtr derivative = Differentiate(tree.get(), node::VarX);
  ASSERT_NE(derivative.get(), nullptr);
  EXPECT_EQ(EvaluateTree(derivative.get(), 1, 0, 0), expected);
  EXPECT_EQ(ExpressionTreeToText(tree.get()).size(), text.size());
  // Nested deeply on the right.
  std::string nested;
  const int levels = MaxParseNesting / 4;
  for (int k = 0; k < levels; ++k) nested += k % 2 ? "sin(" : "x-(";
  nested += "x" + std::string(levels, ')');
  tree = ParseExpression(nested, 3);
  ASSERT_EQ(eng.ParseOK, 1);
  EvaluateTree(tree.get(), 0.5L, 0, 0);
  EXPECT_EQ(eng.EvalDrawable, 1);
  derivative = Differentiate(tree.get(), node::VarX);
  EvaluateTree(derivative.get(), 0.5L, 0, 0);
  EXPECT_EQ(eng.EvalDrawable, 1);
}

// Built directly, a chain far longer than any formula: a clean failure, never a crash.
TEST_F(EvaluatorTest, AChainLongerThanAnyFormulaFailsCleanly) {
  Tfrec* tree = NewLeafNode(node::VarX, 3);
  for (int k = 0; k < 200000; ++k) tree = NewBinaryNode(node::Sum, tree, NewNumberNode(3, 1), 3);
  eng.EvalOK = 1;
  EXPECT_EQ(EvaluateTree(tree, 1, 0, 0), 0);
  EXPECT_EQ(eng.EvalOK, 0);
  EXPECT_EQ(eng.EvalDrawable, 0);
  DisposeTree(tree);
  EXPECT_TRUE(EvaluateUtf8("x+1", 1).drawable);
}

}  // namespace
