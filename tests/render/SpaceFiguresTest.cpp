#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "formula/ConstructedPoints.h"
#include "formula/GeometryTestSupport.h"
#include "formula/VectorGeometry.h"
#include "platform/RasterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/DrawToolkit.h"
#include "render/SpaceFixture.h"
#include "render/SpaceLines.h"
#include "render/SpacePoints.h"
#include "render/SpacePrimitives.h"

namespace {

using gfx::OpKind;
using gfx::RecordedOp;
using geometry_test::P;

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr gfx::Color kBlue = 0xFF0000;

// Space figures on the 540 x 540 space view (50 pixels a unit on the view plane, the origin
// at pixel (270, 270)), drawn through the scene's drawer table on a recording canvas.
class SpaceFigures : public SpaceTest {
 protected:
  geometry_test::DocumentBuilder build;
  gfx::RecordingCanvas c{kSide, kSide};

  Tfuncprop& Figure(int type, std::initializer_list<std::string> texts, char letter = 0, char letter2 = 0) {
    build.Figure(type, texts, letter, letter2);
    Tfuncprop& e = doc.FigureTable[doc.EntryCount];
    e.color = static_cast<int32_t>(kBlue);
    return e;
  }
  void Draw(int entry) {
    c.Clear();
    geometry_test::MarkAllPointsDirty();
    DrawSpaceEntry(c, entry);
  }
  std::vector<RecordedOp> Lines() const { return c.OpsOf(OpKind::Polyline); }
  static gfx::Point Pixel(const TSpacePoint& p) {
    gfx::Point pixel;
    EXPECT_TRUE(ProjectToPixel(p, pixel));
    return pixel;
  }
  static void ExpectNearPixel(gfx::Point a, gfx::Point b, int tolerance = 1) {
    EXPECT_LE(std::abs(a.x - b.x), tolerance) << a.x << "," << a.y << " vs " << b.x << "," << b.y;
    EXPECT_LE(std::abs(a.y - b.y), tolerance) << a.x << "," << a.y << " vs " << b.x << "," << b.y;
  }
  // Every point of the recorded lines, in order.
  std::vector<gfx::Point> LinePoints() const {
    std::vector<gfx::Point> all;
    for (const RecordedOp& op : Lines()) all.insert(all.end(), op.points.begin(), op.points.end());
    return all;
  }
  // A camera so far away that the projection is all but parallel.
  static void FarCamera(Extended theta) { Camera(700, theta, 0.3L); }
};

TEST_F(SpaceFigures, SpaceCurveWalksItsRangeEitherWayAndEndsOnIt) {
  Tfuncprop& e = Add(kKindParametric, "cos(t)");
  e.texts[1] = "sin(t)";
  e.texts[4] = "t/4";
  e.stepText = "1";
  auto at = [](Extended t) { return P(std::cos(t), std::sin(t), t / 4); };
  struct Row {
    const char *from, *to;
    Extended first, last;
  } rows[] = {{"0", "2pi", 0, 2 * kPi}, {"2pi", "0", 2 * kPi, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.from);
    e.texts[2] = r.from;
    e.texts[3] = r.to;
    doc.VariableValues.T = 0.5L;
    Draw(doc.EntryCount);
    ASSERT_EQ(Lines().size(), 1u);
    const std::vector<gfx::Point> points = LinePoints();
    ASSERT_EQ(points.size(), 8u);  // six whole steps and the short one to the end
    EXPECT_EQ(points.front(), Pixel(at(r.first)));
    EXPECT_EQ(points.back(), Pixel(at(r.last)));
    EXPECT_EQ(points[1], Pixel(at(r.first + (r.last > r.first ? 1 : -1))));
    EXPECT_EQ(doc.VariableValues.T, 0.5L);
  }
  // A step far below the resolution still ends.
  e.texts[2] = "0";
  e.texts[3] = "2pi";
  e.stepText = "0.000000000000001";
  Draw(doc.EntryCount);
  ASSERT_FALSE(LinePoints().empty());
  EXPECT_EQ(LinePoints().back(), Pixel(at(2 * kPi)));
}

TEST_F(SpaceFigures, SpaceCurveBreaksWhereItIsUndefinedOrBehindTheCamera) {
  Tfuncprop& e = Add(kKindParametric, "t");
  e.texts[1] = "0";
  e.texts[2] = "-2";
  e.texts[3] = "2";
  e.texts[4] = "sqrt(1-t^2)";
  e.stepText = "0.3";
  Draw(doc.EntryCount);
  // Defined on [-1, 1] only: one piece from edge to edge, the edges found within the step.
  ASSERT_EQ(Lines().size(), 1u);
  ExpectNearPixel(LinePoints().front(), Pixel(P(-1, 0, 0)), 2);
  ExpectNearPixel(LinePoints().back(), Pixel(P(1, 0, 0)), 2);
  // A line through the camera: the part behind it is left out, the rest drawn.
  const TSpacePoint& cam = spaceView.CameraPoint;
  e.texts[0] = "t*" + std::to_string(static_cast<double>(cam.x));
  e.texts[1] = "t*" + std::to_string(static_cast<double>(cam.y));
  e.texts[4] = "t*" + std::to_string(static_cast<double>(cam.z)) + "+1";
  e.texts[2] = "0";
  e.texts[3] = "2";
  Draw(doc.EntryCount);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(LinePoints().front(), Pixel(P(0, 0, 1)));
  for (gfx::Point p : LinePoints()) EXPECT_LT(std::abs(p.x), 32000);
}

TEST_F(SpaceFigures, CircleInTheBasePlaneProjectsToAnEllipseOfTheExpectedAxes) {
  // Seen from far away at elevation θ a circle of radius 2 in z = 0 looks like an ellipse
  // of half axes 2 and 2 sin θ: 100 and 50 pixels for θ = π/6.
  FarCamera(kPi / 6);
  Figure(9, {"O", "0", "0", "1", "2"}, 'O');
  build.At('O', "0", "0", "0");
  Draw(1);
  const std::vector<RecordedOp> lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].pen.color, kBlue);
  const std::vector<gfx::Point>& pts = lines[0].points;
  EXPECT_EQ(pts.size(), 61u);
  EXPECT_EQ(pts.front(), pts.back());
  auto [left, right] = std::minmax_element(pts.begin(), pts.end(), [](auto a, auto b) { return a.x < b.x; });
  auto [top, bottom] = std::minmax_element(pts.begin(), pts.end(), [](auto a, auto b) { return a.y < b.y; });
  EXPECT_NEAR(right->x - left->x, 200, 3);
  EXPECT_NEAR(bottom->y - top->y, 100, 3);
  EXPECT_NEAR((right->x + left->x) / 2.0, 270, 1);
  EXPECT_NEAR((bottom->y + top->y) / 2.0, 270, 1);
}

