// Curves that cross themselves: every branch is drawn right up to the crossing, by the
// closed forms and by the tracer, in views where the crossing falls on a pixel and off
// one, on square and oblong pixels, near the view's edge, with thin and wide pens.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "formula/Numeric.h"
#include "platform/RasterCanvas.h"
#include "render/ImplicitFixture.h"
#include "render/ImplicitTracing.h"
#include "render/TraceCrossings.h"

namespace {

constexpr gfx::Color kPen = 0xFF0000;
constexpr Extended kPi = std::numbers::pi_v<Extended>;

struct NodeCase {
  const char* relation;
  Extended nodeX, nodeY;
  Extended x0, x1, y0, y1;
  int width, height;
  int pen;
};

constexpr const char* kFolium = "x^3+y^3=3xy";
constexpr const char* kLemniscate = "(x^2+y^2)^2=2(x^2-y^2)";
constexpr const char* kNodalCubic = "y^2=x^2*(x+1)";
constexpr const char* kSines = "sin(x)=sin(y)";

// The four curves in plain views, with both pens.
const NodeCase kPlainViews[] = {
    {kFolium, 0, 0, -5, 5, -5, 5, 600, 600, 1},
    {kFolium, 0, 0, -5, 5, -5, 5, 600, 600, 2},
    {kFolium, 0, 0, -5.4L, 5.4L, -5.4L, 5.4L, 800, 600, 1},
    {kFolium, 0, 0, -5.4L, 5.4L, -5.4L, 5.4L, 800, 600, 2},
    {kFolium, 0, 0, -1.37L, 2.11L, -0.93L, 2.29L, 500, 400, 2},
    {kLemniscate, 0, 0, -2, 2, -2, 2, 600, 600, 1},
    {kLemniscate, 0, 0, -1.63L, 1.91L, -1.21L, 1.37L, 700, 500, 2},
    {kNodalCubic, 0, 0, -2, 2, -2, 2, 600, 600, 1},
    {kNodalCubic, 0, 0, -1.13L, 0.97L, -0.71L, 1.03L, 800, 600, 2},
    {kSines, kPi / 2, kPi / 2, -5, 5, -5, 5, 600, 600, 1},
    {kSines, -kPi / 2, -kPi / 2, -5, 5, -5, 5, 600, 600, 2},
};

// Views where a trace used to end short of the crossing: on its own last stroke (a wide
// pen), or on the other branch's stroke with no other trace to draw what lies beyond.
const NodeCase kTracedViews[] = {
    {kLemniscate, 0, 0, -0.911559065L, 2.00953774L, -0.9413156L, 2.43531113L, 462, 301, 2},
    {kLemniscate, 0, 0, -1.95292353L, 1.10357977L, -2.46857787L, 0.0729986413L, 499, 362, 2},
    {kNodalCubic, 0, 0, -1.11793508L, 2.34410105L, -2.14536784L, 0.0551297136L, 713, 605, 2},
    {"cos(x)=cos(y)", 0, 0, -2.13097576L, 0.619970287L, -1.71893831L, 0.0552069739L, 307, 376, 2},
    // Three branches through the origin.
    {"(x^2+y^2)^2=3x^2*y-y^3", 0, 0, -4.5445174L, 2.33948529L, -4.23279611L, 4.39867772L, 614, 590, 1},
    {"(x^2+y^2)^2=3x^2*y-y^3", 0, 0, -3.28510678L, 5.33377445L, -5.29474118L, 2.11968506L, 539, 618, 2},
};

class CurveNodesTest : public ImplicitTest {
 protected:
  // Points of the curve G = 0 about the crossing: on circles of half a pixel to `pixels`
  // pixels, where G changes sign between neighbours of 1440 angles, refined by halving.
  static std::vector<TracePoint> CurveAbout(Tfrec*& G, Extended cx, Extended cy, int pixels) {
    std::vector<TracePoint> points;
    constexpr int kAngles = 1440;
    for (int half = 1; half <= 2 * pixels; ++half) {
      const Extended rho = half / 2.0L;
      const auto at = [&](Extended a) {
        return TracePoint{cx + rho * std::cos(a) * doc.PixelSizeX, cy + rho * std::sin(a) * doc.PixelSizeY, true};
      };
      // Where G is not drawable the angle counts as on the curve, so no change of sign
      // across it is taken.
      const auto value = [&](Extended a) {
        const TracePoint p = at(a);
        const Extended v = EvaluateTree(G, p.x, p.y, 0);
        return eng.EvalDrawable ? v : 0;
      };
      for (int k = 0; k < kAngles; ++k) {
        Extended a = 2 * kPi * k / kAngles, b = 2 * kPi * (k + 1) / kAngles;
        Extended fa = value(a);
        const Extended fb = value(b);
        if (fa == 0 || fb == 0 || Sign(fa) == Sign(fb)) continue;
        for (int round = 0; round < 40; ++round) {
          const Extended m = (a + b) / 2, fm = value(m);
          if (Sign(fm) == Sign(fa))
            a = m, fa = fm;
          else
            b = m;
        }
        points.push_back(at((a + b) / 2));
      }
    }
    return points;
  }

