#pragma once
// What the drawers of a relation F(x, y) = 0 share: the pen they draw with and the road
// that drew the curve.
#include <cstdint>

#include "platform/Canvas.h"

// The canvas already holds the pen; width selects the dash pattern (DashPattern) of a
// dashed curve, style is handed on to the explicit-curve drawer (the fill of solution
// marks).
struct ImplicitStroke {
  gfx::Canvas& canvas;
  std::uint8_t style = 0;
  int width = 1;
  std::uint8_t dashed = 0;
};

// How a relation was drawn.
enum class ImplicitRoad : std::uint8_t {
  None,            // nothing drawn: a nil tree, or F undefined wherever it was tried
  Line,            // degree 1
  Ellipse,
  Parabola,
  Hyperbola,
  Lines,           // a degenerate conic: one line or two, parallel or crossing
  NoRealCurve,     // a degenerate conic without a curve: a single point or nothing
  SolvedForY,      // y = g(x)
  SolvedForX,      // x = g(y)
  QuadraticInY,
  QuadraticInX,
  CubicInY,
  CubicInX,
  BiquadraticInY,
  BiquadraticInX,
  Trace,           // handed to numeric tracing
};