TEST_F(SpaceFigures, SphereOutlineAndItsEquatorWithThePaleFarHalf) {
  Tfuncprop& sphere = Figure(8, {"O", "2"}, 'O');
  build.At('O', "0", "0", "0");
  Draw(1);
  const std::vector<RecordedOp> lines = Lines();
  ASSERT_GE(lines.size(), 3u);
  const gfx::Color pale = LightenColor(kBlue, 4);
  // The equator's far half first and pale, above the centre (the camera looks down on it);
  // its near half in the pen below; the outline last.
  size_t k = 0;
  for (; k < lines.size() && lines[k].pen.color == pale; ++k)
    for (gfx::Point p : lines[k].points) EXPECT_LE(p.y, 271);
  EXPECT_GE(k, 1u);
  ASSERT_LT(k + 1, lines.size());
  for (; k + 1 < lines.size(); ++k) {
    EXPECT_EQ(lines[k].pen.color, kBlue);
    for (gfx::Point p : lines[k].points) EXPECT_GE(p.y, 269);
  }
  // The outline of a sphere about the origin seen from distance D is a circle of radius
  // rD / sqrt(D^2 - r^2) on the view plane.
  const RecordedOp& outline = lines.back();
  EXPECT_EQ(outline.points.size(), 61u);
  const Extended radius = 50 * 2 * 40 / std::sqrt(40.0L * 40 - 4);
  for (gfx::Point p : outline.points) EXPECT_NEAR(std::hypot(p.x - 270.0, p.y - 270.0), radius, 1.5);
  // Without its equator only the outline.
  sphere.noBoundary = 1;
  Draw(1);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].points.size(), 61u);
}

