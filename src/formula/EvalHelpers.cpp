#include "formula/EvalHelpers.h"

#include <algorithm>
#include <cmath>

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/EvaluatorCore.h"
#include "formula/Numeric.h"
#include "formula/Parser.h"
#include "formula/TreeKernel.h"
#include "formula/TreeOps.h"

namespace {

// The evaluations that integrals, extrema and zero tests spend inside one another, counted
// from the outermost one (or from the start of a work session): nested forms multiply
// their samples, and a formula must not be able to freeze the program.
constexpr int64_t MaxInnerEvaluations = 4000000;

struct InnerBudget {
  int depth = 0;  // forms open inside one another
  int sessions = 0;
  int64_t used = 0;
  int64_t limit = MaxInnerEvaluations;
};
InnerBudget budget;

class InnerWork {
 public:
  InnerWork() {
    if (budget.depth++ == 0 && budget.sessions == 0) budget.used = 0;
  }
  ~InnerWork() { --budget.depth; }
  InnerWork(const InnerWork&) = delete;
  InnerWork& operator=(const InnerWork&) = delete;
  // Claims n more evaluations; false (EvalOK 0) once the budget is spent.
  static bool Take(int64_t n) {
    budget.used += n;
    if (budget.used <= budget.limit) return true;
    eng.EvalOK = 0;
    return false;
  }
};

Extended CurrentValue(Tfrec* tree, Extended x, Extended y, Extended z, bool& drawable) {
  const Extended v = EvaluateTree(tree, x, y, z);
  drawable = eng.EvalDrawable;
  return v;
}

}  // namespace

InnerWorkSession::InnerWorkSession(int64_t limit) : keptLimit_(budget.limit) {
  if (budget.sessions++ == 0) budget.used = 0;
  budget.limit = std::min(budget.limit, limit);
}

InnerWorkSession::~InnerWorkSession() {
  --budget.sessions;
  budget.limit = keptLimit_;
}

Extended EvaluateAtX(Tfrec* tree, int asY, Extended v) {
  const TVariableValues& values = doc.VariableValues;
  if (asY == 1) return EvaluateTree(tree, values.X, v, values.Z);
  if (doc.CoordinateSystem == 3 || doc.CoordinateSystem == 4)
    v = std::pow(10.0L, v);
  else if (doc.CoordinateSystem > 4)
    return 0;
  return EvaluateTree(tree, v, values.Y, values.Z);
}

void EvaluateConstantText(const std::string& text, Extended& value, TFraction& fraction) {
  fraction = TFraction{0, 1, 1};
  const TreePtr tree = ParseExpression(text.empty() ? std::string("0") : text, 3);
  if (!eng.ParseOK) {
    value = 0;
    eng.EvalOK = 0;
    eng.EvalDrawable = 0;
    return;
  }
  const TVariableValues& values = doc.VariableValues;
  value = EvaluateTree(tree.get(), values.X, values.Y, values.Z);
  if (tree) fraction = TFraction{tree->exact, tree->num, tree->den};
}

bool DrawableValueOfText(const std::string& text, Extended& value) {
  TFraction fraction;
  EvaluateConstantText(text, value, fraction);
  return eng.EvalDrawable && std::isfinite(value);
}

void RecomputeDefinedValue(int i) {
  if (i < 1 || i > kMaxDefinitions || !doc.DefinedConstantDirty[i]) return;
  static OneBased<uint8_t, 1, kMaxDefinitions> inProgress;
  if (inProgress[i]) {
    // Met again while its own value is computed: a cycle of definitions.
    doc.DefinedConstantValues[i] = 0;
    doc.DefinedConstantDrawable[i] = 0;
    return;
  }
  inProgress[i] = 1;
  struct Leave {
    int i;
    ~Leave() { inProgress[i] = 0; }
  } leave{i};
  const TVariableValues& values = doc.VariableValues;
  const Extended value = EvaluateTextWithFigureFormulas(doc.DefinedConstantTexts[i], values.X, values.Y, values.Z);
  doc.DefinedConstantValues[i] = value;
  doc.DefinedConstantDrawable[i] = eng.EvalDrawable;
  doc.DefinedConstantDirty[i] = 0;
}

