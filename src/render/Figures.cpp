#include "render/Figures.h"

#include <cmath>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Tfrec.h"
#include "render/ConicEllipse.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurves.h"
#include "render/FigureArcs.h"
#include "render/FigureGeometry.h"
#include "render/ImplicitRelations.h"
#include "render/MarkedSegment.h"
#include "render/PathUtils.h"
#include "render/PointPolygon.h"
#include "render/ViewClipping.h"

namespace {

enum FigureType : int {
  kLineByDirection = 1,
  kLine = 2,
  kMarkedSegment = 3,
  kArrow = 4,
  kRay = 5,
  kPolyline = 6,
  kFilledPolygon = 7,
  kCircle = 8,
  kBulgingArc = 9,
  kBezier = 10,
  kArcAboutCentre = 11,
  kAngleMark = 12,
};

Extended Snapped(Extended v) { return std::fabs(v) < kDirectionSnap ? 0 : v; }

// The two points of a two-point figure; the second of a line by direction is the first
// moved by the direction of the second and third texts.
bool TwoPoints(const Tfuncprop& entry, ViewPoint& a, ViewPoint& b) {
  if (!FigurePoint(FigureEndPointNumber(entry, 1), a)) return false;
  if (entry.subkind == kLineByDirection) {
    Extended dx = 0, dy = 0;
    if (!DrawableValueOfText(entry.texts[1], dx) || !DrawableValueOfText(entry.texts[2], dy)) return false;
    b = {a.x + Snapped(dx), a.y + Snapped(dy)};
  } else if (!FigurePoint(FigureEndPointNumber(entry, 2), b)) {
    return false;
  }
  return a.x != b.x || a.y != b.y;
}

void DrawTwoPointFigure(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern) {
  ViewPoint a, b;
  if (!TwoPoints(entry, a, b)) return;
  switch (entry.subkind) {
    case kLineByDirection:
    case kLine:
      DrawStyledSegment(canvas, canvas.pen.color, 1, entry.dashed, pattern, a.x, a.y, b.x, b.y);
      break;
    case kRay:
      DrawStyledSegment(canvas, canvas.pen.color, 0, entry.dashed, pattern, a.x, a.y, b.x, b.y);
      break;
    case kMarkedSegment:
      DrawMarkedSegment(canvas, a.x, a.y, b.x, b.y, entry.dashed, pattern, entry.option64);
      break;
    case kArrow:
      DrawArrow(FigureArrowHeadSize(), 0, canvas, entry.arrowStyle, pattern, entry.dashed, a.x, a.y, b.x, b.y);
      break;
    default:
      break;
  }
}

std::vector<gfx::Point> ScreenPointsOf(const std::vector<ViewPoint>& points) {
  std::vector<gfx::Point> pixels;
  pixels.reserve(points.size() + 1);
  for (const ViewPoint& p : points) pixels.push_back(ScreenPointOf(p));
  return pixels;
}

void DrawPolylineFigure(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern) {
  std::vector<ViewPoint> points;
  const bool closed = entry.continued != 0;
  if (!FigurePointList(entry.texts[0], closed, points) || points.empty()) return;
  if (closed) points.push_back(points.front());
  ClippedPolyline line([&](std::span<const gfx::Point> run) { StrokePolyline(canvas, run, pattern, entry.dashed); });
  for (size_t i = 1; i < points.size(); ++i) line.Side(points[i - 1], points[i]);
  line.Flush();
}

void DrawBezierFigure(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern) {
  std::vector<ViewPoint> points;
  if (!FigurePointList(entry.texts[0], false, points)) return;
  const std::vector<gfx::Point> pixels = ScreenPointsOf(points);
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  if (!entry.dashed) {
    target.PolyBezier(pixels);
    return;
  }
  target.BeginPath();
  target.PolyBezier(pixels);
  DashOpenPath(target, pattern);
}

// (x - cx)^2 + (y - cy)^2 - r^2, with the centre and radius as numbers of full precision.
TreePtr CircleEquation(Extended cx, Extended cy, Extended r) {
  auto square = [](Tfrec* t) { return NewBinaryNode(node::Power, t, NewNumberNode(3, 2), 3); };
  auto offset = [&](int32_t variable, Extended c) {
    return square(NewBinaryNode(node::Difference, NewLeafNode(variable, 3), NewNumberNode(3, c), 3));
  };
  return TreePtr(NewBinaryNode(node::Difference,
                               NewBinaryNode(node::Sum, offset(node::VarX, cx), offset(node::VarY, cy), 3),
                               NewNumberNode(3, r * r), 3));
}

// A circle larger than the view both ways is drawn exactly as the curve of its equation;
// any other with the ellipse drawer.
void DrawCircleFigure(gfx::Canvas& canvas, const Tfuncprop& entry) {
  ViewPoint c;
  Extended r = 0;
  if (!FigurePoint(FigureEndPointNumber(entry, 1), c) || !DrawableValueOfText(entry.texts[1], r)) return;
  r = std::fabs(r);
  if (!(r > 0)) return;
  const TViewRange& v = doc.ViewRange;
  if (r >= v.XMax - v.XMin && r >= v.YMax - v.YMin) {
    TreePtr tree = CircleEquation(c.x, c.y, r);
    PlotImplicitList(InPlace(tree), canvas, 0, entry.penWidth, entry.dashed);
    return;
  }
  DrawConicEllipse(canvas, entry.dashed, entry.penWidth, c.x, c.y, 0, r, r);
}

}  // namespace

void DrawFigureEntry(gfx::Canvas& canvas, const Tfuncprop& entry) {
  canvas.pen.color = OutputColor(static_cast<gfx::Color>(entry.color));
  canvas.pen.width = ScaleToOutput(entry.penWidth);
  const std::span<const double> pattern = DashPattern(entry.penWidth);
  switch (entry.subkind) {
    case kLineByDirection:
    case kLine:
    case kMarkedSegment:
    case kArrow:
    case kRay:
      DrawTwoPointFigure(canvas, entry, pattern);
      break;
    case kPolyline: DrawPolylineFigure(canvas, entry, pattern); break;
    case kFilledPolygon:
      FillPointPolygon(canvas, entry.texts[0], entry.brushStyle, pattern, entry.dashed,
                       OutputColor(static_cast<gfx::Color>(entry.brushColor)));
      break;
    case kCircle: DrawCircleFigure(canvas, entry); break;
    case kBulgingArc: DrawBulgingArc(canvas, entry, pattern); break;
    case kBezier: DrawBezierFigure(canvas, entry, pattern); break;
    case kArcAboutCentre: DrawArcAboutCentre(canvas, entry, pattern); break;
    case kAngleMark: DrawAngleMark(canvas, entry); break;
    default: break;
  }
}