TEST_F(SpaceFigures, SomethingDegenerateDrawsNothingAndNeverNaN) {
  // A camera inside the sphere, a radius that is not positive, a zero normal, a geodesic
  // between points off the sphere and through antipodes, an arc through 1e9 radians.
  Figure(8, {"O", "100"}, 'O');
  Figure(8, {"O", "-1"}, 'O');
  Figure(9, {"O", "0", "0", "0", "1"}, 'O');
  Figure(1, {"O", "0", "0", "0"}, 'O');
  Figure(8, {"O", "1"}, 'O');
  Figure(7, {"5", "ABOA"});
  Figure(11, {"A", "OB", "1000000000"}, 'A');
  Figure(11, {"A", "OB", "sqrt(-1)"}, 'A');
  Figure(12, {"AOO", "20"});
  Figure(12, {"AOA", "20"});
  Figure(10, {"5", "0", "0", "1", "3"});
  build.At('O', "0", "0", "0");
  build.At('A', "2.5", "0", "0");
  build.At('B', "0", "0", "2.5");
  const int expectedOps[] = {0, 0, 0, 0, -1, -1, 1, 0, 0, 0, 0};
  for (int i = 1; i <= 11; ++i) {
    SCOPED_TRACE(i);
    Draw(i);
    if (expectedOps[i - 1] >= 0) {
      EXPECT_EQ(c.Ops().size(), static_cast<size_t>(expectedOps[i - 1]));
    }
    for (const RecordedOp& op : c.Ops())
      for (gfx::Point p : op.points) ASSERT_TRUE(std::abs(p.x) < 3000 && std::abs(p.y) < 3000);
  }
  // The arc through 1e9 radians is one whole turn.
  Draw(7);
  ASSERT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Lines()[0].points.size(), 61u);
  // Of the geodesic through A, B, O and A again only A -> B has a plane; A and B lie off
  // the sphere, so the arc turns from A half a turn at most.
  Draw(6);
  const std::vector<gfx::Point> arc = LinePoints();
  ASSERT_GE(arc.size(), 16u);
  ASSERT_LE(arc.size(), 31u + Lines().size());
  ExpectNearPixel(Lines().back().points.front(), Pixel(P(2.5, 0, 0)));  // the near part starts at A
}

TEST_F(SpaceFigures, GeodesicFarPartIsPaleOnlyBehindAnOpaqueSphere) {
  Tfuncprop& sphere = Figure(8, {"O", "2"}, 'O');
  Tfuncprop& path = Figure(7, {"1", "AB"});
  build.At('O', "0", "0", "0");
  // From the near side over the top to the far side (the camera's azimuth is 0.766).
  build.At('A', "1.4142", "1.4142", "0");
  build.At('B', "-1", "-1", "1.4142");
  struct Row {
    int sphereHidden, pathHidden;
    bool farDrawn;
    gfx::Color far;
  } rows[] = {{0, 0, true, kBlue}, {0, 1, true, kBlue}, {1, 0, true, LightenColor(kBlue, 4)}, {1, 1, false, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.sphereHidden * 10 + r.pathHidden);
    sphere.noBoundary = static_cast<uint8_t>(r.sphereHidden);
    path.noBoundary = static_cast<uint8_t>(r.pathHidden);
    Draw(2);
    const std::vector<RecordedOp> lines = Lines();
    ASSERT_EQ(lines.size(), r.farDrawn ? 2u : 1u);
    if (r.farDrawn) {
      EXPECT_EQ(lines[0].pen.color, r.far);
    }
    EXPECT_EQ(lines.back().pen.color, kBlue);
    // The near part starts at A.
    EXPECT_EQ(lines.back().points.front(), Pixel(P(1.4142L, 1.4142L, 0)));
  }
}