bool NonZeroInView(Tfrec* tree, int axis) {
  const bool alongY = axis == 2;
  const TVariableValues& values = doc.VariableValues;
  if (PolynomialDegree(tree, alongY ? kDegreeInY : kDegreeInX) == 0) {
    const Extended v = EvaluateTree(tree, values.X, values.Y, values.Z);
    if (v == 0) eng.EvalOK = 1;
    return v != 0;
  }
  const Extended step = alongY ? doc.PixelSizeY : doc.PixelSizeX;
  const Extended lo = alongY ? doc.ViewRange.YMin : doc.ViewRange.XMin;
  const Extended hi = alongY ? doc.ViewRange.YMax : doc.ViewRange.XMax;
  const Extended count = std::floor((hi - lo) / step);
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(lo) || !std::isfinite(hi) || !(count <= MaxExtremumSteps)) {
    eng.EvalOK = 0;
    return false;
  }
  const Extended x = values.X, y = values.Y, z = values.Z;
  InnerWork work;
  if (!InnerWork::Take(static_cast<int64_t>(count) + 1)) return false;
  bool anyDrawable = false;
  for (int64_t k = 0; k <= static_cast<int64_t>(count); ++k) {
    const Extended s = lo + k * step;
    const Extended v = alongY ? EvaluateTree(tree, x, s, z) : EvaluateTree(tree, s, y, z);
    if (!eng.EvalDrawable) continue;
    anyDrawable = true;
    if (v != 0) {
      eng.EvalOK = 1;
      return true;
    }
  }
  eng.EvalOK = anyDrawable;
  return false;
}

namespace evaluator {

Extended SimpsonOverPair(Tfrec* pair, int64_t panels, Extended lower, Extended upper, const EvalPoint& at) {
  if (panels <= 0 || panels > MaxSimpsonPanels || !std::isfinite(lower) || !std::isfinite(upper) || !pair ||
      !pair->left || !pair->right) {
    eng.EvalOK = 0;
    return 0;
  }
  InnerWork work;
  if (!InnerWork::Take(3 * panels)) return 0;
  const int32_t variable = pair->left->code;
  const bool bound = variable > node::IntegrationVariableBase && variable <= node::IntegrationVariableBase + 6;
  // An integrand over x (or one written with the plain x) reads the sample as x as well.
  const bool overX = variable == node::IntegrationVariableBase + 4 || variable == node::VarX;
  Extended unused = 0;
  Extended& slot = bound ? IntegrationVariable(variable) : unused;
  // The outer value comes back afterwards: integrals over the same variable may nest.
  struct Restore {
    Extended& slot;
    Extended saved;
    ~Restore() { slot = saved; }
  } restore{slot, slot};

  Tfrec*& f = pair->right;
  auto sample = [&](Extended s, bool& drawable) {
    slot = s;
    return CurrentValue(f, overX ? s : at.x, at.y, at.z, drawable);
  };
  const Extended width = (upper - lower) / static_cast<Extended>(panels);
  Extended sum = 0;
  Extended lo = lower;
  for (int64_t k = 0; k < panels; ++k) {
    const bool last = k == panels - 1;
    const Extended hi = last ? upper : lo + width;
    const Extended w = last ? upper - lo : width;
    eng.EvalOK = 1;
    const Extended mid = (lo + hi) / 2;
    bool drawable;
    const Extended fl = sample(lo, drawable);
    if (drawable) {
      const Extended fh = sample(hi, drawable);
      if (drawable) {
        const Extended fm = sample(mid, drawable);
        if (drawable) sum += SimpsonPanel(fl, fm, fh, w);
      }
    }
    if (!eng.EvalOK) return sum;
    lo = hi;
  }
  return sum;
}

}  // namespace evaluator

Extended SimpsonIntegral(Tfrec* pair, int64_t n, Extended lower, Extended upper) {
  const TVariableValues& values = doc.VariableValues;
  return evaluator::SimpsonOverPair(pair, n, lower, upper, {values.X, values.Y, values.Z});
}

namespace {

constexpr Extended TieTolerance = 1e-5L;

// One of the two lists of extremal points, built in the order the points are found.
class PointList {
 public:
  ~PointList() { DisposeCurvePoints(head_); }
  void Add(Extended x, Extended y) { head_ = NewCurvePoint(head_, x, y, 0); }
  void Replace(Extended x, Extended y) {
    DisposeCurvePoints(head_);
    Add(x, y);
  }
  // Hands the list over, first point first.
  void MoveTo(TCurvePoint*& out) {
    ReverseCurvePoints(head_);
    out = head_;
    head_ = nullptr;
  }

 private:
  TCurvePoint* head_ = nullptr;
};

class ExtremumSearch {
 public:
  ExtremumSearch(Tfrec* f, Tfrec* derivative) : f_(f), d_(derivative) {
    y_ = doc.VariableValues.Y;
    z_ = doc.VariableValues.Z;
  }

  void Run(Extended c, Extended b, Extended step, TCurvePoint*& maxOut, TCurvePoint*& minOut) {
    Search(c, b, step);
    maxList_.MoveTo(maxOut);
    minList_.MoveTo(minOut);
  }

 private:
  bool Value(Extended x, Extended& out) {
    if (!InnerWork::Take(1)) return false;
    bool drawable;
    out = CurrentValue(f_, x, y_, z_, drawable);
    return drawable;
  }
  bool Slope(Extended x, int& sign) {
    if (!InnerWork::Take(1)) return false;
    bool drawable;
    const Extended v = CurrentValue(d_, x, y_, z_, drawable);
    sign = Sign(v);
    return drawable;
  }

