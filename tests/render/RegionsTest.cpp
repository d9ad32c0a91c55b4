// Shaded regions: which trees have an area, where the hatch lies on the picture, its
// spacing on screen and on paper, and the boundary pens.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "formula/Parser.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"
#include "render/ImplicitFixture.h"
#include "render/Regions.h"

using gfx::OpKind;
using gfx::RecordingCanvas;

namespace {

constexpr gfx::Color kHatch = 0x00A000, kBoundary = 0xFF0000, kGrey = 0xC0C0C0;

using Predicate = std::function<bool(double x, double y)>;

class RegionTest : public ImplicitTest {
 protected:
  static TreePtr Parse(const std::string& utf8) {
    TreePtr tree = ParseExpression(sj(utf8.c_str()), 3);
    EXPECT_TRUE(eng.ParseOK && tree) << utf8;
    return tree;
  }

  static void Draw(const std::string& relation, gfx::Canvas& c, std::uint8_t code, bool boundary = true) {
    DrawRegion(Parse(relation).get(), c, kBoundary, 0, boundary, code, 2, kHatch);
  }

  // The world point of a pixel of the 500 x 500 view.
  static bool At(const Predicate& holds, double px, double py) { return holds(-5 + px / 50, 5 - py / 50); }

  // Whether the region holds somewhere (everywhere) in the square of half-width r pixels.
  static bool Near(const Predicate& holds, int px, int py, int r) {
    for (int dx = -r; dx <= r; dx += r)
      for (int dy = -r; dy <= r; dy += r)
        if (At(holds, px + dx, py + dy)) return true;
    return false;
  }
  static bool Deep(const Predicate& holds, int px, int py, int r) {
    for (int dx = -r; dx <= r; dx += r)
      for (int dy = -r; dy <= r; dy += r)
        if (!At(holds, px + dx, py + dy)) return false;
    return true;
  }

