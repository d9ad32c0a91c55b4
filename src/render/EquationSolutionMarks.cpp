#include "render/EquationSolutionMarks.h"

#include <cmath>

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurveSampler.h"

namespace {

constexpr int kRootBisections = 16;
constexpr int kNewtonSteps = 8;

int SignOf(Extended v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

struct Value {
  Extended v = 0;
  bool ok = false;
  bool jump = false;
};

class SolutionFinder {
 public:
  SolutionFinder(gfx::Canvas& canvas, Tfrec* g, Tfrec* d, Tfrec* dd, bool swapXY, const SolutionMarks& marks)
      : canvas_(canvas), g_(g), d_(d), dd_(dd), swap_(swapXY), marks_(marks) {}

  void Run(Extended lower, Extended upper) {
    const PixelSteps steps = PixelStepsOver(lower, upper, swap_);
    if (!steps.ok) return;
    h_ = steps.h;
    Extended prevAt = steps.At(-1);
    Value prevD = At(d_, prevAt), prevDD = At(dd_, prevAt);
    for (long i = 0; i <= steps.n + 1; ++i) {
      const Extended at = steps.At(i);
      const Value curD = At(d_, at), curDD = At(dd_, at);
      if (curD.ok && !curD.jump && prevD.ok) Examine(prevAt, prevD, prevDD, at, curD, curDD);
      prevAt = at;
      prevD = curD;
      prevDD = curDD;
    }
  }

 private:
  Value At(Tfrec* tree, Extended at) {
    eng.LineContinues = 0;
    Value r;
    r.v = EvaluateAtX(tree, swap_ ? 1 : 0, at);
    r.ok = eng.EvalDrawable && std::isfinite(r.v);
    r.jump = eng.LineContinues != 0;
    return r;
  }

  void Examine(Extended x0, const Value& d0, const Value& p0, Extended x1, const Value& d1, const Value& p1) {
    if (d1.v == 0) {
      Mark(x1);
    } else if (d0.v != 0 && SignOf(d0.v) != SignOf(d1.v)) {
      Extended root = 0;
      if (Bisect(x1, d0, d1, root)) Mark(root);
    } else if (d0.v != 0 && p0.ok && p1.ok && SignOf(p0.v) * SignOf(p1.v) < 0) {
      Extended root = 0;
      if (DoubleRoot(x0, d0.v, p0.v, x1, d1.v, p1.v, root)) Mark(root);
    }
  }

  // The sign change lies between x - h and x; the bracket is [x - 2h, x + h] when its ends
  // differ in sign too, else the step itself.
  bool Bisect(Extended x, const Value& dPrev, const Value& dCur, Extended& root) {
    Extended a = x - 2 * h_, b = x + h_;
    Value da = At(d_, a), db = At(d_, b);
    if (!da.ok || !db.ok || SignOf(da.v) * SignOf(db.v) >= 0) {
      a = x - h_;
      b = x;
      da = dPrev;
      db = dCur;
    }
    for (int k = 0; k < kRootBisections; ++k) {
      const Extended m = (a + b) / 2;
      const Value dm = At(d_, m);
      if (!dm.ok) return false;
      if (dm.v == 0) {
        root = m;
        return true;
      }
      if (SignOf(dm.v) == SignOf(da.v))
        a = m;
      else
        b = m;
    }
    root = (a + b) / 2;
    return true;
  }

  // D keeps its sign while D' changes it: a double root when the two tangents meet on the
  // other side of zero; both samples are then refined by Newton steps.
  bool DoubleRoot(Extended x0, Extended d0, Extended p0, Extended x1, Extended d1, Extended p1, Extended& root) {
    if (p0 == p1) return false;
    const Extended s = (d1 - d0 + p0 * x0 - p1 * x1) / (p0 - p1);
    const Extended meet = d0 + p0 * (s - x0);
    if (!std::isfinite(meet) || SignOf(meet) == SignOf(d0)) return false;
    Extended u = x0, v = x1;
    if (!Newton(u) || !Newton(v)) return false;
    // Steps that ran away found some other point, not this one.
    const Extended lo = x0 - 2 * h_, hi = x1 + 2 * h_;
    if (!(u >= lo && u <= hi && v >= lo && v <= hi)) return false;
    root = (u + v) / 2;
    return true;
  }

  bool Newton(Extended& x) {
    for (int k = 0; k < kNewtonSteps; ++k) {
      const Value d = At(d_, x), p = At(dd_, x);
      if (!d.ok || !p.ok) return false;
      if (d.v == 0 || p.v == 0) return true;
      x -= d.v / p.v;
    }
    return std::isfinite(x);
  }

  void Mark(Extended at) {
    eng.LineContinues = 0;
    const Extended g = EvaluateAtX(g_, swap_ ? 1 : 0, at);
    if (!eng.EvalDrawable || !std::isfinite(g)) return;
    const Extended x = swap_ ? g : at, y = swap_ ? at : g;
    DrawPointMarker(canvas_, marks_.radius, marks_.fill, marks_.color, x, y);
  }

  gfx::Canvas& canvas_;
  Tfrec* g_;
  Tfrec* d_;
  Tfrec* dd_;
  bool swap_;
  SolutionMarks marks_;
  Extended h_ = 0;
};

}  // namespace

void MarkEquationSolutions(gfx::Canvas& canvas, Tfrec*& tree, bool swapXY, const SolutionMarks& marks,
                           Extended lower, Extended upper) {
  if (!tree || tree->code != node::Product || !tree->left || !tree->right || tree->right->code != node::Equal ||
      !tree->right->left)
    return;
  const TreePtr dd = Differentiate(tree->right->left, swapXY ? node::VarY : node::VarX);
  if (dd) {
    SolutionFinder finder(canvas, tree->left, tree->right->left, dd.get(), swapXY, marks);
    finder.Run(lower, upper);
  }
}