  void Search(Extended c, Extended b, Extended step) {
    Extended fc, fb;
    if (!Value(c, fc) || !Value(b, fb)) return;
    M_ = fc >= fb ? fc : fb;
    m_ = fc >= fb ? fb : fc;
    maxList_.Add(fc >= fb ? c : b, M_);
    minList_.Add(fc >= fb ? b : c, m_);
    if (std::fabs(M_ - m_) < TieTolerance) {
      maxList_.Add(fc >= fb ? b : c, m_);
      minList_.Add(fc >= fb ? c : b, M_);
    }
    int s;
    if (!Slope(c, s)) return;
    const int64_t steps = b > c ? static_cast<int64_t>(std::ceil((b - c) / step)) : 0;
    Extended previousU = c, previousValue = fc;
    for (int64_t k = 1; k <= steps; ++k) {
      Extended u = c + k * step;
      if (u > b || k == steps) u = b;
      Extended fu;
      int s2;
      if (!Value(u, fu) || !Slope(u, s2)) return;
      if (s == -1 && s2 == 1) {
        Bisect(previousU, u, 16, false);
      } else if (s == 1 && s2 == -1) {
        Bisect(previousU, u, 24, true);
      } else if (s == -1 && s2 == 0) {
        Consider(u, fu, false, u < b);
      } else if (s == 1 && s2 == 0) {
        Consider(u, fu, true, u < b);
      } else if ((s == -1 && s2 == -1 && fu > previousValue) || (s == 1 && s2 == 1 && fu < previousValue)) {
        // The derivative contradicts the values: the function jumps.
        eng.EvalOK = 0;
        return;
      } else if (s == 0 && s2 == 0) {
        if (std::fabs(fu - M_) < TieTolerance) maxList_.Add(u, fu);
        if (std::fabs(fu - m_) < TieTolerance) minList_.Add(u, fu);
      }
      s = s2;
      previousU = u;
      previousValue = fu;
    }
  }

  // Halves [left, right] on the sign of the derivative; the extremum is the right end.
  void Bisect(Extended left, Extended right, int halvings, bool maximum) {
    const int towardsRight = maximum ? 1 : -1;
    for (int k = 0; k < halvings; ++k) {
      const Extended mid = (left + right) / 2;
      int sign;
      if (!Slope(mid, sign)) break;
      if (sign == 0) {
        right = mid;
        break;
      }
      if (sign == towardsRight)
        left = mid;
      else
        right = mid;
    }
    Extended value;
    if (!Value(right, value)) return;
    Consider(right, value, maximum, true);
  }

  // A candidate: a better value replaces the list, a tie joins it.
  void Consider(Extended x, Extended value, bool maximum, bool tieJoins) {
    if (maximum) {
      if (value > M_) {
        maxList_.Replace(x, value);
        M_ = value;
      } else if (tieJoins && std::fabs(value - M_) < TieTolerance) {
        maxList_.Add(x, value);
      }
    } else {
      if (value < m_) {
        minList_.Replace(x, value);
        m_ = value;
      } else if (tieJoins && std::fabs(value - m_) < TieTolerance) {
        minList_.Add(x, value);
      }
    }
  }

  Tfrec* f_;
  Tfrec* d_;
  Extended y_ = 0, z_ = 0;
  Extended M_ = 0, m_ = 0;
  PointList maxList_, minList_;
};

}  // namespace

void FindExtremumOnInterval(Tfrec* tree, TCurvePoint*& maxPoints, TCurvePoint*& minPoints, Extended lower,
                            Extended upper, Extended step) {
  DisposeCurvePoints(maxPoints);
  DisposeCurvePoints(minPoints);
  const Extended steps = (upper - lower) / step;
  if (!tree || !(step > 0) || !std::isfinite(step) || !std::isfinite(lower) || !std::isfinite(upper) ||
      !(steps <= MaxExtremumSteps)) {
    eng.EvalOK = 0;
    return;
  }
  TreePtr derivative = Differentiate(tree, node::VarX);
  if (!derivative || TreeDepth(derivative.get()) > MaxTreeDepth) {
    eng.EvalOK = 0;
    return;
  }
  InnerWork work;
  ExtremumSearch search(tree, derivative.get());
  search.Run(lower, upper, step, maxPoints, minPoints);
}

Extended ExtremumValue(Tfrec*& tree, int type, Extended lower, Extended upper, Extended step) {
  eng.EvalOK = 1;
  TCurvePoint* maxPoints = nullptr;
  TCurvePoint* minPoints = nullptr;
  FindExtremumOnInterval(tree, maxPoints, minPoints, lower, upper, step);
  const TCurvePoint* first = type == 1 ? maxPoints : minPoints;
  Extended value = 0;
  if (eng.EvalOK && first)
    value = first->y;
  else
    eng.EvalOK = 0;
  DisposeCurvePoints(maxPoints);
  DisposeCurvePoints(minPoints);
  return value;
}
