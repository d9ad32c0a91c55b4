#include "render/ImplicitConics.h"

#include <cmath>
#include <numbers>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Numeric.h"
#include "render/ConicEllipse.h"
#include "render/DrawToolkit.h"
#include "render/ImplicitTracing.h"
#include "render/OpenConics.h"

namespace {

// F at (x, y) with z = 0; false where it is undefined.
bool ValueAt(Tfrec*& F, Extended x, Extended y, Extended& value) {
  value = EvaluateTree(F, x, y, 0);
  return eng.EvalDrawable && std::isfinite(value);
}

float Snapped(Extended v) {
  const float f = ToSingle(v);
  return std::fabs(f) < 1e-7f ? 0.0f : f;
}

void Line(const ImplicitStroke& s, Extended a, Extended b, Extended c) {
  DrawInfiniteLine(s.canvas, s.dashed, a, b, c);
}

// a·(x − x0) + b·(y − y0) = 0.
void LineThrough(const ImplicitStroke& s, Extended a, Extended b, Extended x0, Extended y0) {
  Line(s, a, b, -(a * x0 + b * y0));
}

// q·v² + 2p·v + r = 0 with v = a·x + b·y, (a, b) = (1, 0) or (0, 1): the lines
// v = −(p ± √g)/q with g = p² − q·r, one when g = 0, none when g < 0.
ImplicitRoad LinesOfQuadratic(const ImplicitStroke& s, float q, float p, float r, Extended a, Extended b) {
  const float g = p * p - q * r;
  if (g < 0) return ImplicitRoad::NoRealCurve;
  const Extended root = std::sqrt(static_cast<Extended>(g));
  Line(s, a, b, (p + root) / q);
  if (g > 0) Line(s, a, b, (p - root) / q);
  return ImplicitRoad::Lines;
}

// δ = 0 with B ≠ 0: the quadratic part is (A·x + B·y)²/A, a square along the unit normal
// n = (A, B)/V. In u = n·(x, y) and w across it, F = (V²/A)·u² + 2(K/V)·u − 2(S/V)·w + F0
// with K = A·D + B·E and S = D·B − A·E.
ImplicitRoad DrawRotatedDegenerate(const ImplicitStroke& s, const ConicCoefficients& k) {
  const float A = k.A, B = k.B, C = k.C, D = k.D, E = k.E, F0 = k.F0;
  const float V = std::sqrt(A * A + B * B);
  const float S = D * B - A * E;
  if (S != 0) {
    DrawConicParabola(s.canvas, s.dashed, s.width, A / V, B / V, F0 * V / (2 * S), (A * D + B * E) / S,
                      (A * A * A + 2 * A * B * B + C * B * B) / (2 * S * V));
    return ImplicitRoad::Parabola;
  }
  // A pair of parallel lines u = (−A·K ± √T)/V³ with T = A²K² − A·F0·V⁴, one line when
  // T = 0. Worked out from the float coefficients in extended precision, so that an exact
  // square such as (x+y)^2 gives T = 0 exactly.
  const Extended a = A, b = B, K = a * k.D + b * k.E, V2 = a * a + b * b, V3 = V2 * std::sqrt(V2);
  const Extended T = a * a * K * K - a * F0 * V2 * V2;
  if (T < 0) return ImplicitRoad::NoRealCurve;
  const Extended nx = a / std::sqrt(V2), ny = b / std::sqrt(V2), root = std::sqrt(T);
  Line(s, nx, ny, (a * K - root) / V3);  // nx·x + ny·y − u = 0
  if (T > 0) Line(s, nx, ny, (a * K + root) / V3);
  return ImplicitRoad::Lines;
}

// δ = 0: parabolas, pairs of parallel lines, single lines, or nothing.
ImplicitRoad DrawDegenerate(const ImplicitStroke& s, const ConicCoefficients& k) {
  const float A = k.A, B = k.B, C = k.C, D = k.D, E = k.E, F0 = k.F0;
  if (B != 0) return DrawRotatedDegenerate(s, k);
  if (A != 0) {
    if (E != 0) {
      DrawConicParabola(s.canvas, s.dashed, s.width, 1, 0, -F0 / (2 * E), -D / E, -A / (2 * E));
      return ImplicitRoad::Parabola;
    }
    return LinesOfQuadratic(s, A, D, F0, 1, 0);
  }
  if (C != 0) {
    if (D != 0) {
      DrawConicParabola(s.canvas, s.dashed, s.width, 0, -1, -F0 / (2 * D), E / D, -C / (2 * D));
      return ImplicitRoad::Parabola;
    }
    return LinesOfQuadratic(s, C, E, F0, 0, 1);
  }
  if (E != 0) {
    Line(s, 2 * D, 2 * E, F0);
    return ImplicitRoad::Line;
  }
  if (D != 0) {
    Line(s, 2 * D, 0, F0);
    return ImplicitRoad::Line;
  }
  return ImplicitRoad::NoRealCurve;
}

}  // namespace

