// Simpson's rule, the extremum search, the zero test over the view and the evaluation of
// constant texts and defined constants.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EvaluatorTestSupport.h"
#include "formula/EvalHelpers.h"

namespace {

class EvalHelpersTest : public EvaluatorTest {
 protected:
  // The integrand pair of an integral written as text, evaluated by SimpsonIntegral.
  Extended Simpson(const char* integral, int64_t n, Extended lower, Extended upper) {
    const TreePtr tree = ParseExpression(sj(integral), 3);
    EXPECT_TRUE(tree && tree->code == node::Integral) << integral;
    if (!tree) return 0;
    eng.EvalOK = 1;
    const Extended v = SimpsonIntegral(tree->right, n, lower, upper);
    return v;
  }

  struct Extrema {
    std::vector<std::pair<double, double>> maxima, minima;
    bool ok;
  };
  Extrema Find(const char* text, Extended lower, Extended upper, Extended step) {
    SampledTree f(text);
    TCurvePoint* maxPoints = nullptr;
    TCurvePoint* minPoints = nullptr;
    eng.EvalOK = 1;
    FindExtremumOnInterval(f.tree(), maxPoints, minPoints, lower, upper, step);
    Extrema out{{}, {}, eng.EvalOK == 1};
    for (TCurvePoint* p = maxPoints; p; p = p->next) out.maxima.emplace_back(p->x, p->y);
    for (TCurvePoint* p = minPoints; p; p = p->next) out.minima.emplace_back(p->x, p->y);
    DisposeCurvePoints(maxPoints);
    DisposeCurvePoints(minPoints);
    return out;
  }
};

TEST_F(EvalHelpersTest, SimpsonsRule) {
  EXPECT_EQ(Simpson("∫[0,1](x^2)dx", 1, 0, 3), 9);
  EXPECT_NEAR(static_cast<double>(Simpson("∫[0,1](x^2)dx", 30, 0, 1)), 1.0 / 3, 1e-18);
  EXPECT_NEAR(static_cast<double>(Simpson("∫[0,1](x^3)dx", 2, 0, 2)), 4, 1e-17);
  // A panel with an undefined sample counts 0.
  EXPECT_NEAR(static_cast<double>(Simpson("∫[0,1](x(x>0))dx", 3, -1, 1)), 4.0 / 9, 1e-17);
  EXPECT_EQ(eng.EvalOK, 1);
  // An error ends the sum at once.
  EXPECT_EQ(Simpson("∫[0,1](sqrt(x))dx", 2, -1, 1), 0);
  EXPECT_EQ(eng.EvalOK, 0);
  for (const int64_t n : {int64_t{0}, int64_t{-3}, MaxSimpsonPanels + 1}) {
    EXPECT_EQ(Simpson("∫[0,1](x)dx", n, 0, 1), 0);
    EXPECT_EQ(eng.EvalOK, 0) << n;
  }
  EXPECT_EQ(Simpson("∫[0,1](x)dx", 4, 0, INFINITY), 0);
  EXPECT_EQ(eng.EvalOK, 0);
}

TEST_F(EvalHelpersTest, ASessionSharesOneBudgetAmongItsForms) {
  // 100000 panels cost 300000 evaluations: alone every integral may spend them.
  const auto integral = [this] { return Simpson("∫[0,1](x)dx", 100000, 0, 1); };
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(static_cast<double>(integral()), 0.5, 1e-15);
  {
    InnerWorkSession work(500000);
    EXPECT_NEAR(static_cast<double>(integral()), 0.5, 1e-15);
    EXPECT_EQ(eng.EvalOK, 1);
    EXPECT_EQ(integral(), 0);  // the session's budget is spent
    EXPECT_EQ(eng.EvalOK, 0);
    {
      InnerWorkSession inner(10000000);  // an inner session neither refills nor widens it
      EXPECT_EQ(integral(), 0);
    }
  }
  EXPECT_NEAR(static_cast<double>(integral()), 0.5, 1e-15);
  EXPECT_EQ(eng.EvalOK, 1);
}

TEST_F(EvalHelpersTest, SimpsonBindsItsOwnVariable) {
  // The outer x stays x; the integration variable takes the samples.
  doc.VariableValues.X = 2;
  EXPECT_NEAR(static_cast<double>(Simpson("∫[0,1](xt)dt", 10, 0, 1)), 1, 1e-18);
  EXPECT_EQ(doc.VariableValues.X, 2);
}

TEST_F(EvalHelpersTest, ExtremaOfAParabola) {
  const Extrema e = Find("x^2", -1, 2, 0.1L);
  ASSERT_TRUE(e.ok);
  ASSERT_EQ(e.maxima.size(), 1u);
  EXPECT_EQ(e.maxima[0], std::make_pair(2.0, 4.0));
  ASSERT_EQ(e.minima.size(), 1u);
  EXPECT_NEAR(e.minima[0].first, 0, 1e-5);
  EXPECT_NEAR(e.minima[0].second, 0, 1e-10);

  // Equal ends are both minima; the vertex is the maximum.
  const Extrema hump = Find("1-(x-1)^2", 0, 2, 0.1L);
  ASSERT_EQ(hump.maxima.size(), 1u);
  EXPECT_NEAR(hump.maxima[0].first, 1, 1e-6);
  EXPECT_NEAR(hump.maxima[0].second, 1, 1e-12);
  ASSERT_EQ(hump.minima.size(), 2u);
  EXPECT_EQ(hump.minima[0].second, 0);
  EXPECT_EQ(hump.minima[1].second, 0);
  EXPECT_NEAR(static_cast<double>(hump.minima[0].first + hump.minima[1].first), 2, 1e-15);

  SampledTree f("x^3-3x");
  EXPECT_NEAR(static_cast<double>(ExtremumValue(f.tree(), 1, -1.5L, 1.5L, 0.01L)), 2, 1e-9);
  EXPECT_NEAR(static_cast<double>(ExtremumValue(f.tree(), 2, -1.5L, 1.5L, 0.01L)), -2, 1e-9);
}

TEST_F(EvalHelpersTest, ExtremumSearchFailsInsteadOfLooping) {
  // A jump contradicts the derivative.
  EXPECT_FALSE(Find("1/x", -1, 1, 0.1L).ok);
  SampledTree f("1/x");
  EXPECT_EQ(ExtremumValue(f.tree(), 1, -1, 1, 0.1L), 0);
  EXPECT_EQ(eng.EvalOK, 0);
  for (const Extended step : {0.0L, -0.1L, static_cast<Extended>(NAN), static_cast<Extended>(INFINITY), 1e-30L}) {
    const Extrema e = Find("x^2", -1, 2, step);
    EXPECT_FALSE(e.ok) << static_cast<double>(step);
    EXPECT_TRUE(e.maxima.empty());
  }
  // An undefined end gives no extremum.
  SampledTree g("sqrt(x)");
  EXPECT_EQ(ExtremumValue(g.tree(), 1, -1, 1, 0.1L), 0);
  EXPECT_EQ(eng.EvalOK, 0);
}

TEST_F(EvalHelpersTest, NonZeroInView) {
  struct Case {
    const char* text;
    int axis;
    bool nonZero;
    bool ok;
  };
  const Case cases[] = {
      {"0", 1, false, true},        {"x-10", 1, true, true},  {"sqrt(x-10)", 1, false, false},
      {"(x>3)", 1, true, true},     {"x-x", 1, false, true},  {"y*0+sin(y)", 2, true, true},
      {"sqrt(y-6)", 2, false, false}, {"3", 2, true, true},
  };
  for (const Case& c : cases) {
    SampledTree t(c.text);
    EXPECT_EQ(NonZeroInView(t.tree(), c.axis), c.nonZero) << c.text;
    EXPECT_EQ(eng.EvalOK == 1, c.ok) << c.text;
  }
  // Without a pixel size there is nothing to sample.
  doc.PixelSizeX = 0;
  SampledTree t("x-10");
  EXPECT_FALSE(NonZeroInView(t.tree(), 1));
  EXPECT_EQ(eng.EvalOK, 0);
}

TEST_F(EvalHelpersTest, EvaluationAlongAnAxis) {
  SampledTree t("x+10y");
  doc.VariableValues.Y = 1;
  EXPECT_EQ(EvaluateAtX(t.tree(), 0, 2), 12);
  doc.VariableValues.X = 3;
  EXPECT_EQ(EvaluateAtX(t.tree(), 1, 2), 23);
  // Each evaluation leaves its point in the variable cells.
  EXPECT_EQ(doc.VariableValues.Y, 2);
  doc.VariableValues.Y = 1;
  doc.CoordinateSystem = 3;
  EXPECT_NEAR(static_cast<double>(EvaluateAtX(t.tree(), 0, 2)), 110, 1e-13);
  doc.CoordinateSystem = 5;
  EXPECT_EQ(EvaluateAtX(t.tree(), 0, 2), 0);
}

TEST_F(EvalHelpersTest, ConstantTexts) {
  Extended value = -1;
  TFraction f;
  EvaluateConstantText("", value, f);
  EXPECT_EQ(value, 0);
  eng.UseFigureFormulas = 1;
  EvaluateConstantText("1/3", value, f);
  EXPECT_NEAR(static_cast<double>(value), 1.0 / 3, 1e-18);
  EXPECT_EQ(f, (TFraction{1, 1, 3}));
  EvaluateConstantText("x+", value, f);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(eng.ParseOK, 0);
  EXPECT_EQ(eng.EvalDrawable, 0);  // a broken text is no point at 0
  EXPECT_EQ(f.exact, 0);
  doc.VariableValues.X = 5;
  EvaluateConstantText("x*2", value, f);
  EXPECT_EQ(value, 10);
}

TEST_F(EvalHelpersTest, DefinedConstantsAreCachedAndCyclesAreUndefined) {
  doc.DefinedConstantTexts[1] = "Q2+1";
  doc.DefinedConstantTexts[2] = "Q1*2";
  doc.DefinedConstantTexts[3] = "4";
  doc.DefinedConstantCount = 3;
  for (int i = 1; i <= 3; ++i) doc.DefinedConstantDirty[i] = 1;
  doc.Dimension = 3;  // the constants stay leaves: no expansion of their texts
  RecomputeDefinedValue(1);
  EXPECT_EQ(doc.DefinedConstantDrawable[1], 0);
  EXPECT_EQ(doc.DefinedConstantDrawable[2], 0);
  EXPECT_EQ(doc.DefinedConstantDirty[1], 0);
  RecomputeDefinedValue(3);
  EXPECT_EQ(doc.DefinedConstantValues[3], 4);
  EXPECT_EQ(doc.DefinedConstantDrawable[3], 1);
  // Only a stale value is computed again.
  doc.DefinedConstantTexts[3] = "5";
  RecomputeDefinedValue(3);
  EXPECT_EQ(doc.DefinedConstantValues[3], 4);
  // The same cycle in the plane, where the texts are expanded inline.
  doc.Dimension = 2;
  doc.DefinedConstantDirty[1] = 1;
  RecomputeDefinedValue(1);
  EXPECT_EQ(doc.DefinedConstantDrawable[1], 0);
  // Out of range numbers are ignored.
  RecomputeDefinedValue(0);
  RecomputeDefinedValue(21);
}

}  // namespace
