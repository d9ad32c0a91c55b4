// The numbers of the calculus windows: the approach step, the mean rate's texts, the
// division step, the seven Riemann sums and the definite integral.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "animate/ApproachStep.h"
#include "animate/CalculusTexts.h"
#include "animate/DefiniteIntegral.h"
#include "animate/RiemannSums.h"
#include "formula/AnimationState.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"

namespace {

using CalculusMath = StateTest;

std::string Fixed4(Extended v) { return rtl::FormatFloat("0.0000", v); }

TEST_F(CalculusMath, ApproachEndsAFinePointFromTheFixedOne) {
  struct Case {
    Extended p, q;
    Extended end;
  } cases[] = {{0, 1, 0.001L}, {1, 0, 1 - 0.001L}, {0.3L, 1.3L, 0.301L}, {-2, -7, -2.001L}};
  for (const Case& c : cases) {
    Extended q = c.q;
    int ticks = 0;
    ApproachResult r;
    do {
      r = ApproachStep(c.p, q);
      ++ticks;
      ASSERT_LT(ticks, 100000) << "p " << double(c.p);
      if (r == ApproachResult::Moved) {
        EXPECT_LT(std::fabs(q - c.p), std::fabs(c.q - c.p));
      }
    } while (r == ApproachResult::Moved);
    EXPECT_EQ(r, ApproachResult::Ended);
    EXPECT_NEAR(double(q), double(c.end), 1e-15);
    if (std::fabs(c.q - c.p) == 1) {
      EXPECT_EQ(ticks, 266);
    }
  }
  Extended same = 2;
  EXPECT_EQ(ApproachStep(2, same), ApproachResult::Unchanged);
  EXPECT_EQ(same, 2);
}

TEST_F(CalculusMath, EnlargementWhileCloserThanATwentiethOfTheView) {
  EXPECT_TRUE(ApproachWantsEnlargement(10, 0, 0.4L));
  EXPECT_FALSE(ApproachWantsEnlargement(10, 0, 0.5L));
  EXPECT_FALSE(ApproachWantsEnlargement(10, 0, -0.6L));
}

TEST_F(CalculusMath, QuotientTexts) {
  EXPECT_EQ(XValueText(1), "1.0000");
  EXPECT_EQ(YValueText(4), "4.0000000");
  EXPECT_EQ(QuotientText(3, 1), "3.0000");
  // x^2 from A = 1 to B = 1.001: the slope shown at the end of B -> A.
  EXPECT_EQ(QuotientText(1.001L * 1.001L - 1, 0.001L), "2.0010");
  EXPECT_EQ(QuotientText(1, 0), "********");
  EXPECT_EQ(QuotientText(1, 0.00004L), "********");  // shows as 0.0000
}

TEST_F(CalculusMath, DivisionSteps) {
  struct Case {
    int n;
    bool up;
    int after;
  } cases[] = {{19, true, 20}, {20, true, 22},  {99, true, 109},  {100, true, 110},   {150, true, 170},
               {25, true, 27}, {45, true, 49},  {250, true, 270}, {450, true, 490},   {2, false, 2},
               {3, false, 2},  {20, false, 18}, {100, false, 90}, {9990, false, 8990}};
  for (const Case& c : cases) {
    const std::optional<int32_t> n = StepDivisions(c.n, c.up);
    ASSERT_TRUE(n) << c.n;
    EXPECT_EQ(*n, c.after) << c.n << (c.up ? " up" : " down");
  }
  ASSERT_EQ(kMaxRiemannDivisions, 10000);
  EXPECT_EQ(StepDivisions(9090, true), std::optional<int32_t>(10000));
  EXPECT_FALSE(StepDivisions(9100, true));  // 10010 is refused
  EXPECT_FALSE(StepDivisions(kMaxRiemannDivisions, true));
}

struct SumRow {
  const char* f;
  Extended a, b;
  int n;
  const char* expected[kSumKinds];  // maximum, minimum, trapezoid, Simpson, left, right, midpoint
};

std::string SumText(const std::string& f, int kind, Extended a, Extended b, int n) {
  EntryFunction fn(sj(f));
  Extended sum = 0;
  if (!WalkRiemannPieces(fn, kind, a, b, n, 0.01L, nullptr, sum)) return "undefined";
  return Fixed4(sum);
}

TEST_F(CalculusMath, SevenSums) {
  const SumRow rows[] = {
      {"x^2", 0, 1, 2, {"0.6250", "0.1250", "0.3750", "0.3333", "0.1250", "0.6250", "0.3125"}},
      {"x^2", 0, 1, 10, {"0.3850", "0.2850", "0.3350", "0.3333", "0.2850", "0.3850", "0.3325"}},
      {"x^2", -1, 1, 2, {"2.0000", "0.0000", "1.0000", "0.6667", "1.0000", "1.0000", "0.5000"}},
      {"x^2", -1, 2, 3, {"6.0000", "1.0000", "3.5000", "3.0000", "2.0000", "5.0000", "2.7500"}},
  };
  for (const SumRow& row : rows)
    for (int kind = 1; kind <= kSumKinds; ++kind)
      EXPECT_EQ(SumText(row.f, kind, row.a, row.b, row.n), row.expected[kind - 1])
          << row.f << " [" << double(row.a) << "," << double(row.b) << "] n " << row.n << " " << kSumCaptions[kind];
}

TEST_F(CalculusMath, LastPieceEndsAtTheUpperBound) {
  EntryFunction f(sj("x"));
  std::vector<RiemannPiece> pieces;
  Extended sum;
  ASSERT_TRUE(WalkRiemannPieces(
      f, kSumLeft, 0, 1, 3, 0.01L, [&](const RiemannPiece& p) { pieces.push_back(p); }, sum));
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].l, 0);
  EXPECT_EQ(pieces[1].l, pieces[0].r);
  EXPECT_EQ(pieces[2].r, 1);  // exactly, not 3 * (1/3)
}

