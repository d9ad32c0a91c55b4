#include "render/ExplicitCurveSampler.h"

#include <algorithm>
#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"

namespace {

struct Sample {
  Extended at = 0;     // the variable (x, or y for x = f(y))
  Extended value = 0;  // the function there
  bool ok = false;     // drawable
};

struct Probe {
  Sample s;
  bool jump = false;             // the evaluator met a discontinuity since the last evaluation
  bool validityChanged = false;  // a relation changed its truth since the last evaluation
};

class CurveSampler {
 public:
  CurveSampler(Tfrec* tree, Tfrec* aux, bool swapXY, TCurveSegment*& pieces)
      : tree_(tree), aux_(aux), swap_(swapXY), pieces_(pieces) {
    const TViewRange& v = doc.ViewRange;
    const Extended pixel = swapXY ? doc.PixelSizeX : doc.PixelSizeY;
    const Extended band = 3 * static_cast<Extended>(settings.OutputScale) * pixel;
    pixel_ = pixel;
    lo_ = (swapXY ? v.XMin : v.YMin) - band;
    hi_ = (swapXY ? v.XMax : v.YMax) + band;
    tail_ = pieces_;
    while (tail_ && tail_->next) tail_ = tail_->next;
  }

  void Run(Extended lower, Extended upper) {
    const PixelSteps steps = PixelStepsOver(lower, upper, swap_);
    if (!steps.ok) return;
    // The sample before the start gives every node a previous value close by, so that the
    // first step reports no crossing against the zeros of a fresh tree.
    Evaluate(steps.At(-1));
    Sample prev = Evaluate(steps.At(0)).s;
    for (long i = 1; i <= steps.n + 1; ++i) prev = Step(prev, steps.At(i));
    Flush();
  }

 private:
  Probe Evaluate(Extended at) {
    eng.LineContinues = 0;
    eng.ValidityChanged = 0;
    Probe p;
    p.s.at = at;
    p.s.value = EvaluateAtX(tree_, swap_ ? 1 : 0, at);
    p.s.ok = eng.EvalDrawable && std::isfinite(p.s.value);
    p.jump = eng.LineContinues != 0;
    p.validityChanged = eng.ValidityChanged != 0;
    if (p.s.ok && aux_) {
      EvaluateAtX(aux_, swap_ ? 1 : 0, at);
      p.s.ok = eng.EvalDrawable != 0;
    }
    return p;
  }

  Sample Step(const Sample& prev, Extended at) {
    const Probe cur = Evaluate(at);
    if (!cur.s.ok) {
      if (prev.ok) {
        AddChord(prev, BisectDomainEdge(prev, cur.s), false);
        Flush();
        MarkTreeValid(tree_);
      }
    } else if (!prev.ok) {
      const Sample edge = BisectDomainEdge(cur.s, prev);
      // The halvings leave the tree's crossing history at the last point they tried, on
      // either side of the edge: the next step is judged against this sample.
      Evaluate(at);
      Flush();
      AddChord(edge, cur.s, false);
    } else {
      bool jump = cur.jump;
      // A relation switched between the two samples: a jump only when the chord across
      // that interval misses the curve's middle by two pixels or more.
      if (cur.validityChanged) jump = ChordMissesMiddle(prev, cur.s);
      AddChord(prev, cur.s, jump);
    }
    return cur.s;
  }

  bool ChordMissesMiddle(const Sample& a, const Sample& b) {
    const Probe m = Evaluate((a.at + b.at) / 2);
    if (!m.s.ok) return true;
    return !(std::fabs((a.value + b.value) / 2 - m.s.value) < 2 * pixel_);
  }

  // Sixteen halvings between a drawable and an undefined sample; the drawable end.
  Sample BisectDomainEdge(Sample good, Sample bad) {
    for (int k = 0; k < kDomainEdgeBisections; ++k) {
      const Extended mid = (good.at + bad.at) / 2;
      const Probe m = Evaluate(mid);
      if (m.s.ok)
        good = m.s;
      else
        bad.at = mid;
    }
    return good;
  }

  // -1 below the band, 0 inside, 1 above.
  int Side(Extended v) const { return v > hi_ ? 1 : v < lo_ ? -1 : 0; }

  // The chord from p to q, kept inside the band; with `jump` it is not drawn and q starts
  // the next piece.
  void AddChord(const Sample& p, const Sample& q, bool jump) {
    const int sp = Side(p.value), sq = Side(q.value);
    if (jump) {
      Flush();
      if (sq == 0) Add(q.at, q.value);
    } else if (sp == 0 && sq == 0) {
      if (count_ == 0) Add(p.at, p.value);
      Add(q.at, q.value);
    } else if (sp == 0) {
      if (count_ == 0) Add(p.at, p.value);
      AddCrossing(p, q, sq);
      Flush();
    } else if (sq == 0) {
      Flush();
      AddCrossing(p, q, sp);
      Add(q.at, q.value);
    } else if (sp != sq) {
      Flush();
      AddCrossing(p, q, sp);
      AddCrossing(p, q, sq);
      Flush();
    }
  }

  void AddCrossing(const Sample& p, const Sample& q, int side) {
    const Extended edge = side > 0 ? hi_ : lo_;
    const Extended t = (edge - p.value) / (q.value - p.value);
    Add(p.at + t * (q.at - p.at), edge);
  }

  void Add(Extended at, Extended value) { AppendCurvePoint(points_, count_, swap_, first_, at, value); }

  void Flush() {
    if (TCurveSegment* s = NewCurveSegment(points_, count_, first_)) {
      s->prev = tail_;
      if (tail_)
        tail_->next = s;
      else
        pieces_ = s;
      tail_ = s;
    }
    points_ = nullptr;
    count_ = 0;
    eng.LineContinues = 0;
  }

  Tfrec* tree_;
  Tfrec* aux_;
  bool swap_;
  TCurveSegment*& pieces_;
  TCurveSegment* tail_ = nullptr;
  TCurvePoint* points_ = nullptr;
  int32_t count_ = 0;
  TCurveXYZ first_;
  Extended pixel_ = 0, lo_ = 0, hi_ = 0;
};

}  // namespace

PixelSteps PixelStepsOver(Extended lower, Extended upper, bool swapXY) {
  PixelSteps s;
  s.lower = lower;
  s.upper = upper;
  s.h = swapXY ? doc.PixelSizeY : doc.PixelSizeX;
  const Extended span = upper - lower;
  if (!(s.h > 0) || !std::isfinite(s.h) || !(span > 0) || !std::isfinite(span)) return s;
  if (span / s.h > kMaxCurveSamples) s.h = span / kMaxCurveSamples;
  if (lower + s.h == lower) return s;
  s.n = std::max(1L, static_cast<long>(std::ceil(span / s.h)));
  s.ok = true;
  return s;
}

Extended PixelSteps::At(long i) const {
  if (i > n) return upper + h;
  return std::min(lower + static_cast<Extended>(i) * h, upper);
}

void ComputeFunctionCurve(Tfrec* tree, Tfrec* aux, int mode, TCurveSegment*& pieces, Extended lower,
                          Extended upper, bool swapXY) {
  if (!tree) return;
  eng.LineContinues = 1;
  CurveSampler sampler(tree, mode == 1 ? aux : nullptr, swapXY, pieces);
  sampler.Run(lower, upper);
}
