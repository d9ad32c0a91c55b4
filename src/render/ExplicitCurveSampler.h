#pragma once
// The sampler of explicit curves y = f(x), and x = f(y) for the relation drawers: one
// evaluation per pixel, domain edges found by bisection, the line broken where the
// evaluator reports a jump or a chord test shows one, and the polyline cut a few pixels
// beyond the view.
#include "formula/Records.h"
#include "formula/Tfrec.h"
#include "platform/Extended.h"

// Samples `tree` over [lower, upper] (x, or y with swapXY) and appends the pieces to
// `pieces`. With mode 1 (a derivative) a sample counts only where `aux` is drawable too.
// A range that is empty, not finite or below the resolution of the variable gives nothing.
void ComputeFunctionCurve(Tfrec* tree, Tfrec* aux, int mode, TCurveSegment*& pieces, Extended lower,
                          Extended upper, bool swapXY);

// At most this many samples across a range; a finer step is widened to fit.
inline constexpr long kMaxCurveSamples = 100000;

// The samples of a range one pixel apart (PixelSizeX, or PixelSizeY with swapXY):
// At(i) = lower + i·h for i = 0..n, the last one clamped to upper, and At(n + 1) =
// upper + h. A loop counter, not a growing x, so that no step size makes it endless.
struct PixelSteps {
  Extended lower = 0, upper = 0, h = 0;
  long n = 0;
  // False for a range that is empty, not finite or below the resolution of the variable.
  bool ok = false;
  Extended At(long i) const;
};
PixelSteps PixelStepsOver(Extended lower, Extended upper, bool swapXY);
// Halvings of the step that place a domain edge.
inline constexpr int kDomainEdgeBisections = 16;
