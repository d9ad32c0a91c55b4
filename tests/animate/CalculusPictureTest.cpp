// What the calculus pictures leave on the bitmaps: the colours of the pieces by sign,
// hatches that stay inside their areas, and the same shading on the print picture.
#include <map>
#include <string>

#include "CalculusFixture.h"
#include "animate/CalculusTexts.h"
#include "animate/RiemannSums.h"
#include "platform/Runtime.h"
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

TEST_F(CalculusPictureTest, ShadingStaysBetweenTheBoundsAndNeedsANumber) {
  const struct {
    const char *f, *a, *b;
  } rows[] = {{"1/x", "-1", "1"}, {"1/(x-0.5)", "-1", "2"}, {"1/x", "0", "1"},     {"sqrt(x)", "-1", "1"},
              {"x^2", "0", "2"},  {"sin(x)", "-1", "2"},    {"exp(x)", "0", "50"}, {"1/(x-0.515)", "-1", "2"}};
  for (const auto& row : rows) {
    for (int kind = 0; kind <= kSumKinds; ++kind) {
      model.reset();
      doc.EntryCount = 0;
      doc.KindCounts[kKindExplicit] = 0;
      doc.ViewRange = {};
      UpdatePixelSize(1);
      std::string value;
      if (kind == 0) {  // the integral
        modes.IntegralStarted = 1;
        anim.IntegralTexts[3] = row.a;
        anim.IntegralTexts[4] = row.b;
        Open(CalculusSet::Integral, row.f, {});
        value = model->Integral.S;
      } else {
        Riemann(row.f, row.a, row.b, kind, 10);
        value = model->SumText(kind);
      }
      const int left = WorldToScreenX(rtl::StrToFloatDef(row.a, 0));
      const int right = WorldToScreenX(rtl::StrToFloatDef(row.b, 0));
      int outside = 0, inside = 0;
      const gfx::Canvas& c = CompositeCanvas();
      for (int px = 0; px < c.Width(); ++px)
        for (int py = 0; py < c.Height(); ++py) {
          const gfx::Color colour = c.Pixel(px, py);
          if (colour != kPositive && colour != kNegative) continue;
          ++(px < left || px > right ? outside : inside);
          // The bound lines are drawn whatever the value.
          if (px == left || px == right) --inside;
        }
      const std::string where = std::string(row.f) + " [" + row.a + "," + row.b + "] kind " + std::to_string(kind);
      EXPECT_EQ(outside, 0) << where;
      if (value == kNoValueText) {
        EXPECT_EQ(inside, 0) << where;
      }
      if (std::string(row.f) == "x^2") {
        EXPECT_GT(inside, 0) << where;
      }
    }
  }
}

TEST_F(CalculusPictureTest, UndefinedAtABoundTheGraphStaysAsItIs) {
  modes.IntegralStarted = 1;
  anim.IntegralTexts[3] = "0";
  anim.IntegralTexts[4] = "1";
  Open(CalculusSet::Integral, "1/x", {});
  EXPECT_EQ(model->Integral.S, kNoValueText);
  EXPECT_EQ(model->Integral.mean, kNoValueText);
  const auto all =
      Colours(CompositeCanvas(), doc.ViewRange.XMin, doc.ViewRange.YMin, doc.ViewRange.XMax, doc.ViewRange.YMax);
  EXPECT_GT(all.count(static_cast<gfx::Color>(doc.FigureTable[1].color)), 0u);  // the curve
  EXPECT_EQ(all.count(kPositive) + all.count(kNegative), 0u);                   // nothing else
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