TEST_F(SpaceFigures, CircleOnASphereHidesOrPalesItsFarPart) {
  Figure(8, {"O", "2"}, 'O');
  Tfuncprop& circle = Figure(10, {"1", "0", "0", "1", "1"});  // the latitude z = 1
  build.At('O', "0", "0", "0");
  auto colours = [this] {
    std::string s;
    for (const RecordedOp& op : Lines()) {
      if (op.pen.color == kBlue)
        s += 'F';
      else
        s += op.pen.color == LightenColor(kBlue, 4) ? 'p' : '?';
    }
    return s;
  };
  Draw(2);
  EXPECT_TRUE(colours() == "pF" || colours() == "pFF") << colours();
  circle.noBoundary = 1;
  Draw(2);
  EXPECT_TRUE(colours() == "F" || colours() == "FF") << colours();
  // From inside the sphere the whole circle is in front: one line of 61 points.
  Camera(9, kPi / 8, 0);
  doc.FigureTable[1].texts[1] = "10";
  circle.texts[1] = "-1";
  circle.texts[3] = "0";
  circle.texts[4] = "9.5";
  Draw(2);
  EXPECT_EQ(colours(), "F");
  EXPECT_EQ(LinePoints().size(), 61u);
}

TEST_F(SpaceFigures, LineFiguresThroughProjectedPoints) {
  Figure(2, {"A", "B"}, 'A', 'B');
  Figure(5, {"A", "B"}, 'A', 'B');
  Figure(6, {"ABC"}).continued = 1;
  build.At('A', "1", "0", "0");
  build.At('B', "0", "1", "1");
  build.At('C', "0", "-1", "0");
  const gfx::Point a = Pixel(P(1, 0, 0)), b = Pixel(P(0, 1, 1));
  auto onLine = [&](gfx::Point p) {
    return std::abs(static_cast<double>((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x))) /
           std::hypot(b.x - a.x, b.y - a.y);
  };
  // The line runs through both projected points to the view's border both ways; the ray
  // starts at A.
  Draw(1);
  const std::vector<RecordedOp> line = Lines();
  ASSERT_EQ(line.size(), 1u);
  for (gfx::Point p : line[0].points) {
    EXPECT_LT(onLine(p), 1.5);
    EXPECT_TRUE(p.x <= 0 || p.x >= kSide - 1 || p.y <= 0 || p.y >= kSide - 1) << p.x << "," << p.y;
  }
  Draw(2);
  ASSERT_EQ(Lines().size(), 1u);
  ExpectNearPixel(Lines()[0].points.front(), a);
  // The closed polyline: A-B, B-C, C-A.
  Draw(3);
  ASSERT_EQ(Lines().size(), 3u);
  ExpectNearPixel(Lines()[2].points.back(), a);
}

