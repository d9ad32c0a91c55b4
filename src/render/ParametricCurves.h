#pragma once
// Curves x = f(t), y = g(t) (kind 5) for t from t0 to t1 in the entry's step, drawn only
// on Cartesian and polar axes. A curve whose coordinates are both constant or linear in t
// is drawn as one segment; any other is sampled along t, with its domain edges found by
// bisection, the line broken where it is undefined or leaves the view, and chords to far
// points cut at the view.
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

void DrawParametricCurve(gfx::Canvas& canvas, const Tfuncprop& entry);

// At most this many steps between t0 and t1; a finer step is widened to fit, so that no
// step makes the drawing hang.
inline constexpr long kMaxParametricSamples = 200000;

// The finest step a curve from t0 to t1 may take (positive).
Extended FinestParameterStep(Extended t0, Extended t1);
// The parameter one step (signed towards t1) after t: the last step ends exactly at t1,
// and so does a step below the resolution of t.
Extended NextParameter(Extended t, Extended step, Extended t1);

// Halvings of the step that place a domain edge.
inline constexpr int kParameterEdgeBisections = 30;
