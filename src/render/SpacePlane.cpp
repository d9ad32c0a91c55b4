#include "render/SpacePlane.h"

#include <array>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/GeometryTexts.h"
#include "formula/VectorGeometry.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"
#include "render/SurfaceClip.h"
#include "render/SurfaceGrid.h"

namespace {

void DrawOutline(gfx::Canvas& canvas, std::span<const CellPoint> corners) {
  canvas.brush.style = gfx::BrushStyle::Clear;
  DrawSpacePolygon(corners, canvas);
}

CellPoint Corner(Extended x, Extended y, Extended z) { return {x, y, z, kGridInside}; }

// The part of a plane that is not vertical inside the cube: over the corners of the
// square |x|, |y| <= R, cut to |z| <= R like a cell of a surface.
void DrawSlopedCut(gfx::Canvas& canvas, const TSpacePoint& p0, const TSpacePoint& n, Extended r) {
  const Extended k = VecDot(n, p0);
  const Extended xs[4] = {-r, r, r, -r}, ys[4] = {-r, -r, r, r};
  std::array<CellPoint, 4> corners;
  for (int i = 0; i < 4; ++i) {
    TSpacePoint c = MakePoint(xs[i], ys[i], (k - n.x * xs[i] - n.y * ys[i]) / n.z);
    ClassifyGridPoint(c, -r, r);
    corners[static_cast<size_t>(i)] = CellPointOf(c);
  }
  CellPolygon polygon;
  BuildClippedCellPolygon(corners, r, nullptr, polygon);
  if (polygon.count >= 3) DrawOutline(canvas, polygon.View());
}

// A vertical plane not parallel to an axis: where its trace crosses the square's sides,
// the first two crossings on the square are the sides of a rectangle from z = -R to R.
void DrawSlantedVerticalCut(gfx::Canvas& canvas, const TSpacePoint& p0, const TSpacePoint& n, Extended r) {
  const Extended x0 = p0.x, y0 = p0.y, a = n.y / n.x, b = n.x / n.y;
  const TSpacePoint crossings[4] = {MakePoint(x0 - a * (r - y0), r, 0), MakePoint(r, y0 - b * (r - x0), 0),
                                    MakePoint(x0 - a * (-y0 - r), -r, 0), MakePoint(-r, y0 - b * (-x0 - r), 0)};
  const TSpacePoint* ends[2] = {};
  int found = 0;
  for (const TSpacePoint& c : crossings)
    if (found < 2 && InRangeBox(c, static_cast<float>(r))) ends[found++] = &c;
  if (found < 2) return;
  const TSpacePoint e1 = *ends[0], e2 = *ends[1];
  const TSpacePoint lo1 = MakePoint(e1.x, e1.y, -r), lo2 = MakePoint(e2.x, e2.y, -r);
  const TSpacePoint hi1 = MakePoint(e1.x, e1.y, r), hi2 = MakePoint(e2.x, e2.y, r);
  DrawSpaceSegment(canvas, lo1, lo2);
  DrawSpaceSegment(canvas, lo2, hi2);
  DrawSpaceSegment(canvas, hi2, hi1);
  DrawSpaceSegment(canvas, hi1, lo1);
}

void DrawBoxCut(gfx::Canvas& canvas, const TSpacePoint& p0, const TSpacePoint& n, Extended r) {
  if (n.z != 0) {
    DrawSlopedCut(canvas, p0, n, r);
  } else if (n.x != 0 && n.y != 0) {
    DrawSlantedVerticalCut(canvas, p0, n, r);
  } else if (n.y == 0) {  // x = x0
    const CellPoint corners[4] = {Corner(p0.x, -r, -r), Corner(p0.x, r, -r), Corner(p0.x, r, r), Corner(p0.x, -r, r)};
    DrawOutline(canvas, corners);
  } else {  // y = y0
    const CellPoint corners[4] = {Corner(-r, p0.y, -r), Corner(r, p0.y, -r), Corner(r, p0.y, r), Corner(-r, p0.y, r)};
    DrawOutline(canvas, corners);
  }
}

// The square of side 2R about the point, two of its sides level.
void DrawSquare(gfx::Canvas& canvas, const TSpacePoint& p0, const TSpacePoint& n, Extended r) {
  TSpacePoint u = n.x == 0 && n.y == 0 ? MakePoint(1, 0, 0) : MakePoint(-n.y, n.x, 0);
  TSpacePoint w = VecCross(n, u);
  u = VecScale(u, r / VecLength(u));
  w = VecScale(w, r / VecLength(w));
  const TSpacePoint corners[4] = {VecAdd(VecAdd(p0, u), w), VecAdd(VecSub(p0, u), w), VecSub(VecSub(p0, u), w),
                                  VecSub(VecAdd(p0, u), w)};
  CellPoint cells[4];
  for (int i = 0; i < 4; ++i) cells[i] = CellPointOf(corners[i]);
  DrawOutline(canvas, cells);
}

}  // namespace

void DrawPlaneFigure(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  TSpacePoint p0;
  if (!FetchFigurePoint(entry, p0)) return;
  const TSpacePoint n = PointFromTexts(e.texts[1], e.texts[2], e.texts[3]);
  if (!n.valid || VecIsZero(n)) return;
  const Extended r = doc.SpaceRange;
  if (doc.RangeBoxShown || e.option32)
    DrawBoxCut(canvas, p0, n, r);
  else
    DrawSquare(canvas, p0, n, r);
}