  // Every pixel of the hatch colour lies on a hatch line of the code (12 pixels apart) and
  // within two pixels of the region; every pixel of such a line two pixels deep inside the
  // region has the hatch colour unless a boundary was drawn over it.
  static void ExpectHatched(const gfx::RasterCanvas& c, const Predicate& holds, std::uint8_t code) {
    int hatched = 0, stray = 0, missing = 0;
    for (int py = 0; py < c.Height(); ++py) {
      for (int px = 0; px < c.Width(); ++px) {
        const bool onLine = ((code & 1) && (px + py) % 12 == 0) || ((code & 2) && (py - px + 1200) % 12 == 0);
        const gfx::Color colour = c.Pixel(px, py);
        if (colour == kHatch) {
          ++hatched;
          if (!onLine || !Near(holds, px, py, 2)) ++stray;
        } else if (onLine && px >= 2 && py >= 2 && px < 498 && py < 498 && Deep(holds, px, py, 2) &&
                   colour != kBoundary && colour != kGrey) {
          ++missing;
        }
      }
    }
    EXPECT_GT(hatched, 50);
    EXPECT_EQ(stray, 0);
    EXPECT_EQ(missing, 0);
  }
};

TEST_F(RegionTest, InequalitiesAndOrAndTheirCombinationsHaveAnArea) {
  const std::pair<const char*, bool> cases[] = {
      {"x^2+y^2<1", true},          {"y>=x", true},           {"x<>y", true},
      {"y=x", false},               {"(y>x)and(y=1)", false}, {"(y>x)∩(y<1)", true},
      {"(y>x)∪(y=1)", true},        {"(y>x)or(y=1)", true},   {"0<x<1", true},
      {"(y>x)+(y<-x)", true},       {"(y=x)+(y=-x)", false},  {"2(y>x)", false},
  };
  for (const auto& [relation, area] : cases) {
    EXPECT_EQ(TreeHasRegion(Parse(relation).get()), area) << relation;
  }
  EXPECT_FALSE(TreeHasRegion(nullptr));
}

TEST_F(RegionTest, TheHatchFillsTheRegionToItsEdgeAndNothingElse) {
  const auto above = [](double x, double y) { return y > x; };
  const auto disc = [](double x, double y) { return x * x + y * y < 1; };
  struct Case {
    const char* relation;
    std::uint8_t code;
    Predicate holds;
  };
  const Case cases[] = {
      {"y>x", 1, above},
      {"x^2+y^2<1", 2, disc},
      {"x^2+y^2<=1", 3, disc},
      {"(y>x)and(x^2+y^2<1)", 3, [&](double x, double y) { return above(x, y) && disc(x, y); }},
      {"(y>x)∩(x^2+y^2<1)", 1, [&](double x, double y) { return above(x, y) && disc(x, y); }},
      {"(y>x)or(x^2+y^2<1)", 2, [&](double x, double y) { return above(x, y) || disc(x, y); }},
      {"(y>x)∪(x^2+y^2<1)", 3, [&](double x, double y) { return above(x, y) || disc(x, y); }},
      {"(y<-x)+(x^2+y^2<1)", 3, [&](double x, double y) { return y < -x || disc(x, y); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.relation);
    gfx::RasterCanvas c(500, 500);
    Draw(k.relation, c, k.code);
    ExpectHatched(c, k.holds, k.code);
  }
}

TEST_F(RegionTest, NothingIsShadedOutsideTheView) {
  gfx::RasterCanvas c(540, 540);
  Draw("y>x-20", c, 3, false);
  int inside = 0;
  for (int py = 0; py < 540; ++py)
    for (int px = 0; px < 540; ++px) {
      if (c.Pixel(px, py) != kHatch) continue;
      EXPECT_TRUE(px <= 500 && py <= 500) << px << "," << py;
      ++inside;
    }
  EXPECT_GT(inside, 5000);
}

TEST_F(RegionTest, StrictBoundariesAreGreyAndTheOthersInTheBoundaryColour) {
  struct Case {
    const char* relation;
    int px, py;  // a pixel on the boundary
    gfx::Color colour;
  };
  const Case cases[] = {
      {"y>x", 250, 250, kGrey},          {"y>=x", 250, 250, kBoundary},
      {"x^2+y^2<1", 250, 200, kGrey},    {"x^2+y^2<=1", 250, 200, kBoundary},
      {"(y>x)+(x^2+y^2<=1)", 250, 200, kBoundary},
  };
  for (const Case& k : cases) {
    gfx::RasterCanvas c(500, 500);
    Draw(k.relation, c, 1);
    EXPECT_EQ(c.Pixel(k.px, k.py), k.colour) << k.relation;
    EXPECT_EQ(c.pen.color, kBoundary);
    EXPECT_EQ(c.pen.width, 2);
  }
}

TEST_F(RegionTest, OnPaperTheLinesFollowTheDensityAndThePrintScale) {
  struct Case {
    std::uint8_t density;
    float scale;
    int spacing;
  };
  const Case cases[] = {{0, 1, 120}, {1, 1, 60}, {2, 1, 30}, {1, 2, 30}, {2, 2, 15}};
  View(-5, 5, -5, 5, 600, 3000);
  for (const Case& k : cases) {
    RecordingCanvas screen, paper(600, 3000);
    doc.RegionDensity[0] = k.density;
    settings.PrintScale = k.scale;
    settings.OutputScale = k.scale;
    OnPaper(paper, true, [&] { Draw("y>-100", screen, 1, false); });
    EXPECT_TRUE(screen.Ops().empty());
    std::set<int> lines;
    for (const gfx::RecordedOp& op : paper.OpsOf(OpKind::Polyline)) {
      lines.insert(op.points[0].x + op.points[0].y);
      EXPECT_EQ(op.pen.color, kHatch);
      EXPECT_EQ(op.pen.width, static_cast<int>(k.scale));
    }
    ASSERT_GT(lines.size(), 2u);
    for (const int o : lines) EXPECT_EQ(o % k.spacing, 0) << o;
    EXPECT_EQ(*lines.begin(), k.spacing);
  }
}

TEST_F(RegionTest, ThePrintPictureIsHatchedInsideTheRegion) {
  View(-5, 5, -5, 5, 1000, 1000);
  gfx::RasterCanvas paper(1000, 1000);
  RecordingCanvas screen;
  settings.PrintScale = 2;
  settings.OutputScale = 2;
  OnPaper(paper, true, [&] { Draw("x^2+y^2<1", screen, 1); });
  EXPECT_TRUE(screen.Ops().empty());
  int inside = 0, outside = 0;
  for (int py = 0; py < 1000; ++py)
    for (int px = 0; px < 1000; ++px) {
      if (paper.Pixel(px, py) != kHatch) continue;
      const double x = (px - 500) / 100.0, y = (500 - py) / 100.0;
      (std::hypot(x, y) < 1.03 ? inside : outside) += 1;  // the pen is two pixels wide here
    }
  EXPECT_GT(inside, 1000);  // lines 10 pixels apart over a disc of radius 100
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(paper.Pixel(500, 400), kGrey);  // the strict boundary
}

}  // namespace
