#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "formula/ConstructionOperands.h"
#include "formula/VectorGeometry.h"
#include "platform/RasterCanvas.h"
#include "render/FigureFixture.h"
#include "render/Figures.h"
#include "render/SpaceFixture.h"
#include "render/SpacePolyline.h"
#include "render/SpacePrimitives.h"

// Polylines and polygons with one vertex far outside a small view, in the plane and
// projected from space, drawn on a raster and laid beside the true lines: the mapping
// clamps far pixels, which must never turn a side.
namespace {

constexpr gfx::Color kPen = 0xFF0000, kFill = 0x00FF00;
constexpr Extended kPi = std::numbers::pi_v<Extended>;
// The directions of the far vertex: one coordinate about three times the other, so that
// clamping one or both of them would change the direction.
constexpr Extended kDirections[] = {0.3L, 0.3L + kPi / 2, 0.3L + kPi, 0.3L + 3 * kPi / 2};

struct Exact {
  double x = 0, y = 0;
};
struct Side {
  Exact a, b;
};

// The unclamped, unrounded pixel of a point of the view plane.
Exact TruePixel(Extended x, Extended y) {
  const TViewRange& v = doc.ViewRange;
  return {static_cast<double>(doc.GraphWidth * (x - v.XMin) / (v.XMax - v.XMin)),
          static_cast<double>(doc.GraphHeight * (v.YMax - y) / (v.YMax - v.YMin))};
}

double Distance(Exact p, const Side& s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / l2, 0.0, 1.0) : 0;
  return std::hypot(p.x - s.a.x - t * dx, p.y - s.a.y - t * dy);
}

double Distance(Exact p, const std::vector<Side>& sides) {
  double d = INFINITY;
  for (const Side& s : sides) d = std::min(d, Distance(p, s));
  return d;
}

// The part of the side (as parameters 0..1) that lies a pixel or more inside the raster.
bool WithinRaster(const Side& s, int size, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double lo = 1, hi = size - 2;
  for (const auto& [a, b] : {std::pair{s.a.x, s.b.x}, std::pair{s.a.y, s.b.y}}) {
    const double d = b - a;
    if (d == 0) {
      if (a < lo || a > hi) return false;
      continue;
    }
    double u0 = (lo - a) / d, u1 = (hi - a) / d;
    if (u0 > u1) std::swap(u0, u1);
    t0 = std::max(t0, u0);
    t1 = std::min(t1, u1);
  }
  return t0 <= t1;
}

bool Inside(Exact p, const std::vector<Exact>& t) {
  auto cross = [&](Exact a, Exact b) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); };
  const double c1 = cross(t[0], t[1]), c2 = cross(t[1], t[2]), c3 = cross(t[2], t[0]);
  return (c1 >= 0 && c2 >= 0 && c3 >= 0) || (c1 <= 0 && c2 <= 0 && c3 <= 0);
}

// The picture against the true sides (and the triangle they close, when filled): line
// pixels away from every side, fill outside the triangle, points of a side with no line
// pixel beside them. Pixels are thin-pen pixels of rounded ends, within 1.25 of the line.
struct Findings {
  int strays = 0, fill = 0, fillOutside = 0, gaps = 0;
};
Findings Compare(const gfx::RasterCanvas& raster, const std::vector<Side>& sides, const std::vector<Exact>& triangle,
                 bool checkGaps, bool hatchOverOutline) {
  Findings f;
  const int size = raster.Width();
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const gfx::Color c = raster.Pixel(x, y);
      const Exact at{static_cast<double>(x), static_cast<double>(y)};
      if (c == kPen && Distance(at, sides) > 1.25) ++f.strays;
      if (c == kFill) {
        ++f.fill;
        if ((triangle.empty() || !Inside(at, triangle)) && Distance(at, sides) > 1.5) ++f.fillOutside;
      }
    }
  if (!checkGaps) return f;
  const auto onLine = [&](gfx::Color c) { return c == kPen || (hatchOverOutline && c == kFill); };
  for (const Side& s : sides) {
    double t0 = 0, t1 = 0;
    if (!WithinRaster(s, size, t0, t1)) continue;
    const double step = 0.25 / std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
    for (double t = t0; t <= t1; t += step) {
      const int cx = static_cast<int>(std::lround(s.a.x + (s.b.x - s.a.x) * t));
      const int cy = static_cast<int>(std::lround(s.a.y + (s.b.y - s.a.y) * t));
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) near = onLine(raster.Pixel(cx + dx, cy + dy));
      if (!near) ++f.gaps;
    }
  }
  return f;
}

