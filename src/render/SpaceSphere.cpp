#include "render/SpaceSphere.h"

#include <array>
#include <cmath>
#include <numbers>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/VectorGeometry.h"
#include "render/DrawToolkit.h"
#include "render/SpaceCircles.h"
#include "render/SpacePolyline.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr int kEquatorChords = 40;

void DrawEquator(gfx::Canvas& canvas, const TSpacePoint& o, Extended r, gfx::Color colour) {
  std::array<TSpacePoint, kEquatorChords + 1> points;
  for (int k = 0; k <= kEquatorChords; ++k) {
    const Extended t = k * kPi / 20;
    points[static_cast<size_t>(k)] = MakePoint(o.x + r * std::cos(t), o.y + r * std::sin(t), o.z);
  }
  canvas.pen.color = LightenColor(colour, 4);
  DrawChordRuns(canvas, points, o, ChordSide::Away, 0);
  canvas.pen.color = colour;
  DrawChordRuns(canvas, points, o, ChordSide::Facing, 0);
}

}  // namespace

void DrawSphereFigure(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UsePlainPen(canvas);
  const gfx::Color c = OutputColor(static_cast<gfx::Color>(e.color));
  canvas.pen.color = c;
  canvas.pen.width = e.penWidth;
  TSpacePoint o;
  Extended r = 0;
  if (!DrawableValueOfText(e.texts[1], r) || !(r > 0) || !FetchFigurePoint(entry, o)) return;
  const TSpacePoint toCamera = VecSub(spaceView.CameraPoint, o);
  const Extended d2 = VecLengthSquared(toCamera);
  if (!(d2 > r * r)) return;
  if (!e.noBoundary) DrawEquator(canvas, o, r, c);
  const TSpacePoint centre = VecAdd(o, VecScale(toCamera, r * r / d2));
  const Extended radius = std::sqrt(d2 - r * r) * r / std::sqrt(d2);
  canvas.pen.width = ScaleToOutput(e.penWidth);
  DrawSpaceCircle(canvas, VecSub(spaceView.CameraPoint, centre), centre, e.dashed, 0, true, radius, o);
}
