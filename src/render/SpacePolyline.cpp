#include "render/SpacePolyline.h"

#include "render/DrawToolkit.h"
#include "render/ExplicitCurves.h"
#include "render/SpaceView.h"

SpacePolyline::SpacePolyline(gfx::Canvas& canvas, std::uint8_t dashed) : canvas_(canvas), dashed_(dashed) {
  pixels_.reserve(64);
}

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
  pixels_.push_back({WorldToScreenX(x), WorldToScreenY(y)});
}

void SpacePolyline::Flush() {
  StrokePolyline(canvas_, pixels_, DashPattern(canvas_.pen.width), dashed_);
  pixels_.clear();
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