void ExpectTrue(const Findings& f, bool filled, const std::string& row) {
  EXPECT_EQ(f.strays, 0) << row;
  EXPECT_EQ(f.fillOutside, 0) << row;
  EXPECT_EQ(f.gaps, 0) << row;
  if (filled) {
    EXPECT_GT(f.fill, 50) << row;
  }
}

enum class Shape { Open, Closed, Filled, FilledDashed, FilledOnPaper };

class FarVertices : public FigureFixture {
 protected:
  static constexpr int kSide = 100;
  // P and Q inside the view 0..2 x 0..2 (50 pixels a unit), F far away in the direction
  // theta, 10^k units from the middle.
  void Build(Shape shape, int k, Extended theta) {
    const bool polygon = shape >= Shape::Filled;
    build.Figure(polygon ? 7 : 6, {shape == Shape::Closed ? "FPQ" : "PFQ"});
    figure = doc.EntryCount;
    Tfuncprop& e = doc.FigureTable[figure];
    e.color = static_cast<int32_t>(kPen);
    e.penWidth = 1;
    e.brushColor = static_cast<int32_t>(kFill);
    e.brushStyle = 3;
    e.continued = shape == Shape::Closed;
    e.dashed = shape == Shape::FilledDashed;
    build.At('P', "0.5", "1.5");
    build.At('Q', "1.5", "0.5");
    char x[64], y[64];
    std::snprintf(x, sizeof x, "1+10^%d*cos(%.17g)", k, static_cast<double>(theta));
    std::snprintf(y, sizeof y, "1+10^%d*sin(%.17g)", k, static_cast<double>(theta));
    build.At('F', x, y);
  }
  static Exact PixelOf(char letter) {
    TSpacePoint p;
    EXPECT_TRUE(FetchPoint(geometry_test::PointNumber(letter), p));
    return TruePixel(p.x, p.y);
  }
  void Draw(Shape shape) {
    raster.Resize(kSide, kSide, gfx::kWhite);
    gfx::RasterCanvas screen(kSide, kSide);
    const bool paper = shape == Shape::FilledOnPaper;
    settings.MetafileCanvas = paper ? &raster : nullptr;
    settings.DrawToMetafile = paper;
    DrawFigureEntry(paper ? screen : raster, doc.FigureTable[figure]);
    settings.DrawToMetafile = 0;
    settings.MetafileCanvas = nullptr;
  }
  gfx::RasterCanvas raster{kSide, kSide};
  int figure = 0;
};

TEST_F(FarVertices, PlaneSidesStayOnTheirTrueLines) {
  for (const Shape shape : {Shape::Open, Shape::Closed, Shape::Filled, Shape::FilledDashed, Shape::FilledOnPaper}) {
    for (const int k : {3, 5}) {
      for (const Extended theta : kDirections) {
        ResetProgramStateForTest();
        View(0, 2, 0, 2, kSide, kSide);
        build = geometry_test::DocumentBuilder{};
        Build(shape, k, theta);
        Draw(shape);
        const Exact p = PixelOf('P'), q = PixelOf('Q'), f = PixelOf('F');
        std::vector<Side> sides{{p, f}, {f, q}};
        if (shape != Shape::Open) sides.push_back({q, p});
        const bool filled = shape >= Shape::Filled;
        const Findings found = Compare(raster, sides, filled ? std::vector<Exact>{p, f, q} : std::vector<Exact>{},
                                       shape != Shape::FilledDashed, shape == Shape::FilledOnPaper);
        ExpectTrue(found, filled,
                   "shape " + std::to_string(static_cast<int>(shape)) + ", 10^" + std::to_string(k) + ", theta " +
                       std::to_string(static_cast<double>(theta)));
      }
    }
  }
}

