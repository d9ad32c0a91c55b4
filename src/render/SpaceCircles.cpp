#include "render/SpaceCircles.h"

#include <array>
#include <cmath>
#include <numbers>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/GeometryTexts.h"
#include "formula/SpaceGeometry.h"
#include "formula/SphereSection.h"
#include "formula/VectorGeometry.h"
#include "render/DrawToolkit.h"
#include "render/SpacePolyline.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr int kChords = 60;

}  // namespace

void DrawSpaceCircle(gfx::Canvas& canvas, const TSpacePoint& normal, const TSpacePoint& centre, std::uint8_t dashed,
                     std::uint8_t keepBack, bool allFront, Extended radius, const TSpacePoint& sphereCentre) {
  TAxisAngles a;
  if (!NormalToCircleAngles(normal, a)) return;
  std::array<TSpacePoint, kChords + 1> points;
  for (int k = 0; k <= kChords; ++k) {
    const Extended t = k * kPi / 30;
    const TSpacePoint v =
        AlignToNormal(MakePoint(radius * std::cos(t), radius * std::sin(t), 0), a.cosAz, a.sinAz, a.cosTilt, a.sinTilt);
    points[static_cast<size_t>(k)] = VecAdd(centre, v);
  }
  if (allFront) {
    SpacePolyline line(canvas, dashed);
    for (const TSpacePoint& p : points) line.Add(p);
    return;
  }
  if (keepBack != 1) {
    const gfx::Color pen = canvas.pen.color;
    canvas.pen.color = LightenColor(pen, 4);
    DrawChordRuns(canvas, points, sphereCentre, ChordSide::Away, dashed);
    canvas.pen.color = pen;
  }
  DrawChordRuns(canvas, points, sphereCentre, ChordSide::Facing, dashed);
}

void DrawCircleByNormal(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  TSpacePoint centre;
  Extended r = 0;
  if (!FetchFigurePoint(entry, centre) || !DrawableValueOfText(e.texts[4], r) || !(r > 0)) return;
  const TSpacePoint n = PointFromTexts(e.texts[1], e.texts[2], e.texts[3]);
  if (!n.valid) return;
  DrawSpaceCircle(canvas, n, centre, e.dashed, 0, true, r, centre);
}

void DrawCircleOnSphere(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  const TSphereSection s = SphereSectionCircle(entry);
  if (!s.valid || !(s.radius > 0)) return;
  // From inside the sphere nothing of it hides the circle.
  const bool cameraInside = PointDistance(spaceView.CameraPoint, s.sphereCentre) <= s.sphereRadius;
  DrawSpaceCircle(canvas, s.normal, s.centre, e.dashed, e.noBoundary, cameraInside, s.radius, s.sphereCentre);
}
