#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

#include "formula/VectorGeometry.h"
#include "platform/RecordingCanvas.h"
#include "render/SpaceFixture.h"
#include "render/SpacePrimitives.h"
#include "render/SurfaceGrid.h"
#include "render/Surfaces.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr gfx::Color kBlue = 0xFF0000, kGreen = 0x008000;

struct Ray {
  Extended cx, cy, cz, dx, dy, dz;
};

class SurfacePicture : public SpaceTest {
 protected:
  // The line of sight through the centre of a pixel of the 540 x 540 drawing.
  static Ray RayThrough(int px, int py) {
    const SpaceViewState& s = spaceView;
    const Extended u = (px - 270) / 50.0L, v = (270 - py) / 50.0L;
    const Extended x = -u * s.SinPhi - v * s.SinTheta * s.CosPhi;
    const Extended y = u * s.CosPhi - v * s.SinTheta * s.SinPhi;
    const Extended z = v * s.CosTheta;
    const TSpacePoint& c = s.CameraPoint;
    return {c.x, c.y, c.z, x - c.x, y - c.y, z - c.z};
  }
  // Where the ray meets the plane z = a x + b inside the range (|x|, |y|, |z| <= bound).
  static std::optional<Extended> Meet(const Ray& r, Extended a, Extended b, Extended bound = 3) {
    const Extended below = r.dz - a * r.dx;
    if (below == 0) return std::nullopt;
    const Extended t = (a * r.cx + b - r.cz) / below;
    const Extended x = r.cx + t * r.dx, y = r.cy + t * r.dy, z = r.cz + t * r.dz;
    if (t <= 0 || std::fabs(x) > bound || std::fabs(y) > bound || std::fabs(z) > bound) return std::nullopt;
    return t;
  }
  static char Hue(gfx::Color c) {
    const int r = gfx::RedOf(c), g = gfx::GreenOf(c), b = gfx::BlueOf(c);
    if (c == gfx::kWhite) return 'w';
    if (b > r + 10 && b > g + 10) return 'b';
    if (g > r + 10 && g > b + 10) return 'g';
    if (c == gfx::kBlack) return 'k';
    return '?';
  }
  // Polygons and lines recorded by one drawing of the surfaces.
  static gfx::RecordingCanvas Record() {
    gfx::RecordingCanvas canvas(kSide, kSide);
    ComputeSurfaceGrids();
    DrawSurfaces(canvas);
    return canvas;
  }
};

// Two planes crossing inside the range, from every octant: at each pixel well away from
// an edge the surface nearer the camera shows, as a ray traced through it finds.
TEST_F(SurfacePicture, TheNearerOfTwoCrossingSurfacesShows) {
  AddSurface("0", kBlue);
  AddSurface("x-0.15", kGreen);
  doc.SurfaceDrawMode = 2;
  doc.Axes3DShown = 0;
  for (Extended theta : {kPi / 8, kPi / 3}) {
    for (int octant = 0; octant < 8; ++octant) {
      Camera(40, theta, -kPi + (octant + 0.4L) * kPi / 4);
      RedrawAll();
      const gfx::RasterCanvas& picture = CompositeCanvas();
      auto expected = [](int px, int py) {
        const Ray r = RayThrough(px, py);
        const std::optional<Extended> blue = Meet(r, 0, 0), green = Meet(r, 1, -0.15L);
        if (!blue && !green) return 'w';
        if (!green || (blue && *blue < *green)) return 'b';
        return 'g';
      };
      int checked = 0;
      for (int py = 20; py < kSide - 20; py += 9) {
        for (int px = 20; px < kSide - 20; px += 9) {
          const char want = expected(px, py);
          bool clear = true;
          for (int d = -3; d <= 3 && clear; ++d)
            for (int e = -3; e <= 3 && clear; ++e) clear = expected(px + d, py + e) == want;
          if (!clear) continue;
          ++checked;
          ASSERT_EQ(Hue(picture.Pixel(px, py)), want)
              << "octant " << octant << " elevation " << static_cast<double>(theta) << " pixel " << px << "," << py;
        }
      }
      EXPECT_GT(checked, 1500);
    }
  }
}

// A plane just above the axes hides them where it lies between them and the camera; the
// axes between the grid's quarters show wherever it does not.
TEST_F(SurfacePicture, AxesShowWhereNoSurfaceHidesThem) {
  AddSurface("0.5", kBlue);
  doc.SurfaceDrawMode = 2;
  for (int octant = 0; octant < 8; ++octant) {
    Camera(40, kPi / 6, -kPi + (octant + 0.6L) * kPi / 4);
    RedrawAll();
    const gfx::RasterCanvas& picture = CompositeCanvas();
    int hidden = 0, shown = 0;
    for (int axis = 0; axis < 3; ++axis) {
      for (Extended at = -4.3L; at <= 4.3L; at += 0.1L) {
        if (std::fabs(std::fabs(at) - 3) < 0.3L || std::fabs(at) < 0.3L || (axis == 2 && at < 0)) continue;
        TSpacePoint p;
        (axis == 0 ? p.x : axis == 1 ? p.y : p.z) = at;
        gfx::Point pixel;
        ASSERT_TRUE(ProjectToPixel(p, pixel));
        // Hidden when the line of sight crosses the plane (well within the range) before
        // the point; shown when it misses the plane (by a margin) or meets it behind.
        const Ray r = RayThrough(pixel.x, pixel.y);
        const Extended tPoint = (p.z - r.cz) / r.dz;
        const std::optional<Extended> inner = Meet(r, 0, 0.5L, 2.9L), outer = Meet(r, 0, 0.5L, 3.1L);
        bool black = false;
        for (int d = -1; d <= 1; ++d)
          for (int e = -1; e <= 1; ++e) black = black || picture.Pixel(pixel.x + d, pixel.y + e) == gfx::kBlack;
        if (inner && *inner < tPoint - 0.02L) {
          ++hidden;
          EXPECT_FALSE(black) << "octant " << octant << " axis " << axis << " at " << static_cast<double>(at);
        } else if (!outer || *outer > tPoint + 0.02L) {
          ++shown;
          EXPECT_TRUE(black) << "octant " << octant << " axis " << axis << " at " << static_cast<double>(at);
        }
      }
    }
    EXPECT_GT(hidden, 10);
    EXPECT_GT(shown, 10);
  }
}

