#include "render/ParametricCurves.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/TreeOps.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurves.h"
#include "render/RedrawHost.h"
#include "render/ViewClipping.h"

namespace {

struct Sample {
  Extended t = 0, x = 0, y = 0;
  bool ok = false;      // both coordinates drawable
  bool inView = false;  // inside the view rectangle, no margin
};

bool InsideView(Extended x, Extended y) {
  const TViewRange& v = doc.ViewRange;
  return v.XMin <= x && x <= v.XMax && v.YMin <= y && y <= v.YMax;
}

// Degree 0 or 1 in t: the coordinate moves along a straight line, or not at all.
bool LinearInT(const Tfrec* tree) {
  const int d = PolynomialDegree(tree, kDegreeInT);
  return d == 0 || d == 1;
}

class ParametricSampler {
 public:
  ParametricSampler(gfx::Canvas& canvas, Tfrec* x, Tfrec* y, std::uint8_t dashed)
      : x_(x), y_(y), line_([&canvas, dashed](std::span<const gfx::Point> run) {
          StrokePolyline(canvas, run, DashPattern(canvas.pen.width), dashed);
        }) {}

  // The segment from the point at t0 to the point at t1.
  void Straight(Extended t0, Extended t1) {
    const Sample a = Evaluate(t0), b = Evaluate(t1);
    if (a.ok && b.ok) Chord(a, b);
    Flush();
  }

  void Run(Extended t0, Extended t1, Extended step) {
    const Extended s = t1 > t0 ? 1 : -1;
    const Extended finest = FinestParameterStep(t0, t1);
    const Extended fine = std::max(step, finest);
    // Across an undefined stretch the walk goes faster, until the curve is defined again.
    const Extended pixel = std::hypot(doc.PixelSizeX, doc.PixelSizeY);
    const Extended coarse = std::max(std::min<Extended>(100 * pixel, 0.1L), finest);
    bool undefinedRun = false;
    Sample prev = Evaluate(t0);
    for (Extended t = t0; t != t1;) {
      const Extended next = NextParameter(t, s * (undefinedRun ? coarse : fine), t1);
      const Sample cur = Evaluate(next);
      undefinedRun = !prev.ok && !cur.ok;
      Visit(prev, cur);
      prev = cur;
      t = next;
    }
    Flush();
  }

  // The last chord drawn, for the arrowhead.
  bool LastChord(Sample& tail, Sample& tip) const {
    tail = tail_;
    tip = tip_;
    return haveChord_;
  }

 private:
  Sample Evaluate(Extended t) {
    TVariableValues& v = doc.VariableValues;
    v.T = t;
    Sample s;
    s.t = t;
    s.x = EvaluateTree(x_, v.X, v.Y, v.Z);
    const bool xOk = eng.EvalDrawable && std::isfinite(s.x);
    s.y = EvaluateTree(y_, v.X, v.Y, v.Z);
    s.ok = xOk && eng.EvalDrawable && std::isfinite(s.y);
    s.inView = s.ok && InsideView(s.x, s.y);
    return s;
  }

  void Visit(const Sample& prev, const Sample& cur) {
    if (!prev.ok && !cur.ok) return;
    if (!prev.ok) {
      // The curve starts inside the step: from its domain edge.
      const Sample edge = BisectEdge(cur, prev);
      Flush();
      Chord(edge, cur);
    } else if (!cur.ok) {
      // The curve ends inside the step: up to its domain edge.
      const Sample edge = BisectEdge(prev, cur);
      if (prev.inView || edge.inView) Chord(prev, edge);
      Flush();
    } else if (prev.inView || cur.inView) {
      Chord(prev, cur);
      if (!cur.inView) Flush();  // it has left the view
    } else {
      Flush();
    }
  }

  // Halvings of the step between a drawable and an undefined sample; the drawable end.
  Sample BisectEdge(Sample good, Sample bad) {
    for (int k = 0; k < kParameterEdgeBisections; ++k) {
      const Sample mid = Evaluate((good.t + bad.t) / 2);
      if (mid.ok)
        good = mid;
      else
        bad = mid;
    }
    return good;
  }

  // The chord from p to q on the current piece (p starts it when the piece is empty).
  void Chord(const Sample& p, const Sample& q) {
    tail_ = p;
    tip_ = q;
    haveChord_ = true;
    line_.Side({p.x, p.y}, {q.x, q.y});
  }

  void Flush() { line_.Flush(); }

  Tfrec* x_;
  Tfrec* y_;
  ClippedPolyline line_;
  Sample tail_, tip_;
  bool haveChord_ = false;
};

void DrawEndArrow(gfx::Canvas& canvas, const Tfuncprop& entry, const ParametricSampler& sampler) {
  Sample tail, tip;
  if (!entry.arrowAtEnd || !sampler.LastChord(tail, tip) || !PointInViewMargin(0, tip.x, tip.y)) return;
  const int size = static_cast<int>(rtl::Round((3 * entry.penWidth + 7) * static_cast<Extended>(settings.OutputScale)));
  DrawArrowHead(size, 1, canvas, entry.arrowStyle, tip.x, tip.y, tail.x, tail.y);
}

void DrawSampled(gfx::Canvas& canvas, const Tfuncprop& entry) {
  Extended step = 0, t0 = 0, t1 = 0;
  if (!DrawableValueOfText(entry.stepText, step) || !(step > 0)) return;
  const TreePtr x = ParseExpression(entry.texts[0], 3);
  const bool xParsed = eng.ParseOK && x;
  const TreePtr y = ParseExpression(entry.texts[1], 3);
  const bool parsed = xParsed && eng.ParseOK && y;
  if (parsed && DrawableValueOfText(entry.texts[2], t0) && DrawableValueOfText(entry.texts[3], t1) && t0 != t1) {
    ParametricSampler sampler(canvas, x.get(), y.get(), entry.dashed);
    if (LinearInT(x.get()) && LinearInT(y.get()))
      sampler.Straight(t0, t1);
    else
      sampler.Run(t0, t1, step);
    DrawEndArrow(canvas, entry, sampler);
  }
}

}  // namespace

Extended FinestParameterStep(Extended t0, Extended t1) { return std::fabs(t1 - t0) / kMaxParametricSamples; }

Extended NextParameter(Extended t, Extended step, Extended t1) {
  const Extended next = t + step;
  if (step > 0 ? next > t1 : next < t1) return t1;
  return next == t ? t1 : next;
}

void DrawParametricCurve(gfx::Canvas& canvas, const Tfuncprop& entry) {
  if (doc.CoordinateSystem > 1) return;
  const Extended savedT = doc.VariableValues.T;
  canvas.pen.color = OutputColor(static_cast<gfx::Color>(entry.color));
  canvas.pen.width = ScaleToOutput(entry.penWidth);
  eng.ParserCollectMode = 0;
  DrawSampled(canvas, entry);
  eng.ParserCollectMode = 1;
  doc.VariableValues.T = savedT;
  ShowDrawingProgress();
}