bool ComputeConicCoefficients(Tfrec*& F, ConicCoefficients& k) {
  Tfrec* Fx = ImplicitDerivatives.x[0].get();
  Tfrec* Fy = ImplicitDerivatives.y[0].get();
  Extended f00 = 0, fx00 = 0, fy00 = 0, fy01 = 0, fx10 = 0, fx01 = 0;
  if (!ValueAt(F, 0, 0, f00) || !ValueAt(Fx, 0, 0, fx00) || !ValueAt(Fy, 0, 0, fy00) || !ValueAt(Fy, 0, 1, fy01) ||
      !ValueAt(Fx, 1, 0, fx10) || !ValueAt(Fx, 0, 1, fx01))
    return false;
  const float D = ToSingle(fx00 / 2), E = ToSingle(fy00 / 2);
  k.F0 = Snapped(f00);
  k.D = Snapped(D);
  k.E = Snapped(E);
  k.C = Snapped(fy01 / 2 - E);
  k.A = Snapped(fx10 / 2 - D);
  k.B = Snapped(fx01 / 2 - D);
  return true;
}

ImplicitRoad DrawImplicitLine(Tfrec*& F, const ImplicitStroke& stroke) {
  Extended f00 = 0, f10 = 0, f01 = 0;
  if (!ValueAt(F, 0, 0, f00) || !ValueAt(F, 1, 0, f10) || !ValueAt(F, 0, 1, f01)) return ImplicitRoad::NoRealCurve;
  Line(stroke, f10 - f00, f01 - f00, f00);
  return ImplicitRoad::Line;
}

ImplicitRoad DrawConic(Tfrec*& F, const ImplicitStroke& stroke) {
  ConicCoefficients k;
  if (!ComputeConicCoefficients(F, k)) return ImplicitRoad::None;
  const float A = k.A, B = k.B, C = k.C, D = k.D, E = k.E, F0 = k.F0;
  const float delta = A * C - B * B;
  const float Delta = F0 * A * C + 2 * D * E * B - D * D * C - E * E * A - B * B * F0;
  if (std::fabs(delta) < 3.6e-18f) return DrawDegenerate(stroke, k);
  const float I = Delta / delta;
  const float x0 = (B * E - C * D) / delta, y0 = (B * D - A * E) / delta;
  if (I != 0) {
    // Turned by θ about the centre, F = λ1·u² + λ2·w² + I.
    const Extended phi = A != C ? std::atan(static_cast<Extended>(2 * B / (A - C))) : std::numbers::pi_v<Extended> / 2;
    const Extended theta = phi / 2;
    const Extended lambda1 = ((A + C) + (A - C) * std::cos(phi)) / 2 + B * std::sin(phi);
    const Extended lambda2 = ((A + C) - (A - C) * std::cos(phi)) / 2 - B * std::sin(phi);
    const Extended R = -lambda1 / I, Q = -lambda2 / I;
    if (Sign(R) * Sign(Q) >= 0) return DrawConicEllipseChecked(stroke, x0, y0, theta, Q, R);
    DrawConicHyperbola(stroke.canvas, stroke.dashed, stroke.width, x0, y0, theta, Q, R);
    return ImplicitRoad::Hyperbola;
  }
  if (delta > 0) return ImplicitRoad::NoRealCurve;  // a single point
  // Two lines crossing at the centre.
  if (C != 0) {
    const float root = std::sqrt(-delta);
    LineThrough(stroke, B - root, C, x0, y0);
    LineThrough(stroke, B + root, C, x0, y0);
  } else {
    LineThrough(stroke, 1, 0, x0, y0);
    if (A != 0)
      LineThrough(stroke, A, 2 * B, x0, y0);
    else
      LineThrough(stroke, 0, 1, x0, y0);
  }
  return ImplicitRoad::Lines;
}

ImplicitRoad DrawConicEllipseChecked(const ImplicitStroke& stroke, Extended cx, Extended cy, Extended theta,
                                     Extended Q, Extended R) {
  if (!(R > 0 && Q > 0)) return ImplicitRoad::None;
  const Extended rx = std::sqrt(1 / R), ry = std::sqrt(1 / Q);
  const TViewRange& v = doc.ViewRange;
  if (!(rx <= v.XMax - v.XMin && ry <= v.YMax - v.YMin)) return ImplicitRoad::None;
  DrawConicEllipse(stroke.canvas, stroke.dashed, stroke.width, cx, cy, theta, ry, rx);
  return ImplicitRoad::Ellipse;
}