TEST_F(FarVertices, ArrowHeadsPointAlongTheTrueShaft) {
  for (const int k : {3, 5}) {
    for (const Extended theta : kDirections) {
      ResetProgramStateForTest();
      View(0, 2, 0, 2, kSide, kSide);
      build = geometry_test::DocumentBuilder{};
      build.Figure(4, {"F", "P"}, 'F', 'P');
      const int arrow = doc.EntryCount;
      Build(Shape::Open, k, theta);
      c.Clear();
      DrawFigureEntry(c, doc.FigureTable[arrow]);
      const std::string row = "10^" + std::to_string(k) + ", theta " + std::to_string(static_cast<double>(theta));
      const auto heads = c.OpsOf(gfx::OpKind::Polygon);
      ASSERT_EQ(heads.size(), 1u) << row;
      const gfx::Point tip = heads[0].points[0], w1 = heads[0].points[1], w2 = heads[0].points[2];
      // The wings lie either side of the shaft, their middle on it.
      const Side shaft{PixelOf('P'), PixelOf('F')};
      const Exact middle{(w1.x + w2.x) / 2.0, (w1.y + w2.y) / 2.0};
      EXPECT_LE(Distance(Exact{static_cast<double>(tip.x), static_cast<double>(tip.y)}, shaft), 1) << row;
      EXPECT_LE(Distance(middle, shaft), 1) << row;
    }
  }
}

// Space points whose projection lies 10^3 or 10^5 units out: close before the camera and
// to one side of its line of sight.
class FarProjections : public SpaceTest {
 protected:
  static TSpacePoint NearTheCamera(Extended factor, Extended theta) {
    const SpaceViewState& v = spaceView;
    // The directions of the view plane's x and y in space.
    const TSpacePoint ex = geometry_test::P(-v.SinPhi, v.CosPhi, 0);
    const TSpacePoint ey = geometry_test::P(-v.SinTheta * v.CosPhi, -v.SinTheta * v.SinPhi, v.CosTheta);
    const TSpacePoint w = VecAdd(VecScale(ex, std::cos(theta)), VecScale(ey, std::sin(theta)));
    const TSpacePoint p = VecAdd(VecScale(v.CameraPoint, 1 - 1 / factor), w);
    // Single precision, as the space segments and polygons project their points.
    return geometry_test::P(ToSingle(p.x), ToSingle(p.y), ToSingle(p.z));
  }
  static Exact PixelOf(const TSpacePoint& p) {
    TSpacePoint q;
    ProjectPoint(p, q);
    EXPECT_TRUE(q.valid);
    return TruePixel(q.x, q.y);
  }
};

TEST_F(FarProjections, SpaceSidesStayOnTheirTrueLines) {
  const TSpacePoint o = geometry_test::P(0, 0, 0), r = geometry_test::P(0, 0, 2);
  gfx::RasterCanvas raster(kSide, kSide);
  for (const Extended factor : {1e3L, 1e5L}) {
    for (const Extended theta : kDirections) {
      const TSpacePoint far = NearTheCamera(factor, theta);
      const Exact po = PixelOf(o), pf = PixelOf(far), pr = PixelOf(r);
      const std::string row = std::to_string(static_cast<double>(factor)) + ", theta " +
                              std::to_string(static_cast<double>(theta));
      ASSERT_GT(std::max(std::fabs(pf.x), std::fabs(pf.y)), 40000) << row;
      auto fresh = [&] {
        raster.Resize(kSide, kSide, gfx::kWhite);
        raster.pen = gfx::Pen{kPen, 1};
        raster.brush = gfx::Brush{kFill, gfx::BrushStyle::Solid};
      };
      fresh();
      DrawSpaceSegment(raster, o, far);
      ExpectTrue(Compare(raster, {{po, pf}}, {}, true, false), false, "segment " + row);
      // A straight line through space, its middle still in the view.
      fresh();
      {
        SpacePolyline line(raster, 0);
        for (const Extended t : {0.0L, 0.5L, 1.0L}) line.Add(VecAdd(o, VecScale(VecSub(far, o), t)));
      }
      ExpectTrue(Compare(raster, {{po, pf}}, {}, true, false), false, "polyline " + row);
      fresh();
      const CellPoint triangle[] = {CellPointOf(o), CellPointOf(far), CellPointOf(r)};
      DrawSpacePolygon(triangle, raster);
      ExpectTrue(Compare(raster, {{po, pf}, {pf, pr}, {pr, po}}, {po, pf, pr}, true, false), true, "polygon " + row);
    }
  }
}

}  // namespace
