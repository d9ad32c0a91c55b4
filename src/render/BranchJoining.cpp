#include "render/BranchJoining.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Numeric.h"
#include "render/DrawToolkit.h"

namespace {

// Ends on two different branches can share their place along the axis and have a point
// of the curve halfway between them (the outer branches of y^4-5y^2=4sin(x) on a view
// edge at x = 0): they are told apart by their distance across the axis.
constexpr Extended kMaxPixelsAcross = 4;

bool ValueAt(Tfrec*& F, Extended x, Extended y, Extended& value) {
  value = EvaluateTree(F, x, y, 0);
  return eng.EvalDrawable;
}

// Orientations of JoinTwoSegments that keep both joining points: a piece's first point
// is its endPt, its last point its startPt.
constexpr int kFirstFirst = 1, kFirstLast = 3, kLastFirst = 5, kLastLast = 7;

// The orientation in which t joins s, or -1.
int JoinedOrientation(Tfrec*& F, const TCurveSegment& s, const TCurveSegment& t, int axis) {
  if (ShouldJoinEnds(F, s.endPt, t.endPt, axis)) return kFirstFirst;
  if (ShouldJoinEnds(F, s.endPt, t.startPt, axis)) return kFirstLast;
  if (ShouldJoinEnds(F, s.startPt, t.endPt, axis)) return kLastFirst;
  if (ShouldJoinEnds(F, s.startPt, t.startPt, axis)) return kLastLast;
  return -1;
}

void Unlink(TCurveSegment*& list, TCurveSegment* t) {
  if (t->prev) t->prev->next = t->next;
  if (t->next) t->next->prev = t->prev;
  if (list == t) list = t->next;
  t->next = t->prev = nullptr;
  DisposeCurveSegments(t);
}

// The first point appended again after the last one.
void Close(TCurveSegment& s) {
  s.points = NewCurvePoint(s.points, s.endPt.x, s.endPt.y, s.endPt.z);
  ++s.count;
  s.startPt = s.endPt;
}

bool FirstPointVisible(const TCurveSegment& s) {
  TSpacePoint p;
  p.x = s.endPt.x;
  p.y = s.endPt.y;
  return IsRecordPointVisible(p);
}

}  // namespace

bool ShouldJoinEnds(Tfrec*& F, const TCurveXYZ& p, const TCurveXYZ& q, int axis) {
  const bool alongY = axis == 1;
  if (CompareCoordinate(p, q, alongY) == -10) return false;
  const Extended across = alongY ? std::fabs(p.x - q.x) / doc.PixelSizeX : std::fabs(p.y - q.y) / doc.PixelSizeY;
  if (!(across <= kMaxPixelsAcross)) return false;
  const Extended mx = (p.x + q.x) / 2, my = (p.y + q.y) / 2;
  Extended f = 0;
  if (!ValueAt(F, mx, my, f)) return false;
  if (f == 0) return true;
  const Extended dx = alongY ? 0 : doc.PixelSizeX, dy = alongY ? doc.PixelSizeY : 0;
  Extended before = 0, after = 0;
  if (!ValueAt(F, mx - dx, my - dy, before) || !ValueAt(F, mx + dx, my + dy, after)) return false;
  return Sign(before) != Sign(after);
}

void JoinBranchEnds(Tfrec*& F, TCurveSegment*& list, int axis) {
  for (TCurveSegment* s = list; s; s = s->next) {
    for (TCurveSegment* t = s->next; t;) {
      TCurveSegment* next = t->next;
      const int orientation = JoinedOrientation(F, *s, *t, axis);
      if (orientation >= 0) JoinTwoSegments(s, t, orientation);
      if (!t->points) Unlink(list, t);
      t = next;
    }
  }
  for (TCurveSegment* s = list; s; s = s->next) {
    const int ends = CompareSegmentEnds(s->endPt, s->startPt);
    if (ends == 1 || (ends == -1 && FirstPointVisible(*s) && ShouldJoinEnds(F, s->endPt, s->startPt, axis)))
      Close(*s);
  }
}
