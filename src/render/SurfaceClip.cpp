#include "render/SurfaceClip.h"

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "platform/Runtime.h"
#include "render/SurfaceGrid.h"

namespace {

constexpr int kDomainHalvings = 16;

bool Inside(const CellPoint& p) { return p.status == kGridInside; }
bool Defined(const CellPoint& p) { return p.status != kGridUndefined; }

Extended RoundTo4Decimals(Extended v) {
  Extended back = v;
  rtl::TryStrToFloat(rtl::FormatFloat("0.0000", v), back);
  return back;
}

CellPoint Rounded(const CellPoint& p) {
  return {RoundTo4Decimals(p.x), RoundTo4Decimals(p.y), RoundTo4Decimals(p.z), p.status};
}

// The crossings strictly between two points where the function is defined, in order from
// p to q: leaving or entering the slab through one face, or passing through both.
void AddSlabCrossings(const CellPoint& p, const CellPoint& q, Extended bound, CellPolygon& out) {
  if (p.status == q.status) return;
  if (Inside(p)) {
    ClipToZPlane(p, q, bound, out);
  } else if (Inside(q)) {
    ClipToZPlane(q, p, bound, out);
  } else {
    ClipToZPlane(q, p, bound, out);
    ClipToZPlane(p, q, bound, out);
  }
}

}  // namespace

CellPoint CellPointOf(const TSpacePoint& p) { return {p.x, p.y, p.z, p.status}; }

bool IsNearZero(Extended dx, Extended dy, Extended dz) {
  return (dx == 0 && dy == 0 && dz == 0) || dx * dx + dy * dy + dz * dz < 1e-7L;
}

void CellPolygon::Append(const CellPoint& p) {
  if (count > 0) {
    const CellPoint& last = points[static_cast<size_t>(count - 1)];
    if (IsNearZero(p.x - last.x, p.y - last.y, p.z - last.z)) return;
  }
  if (count < kCapacity) points[static_cast<size_t>(count++)] = p;
}

void ClipToZPlane(const CellPoint& p, const CellPoint& q, Extended bound, CellPolygon& out) {
  if (q.status != kGridAbove && q.status != kGridBelow) return;
  const CellPoint a = Rounded(p), b = Rounded(q);
  if (a.z == b.z) return;
  const Extended plane = q.status == kGridAbove ? bound : -bound;
  const Extended t = (b.z - plane) / (b.z - a.z);
  out.Append({t * a.x + (1 - t) * b.x, t * a.y + (1 - t) * b.y, plane, kGridInside});
}

CellPoint ClipEdgeToDefined(const CellPoint& good, const CellPoint& bad, Tfrec*& tree, Extended bound) {
  CellPoint g = good, b = bad;
  for (int i = 0; i < kDomainHalvings; ++i) {
    const Extended x = (g.x + b.x) / 2, y = (g.y + b.y) / 2;
    eng.EvalOK = 1;
    const Extended z = EvaluateTree(tree, x, y, 0);
    if (eng.EvalOK && eng.EvalDrawable)
      g = {x, y, z, kGridInside};
    else
      b = {x, y, z, kGridUndefined};
  }
  TSpacePoint classified;
  classified.z = g.z;
  ClassifyGridPoint(classified, -bound, bound);
  g.status = classified.status;
  return g;
}

void BuildClippedCellPolygon(std::span<const CellPoint> corners, Extended bound, Tfrec** tree, CellPolygon& out) {
  out.count = 0;
  const int n = static_cast<int>(corners.size());
  int start = -1;
  for (int k = 0; k < n && start < 0; ++k)
    if (Inside(corners[k])) start = k;
  if (start < 0) {
    bool above = false, below = false;
    for (const CellPoint& c : corners) {
      above = above || c.status == kGridAbove;
      below = below || c.status == kGridBelow;
    }
    if (!above || !below) return;
    for (int k = 0; k < n && start < 0; ++k)
      if (corners[k].status == kGridAbove) start = k;
  }
  for (int e = 0; e < n; ++e) {
    const CellPoint& p = corners[(start + e) % n];
    const CellPoint& q = corners[(start + e + 1) % n];
    if (Inside(p)) out.Append(p);
    if (Defined(p) && Defined(q)) {
      AddSlabCrossings(p, q, bound, out);
    } else if (tree && Defined(p)) {
      const CellPoint edge = ClipEdgeToDefined(p, q, *tree, bound);
      AddSlabCrossings(p, edge, bound, out);
      if (Inside(edge)) out.Append(edge);
    } else if (tree && Defined(q)) {
      const CellPoint edge = ClipEdgeToDefined(q, p, *tree, bound);
      if (Inside(edge)) out.Append(edge);
      AddSlabCrossings(edge, q, bound, out);
    }
  }
}

int SplitCellAtCrossing(const std::array<CellPoint, 4>& x, const std::array<Extended, 4>& d, Extended bound,
                        std::array<CellPoint, 5>& out) {
  int count = 0;
  for (int k = 0; k < 4 && count < 5; ++k) {
    const int next = (k + 1) % 4;
    if (d[k] >= 0) out[static_cast<size_t>(count++)] = x[k];
    if (count < 5 && ((d[k] > 0 && d[next] < 0) || (d[k] < 0 && d[next] > 0))) {
      const Extended t = d[k] / (d[k] - d[next]);
      TSpacePoint meet;
      meet.x = x[k].x + t * (x[next].x - x[k].x);
      meet.y = x[k].y + t * (x[next].y - x[k].y);
      meet.z = x[k].z + t * (x[next].z - x[k].z);
      ClassifyGridPoint(meet, -bound, bound);
      out[static_cast<size_t>(count++)] = CellPointOf(meet);
    }
  }
  return count;
}
