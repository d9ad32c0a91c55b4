#pragma once
// What the closed forms of a relation hand to numeric tracing: the derivative trees of F,
// built once per curve, the trace cell size, and the tracer itself, which draws nothing
// until it is set.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"

// The i-th partial derivatives of F, i = 1..4, each the derivative of the one before:
// x[0] = dF/dx ... x[3] = d4F/dx4, y[0] = dF/dy ... y[3] = d4F/dy4. Nil outside one curve.
struct TImplicitDerivatives {
  Tfrec* x[4] = {};
  Tfrec* y[4] = {};
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

// The cells of the tracer's grid scan, in pixels; set to 10 x 10 before every curve.
extern std::uint8_t TraceCellWidth, TraceCellHeight;

struct TImplicitTracing {
  // Finds and draws the curve F = 0 by searching, in the canvas pen, with the derivatives
  // of ImplicitDerivatives.
  void (*traceImplicitNumerically)(Tfrec*& tree, gfx::Canvas& canvas) = nullptr;
};
extern TImplicitTracing ImplicitTracing;

// The tracer when one is set; nothing otherwise.
void TraceImplicitNumerically(Tfrec*& tree, gfx::Canvas& canvas);
