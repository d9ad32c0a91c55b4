#pragma once
// Where the curve F = 0 crosses one edge of a scan cell: a sign change found by bisection,
// or, on the lower edge, a curve that only touches zero found where the tangents at both
// ends meet.
#include "formula/Tfrec.h"
#include "platform/Extended.h"

// A sample on a cell edge: the point, F there, dF along the edge (d/dx on a lower edge,
// d/dy on a left edge) and whether F is drawable there.
struct TraceSample {
  Extended x = 0, y = 0;
  Extended f = 0, d = 0;
  bool drawable = false;
};

// A point of the curve; valid is false where a search found none.
struct TracePoint {
  Extended x = 0, y = 0;
  bool valid = false;
};

// F and dF/dx (a lower-edge sample) or dF/dy (a left-edge sample) at (x, y).
TraceSample RowSample(Tfrec*& F, Extended x, Extended y);
TraceSample ColumnSample(Tfrec*& F, Extended x, Extended y);

// F changes sign between the two ends, heads toward zero at the near end and away from it
// at the far end.
bool SignPatternBracket(Extended dFar, Extended fFar, Extended dNear, Extended fNear);

// Both ends on the same side of zero, F falling toward zero from the left end and rising
// away from it at the right end, and the two tangent lines meeting between the ends at or
// beyond zero: the curve may touch the edge. out: where the tangents meet (x, and the
// value there in y).
bool TangentIntersectionBracket(TracePoint& out, Extended dR, Extended fR, Extended xR, Extended dL, Extended fL,
                                Extended xL);

// On a lower edge, from the left sample to the right one (the derivatives d/dx): bisection
// to an eighth of a pixel where the sign pattern holds, else the tangent refinement to a
// quarter of a pixel. Nothing where either end is not drawable.
TracePoint FindCrossingOnRow(Tfrec*& F, const TraceSample& left, const TraceSample& right);
// On a left edge, from the bottom sample to the top one (the derivatives d/dy): the top
// corner itself when F is 0 there, else bisection to an eighth of a pixel where the sign
// pattern holds, ended by the secant root of the last interval.
TracePoint FindCrossingOnColumn(Tfrec*& F, const TraceSample& bottom, const TraceSample& top);

// Every refinement loop of the tracer stops after this many rounds, whatever the zoom.
inline constexpr int kMaxTraceRefinements = 64;
