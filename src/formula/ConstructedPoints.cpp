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

// Marks a point's computation as under way for as long as it lives.
class InProgress {
 public:
  explicit InProgress(int letter) : letter_(letter) { inProgress[letter_] = true; }
  ~InProgress() { inProgress[letter_] = false; }
  InProgress(const InProgress&) = delete;
  InProgress& operator=(const InProgress&) = delete;

 private:
  int letter_;
};

class VariableValuesKept {
 public:
  VariableValuesKept() : saved_(doc.VariableValues) {}
  ~VariableValuesKept() { doc.VariableValues = saved_; }
  VariableValuesKept(const VariableValuesKept&) = delete;
  VariableValuesKept& operator=(const VariableValuesKept&) = delete;

 private:
  TVariableValues saved_;
};

// The order in which a point's coordinate texts are evaluated (its dragAxes 0..4): the
// coordinate found first (0 x, 1 y), whether the second sees it, whether z sees both.
struct EvaluationOrder {
  int first;
  bool secondSeesFirst, zSeesBoth;
};
constexpr EvaluationOrder kEvaluationOrders[5] = {
    {0, true, false}, {1, true, false}, {0, true, true}, {1, true, true}, {0, false, true}};

// Each text sees the coordinates found before it as x, y; the others as they were on entry.
bool EvaluateInOrder(const Tfuncprop& entry, const EvaluationOrder& order, Extended (&xyz)[3]) {
  const Extended x0 = doc.VariableValues.X, y0 = doc.VariableValues.Y, z0 = doc.VariableValues.Z;
  const std::string* texts[2] = {&entry.texts[0], &entry.texts[1]};
  const int first = order.first, second = 1 - first;
  if (!EvaluateGeometryTextAt(*texts[first], x0, y0, z0, xyz[first])) return false;
  Extended seen[2] = {x0, y0};
  if (order.secondSeesFirst) seen[first] = xyz[first];
  if (!EvaluateGeometryTextAt(*texts[second], seen[0], seen[1], z0, xyz[second])) return false;
  return order.zSeesBoth ? EvaluateGeometryTextAt(entry.texts[3], xyz[0], xyz[1], z0, xyz[2])
                         : EvaluateGeometryTextAt(entry.texts[3], x0, y0, z0, xyz[2]);
}

// Code 255: x, y and z from the first, second and fourth text. All independent
// (dragAxes 5) each keeps its exact fraction; the mixed orders 6 and 7 are taken as 2.
void ComputeByCoordinates(const Tfuncprop& entry, TSpacePoint& point) {
  eng.EvalOK = 1;
  Extended xyz[3];
  TFraction exact[3];
  bool ok;
  if (entry.dragAxes == 5) {
    ok = EvaluateExactGeometryText(entry.texts[0], xyz[0], exact[0]) &&
         EvaluateExactGeometryText(entry.texts[1], xyz[1], exact[1]) &&
         EvaluateExactGeometryText(entry.texts[3], xyz[2], exact[2]);
  } else {
    ok = EvaluateInOrder(entry, kEvaluationOrders[entry.dragAxes < 5 ? entry.dragAxes : 2], xyz);
  }
  if (!ok) {  // the coordinates are stored only when every text could be evaluated
    point.valid = 0;
    return;
  }
  point = MakePoint(xyz[0], xyz[1], xyz[2]);
  if (entry.dragAxes == 5) SetExact(point, ExactVector{exact[0], exact[1], exact[2]});
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
  const Tfuncprop& entry = doc.FigureTable[entryNumber];
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
  const bool defines = entry >= 1 && entry <= doc.EntryCount && entry <= kMaxEntries &&
                       doc.FigureTable[entry].kind == kKindPoint && doc.FigureTable[entry].letter == letter;
  doc.PointSequenceDirty[letter] = 0;
  if (!defines) {  // another point's entry, or none: no position for this one
    points[0].valid = 0;
    return;
  }
  const bool sequence = doc.FigureTable[entry].subkind == kPointSequence;
  TSpacePoint result = points[0];
  // Until it is known, the point reads as invalid, so that a construction that reaches it
  // again through its operands fails. A sequence has no operands and keeps its points.
  if (!sequence) points[0].valid = 0;
  {
    InProgress computing(letter);
    ComputeConstructedPoint(entry, result);
  }
  doc.PointSequences[letter][0] = result;
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