  // The points of the curve within 20 pixels of the crossing, and inside the picture,
  // that lie farther than two pixels from every pixel of the pen colour.
  static std::vector<TracePoint> Uncovered(const gfx::RasterCanvas& c, const NodeCase& k) {
    Tfrec* G = Difference(k.relation);
    std::vector<TracePoint> uncovered;
    for (const TracePoint& p : CurveAbout(G, k.nodeX, k.nodeY, 20)) {
      const int px = WorldToScreenX(p.x), py = WorldToScreenY(p.y);
      if (px < 2 || py < 2 || px >= k.width - 2 || py >= k.height - 2) continue;
      bool covered = false;
      for (int dx = -2; dx <= 2 && !covered; ++dx)
        for (int dy = -2; dy <= 2 && !covered; ++dy)
          covered = dx * dx + dy * dy <= 4 && c.Pixel(px + dx, py + dy) == kPen;
      if (!covered) uncovered.push_back(p);
    }
    DisposeTree(G);
    return uncovered;
  }

  static std::string Describe(const NodeCase& k, const std::vector<TracePoint>& uncovered) {
    std::string s = std::string(k.relation) + " in " + std::to_string(k.width) + "x" + std::to_string(k.height) +
                    " from x = " + std::to_string(static_cast<double>(k.x0)) + ", pen " + std::to_string(k.pen) +
                    ": " + std::to_string(uncovered.size()) + " points uncovered";
    if (!uncovered.empty())
      s += ", the first at pixel " + std::to_string(WorldToScreenX(uncovered[0].x)) + "," +
           std::to_string(WorldToScreenY(uncovered[0].y));
    return s;
  }

  template <typename Draw>
  static void CheckNodes(std::span<const NodeCase> cases, Draw draw) {
    for (const NodeCase& k : cases) {
      View(k.x0, k.x1, k.y0, k.y1, k.width, k.height);
      gfx::RasterCanvas c(k.width, k.height);
      c.pen = gfx::Pen{kPen, k.pen};
      draw(k.relation, c);
      const std::vector<TracePoint> uncovered = Uncovered(c, k);
      EXPECT_TRUE(uncovered.empty()) << Describe(k, uncovered);
    }
  }

  static void Drawn(const std::string& relation, gfx::Canvas& c) { Plot(relation, c); }

  // The tracer alone, whatever closed form the relation has.
  static void Traced(const std::string& relation, gfx::Canvas& c) {
    Tfrec* F = Difference(relation);
    TraceCellWidth = 10;
    TraceCellHeight = 10;
    {
      const ImplicitDerivativesScope derivatives(F);
      TraceImplicitNumerically(F, c);
    }
    DisposeTree(F);
  }
};

TEST_F(CurveNodesTest, EveryBranchReachesTheCrossingAsTheRelationIsDrawn) {
  // The folium's branches in y start at x = 0 with a vertical tangent.
  CheckNodes(kPlainViews, Drawn);
}

TEST_F(CurveNodesTest, EveryBranchReachesTheCrossingWhenTraced) {
  CheckNodes(kPlainViews, Traced);
  CheckNodes(kTracedViews, Traced);
}

}  // namespace
