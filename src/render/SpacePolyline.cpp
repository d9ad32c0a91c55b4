#include "render/SpacePolyline.h"

#include "render/DrawToolkit.h"
#include "render/ExplicitCurves.h"
#include "render/SpaceView.h"

SpacePolyline::SpacePolyline(gfx::Canvas& canvas, std::uint8_t dashed)
    : line_([&canvas, dashed](std::span<const gfx::Point> run) {
        StrokePolyline(canvas, run, DashPattern(canvas.pen.width), dashed);
      }) {}

SpacePolyline::~SpacePolyline() { Flush(); }

void SpacePolyline::Add(const TSpacePoint& p) {
  TSpacePoint q;
  ProjectPoint(p, q);
  if (q.valid)
    AddViewPoint(q.x, q.y);
  else
    Flush();
}

void SpacePolyline::AddViewPoint(Extended x, Extended y) {
  const ViewPoint p{x, y};
  if (havePoint_) line_.Side(last_, p);
  last_ = p;
  havePoint_ = true;
}

void SpacePolyline::Flush() {
  line_.Flush();
  havePoint_ = false;
}

void DrawChordRuns(gfx::Canvas& canvas, std::span<const TSpacePoint> points, const TSpacePoint& sphereCentre,
                   ChordSide side, std::uint8_t dashed) {
  if (points.size() < 2) return;
  SpacePolyline run(canvas, dashed);
  bool open = false;
  bool previousFacing = FacingCamera(sphereCentre, points[0]);
  for (size_t k = 1; k < points.size(); ++k) {
    const bool facing = FacingCamera(sphereCentre, points[k]);
    const bool wanted = (previousFacing || facing) == (side == ChordSide::Facing);
    if (wanted) {
      if (!open) run.Add(points[k - 1]);
      run.Add(points[k]);
    } else if (open) {
      run.Flush();
    }
    open = wanted;
    previousFacing = facing;
  }
}
