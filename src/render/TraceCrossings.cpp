#include "render/TraceCrossings.h"

#include "formula/DocumentState.h"
#include "formula/Numeric.h"
#include "formula/VectorGeometry.h"
#include "render/ImplicitTracing.h"

namespace {

TraceSample Sample(Tfrec*& F, Extended x, Extended y, Extended (*slope)(Extended, Extended)) {
  TraceSample s{x, y};
  s.f = ImplicitValue(F, x, y);
  s.drawable = eng.EvalDrawable != 0;
  if (s.drawable) s.d = slope(x, y);
  return s;
}

// Halves the edge while the sign pattern holds on one half. make(t) samples the edge at
// the coordinate t along it; at(s) reads that coordinate back. False when neither half
// keeps the pattern or a midpoint is not drawable.
template <typename Make, typename At>
bool BisectSignPattern(TraceSample& near, TraceSample& far, Extended shortest, Make make, At at) {
  for (int round = 0; round < kMaxTraceRefinements && at(far) - at(near) >= shortest; ++round) {
    const TraceSample m = make((at(near) + at(far)) / 2);
    if (!m.drawable) return false;
    if (SignPatternBracket(m.d, m.f, near.d, near.f))
      far = m;
    else if (SignPatternBracket(far.d, far.f, m.d, m.f))
      near = m;
    else
      return false;
  }
  return true;
}

}  // namespace

TraceSample RowSample(Tfrec*& F, Extended x, Extended y) { return Sample(F, x, y, ImplicitSlopeX); }

TraceSample ColumnSample(Tfrec*& F, Extended x, Extended y) { return Sample(F, x, y, ImplicitSlopeY); }

bool SignPatternBracket(Extended dFar, Extended fFar, Extended dNear, Extended fNear) {
  return Sign(fNear) != Sign(fFar) && Sign(fNear) != Sign(dNear) && Sign(fFar) == Sign(dFar);
}

bool TangentIntersectionBracket(TracePoint& out, Extended dR, Extended fR, Extended xR, Extended dL, Extended fL,
                                Extended xL) {
  if (Sign(fL) != Sign(fR) || !(fL * dL < 0) || !(fR * dR > 0)) return false;
  const TSpacePoint meet = IntersectSlopeLines(dL, fL - dL * xL, dR, fR - dR * xR);
  if (!meet.valid || meet.x < xL || meet.x > xR) return false;
  if (meet.y != 0 && Sign(meet.y) == Sign(fL)) return false;
  out = {meet.x, meet.y, true};
  return true;
}

TracePoint FindCrossingOnRow(Tfrec*& F, const TraceSample& left, const TraceSample& right) {
  if (!left.drawable || !right.drawable) return {};
  const Extended y = left.y;
  TraceSample l = left, r = right;
  const auto make = [&F, y](Extended x) { return RowSample(F, x, y); };
  const auto at = [](const TraceSample& s) { return s.x; };
  if (SignPatternBracket(r.d, r.f, l.d, l.f)) {
    if (!BisectSignPattern(l, r, doc.PixelSizeX / 8, make, at)) return {};
    return {(l.x + r.x) / 2, y, true};
  }
  TracePoint meet;
  if (!TangentIntersectionBracket(meet, r.d, r.f, r.x, l.d, l.f, l.x)) return {};
  for (int round = 0; round < kMaxTraceRefinements && r.x - l.x >= doc.PixelSizeX / 4; ++round) {
    if (meet.y == 0) return {meet.x, y, true};
    const TraceSample h = make(meet.x);
    if (!h.drawable) return {};
    if (h.f == 0) return {h.x, y, true};
    if (TangentIntersectionBracket(meet, h.d, h.f, h.x, l.d, l.f, l.x))
      r = h;
    else if (TangentIntersectionBracket(meet, r.d, r.f, r.x, h.d, h.f, h.x))
      l = h;
    else
      return {};
  }
  return {(l.x + r.x) / 2, y, true};
}

TracePoint FindCrossingOnColumn(Tfrec*& F, const TraceSample& bottom, const TraceSample& top) {
  if (!bottom.drawable || !top.drawable) return {};
  const Extended x = bottom.x;
  if (top.f == 0) return {x, top.y, true};
  TraceSample b = bottom, t = top;
  if (!SignPatternBracket(t.d, t.f, b.d, b.f)) return {};
  const auto make = [&F, x](Extended y) { return ColumnSample(F, x, y); };
  const auto at = [](const TraceSample& s) { return s.y; };
  if (!BisectSignPattern(b, t, doc.PixelSizeY / 8, make, at)) return {};
  return {x, (t.f * b.y - b.f * t.y) / (t.f - b.f), true};
}
