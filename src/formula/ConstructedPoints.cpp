#include "formula/ConstructedPoints.h"

#include <array>
#include <cmath>

#include "formula/ConstructionCodes.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/ExactVector.h"
#include "formula/GeometryTexts.h"
#include "formula/TriangleGeometry.h"
#include "formula/VectorGeometry.h"

long ConstructedPointComputations = 0;

namespace {

// Points whose computation is under way: meeting one again closes a cycle.
std::array<bool, kMaxPoints + 1> inProgress{};

class VariableValuesKept {
 public:
  VariableValuesKept() : saved_(doc.VariableValues) {}
  ~VariableValuesKept() { doc.VariableValues = saved_; }
  VariableValuesKept(const VariableValuesKept&) = delete;
  VariableValuesKept& operator=(const VariableValuesKept&) = delete;

 private:
  TVariableValues saved_;
};

// Code 255: the texts x, y and z in the order the entry's dragAxes gives; each text sees
// the coordinates found before it as x, y (the others as they were on entry).
void ComputeByCoordinates(const Tfuncprop& entry, TSpacePoint& point) {
  eng.EvalOK = 1;
  const std::string &tx = entry.texts[0], &ty = entry.texts[1], &tz = entry.texts[3];
  const Extended x0 = doc.VariableValues.X, y0 = doc.VariableValues.Y, z0 = doc.VariableValues.Z;
  Extended x = 0, y = 0, z = 0;
  TSpacePoint result = point;
  bool ok = false;
  switch (entry.dragAxes) {
    case 0:
      ok = EvaluateGeometryTextAt(tx, x0, y0, z0, x) && EvaluateGeometryTextAt(ty, x, y0, z0, y) &&
           EvaluateGeometryTextAt(tz, x0, y0, z0, z);
      break;
    case 1:
      ok = EvaluateGeometryTextAt(ty, x0, y0, z0, y) && EvaluateGeometryTextAt(tx, x0, y, z0, x) &&
           EvaluateGeometryTextAt(tz, x0, y0, z0, z);
      break;
    case 3:
      ok = EvaluateGeometryTextAt(ty, x0, y0, z0, y) && EvaluateGeometryTextAt(tx, x0, y, z0, x) &&
           EvaluateGeometryTextAt(tz, x, y, z0, z);
      break;
    case 4:
      ok = EvaluateGeometryTextAt(tx, x0, y0, z0, x) && EvaluateGeometryTextAt(ty, x0, y0, z0, y) &&
           EvaluateGeometryTextAt(tz, x, y, z0, z);
      break;
    case 5: {
      TFraction fx, fy, fz;
      ok = EvaluateExactGeometryText(tx, x, fx) && EvaluateExactGeometryText(ty, y, fy) &&
           EvaluateExactGeometryText(tz, z, fz);
      if (ok) {
        result = MakePoint(x, y, z);
        SetExact(result, ExactVector{fx, fy, fz});
      }
      break;
    }
    default:  // 2, and the mixed orders 6 and 7: x, then y with x, then z with both
      ok = EvaluateGeometryTextAt(tx, x0, y0, z0, x) && EvaluateGeometryTextAt(ty, x, y0, z0, y) &&
           EvaluateGeometryTextAt(tz, x, y, z0, z);
      break;
  }
  if (!ok) {
    point.valid = 0;
    return;
  }
  if (entry.dragAxes != 5) result = MakePoint(x, y, z);
  result.valid = 1;
  point = result;
}

}  // namespace

TSpacePoint DivisionPoint(const TSpacePoint& a, const TSpacePoint& b, Extended m, const TFraction& fm, Extended n,
                          const TFraction& fn) {
  const Extended w = m + n;
  if (w == 0) return InvalidPoint();
  TSpacePoint out = CheckedPoint(MakePoint((n * a.x + m * b.x) / w, (n * a.y + m * b.y) / w, (n * a.z + m * b.z) / w));
  if (!out.valid) return out;
  const ExactVector e = ExactOver(ExactAdd(ExactTimes(ExactOf(a), fn), ExactTimes(ExactOf(b), fm)), FracAdd(fm, fn));
  SetExact(out, e);
  return out;
}

TSpacePoint LineSphereIntersection(const TSpacePoint& centre, const TSpacePoint& a, const TSpacePoint& b, Extended r) {
  const TSpacePoint ab = VecSub(a, b);
  const TSpacePoint foot = PerpendicularFoot(centre, a, b);
  if (!foot.valid) return foot;
  const TSpacePoint toFoot = VecSub(foot, centre);
  const Extended c = VecLengthSquared(toFoot), r2 = r * r;
  if (c > r2) return InvalidPoint();
  if (c == r2) {
    TSpacePoint out = foot;
    MarkInexact(out);
    return out;
  }
  const Extended d = VecDot(ab, toFoot), e = VecLengthSquared(ab);
  const Extended t = (std::sqrt(d * d - e * (c - r2)) - d) / e;
  return CheckedPoint(VecAdd(foot, VecScale(ab, t)));
}

void ComputeConstructedPoint(int entryNumber, TSpacePoint& point) {
  ++ConstructedPointComputations;
  if (entryNumber < 1 || entryNumber > doc.EntryCount || entryNumber > kMaxEntries ||
      doc.FigureTable[entryNumber].kind != kKindPoint) {
    InvalidatePoint(point);
    return;
  }
  VariableValuesKept kept;
  // A copy: a construction may rewrite the entry (an empty rotation ratio becomes "1").
  const Tfuncprop entry = doc.FigureTable[entryNumber];
  const int code = entry.subkind;
  if (code == kByCoordinates) {
    ComputeByCoordinates(entry, point);
    return;
  }
  if (code == kPointSequence) {
    const int n = entry.letter;
    if (n >= 1 && n <= kMaxPoints && !doc.PointSequences[n].empty())
      point = doc.PointSequences[n][0];
    else
      InvalidatePoint(point);
    MarkInexact(point);
    return;
  }
  ConstructByCode(entryNumber, entry, point);
}

void RefreshPointSequence(int letter, int entry) {
  if (letter < 1 || letter > kMaxPoints || !doc.PointSequenceDirty[letter] || inProgress[letter]) return;
  std::vector<TSpacePoint>& points = doc.PointSequences[letter];
  if (points.empty()) {  // a sequence without points: its point 0 does not exist
    points.resize(1);
    InvalidatePoint(points[0]);
  }
  const bool sequence = entry >= 1 && entry <= doc.EntryCount && entry <= kMaxEntries &&
                        doc.FigureTable[entry].subkind == kPointSequence;
  TSpacePoint result = points[0];
  // Until it is known, the point reads as invalid, so that a construction that reaches it
  // again through its operands fails. A sequence has no operands and keeps its points.
  if (!sequence) points[0].valid = 0;
  inProgress[letter] = true;
  ComputeConstructedPoint(entry, result);
  inProgress[letter] = false;
  doc.PointSequences[letter][0] = result;
  doc.PointSequenceDirty[letter] = 0;
}

void GetSequencePoint(int letter, int k, TSpacePoint& point) {
  const int entry = EntryOfPoint(letter);
  if (!entry) {
    InvalidatePoint(point);
    return;
  }
  RefreshPointSequence(letter, entry);
  const std::vector<TSpacePoint>& points = doc.PointSequences[letter];
  if (k < 0 || k >= static_cast<int>(points.size()) || inProgress[letter]) {
    InvalidatePoint(point);
    return;
  }
  point = points[k];
}
