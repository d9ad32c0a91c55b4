#include "render/SpacePoints.h"

#include <vector>

#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/VectorGeometry.h"
#include "render/DrawToolkit.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

constexpr gfx::Color kPositiveGuide = 0xFF0000, kNegativeGuide = 0x0000FF;

// The corner of the box between the origin and (x, y, z) chosen by the bits of `mask`
// (1 x, 2 y, 4 z).
TSpacePoint BoxCorner(int mask, Extended x, Extended y, Extended z) {
  return MakePoint(mask & 1 ? x : 0, mask & 2 ? y : 0, mask & 4 ? z : 0);
}

// Each edge of the box that does not meet the origin, with the axis it runs along.
template <typename F>
void ForEachFarEdge(Extended x, Extended y, Extended z, F edge) {
  for (int from = 1; from < 8; ++from)
    for (int axis = 0; axis < 3; ++axis) {
      const int bit = 1 << axis;
      if (from & bit) continue;
      edge(BoxCorner(from, x, y, z), BoxCorner(from | bit, x, y, z), axis);
    }
}

}  // namespace

gfx::Color DimPointBehindSphere(int entry, const TSpacePoint& p, gfx::Color colour) {
  const Tfuncprop& e = doc.FigureTable[entry];
  TCircleOperand sphere;
  if (e.subkind != kPointOnSphere || !FetchCircle(e.texts[0], sphere) || FacingCamera(sphere.centre, p)) return colour;
  const gfx::Color pale = LightenColor(colour, 3);
  return pale == gfx::kWhite ? gfx::kBlack : pale;
}

void DrawAxisPerpendiculars(gfx::Canvas& canvas, Extended x, Extended y, Extended z) {
  canvas.pen.mode = gfx::PenMode::Copy;
  if (!doc.PointPerpendicularsShown) return;
  const Extended coordinates[3] = {x, y, z};
  ForEachFarEdge(x, y, z, [&](const TSpacePoint& a, const TSpacePoint& b, int axis) {
    canvas.pen.color = ScreenColor(coordinates[axis] >= 0 ? kPositiveGuide : kNegativeGuide);
    DrawSpaceSegment(canvas, a, b);
  });
}

void DrawPointGuideBoxXor(gfx::Canvas& canvas, Extended x, Extended y, Extended z) {
  canvas.pen.mode = gfx::PenMode::NotXor;
  canvas.pen.color = gfx::Rgb(128, 128, 128);
  canvas.pen.width = 1;
  if (z != 0) {
    ForEachFarEdge(x, y, z, [&](const TSpacePoint& a, const TSpacePoint& b, int) { DrawSpaceSegment(canvas, a, b); });
  } else {
    const TSpacePoint corner = MakePoint(x, y, 0);
    DrawSpaceSegment(canvas, MakePoint(x, 0, 0), corner);
    DrawSpaceSegment(canvas, MakePoint(0, y, 0), corner);
  }
  canvas.pen.mode = gfx::PenMode::Copy;
}

void DrawPointEntry3D(gfx::Canvas& canvas, int entry, std::uint8_t guide) {
  const Tfuncprop& e = doc.FigureTable[entry];
  const gfx::Color colour = static_cast<gfx::Color>(e.color);
  if (colour == gfx::kWhite || EntryOfPoint(e.letter) == 0) return;
  TSpacePoint first;
  FetchPoint(e.letter, first);  // brings element 0 up to date
  UsePlainPen(canvas);
  for (const TSpacePoint& p : doc.PointSequences[e.letter]) {
    if (!p.valid || !IsPointVisible3D(p)) continue;
    const gfx::Color c = DimPointBehindSphere(entry, p, colour);
    TSpacePoint q;
    ProjectPoint(p, q);
    if (!q.valid) continue;
    canvas.pen.width = 1;
    if (guide) {
      canvas.pen.color = c;
      DrawAxisPerpendiculars(canvas, p.x, p.y, p.z);
    }
    DrawPointMarker(canvas, e.penWidth + 2, e.option64, c, q.x, q.y);
  }
}
