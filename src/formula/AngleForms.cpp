// arg and angle: the direction of a vector, the angle between two vectors, and the angle
// on a sphere, from the points the angle form names.
#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/EvaluatorCore.h"
#include "formula/Numeric.h"
#include "formula/Tfuncprop.h"

namespace evaluator {

namespace {

struct Vec {
  Extended x = 0, y = 0, z = 0;
};

Vec operator-(const Vec& a, const Vec& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Extended Dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(const Vec& a, const Vec& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Extended Length(const Vec& a) { return std::sqrt(Dot(a, a)); }

// Point number 0 is the origin, -1 the point (1, 0, 0), 1..25 a lettered point.
bool ReadPoint(int n, const EvalPoint& at, Vec& out) {
  if (n == 0) {
    out = {};
    return true;
  }
  if (n == -1) {
    out = {1, 0, 0};
    return true;
  }
  if (n < 1 || n > kMaxPoints) return false;
  RefreshPoint(n, at);
  const auto& sequence = doc.PointSequences[n];
  if (sequence.empty() || !sequence[0].valid) return false;
  out = {sequence[0].x, sequence[0].y, sequence[0].z};
  return std::isfinite(out.x) && std::isfinite(out.y) && std::isfinite(out.z);
}

int PointOfLetter(const std::string& text) {
  if (text.empty()) return 0;
  for (int k = 0; k < kMaxPoints; ++k)
    if (PointNameOrder[k] == text[0]) return k + 1;
  return 0;
}

// Centre and radius of the sphere that is the figure-th figure entry.
bool ReadSphere(int figure, const EvalPoint& at, Vec& centre, Extended& radius) {
  int groupStart = 0;
  for (int kind = 1; kind < kKindFigure; ++kind) groupStart += doc.KindCounts[kind];
  const int entry = groupStart + figure;
  if (figure < 1 || figure > doc.KindCounts[kKindFigure] || entry > doc.EntryCount || entry > kMaxEntries)
    return false;
  const Tfuncprop& sphere = doc.FigureTable[entry];
  if (sphere.kind != kKindFigure || sphere.subkind != 8) return false;
  const int centrePoint = sphere.letter >= 1 && sphere.letter <= kMaxPoints ? sphere.letter : PointOfLetter(sphere.texts[0]);
  if (!ReadPoint(centrePoint, at, centre)) return false;
  // A radius whose formula comes back to a spherical angle has no value.
  static int depth = 0;
  if (depth > 0) return false;
  ++depth;
  struct Leave {
    ~Leave() { --depth; }
  } leave;
  radius = EvaluateText(sphere.texts[1], at.x, at.y, at.z);
  return eng.EvalDrawable && eng.EvalOK && radius > 0;
}

bool OnSphere(const Vec& p, const Vec& centre, Extended radius) {
  return std::fabs(Length(p - centre) - radius) <= 1e-5L;
}

}  // namespace

Extended EvaluateAngleForm(Tfrec* t, const EvalPoint& at) {
  // The angle is measured between points, never kept as an exact fraction.
  eng.UseFigureFormulas = 0;
  const Tfrec* pair = t->right;
  if (!pair || !pair->left || !pair->right) {
    eng.EvalOK = 0;
    return 0;
  }
  const Tfrec* first = pair->left;
  const Tfrec* second = pair->right;
  Vec a1, a2, b1, b2;
  if (!ReadPoint(static_cast<int>(first->value), at, a1) || !ReadPoint(static_cast<int>(first->prevValue), at, a2) ||
      !ReadPoint(static_cast<int>(second->value), at, b1) || !ReadPoint(static_cast<int>(second->prevValue), at, b2)) {
    eng.EvalOK = 0;
    return 0;
  }
  const int figure = static_cast<int>(pair->value);
  const bool onSphere = figure > 0 && doc.Dimension == 3;
  Vec u = a1 - a2, v = b1 - b2;
  if (onSphere) {
    Vec centre;
    Extended radius;
    if (!ReadSphere(figure, at, centre, radius) || !OnSphere(a1, centre, radius) || !OnSphere(a2, centre, radius) ||
        !OnSphere(b1, centre, radius) || !OnSphere(b2, centre, radius)) {
      eng.EvalOK = 0;
      return 0;
    }
    // The normals of the two great-circle planes through the vertex.
    u = Cross(a1 - centre, a2 - centre);
    v = Cross(b1 - centre, b2 - centre);
  }
  const Extended lu = Length(u), lv = Length(v);
  if (lu == 0 || lv == 0 || !std::isfinite(lu) || !std::isfinite(lv)) {
    eng.EvalOK = 0;
    return 0;
  }
  // Rounding can push the cosine of parallel vectors just beyond 1.
  Extended cosine = Dot(u, v) / (lu * lv);
  if (cosine > 1) cosine = 1;
  if (cosine < -1) cosine = -1;
  Extended angle = ArcCos(cosine);
  if (t->code == node::Arg && (doc.Dimension != 3 || onSphere)) {
    const Vec w = Cross(v, u);
    if (w.z < 0 || (w.z == 0 && (w.x < 0 || (w.x == 0 && w.y < 0)))) angle = 2 * PiValue - angle;
  }
  return angle;
}

}  // namespace evaluator
