// What the calculus pictures leave on the bitmaps: the colours of the pieces by sign,
// hatches that stay inside their areas, and the same shading on the print picture.
#include <map>

#include "CalculusFixture.h"
#include "animate/RiemannSums.h"
#include "render/RedrawPipeline.h"

namespace {

constexpr gfx::Color kPositive = 0x408000, kNegative = 0x8000FF;

struct CalculusPictureTest : CalculusTest {
  void SetUp() override {
    CalculusTest::SetUp();
    // No grid and no axes: the pixels read back belong to the pictures.
    doc.GridSettings.kind = 0;
    doc.XAxisShown = doc.YAxisShown = 0;
    doc.AxisTicksShown = doc.AxisNumbersShown = 0;
  }
  // Colours found in the box of world coordinates on the canvas.
  static std::map<gfx::Color, int> Colours(const gfx::Canvas& c, Extended x1, Extended y1, Extended x2, Extended y2) {
    std::map<gfx::Color, int> found;
    for (int px = WorldToScreenX(x1); px <= WorldToScreenX(x2); ++px)
      for (int py = WorldToScreenY(y2); py <= WorldToScreenY(y1); ++py) ++found[c.Pixel(px, py)];
    return found;
  }
  // A Riemann window over [a, b] with the kind and n, painted.
  void Riemann(const std::string& f, const char* a, const char* b, int kind, int n) {
    modes.RiemannStarted = 1;
    anim.IntegralTexts[1] = a;
    anim.IntegralTexts[2] = b;
    anim.RiemannDivisions = n;
    settings.RiemannSumKind = static_cast<uint8_t>(kind);
    Open(CalculusSet::Riemann, f, {});
  }
};

TEST_F(CalculusPictureTest, ATrapezoidAcrossAZeroIsTwoTrianglesOfTheirSigns) {
  Riemann("x", "-4", "4", kSumTrapezoid, 1);
  EXPECT_EQ(model->SumText(kSumTrapezoid), "0.0000");
  const auto lower = Colours(CompositeCanvas(), -3.9L, -3.5L, -0.5L, -0.1L);
  const auto upper = Colours(CompositeCanvas(), 0.5L, 0.1L, 3.9L, 3.5L);
  EXPECT_GT(lower.count(kNegative), 0u);
  EXPECT_EQ(lower.count(kPositive), 0u);
  EXPECT_GT(upper.count(kPositive), 0u);
  EXPECT_EQ(upper.count(kNegative), 0u);
  // Outside the triangles nothing is hatched.
  const auto outside = Colours(CompositeCanvas(), -3.9L, 0.2L, -0.5L, 3.5L);
  EXPECT_EQ(outside.count(kNegative) + outside.count(kPositive), 0u);
}

TEST_F(CalculusPictureTest, NoSumChosenDrawsOnlyTheBoundLines) {
  Riemann("x^2/4+1", "-2", "3", kSumNone, 4);
  const auto inside = Colours(CompositeCanvas(), -1.5L, 0.2L, 2.5L, 1);
  EXPECT_EQ(inside.count(kPositive), 0u);
  const auto atA = Colours(CompositeCanvas(), -2, 0.2L, -2, 1.9L);
  EXPECT_GT(atA.count(kPositive), 0u);
  const auto atB = Colours(CompositeCanvas(), 3, 0.2L, 3, 3.2L);
  EXPECT_GT(atB.count(kPositive), 0u);
}

TEST_F(CalculusPictureTest, SimpsonStripsAreHatchedBetweenParabolaAndAxisOnly) {
  Riemann("x^2/4+1", "-4", "4", kSumSimpson, 2);
  EXPECT_EQ(model->SumText(kSumSimpson), "18.6667");
  EXPECT_GT(Colours(CompositeCanvas(), -3.5L, 0.2L, -0.5L, 1.2L)[kPositive], 20);
  // Above the parabola and below the axis the picture stays white.
  const auto above = Colours(CompositeCanvas(), -1, 3.5L, 1, 4.8L);
  const auto below = Colours(CompositeCanvas(), -3.5L, -4.5L, 3.5L, -0.3L);
  EXPECT_EQ(above.size(), 1u);
  EXPECT_EQ(below.size(), 1u);
}

TEST_F(CalculusPictureTest, TheIntegralShadesEachSignInItsColour) {
  modes.IntegralStarted = 1;
  anim.IntegralTexts[3] = "-3";
  anim.IntegralTexts[4] = "2";
  Open(CalculusSet::Integral, "x", {});
  EXPECT_EQ(model->Integral.S, "-2.5000000");
  EXPECT_EQ(doc.ViewRange.XMin, -3);  // centred on b's point (2, 2)
  const auto negative = Colours(CompositeCanvas(), -2.5L, -2, -0.6L, -0.3L);
  const auto positive = Colours(CompositeCanvas(), 0.6L, 0.3L, 1.8L, 1);
  EXPECT_GT(negative.count(kNegative), 0u);
  EXPECT_EQ(negative.count(kPositive), 0u);
  EXPECT_GT(positive.count(kPositive), 0u);
  EXPECT_EQ(positive.count(kNegative), 0u);
  // Left of a nothing is shaded.
  const auto left = Colours(CompositeCanvas(), -7.5L, -2, -3.3L, 2);
  EXPECT_EQ(left.count(kPositive) + left.count(kNegative), 0u);
}

TEST_F(CalculusPictureTest, ThePrintPictureIsShadedThroughRegions) {
  modes.IntegralStarted = 1;
  anim.IntegralTexts[3] = "-3";
  anim.IntegralTexts[4] = "2";
  Open(CalculusSet::Integral, "x", {});
  for (CalculusSet set : {CalculusSet::Integral, CalculusSet::Riemann}) {
    if (set == CalculusSet::Riemann) {
      model.reset();
      doc.EntryCount = 0;
      Riemann("x", "-3", "2", kSumLeft, 5);
    }
    gfx::RasterCanvas paper(200, 200);
    paper.FillRect({0, 0, 200, 200});
    settings.MetafileCanvas = &paper;
    settings.DrawToMetafile = 1;
    RedrawAll();
    settings.DrawToMetafile = 0;
    settings.MetafileCanvas = nullptr;
    EXPECT_GT(Colours(paper, 0.6L, 0.3L, 1.8L, 0.5L).count(kPositive), 0u) << int(set);
    EXPECT_GT(Colours(paper, -2.5L, -2.5L, -1.2L, -0.3L).count(kNegative), 0u) << int(set);
  }
}

}  // namespace
