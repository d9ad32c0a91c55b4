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
void ComputeFunctionCurve(Tfrec*& tree, Tfrec*& aux, int mode, TCurveSegment*& pieces, Extended lower,
                          Extended upper, bool swapXY);

// At most this many samples across a range; a finer step is widened to fit.
inline constexpr long kMaxCurveSamples = 100000;
// Halvings of the step that place a domain edge.
inline constexpr int kDomainEdgeBisections = 16;
