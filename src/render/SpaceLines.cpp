#include "render/SpaceLines.h"

#include <span>
#include <vector>

#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/VectorGeometry.h"
#include "render/DrawToolkit.h"
#include "render/FigureGeometry.h"
#include "render/MarkedSegment.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

enum LineType : int { kLine = 2, kMarkedSegment = 3, kArrow = 4, kRay = 5, kPolyline = 6 };

// From the visible end p toward q, the point on the plane of the near camera point.
TSpacePoint OnNearPlane(const TSpacePoint& p, const TSpacePoint& q) {
  const TSpacePoint& c = spaceView.CameraPoint;
  const Extended t = VecDot(c, VecSub(spaceView.CameraPointNear, p)) / VecDot(c, VecSub(q, p));
  return MakePoint(p.x + t * (q.x - p.x), p.y + t * (q.y - p.y), p.z + t * (q.z - p.z));
}

void DrawPolylineFigure(gfx::Canvas& canvas, const Tfuncprop& e, std::span<const double> pattern) {
  std::vector<TSpacePoint> points;
  if (!FigurePointRecords(e.texts[0], points) || points.empty()) return;
  if (e.continued) points.push_back(points.front());
  const TSpacePoint* previous = nullptr;
  for (const TSpacePoint& p : points) {
    if (!p.valid) continue;
    ViewSegment s;
    if (previous && ClipSegmentToCamera(*previous, p, s)) DrawWorldSegment(canvas, e.dashed, pattern, s.x1, s.y1, s.x2, s.y2);
    previous = &p;
  }
}

void DrawTwoPointFigure(gfx::Canvas& canvas, const Tfuncprop& e, std::span<const double> pattern) {
  TSpacePoint a, b;
  if (!FetchPoint(FigureEndPointNumber(e, 1), a) || !FetchPoint(FigureEndPointNumber(e, 2), b)) return;
  ViewSegment s;
  if (!ClipSegmentToCamera(a, b, s)) return;
  if (WorldToScreenX(s.x1) == WorldToScreenX(s.x2) && WorldToScreenY(s.y1) == WorldToScreenY(s.y2)) return;
  switch (e.subkind) {
    case kLine: DrawStyledSegment(canvas, canvas.pen.color, 1, e.dashed, pattern, s.x1, s.y1, s.x2, s.y2); break;
    case kMarkedSegment: DrawMarkedSegment(canvas, s.x1, s.y1, s.x2, s.y2, e.dashed, pattern, e.option64); break;
    case kArrow:
      DrawArrow(FigureArrowHeadSize(), 0, canvas, e.noBoundary, pattern, e.dashed, s.x1, s.y1, s.x2, s.y2);
      break;
    case kRay: DrawStyledSegment(canvas, canvas.pen.color, 0, e.dashed, pattern, s.x1, s.y1, s.x2, s.y2); break;
    default: break;
  }
}

}  // namespace

bool ClipSegmentToCamera(const TSpacePoint& p, const TSpacePoint& q, ViewSegment& out) {
  const bool pSeen = IsPointVisible3D(p), qSeen = IsPointVisible3D(q);
  if (!pSeen && !qSeen) return false;
  const TSpacePoint a = pSeen ? p : OnNearPlane(q, p);
  const TSpacePoint b = qSeen ? q : OnNearPlane(p, q);
  TSpacePoint pa, pb;
  ProjectPoint(a, pa);
  ProjectPoint(b, pb);
  if (!pa.valid || !pb.valid) return false;
  out = {pa.x, pa.y, pb.x, pb.y};
  return true;
}

void DrawLineFigures3D(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  const std::span<const double> pattern = DashPattern(e.penWidth);
  if (e.subkind == kPolyline)
    DrawPolylineFigure(canvas, e, pattern);
  else
    DrawTwoPointFigure(canvas, e, pattern);
}
