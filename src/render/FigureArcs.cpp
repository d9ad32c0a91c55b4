#include "render/FigureArcs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"
#include "render/ConicEllipse.h"
#include "render/DrawToolkit.h"
#include "render/FigureGeometry.h"
#include "render/PathUtils.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

int R(Extended v) { return static_cast<int>(rtl::Round(v)); }

// A point far along the direction, so that the radial through it keeps the direction's
// precision.
gfx::Point Radial(gfx::Point centre, const PixelVector& d) {
  const Extended l = d.Length();
  return {centre.x + R(1000 * d.x / l), centre.y + R(1000 * d.y / l)};
}

// The arc of the circle about c with radius r, counter-clockwise on the screen from the
// radial through `from` to the radial through `to`; dashed through a flattened path.
void DrawPixelArc(gfx::Canvas& canvas, gfx::Point c, int r, gfx::Point from, gfx::Point to, std::uint8_t dashed,
                  std::span<const double> pattern) {
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  target.brush.style = gfx::BrushStyle::Clear;
  if (!dashed) {
    target.Arc(c.x - r, c.y - r, c.x + r, c.y + r, from.x, from.y, to.x, to.y);
    return;
  }
  target.BeginPath();
  target.Arc(c.x - r, c.y - r, c.x + r, c.y + r, from.x, from.y, to.x, to.y);
  DashOpenPath(target, pattern);
}

// Decided on the figure itself, not on its pixels: the scales of x and y differ by the
// view's rounding or by a zoom of one axis, which would turn a square corner into an arc.
bool IsRightAngle(const ViewPoint& a, const ViewPoint& o, const ViewPoint& b) {
  const Extended ux = a.x - o.x, uy = a.y - o.y, vx = b.x - o.x, vy = b.y - o.y;
  return std::fabs(ux * vx + uy * vy) <= kRightAngleTolerance * std::hypot(ux, uy) * std::hypot(vx, vy);
}

bool EndPoints(const Tfuncprop& entry, ViewPoint& a, ViewPoint& b) {
  return FigurePoint(FigureEndPointNumber(entry, 1), a) && FigurePoint(FigureEndPointNumber(entry, 2), b);
}

}  // namespace

void DrawBulgingArc(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern) {
  ViewPoint a, b;
  if (!EndPoints(entry, a, b)) return;
  Extended k = -1.5L;
  if (!entry.texts[2].empty() && !DrawableValueOfText(entry.texts[2], k)) return;
  const gfx::Point p1 = ScreenPointOf(a), p2 = ScreenPointOf(b);
  if (p1 == p2) return;
  const gfx::Point c{R((p1.x + p2.x) / 2.0L + k * (p1.y - p2.y) / 2), R((p1.y + p2.y) / 2.0L + k * (p2.x - p1.x) / 2)};
  const int r = R(std::hypot(static_cast<Extended>(p1.x - c.x), static_cast<Extended>(p1.y - c.y)));
  DrawPixelArc(canvas, c, r, p1, p2, entry.dashed, pattern);
}

void DrawArcAboutCentre(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern) {
  ViewPoint a, o;
  Extended theta = 0;
  if (!EndPoints(entry, a, o) || !DrawableValueOfText(entry.texts[2], theta) || theta == 0) return;
  const PixelVector u = PixelVectorOf(o, a);
  const Extended r = u.Length();
  if (!(r > 0)) return;
  if (std::fabs(theta) > 2 * kPi) {
    DrawConicEllipse(canvas, entry.dashed, entry.penWidth, o.x, o.y, 0, r * doc.PixelSizeY, r * doc.PixelSizeX);
    return;
  }
  // Turned counter-clockwise on the screen, where y points down.
  const Extended c = std::cos(theta), s = std::sin(theta);
  PixelVector from = u, to{u.x * c + u.y * s, -u.x * s + u.y * c};
  if (theta < 0) std::swap(from, to);
  const gfx::Point centre = ScreenPointOf(o);
  DrawPixelArc(canvas, centre, R(r), Radial(centre, from), Radial(centre, to), entry.dashed, pattern);
}

void DrawAngleMark(gfx::Canvas& canvas, const Tfuncprop& entry) {
  const std::vector<int> letters = PointNumbersOf(entry.texts[0]);
  ViewPoint a, o, b;
  if (letters.size() < 3 || !FigurePoint(letters[0], a) || !FigurePoint(letters[1], o) ||
      !FigurePoint(letters[2], b))
    return;
  Extended n = 15;
  if (!entry.texts[1].empty() && !DrawableValueOfText(entry.texts[1], n)) return;
  const int s = ScaleToOutput(static_cast<int>(std::clamp<Extended>(rtl::RoundToEven(n), 15, 10000)));
  PixelVector u = PixelVectorOf(o, a), v = PixelVectorOf(o, b);
  const Extended lu = u.Length(), lv = v.Length();
  if (!(lu > 0) || !(lv > 0)) return;
  Extended angle = std::acos(std::clamp((u.x * v.x + u.y * v.y) / (lu * lv), -1.0L, 1.0L));
  const gfx::Point centre = ScreenPointOf(o);
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  if (IsRightAngle(a, o, b)) {
    // Along the sides as the screen shows them, which a view of unequal scales shears.
    const Extended side = rtl::RoundToEven(s * std::numbers::sqrt2_v<Extended> / 2);
    const Extended ux = side * u.x / lu, uy = side * u.y / lu, vx = side * v.x / lv, vy = side * v.y / lv;
    const gfx::Point corner[] = {{centre.x + R(ux), centre.y + R(uy)},
                                 {centre.x + R(ux + vx), centre.y + R(uy + vy)},
                                 {centre.x + R(vx), centre.y + R(vy)}};
    target.Polyline(corner);
    return;
  }
  // The angle counter-clockwise from A to B as the screen shows it (y points down there).
  if (u.x * v.y - u.y * v.x > 0) angle = 2 * kPi - angle;
  if (entry.angleWithin180 && angle > kPi) std::swap(u, v);
  target.brush.style = gfx::BrushStyle::Clear;
  target.Arc(centre.x - s, centre.y - s, centre.x + s, centre.y + s, Radial(centre, u).x, Radial(centre, u).y,
             Radial(centre, v).x, Radial(centre, v).y);
}
