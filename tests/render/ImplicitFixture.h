#pragma once
// Relations F(x, y) = 0 drawn on a recording canvas over the default view (-5..5 on
// 500 x 500 pixels: pixel 250 is 0, one pixel 0.02), and the checks that what was drawn
// lies on the curve.
#include <cmath>
#include <string>
#include <vector>

#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "platform/RecordingCanvas.h"
#include "render/ImplicitRelations.h"
#include "render/RegionBoundaries.h"
#include "render/ToolkitFixture.h"

class ImplicitTest : public ToolkitTest {
 protected:
  // Runs draw with the drawing going to the print picture, as the print job (printing) or
  // the clipboard copy does.
  template <typename Draw>
  static void OnPaper(gfx::Canvas& paper, bool printing, Draw draw) {
    settings.MetafileCanvas = &paper;
    settings.DrawToMetafile = 1;
    settings.Printing = printing ? 1 : 0;
    draw();
    settings.Printing = 0;
    settings.DrawToMetafile = 0;
    settings.MetafileCanvas = nullptr;
  }

  // L − R of the relation "L = R" (any relation sign), parsed for evaluation.
  static Tfrec* Difference(const std::string& relation) {
    const TreePtr tree = ParseExpression(relation, 3);
    EXPECT_TRUE(eng.ParseOK && tree && tree->code < 0) << relation;
    if (!tree || tree->code >= 0) return nullptr;
    return RelationDifference(tree.get()).release();
  }

  static ImplicitRoad Plot(const std::string& relation, gfx::Canvas& canvas, std::uint8_t dashed = 0) {
    Tfrec* F = Difference(relation);
    const ImplicitRoad road = PlotImplicitCurve(F, canvas, 0, 1, dashed);
    DisposeTree(F);
    return road;
  }

  static void PlotList(const std::string& relation, gfx::Canvas& canvas) {
    Tfrec* F = Difference(relation);
    PlotImplicitList(F, canvas, 0, 1, 0);
    DisposeTree(F);
  }

  static std::vector<std::vector<gfx::Point>> Polylines(const gfx::RecordingCanvas& c) {
    std::vector<std::vector<gfx::Point>> lines;
    for (const gfx::RecordedOp& op : c.OpsOf(gfx::OpKind::Polyline)) lines.push_back(op.points);
    return lines;
  }

  // Whether the curve G = 0 passes within `pixels` of the pixel point: G is 0, or changes
  // sign, on a grid over the square of that half-width around it.
  static bool NearCurve(Tfrec*& G, double px, double py, double pixels) {
    bool negative = false, positive = false;
    constexpr int n = 8;
    for (int i = 0; i <= n; ++i) {
      for (int j = 0; j <= n; ++j) {
        const Extended x = doc.ViewRange.XMin + (px - pixels + 2 * pixels * i / n) * doc.PixelSizeX;
        const Extended y = doc.ViewRange.YMax - (py - pixels + 2 * pixels * j / n) * doc.PixelSizeY;
        const Extended v = EvaluateTree(G, x, y, 0);
        if (!eng.EvalDrawable) continue;
        if (v == 0) return true;
        (v < 0 ? negative : positive) = true;
      }
    }
    return negative && positive;
  }

  static bool OnCanvas(const gfx::Point& p) { return p.x >= -2 && p.x <= 502 && p.y >= -2 && p.y <= 502; }

  // The drawn vertices on the canvas (of polylines, and 36 points round each canvas
  // ellipse) that lie farther than a pixel from the curve of `relation`, and the points a
  // quarter, half and three quarters along each longer chord farther than two pixels.
  static std::vector<gfx::Point> OffCurve(const gfx::RecordingCanvas& c, const std::string& relation) {
    std::vector<gfx::Point> off;
    Tfrec* G = Difference(relation);
    for (const gfx::RecordedOp& op : c.OpsOf(gfx::OpKind::Ellipse)) {
      const double cx = (op.rect.left + op.rect.right) / 2.0, cy = (op.rect.top + op.rect.bottom) / 2.0;
      for (int k = 0; k < 36; ++k) {
        const double t = k * 3.14159265358979 / 18;
        const double x = cx + op.rect.Width() / 2.0 * std::cos(t), y = cy + op.rect.Height() / 2.0 * std::sin(t);
        if (!NearCurve(G, x, y, 1)) off.push_back({static_cast<int>(x), static_cast<int>(y)});
      }
    }
    for (const std::vector<gfx::Point>& line : Polylines(c)) {
      for (size_t k = 0; k < line.size(); ++k) {
        const gfx::Point p = line[k];
        if (!OnCanvas(p)) continue;
        if (!NearCurve(G, p.x, p.y, 1)) off.push_back(p);
        if (k + 1 == line.size() || !OnCanvas(line[k + 1])) continue;
        const gfx::Point q = line[k + 1];
        if (std::abs(q.x - p.x) + std::abs(q.y - p.y) <= 3) continue;
        for (const double t : {0.25, 0.5, 0.75}) {
          const double x = p.x + t * (q.x - p.x), y = p.y + t * (q.y - p.y);
          if (!NearCurve(G, x, y, 2)) off.push_back({static_cast<int>(x), static_cast<int>(y)});
        }
      }
    }
    DisposeTree(G);
    return off;
  }

  // Whether some drawn vertex lies within `pixels` of the pixel point.
  static bool PassesNear(const gfx::RecordingCanvas& c, int px, int py, int pixels = 1) {
    for (const std::vector<gfx::Point>& line : Polylines(c))
      for (const gfx::Point& p : line)
        if (std::abs(p.x - px) <= pixels && std::abs(p.y - py) <= pixels) return true;
    return false;
  }

  // The pixel columns 0..499 (rows with alongY) that no drawn vertex falls on.
  static int UncoveredColumns(const gfx::RecordingCanvas& c, bool alongY = false) {
    std::vector<bool> covered(500, false);
    for (const std::vector<gfx::Point>& line : Polylines(c))
      for (const gfx::Point& p : line) {
        const int k = alongY ? p.y : p.x;
        if (k >= 0 && k < 500) covered[static_cast<size_t>(k)] = true;
      }
    int missing = 0;
    for (const bool b : covered) missing += b ? 0 : 1;
    return missing;
  }
};
