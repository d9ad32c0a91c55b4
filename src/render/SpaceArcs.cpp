#include "render/SpaceArcs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/SpaceGeometry.h"
#include "formula/TriangleGeometry.h"
#include "formula/VectorGeometry.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/SpacePolyline.h"
#include "render/SpacePrimitives.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr Extended kStep = kPi / 30;
constexpr Extended kStepTolerance = 1e-9L;

// The turn of p about the axis through `centre` as one polyline.
void DrawTurn(gfx::Canvas& canvas, const TSpacePoint& p, const TSpacePoint& centre, const TSpacePoint& axis,
              Extended angle, std::uint8_t dashed) {
  TAxisAngles a;
  if (!NormalToCircleAngles(axis, a)) return;
  std::vector<TSpacePoint> points;
  TurnedPoints(p, centre, a, angle, points);
  SpacePolyline line(canvas, dashed);
  for (const TSpacePoint& q : points) line.Add(q);
}

}  // namespace

void TurnedPoints(const TSpacePoint& p, const TSpacePoint& centre, const TAxisAngles& axis, Extended angle,
                  std::vector<TSpacePoint>& out) {
  out.clear();
  const Extended s = angle < 0 ? -kStep : kStep;
  const Extended n = std::fabs(angle) / kStep;
  const int steps = static_cast<int>(n);
  for (int k = 0; k <= steps; ++k) out.push_back(RotatePointAboutAxis(p, centre, axis, 1, k * s));
  // A last step shorter than the others; none when the steps end at the angle.
  if (n - steps > kStepTolerance) out.push_back(RotatePointAboutAxis(p, centre, axis, 1, angle));
}

void DrawArcAboutLine(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  TSpacePoint p, ab[2];
  if (!FetchFigurePoint(entry, p) || !FetchPoints(e.texts[1], 2, ab) || VecIsZero(VecSub(ab[0], ab[1]))) return;
  const TSpacePoint foot = PerpendicularFoot(p, ab[0], ab[1]);
  if (!foot.valid) return;
  eng.EvalOK = eng.EvalDrawable = 1;
  const TVariableValues& v = doc.VariableValues;
  Extended angle = EvaluateTextUnrolled(e.texts[2], v.X, v.Y, v.Z);
  if (!eng.EvalDrawable || !std::isfinite(angle) || angle == 0) return;
  angle = std::clamp(angle, -2 * kPi, 2 * kPi);
  DrawTurn(canvas, p, foot, VecSub(ab[1], ab[0]), angle, e.dashed);
}

void DrawAngleMark3D(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  TSpacePoint abc[3];
  if (!FetchPoints(e.texts[0], 3, abc)) return;
  Extended size = 15;
  if (!e.texts[1].empty() && !DrawableValueOfText(e.texts[1], size)) return;
  const int h = ScaleToOutput(static_cast<int>(std::clamp<Extended>(rtl::RoundToEven(size), 15, 10000)));
  const TSpacePoint& b = abc[1];
  const TSpacePoint u = VecSub(abc[0], b), w = VecSub(abc[2], b);
  const TSpacePoint normal = VecCross(u, w);
  if (VecIsZero(u) || VecIsZero(w) || VecIsZero(normal)) return;
  const Extended world = h * doc.PixelSizeX;
  const TSpacePoint uEnd = VecAdd(b, VecScale(u, world / VecLength(u)));
  const TSpacePoint wEnd = VecAdd(b, VecScale(w, world / VecLength(w)));
  const Extended angle = std::acos(std::clamp(VecCosAngle(u, w), -1.0L, 1.0L));
  if (std::fabs(angle - kPi / 2) <= kSpaceRightAngleTolerance) {
    SpacePolyline corner(canvas, 0);
    corner.Add(uEnd);
    corner.Add(VecSub(VecAdd(uEnd, wEnd), b));
    corner.Add(wEnd);
    return;
  }
  DrawTurn(canvas, uEnd, b, normal, angle, 0);
}