TEST_F(SpaceFigures, SegmentWithAnEndBehindTheCameraIsCutAtTheNearPlane) {
  const TSpacePoint& cam = spaceView.CameraPoint;
  const TSpacePoint p = P(0, 0, 1), behind = VecAdd(cam, P(3, -3, 2));
  ViewSegment s;
  EXPECT_FALSE(ClipSegmentToCamera(behind, VecScale(behind, 1.1L), s));
  ASSERT_TRUE(ClipSegmentToCamera(p, behind, s));
  // The cut end lies on the projected line, beyond a point that is still seen.
  TSpacePoint q, m;
  ProjectPoint(p, q);
  ProjectPoint(VecAdd(p, VecScale(VecSub(behind, p), 0.5L)), m);
  EXPECT_EQ(s.x1, q.x);
  EXPECT_EQ(s.y1, q.y);
  const Extended cross = (m.x - q.x) * (s.y2 - q.y) - (m.y - q.y) * (s.x2 - q.x);
  EXPECT_NEAR(static_cast<double>(cross), 0, 1e-6 * std::hypot(static_cast<double>(s.x2), static_cast<double>(s.y2)));
  EXPECT_GT(std::hypot(s.x2 - q.x, s.y2 - q.y), std::hypot(m.x - q.x, m.y - q.y));
  // Through the figure drawer it is still drawn.
  Figure(3, {"A", "B"}, 'A', 'B');
  build.At('A', "0", "0", "1");
  build.At('B', std::to_string(static_cast<double>(behind.x)), std::to_string(static_cast<double>(behind.y)),
           std::to_string(static_cast<double>(behind.z)));
  Draw(1);
  EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(SpaceFigures, AngleMarksAreSquareForRightAnglesAndArcsOtherwise) {
  struct Row {
    const char *x, *y;  // the point C; A is on the x axis, B at the origin
    size_t points;
  } rows[] = {
      {"0", "1", 3},            // 90°: the square corner
      {"sin(0.0009)", "1", 3},  // within a thousandth of a radian
      {"sin(0.002)", "1", 16},  // beyond: an arc of 15 steps of π/30 and a short one
      {"1", "sqrt(3)", 11},     // 60°: ten steps
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.x);
    ResetProgramStateForTest();
    SpaceTest::SetUp();
    Figure(12, {"ABC", "20"});
    build.At('A', "2", "0", "0");
    build.At('B', "0", "0", "0");
    build.At('C', r.x, r.y, "0");
    Draw(1);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0].points.size(), r.points);
  }
}

TEST_F(SpaceFigures, ArcAboutALineTurnsThePointAboutItsFoot) {
  Figure(11, {"P", "AB", "-pi/2"}, 'P');
  build.At('P', "2", "0", "1");
  build.At('A', "0", "0", "0");
  build.At('B', "0", "0", "3");
  Draw(1);
  const std::vector<gfx::Point> pts = LinePoints();
  ASSERT_EQ(pts.size(), 16u);
  EXPECT_EQ(pts.front(), Pixel(P(2, 0, 1)));
  ExpectNearPixel(pts.back(), Pixel(P(0, -2, 1)));  // a negative angle turns clockwise seen from B
}

TEST_F(SpaceFigures, PlaneCutByTheRangeBoxOrDrawnAsASquare) {
  Tfuncprop& plane = Figure(1, {"P", "-1", "0", "1"}, 'P');  // z = x + 2
  build.At('P', "0", "0", "2");
  plane.option32 = 1;
  Draw(1);
  std::vector<RecordedOp> polygons = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].brush.style, gfx::BrushStyle::Clear);
  const TSpacePoint cut[] = {P(-3, -3, -1), P(1, -3, 3), P(1, 3, 3), P(-3, 3, -1)};
  ASSERT_EQ(polygons[0].points.size(), 4u);
  for (int i = 0; i < 4; ++i) ExpectNearPixel(polygons[0].points[static_cast<size_t>(i)], Pixel(cut[i]));
  // Without the box: the square of side 2R about P, in the plane.
  plane.option32 = 0;
  Draw(1);
  polygons = c.OpsOf(OpKind::Polygon);
  ASSERT_EQ(polygons.size(), 1u);
  const Extended h = 3 / std::sqrt(2.0L);
  const TSpacePoint square[] = {P(-h, -3, 2 - h), P(-h, 3, 2 - h), P(h, 3, 2 + h), P(h, -3, 2 + h)};
  for (const TSpacePoint& corner : square) {
    const gfx::Point want = Pixel(corner);
    EXPECT_TRUE(std::any_of(polygons[0].points.begin(), polygons[0].points.end(),
                            [&](gfx::Point p) { return std::abs(p.x - want.x) <= 1 && std::abs(p.y - want.y) <= 1; }));
  }
  // A vertical plane across the box: four edges from z = -R to R; x = 1: one rectangle.
  plane.texts[1] = "1";
  plane.texts[2] = "1";
  plane.texts[3] = "0";
  doc.RangeBoxShown = 1;
  Draw(1);
  EXPECT_EQ(Lines().size(), 4u);
  plane.texts[2] = "0";
  Draw(1);
  ASSERT_EQ(c.OpsOf(OpKind::Polygon).size(), 1u);
  ExpectNearPixel(c.OpsOf(OpKind::Polygon)[0].points[0], Pixel(P(0, -3, -3)));
}