TEST_F(SurfacePicture, OneShadedSurfaceInPixels) {
  AddSurface("0", kBlue);
  doc.Axes3DShown = 0;
  RedrawAll();
  // A cell at the origin seen at the elevation pi/8: |cos| = sin(pi/8), b = 0.475, and the
  // channels of pure blue mixed toward white.
  const int shade = static_cast<int>(std::lround((std::sin(std::numbers::pi / 8) * 255 + 45) / 300 * 255));
  gfx::Point centre;
  ASSERT_TRUE(ProjectToPixel(MakePoint(0.15L, 0.15L, 0), centre));
  const gfx::Color c = CompositeCanvas().Pixel(centre.x, centre.y);
  EXPECT_NEAR(gfx::RedOf(c), shade, 1);
  EXPECT_NEAR(gfx::GreenOf(c), shade, 1);
  EXPECT_EQ(gfx::BlueOf(c), 255);
  // The mesh runs along the grid lines in the entry's colour; painted without mesh, there
  // is none.
  gfx::Point onLine;
  ASSERT_TRUE(ProjectToPixel(MakePoint(0.15L, 0, 0), onLine));
  EXPECT_EQ(CompositeCanvas().Pixel(onLine.x, onLine.y), kBlue);
  doc.SurfaceDrawMode = 2;
  RedrawAll();
  EXPECT_NE(CompositeCanvas().Pixel(onLine.x, onLine.y), kBlue);
  // As a wireframe the cells are white and still hide the negative z axis below them.
  doc.SurfaceDrawMode = 0;
  doc.Axes3DShown = 1;
  RedrawAll();
  gfx::Point below;
  ASSERT_TRUE(ProjectToPixel(MakePoint(0, 0, -0.8L), below));
  EXPECT_EQ(CompositeCanvas().Pixel(below.x, below.y), gfx::kWhite);
  ASSERT_TRUE(ProjectToPixel(MakePoint(0, 0, -3.6L), below));
  EXPECT_EQ(CompositeCanvas().Pixel(below.x, below.y), gfx::kBlack);
}

// The cells of each quarter drawn together, the axes between them: a grid of N = 20 in
// four quarters of 100 cells, of N = 25 (half of 25 rounds to 12) in 144, 156, 156, 169.
TEST_F(SurfacePicture, QuartersOfTheGrid) {
  AddSurface("0", kBlue);
  struct Row {
    int n;
    std::vector<int> quarters;
  };
  const Row rows[] = {{20, {100, 100, 100, 100}}, {25, {144, 156, 156, 169}}};
  for (const auto& [n, quarters] : rows) {
    doc.SurfaceGridN = static_cast<uint8_t>(n);
    std::vector<int> runs;
    bool inRun = false;
    const gfx::RecordingCanvas canvas = Record();
    for (const gfx::RecordedOp& op : canvas.Ops()) {
      const bool cell = op.kind == gfx::OpKind::Polygon && op.brush.color != gfx::kBlack;
      if (cell && !inRun) runs.push_back(0);
      if (cell) ++runs.back();
      inRun = cell;
    }
    EXPECT_EQ(runs, quarters) << n;
  }
}

TEST_F(SurfacePicture, BrokenViewsDrawWhatTheyCanAndNothingWrong) {
  AddSurface("0", kBlue);
  // No camera distance: nothing can be projected.
  Camera(0, kPi / 8, 0.3L);
  gfx::RecordingCanvas none = Record();
  for (const gfx::RecordedOp& op : none.Ops()) EXPECT_EQ(op.kind, gfx::OpKind::Text);
  RedrawAll();
  // A camera inside the range sees only what lies in front of it.
  Camera(2, kPi / 8, 0.3L);
  const gfx::RecordingCanvas inside = Record();
  size_t cells = 0;
  for (const gfx::RecordedOp& op : inside.OpsOf(gfx::OpKind::Polygon)) cells += op.brush.color != gfx::kBlack;
  EXPECT_GT(cells, 0u);
  EXPECT_LT(cells, 400u);
  // A camera level with the ground: every cell in the palest front colour.
  Camera(40, 0, 0.3L);
  for (const gfx::RecordedOp& op : Record().OpsOf(gfx::OpKind::Polygon))
    if (op.brush.color != gfx::kBlack) {
      ASSERT_EQ(op.brush.color, gfx::Rgb(76, 76, 255));
    }
  // A point as entry 2 is no second surface.
  Camera(40, kPi / 8, 0.3L);
  Add(kKindPoint, "1");
  cells = 0;
  for (const gfx::RecordedOp& op : Record().OpsOf(gfx::OpKind::Polygon)) cells += op.brush.color != gfx::kBlack;
  EXPECT_EQ(cells, 400u);
}

}  // namespace
