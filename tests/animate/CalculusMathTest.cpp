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

TEST_F(CalculusMath, NumbersTooLongForAPanelTakeTheExponentForm) {
  EXPECT_EQ(YValueText(-1234567.25L), "-1234567.2500000");  // 16 characters fit
  EXPECT_EQ(YValueText(12345678.25L), "12345678.2500000");
  EXPECT_EQ(YValueText(-12345678.25L), "-1.2345678E+07");
  EXPECT_EQ(YValueText(5197526113603270530000.0L), "5.1975261E+21");
  EXPECT_EQ(YValueText(-5197526113603270530000.0L), "-5.1975261E+21");
  EXPECT_EQ(XValueText(99999999999999.99999L), "1.0000E+14");
  EXPECT_EQ(XValueText(-1e200L), "-1.0000E+200");
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
  EXPECT_EQ(StepDivisions(9100, true), std::optional<int32_t>(10000));  // not 10010
  EXPECT_FALSE(StepDivisions(kMaxRiemannDivisions, true));
  EXPECT_EQ(StepDivisions(kMaxRiemannDivisions, false), std::optional<int32_t>(9000));
  // Held from 2, the count ends on the limit itself.
  int32_t n = 2, steps = 0;
  while (const std::optional<int32_t> next = StepDivisions(n, true)) {
    ASSERT_GT(*next, n);
    n = *next;
    ASSERT_LT(++steps, 1000);
  }
  EXPECT_EQ(n, kMaxRiemannDivisions);
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
  if (!WalkRiemannPieces(fn, kind, a, b, n, 0.01L, nullptr, sum)) return kNoValueText;
  return ValueText("0.0000", sum);
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

TEST_F(CalculusMath, PolesUndefinedValuesAndLongNumbers) {
  struct Row {
    const char* f;
    Extended a, b;
    const char* S;
    const char* sums[kSumKinds];  // n = 10: maximum, minimum, trapezoid, Simpson, left, right, midpoint
  };
  const char* const no = kNoValueText;
  const Row rows[] = {
      // Poles on the grid of the pieces: only the midpoints miss them.
      {"1/x", -1, 1, no, {no, no, no, no, no, no, "0.0000"}},
      {"1/(x-0.5)", -1, 2, no, {no, no, no, no, no, no, "0.0000"}},
      // A pole between the points: the extrema and the integral have none.
      {"1/(x-0.515)", -1, 2, no, {no, no, "-19.8554", "-6.3000", "-20.0554", "-19.6553", "0.4776"}},
      // Undefined at a bound.
      {"1/x", 0, 1, no, {no, no, no, no, no, "2.9290", "4.2665"}},
      {"sqrt(x)", -1, 1, no, {no, no, no, no, no, no, no}},
      {"x^2", 0, 2, "2.6666667", {"3.0800", "2.2800", "2.6800", "2.6667", "2.2800", "3.0800", "2.6600"}},
      {"sin(x)", -1, 2, "0.9564492", {"1.2391", "0.6619", "0.9493", "0.9565", "0.6866", "1.2119", "0.9600"}},
      {"exp(x)",
       0,
       50,
       "5.1975261E+21",
       {"2.6099E+22", "1.7586E+20", "1.3138E+22", "5.8075E+21", "1.7586E+20", "2.6099E+22", "2.1424E+21"}},
  };
  for (const Row& row : rows) {
    EntryFunction f(sj(row.f));
    IntegralValues v;
    ComputeIntegral(f, row.a, row.b, 0.01L, v);
    const IntegralTexts t = IntegralTextsOf(v);
    EXPECT_EQ(t.S, row.S) << row.f << " [" << double(row.a) << "," << double(row.b) << "]";
    if (!v.defined) {
      EXPECT_EQ(t.mean, no);
      EXPECT_EQ(t.maximum, no);
      EXPECT_EQ(t.minimum, no);
      EXPECT_EQ(t.h, ValueText("0.000", row.b - row.a));
    }
    for (int kind = 1; kind <= kSumKinds; ++kind)
      EXPECT_EQ(SumText(row.f, kind, row.a, row.b, 10), row.sums[kind - 1])
          << row.f << " [" << double(row.a) << "," << double(row.b) << "] " << kSumCaptions[kind];
  }
  EntryFunction e(sj("exp(x)"));
  IntegralValues v;
  ASSERT_TRUE(ComputeIntegral(e, 0, 50, 0.01L, v));
  const IntegralTexts t = IntegralTextsOf(v);
  EXPECT_EQ(t.mean, "1.0395E+20");
  EXPECT_EQ(t.maximum, "5.1847E+21");
  EXPECT_EQ(t.minimum, "1.0000");
}

TEST_F(CalculusMath, AWalkEndsWhereFCrossesAPole) {
  struct Case {
    const char* f;
    Extended from, to;
    bool steps;
  } cases[] = {{"1/x", -0.1L, 0.1L, false},   {"1/x^2", -0.1L, 0.1L, false}, {"tan(x)", 1.5L, 1.6L, false},
               {"sgn(x)", -0.1L, 0.1L, true}, {"x^2", -0.1L, 0.1L, true},    {"1/x", 0.1L, 0.2L, true}};
  for (const Case& c : cases) {
    EntryFunction f(sj(c.f));
    Extended y;
    f.StartWalk(c.from);
    EXPECT_TRUE(f.StepTo(c.from, y)) << c.f;
    EXPECT_EQ(f.StepTo(c.to, y), c.steps) << c.f;
  }
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
  // The ends are not sums of widths: the piece meant to start at 0 does.
  for (int n : {10, 30, 70}) EXPECT_EQ(PieceEnd(-1, 1, n / 2, n), 0) << n;
  EXPECT_EQ(PieceEnd(-1, 2, 15, 30), 0.5L);
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
