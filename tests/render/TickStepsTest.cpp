#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "render/TickSteps.h"
#include "render/ToolkitFixture.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST(TickTables, DecimalStepsSaturateAtBothEnds) {
  const struct {
    int i;
    Extended step;
  } cases[] = {{-11, 0.0002L}, {-10, 0.0002L}, {-9, 0.0005L}, {-7, 0.005L}, {-4, 0.04L}, {-3, 0.05L},
               {0, 0.5L},      {1, 1},         {3, 4},        {6, 25},      {14, 10000},  {15, 10000},
               {-1000, 0.0002L}, {1000, 10000}};
  for (const auto& c : cases) EXPECT_EQ(DecimalTickStep(c.i), c.step) << c.i;
}

TEST(TickTables, PiFractions) {
  const struct {
    int i;
    Extended fraction;
  } degree[] = {{0, 1.0L / 8}, {-1, 1.0L / 12}, {-2, 1.0L / 36}, {-8, 1.0L / 2880}, {-9, 1.0L / 4096},
                {2, 1.0L / 2}, {5, 4}};
  for (const auto& c : degree) EXPECT_EQ(PiTickFraction(c.i), c.fraction) << c.i;

  const struct {
    int i, p, q;
  } pi[] = {{1, 1, 4}, {3, 1, 1}, {5, 4, 1}, {-2, 1, 32}, {kMinTickIndex, 1, 1 << 30}, {kMaxTickIndex, 1 << 30, 1}};
  for (const auto& c : pi) {
    const TPiFraction f = PiFractionStep(c.i);
    EXPECT_EQ(f.p, c.p) << c.i;
    EXPECT_EQ(f.q, c.q) << c.i;
  }
}

TEST(TickTables, NumberFormats) {
  const struct {
    int i;
    const char* format;
  } cases[] = {{-20, "0.0000"}, {-9, "0.0000"}, {-8, "0.000"}, {-7, "0.000"}, {-6, "0.00"},
               {-3, "0.00"},    {-2, "0.0"},    {0, "0.0"},    {1, "0"},      {14, "0"}};
  for (const auto& c : cases) EXPECT_STREQ(NumberFormatForIndex(c.i), c.format) << c.i;
}

class TickIndexTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ReferenceHeight = 500;
  }
  void TearDown() override { ReferenceHeight = 0; }
};

TEST_F(TickIndexTest, FromViewSpanHeightDensityAndPrintScale) {
  // The view height in world units drawn at 500 pixels high.
  const struct {
    Extended span;
    int density;
    float outputScale;
    int index;
  } cases[] = {
      {10, 0, 1, 1},   // the default view: 10/π = 3.18
      {5, 0, 1, 0},    // half the size: one step down
      {20, 0, 1, 2},
      {10, 1, 1, 2},   // coarser
      {10, -2, 1, -1}, // denser
      {2.5L, 0, 4, 1}, // printed at four times the pixels: the same ticks as on screen
      {0.001L, 0, 1, -12},
      {100000, 0, 1, 14},
  };
  for (const auto& c : cases) {
    settings.OutputScale = c.outputScale;
    EXPECT_EQ(TickIndex(c.span / 500, c.density), c.index) << c.span << " m=" << c.density;
  }
}

TEST_F(TickIndexTest, IndexOneExactlyFromTwoPiToFourPi) {
  const Extended twoPi = 2 * kPi;
  EXPECT_EQ(TickIndex(twoPi / 500 * (1 + 1e-12L), 0), 1);
  EXPECT_EQ(TickIndex(twoPi / 500 * (1 - 1e-12L), 0), 0);
  EXPECT_EQ(TickIndex(2 * twoPi / 500 * (1 - 1e-12L), 0), 1);
  EXPECT_EQ(TickIndex(2 * twoPi / 500 * (1 + 1e-12L), 0), 2);
}

TEST_F(TickIndexTest, WithoutAGraphWindowTheDrawingHeightStandsIn) {
  ReferenceHeight = 0;
  doc.GraphHeight = 1000;
  EXPECT_EQ(TickIndex(0.01L, 0), 1);  // 1000 * 0.01 = 10 units
}

TEST_F(TickIndexTest, DegenerateSizesTakeTheEndsOfTheRange) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  EXPECT_EQ(TickIndex(0, 0), kMinTickIndex);
  EXPECT_EQ(TickIndex(-1, 0), kMinTickIndex);
  EXPECT_EQ(TickIndex(std::numeric_limits<Extended>::quiet_NaN(), 0), kMinTickIndex);
  EXPECT_EQ(TickIndex(inf, 0), kMaxTickIndex);
  EXPECT_EQ(TickIndex(1e-300L, 0), kMinTickIndex);
  EXPECT_EQ(TickIndex(1e300L, 0), kMaxTickIndex);
}

TEST_F(TickIndexTest, StepsByUnitKeepTheDecimalStepForSnapping) {
  // Default view: index 1 on both axes.
  doc.XAxisUnit = 2;
  doc.YAxisUnit = 4;
  const TAxisTicks x = XAxisTicks(), y = YAxisTicks();
  EXPECT_EQ(eng.XTickStep, 1.0f);
  EXPECT_EQ(eng.YTickStep, 1.0f);
  EXPECT_EQ(x.fraction.p, 1);
  EXPECT_EQ(x.fraction.q, 4);
  EXPECT_EQ(x.Spacing(), kPi / 4);
  EXPECT_EQ(y.step, 0.25L * 2 / 3);
  EXPECT_EQ(y.factor, kPi);

  // Decimal steps are kept in single precision, as the tick step variables are.
  View(-0.5L, 0.5L, -0.5L, 0.5L, 500, 500);
  doc.XAxisUnit = 1;
  const TAxisTicks d = XAxisTicks();
  EXPECT_EQ(d.index, -2);
  EXPECT_EQ(d.step, static_cast<Extended>(0.1f));
  EXPECT_EQ(eng.XTickStep, 0.1f);
  EXPECT_EQ(AxisTickStep(1, 3).Spacing(), kPi / 4);
}

TEST(TickRanges, UsableOnlyForFiniteModestRanges) {
  TTickRange r = TickRange(-5, 5, 1);
  EXPECT_TRUE(r.usable);
  EXPECT_EQ(r.first, -5);
  EXPECT_EQ(r.last, 5);
  r = TickRange(-4.5L, 4.5L, 1);
  EXPECT_EQ(r.first, -5);
  EXPECT_EQ(r.last, 4);
  r = TickRange(1.2L, 11.7L, kPi / 4);
  EXPECT_EQ(r.first, 1);
  EXPECT_EQ(r.last, 14);

  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  EXPECT_FALSE(TickRange(-1e30L, 1e30L, 10000).usable);  // more ticks than pixels by far
  EXPECT_FALSE(TickRange(1e20L, 1e20L + 1, 0.5L).usable); // tick numbers beyond exact steps
  EXPECT_FALSE(TickRange(nan, 5, 1).usable);
  EXPECT_FALSE(TickRange(-5, 5, 0).usable);
  EXPECT_FALSE(TickRange(5, -5, 1).usable);
  EXPECT_TRUE(TickRange(0, kMaxTicksPerAxis, 1).usable);
  EXPECT_FALSE(TickRange(0, kMaxTicksPerAxis + 1, 1).usable);
}

}  // namespace