TEST_F(CalculusMath, ATrapezoidAcrossAZeroKeepsItsValue) {
  EntryFunction f(sj("x"));
  RiemannPiece p;
  ASSERT_TRUE(EvaluatePiece(f, kSumTrapezoid, -1, 3, 0.01L, p));
  EXPECT_EQ(p.value, 4 * (-1 + 3) / 2);
}

TEST_F(CalculusMath, UndefinedPartOfTheIntervalStopsTheSum) {
  // sqrt(1-x) is undefined right of 1: the pieces before the first undefined one count.
  EntryFunction f(sj("sqrt(1-x)"));
  std::vector<Extended> lefts;
  Extended sum = 99;
  EXPECT_FALSE(WalkRiemannPieces(
      f, kSumLeft, 0, 2, 4, 0.01L, [&](const RiemannPiece& p) { lefts.push_back(p.l); }, sum));
  EXPECT_EQ(lefts, (std::vector<Extended>{0, 0.5L, 1}));
  EXPECT_EQ(Fixed4(sum), Fixed4(0.5L * (1 + std::sqrt(0.5L))));
  IntegralValues v;
  EXPECT_FALSE(ComputeIntegral(f, 0, 2, 0.01L, v));
  ASSERT_TRUE(ComputeIntegral(f, 0, 1, 0.01L, v));
  EXPECT_EQ(IntegralTextsOf(v).S.substr(0, 4), "0.66");
}

TEST_F(CalculusMath, DefiniteIntegralTexts) {
  struct Case {
    const char* f;
    Extended a, b;
    const char* S;
  } cases[] = {
      {"x^2", 0, 1, "0.3333333"},     {"x", 0, 1, "0.5000000"},    {"x^2", 0, 2, "2.6666667"},
      {"x", 0.3L, 1.1L, "0.5600000"}, {"x^3", -1, 1, "0.0000000"},
  };
  for (const Case& c : cases) {
    EntryFunction f(sj(c.f));
    IntegralValues v;
    ASSERT_TRUE(ComputeIntegral(f, c.a, c.b, 0.01L, v)) << c.f;
    EXPECT_EQ(IntegralTextsOf(v).S, c.S) << c.f;
  }
  EntryFunction sine(sj("sin(x)"));
  IntegralValues v;
  ASSERT_TRUE(ComputeIntegral(sine, 0, PiValue, 0.01L, v));
  EXPECT_NEAR(double(v.S), 2, 2e-7);
  EXPECT_EQ(SumText("sin(x)", kSumSimpson, 0, PiValue, 10), "2.0000");
  EntryFunction square(sj("x^2"));
  ASSERT_TRUE(ComputeIntegral(square, -1, 2, 0.01L, v));
  const IntegralTexts t = IntegralTextsOf(v);
  EXPECT_EQ(t.h, "3.000");
  EXPECT_EQ(t.mean, "1.0000");
  EXPECT_EQ(t.maximum, "4.0000");
  EXPECT_EQ(t.minimum, "0.0000");
  // h = 0.001 exactly: the mean is S * 1000.
  ASSERT_TRUE(ComputeIntegral(square, 0, 0.001L, 0.01L, v));
  EXPECT_EQ(v.mean, v.S * 1000);
}

}  // namespace