TEST_F(SpaceFigures, PointsWithTheirGuidesAndTheirColour) {
  Figure(8, {"O", "2"}, 'O');
  build.At('O', "0", "0", "0");
  Tfuncprop& a = doc.FigureTable[build.At('A', "1", "-2", "3")];
  a.color = 0x00FF00;
  build.Point('N', kPointOnSphere, {"1", "0", "", "0.766"});   // facing the camera
  build.Point('F', kPointOnSphere, {"1", "0", "", "-2.375"});  // on the far side
  doc.PointPerpendicularsShown = 1;
  Draw(3);
  // Nine edges of the box, three along each axis: blue along x and z, red along y < 0.
  const std::vector<RecordedOp> edges = Lines();
  ASSERT_EQ(edges.size(), 9u);
  EXPECT_EQ(std::count_if(edges.begin(), edges.end(), [](const RecordedOp& op) { return op.pen.color == 0x0000FF; }),
            3);
  EXPECT_EQ(c.OpsOf(OpKind::Ellipse).size(), 1u);
  EXPECT_EQ(c.OpsOf(OpKind::Ellipse)[0].brush.color, gfx::Color{0x00FF00});
  doc.PointPerpendicularsShown = 0;
  Draw(3);
  EXPECT_EQ(c.Ops().size(), 1u);
  // White points are not drawn; a point behind its sphere is lighter.
  a.color = 0xFFFFFF;
  Draw(3);
  EXPECT_TRUE(c.Ops().empty());
  const gfx::Color red = 0x0000FF;
  for (int e : {4, 5}) doc.FigureTable[e].color = static_cast<int32_t>(red);
  Draw(4);
  ASSERT_EQ(c.OpsOf(OpKind::Ellipse).size(), 1u);
  EXPECT_EQ(c.OpsOf(OpKind::Ellipse)[0].brush.color, red);
  Draw(5);
  ASSERT_EQ(c.OpsOf(OpKind::Ellipse).size(), 1u);
  EXPECT_EQ(c.OpsOf(OpKind::Ellipse)[0].brush.color, LightenColor(red, 3));
}

TEST_F(SpaceFigures, GuideBoxDrawnTwiceLeavesThePicture) {
  gfx::RasterCanvas raster(kSide, kSide);
  raster.pen.color = 0x00C000;
  raster.pen.width = 3;
  DrawSpaceSegment(raster, P(-3, 0, 0), P(3, 1, 2));
  const QImage before = raster.Image().copy();
  for (Extended z : {2.0L, 0.0L}) {
    DrawPointGuideBoxXor(raster, 1.5L, 2, z);
    EXPECT_NE(raster.Image(), before);
    DrawPointGuideBoxXor(raster, 1.5L, 2, z);
    EXPECT_EQ(raster.Image(), before);
  }
  EXPECT_EQ(raster.pen.mode, gfx::PenMode::Copy);
}

TEST_F(SpaceFigures, PointNamesAreWrittenOnTheWindowBesideTheProjectedPoints) {
  build.At('A', "2", "1", "1");
  doc.FigureTable[1].labelPos = 5;  // lower right
  build.At('B', "0", "0", "0");
  doc.FigureTable[2].labelPos = 3;  // none
  gfx::RecordingCanvas window(kSide, kSide);
  render.WindowImage = &window;
  RedrawAll();
  render.WindowImage = nullptr;
  const std::vector<RecordedOp> texts = window.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "A");
  const gfx::Point a = Pixel(P(2, 1, 1));
  EXPECT_GT(texts[0].points[0].x, a.x);
  EXPECT_LT(texts[0].points[0].x, a.x + 20);
  EXPECT_GT(texts[0].points[0].y, a.y);
  EXPECT_LT(texts[0].points[0].y, a.y + 20);
}

}  // namespace
