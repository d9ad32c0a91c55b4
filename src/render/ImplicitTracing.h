#pragma once
// Numeric tracing of a relation F(x, y) = 0 that has no closed form: a scan over a grid of
// cells finds a point of the curve on the lower or left edge of each cell no trace has
// passed yet, and the curve is followed from there both ways by tangent steps corrected on
// a small circle. It reads the derivative trees of F that the closed forms build once per
// curve.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// The i-th partial derivatives of F, i = 1..4, each the derivative of the one before:
// x[0] = dF/dx ... x[3] = d4F/dx4, y[0] = dF/dy ... y[3] = d4F/dy4. Nil outside one curve.
struct TImplicitDerivatives {
  TreePtr x[4];
  TreePtr y[4];
};
extern TImplicitDerivatives ImplicitDerivatives;

// Builds the eight derivatives of F on construction and frees them on every way out.
class ImplicitDerivativesScope {
 public:
  explicit ImplicitDerivativesScope(const Tfrec* F);
  ~ImplicitDerivativesScope();
  ImplicitDerivativesScope(const ImplicitDerivativesScope&) = delete;
  ImplicitDerivativesScope& operator=(const ImplicitDerivativesScope&) = delete;
};

// The cells of the grid scan, in pixels; set to 10 x 10 before every curve.
extern std::uint8_t TraceCellWidth, TraceCellHeight;

// F, dF/dx and dF/dy at (x, y) with z = 0; eng.EvalDrawable tells whether the value is
// drawable.
Extended ImplicitValue(Tfrec*& F, Extended x, Extended y);
Extended ImplicitSlopeX(Extended x, Extended y);
Extended ImplicitSlopeY(Extended x, Extended y);

// Finds and draws every curve of F = 0 across the view by searching, in the canvas pen,
// with the derivatives of ImplicitDerivatives. Reads the canvas back: a trace ends where it
// meets a pixel of the pen colour.
void TraceImplicitNumerically(Tfrec*& tree, gfx::Canvas& canvas);
