#include "render/SpaceCurve.h"

#include <algorithm>
#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "render/ParametricCurves.h"
#include "render/SpacePolyline.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

struct Sample {
  Extended t = 0;
  TSpacePoint p;
  bool good = false;  // defined and in front of the camera
};

class SpaceCurveSampler {
 public:
  SpaceCurveSampler(gfx::Canvas& canvas, const TreePtr (&trees)[3], std::uint8_t dashed)
      : trees_(trees), line_(canvas, dashed) {}

  void Run(Extended t0, Extended t1, Extended step) {
    Sample prev = Evaluate(t0);
    for (Extended t = t0; t != t1;) {
      const Extended next = NextParameter(t, step, t1);
      const Sample cur = Evaluate(next);
      Visit(prev, cur);
      prev = cur;
      t = next;
    }
  }

 private:
  Sample Evaluate(Extended t) {
    TVariableValues& v = doc.VariableValues;
    v.T = t;
    Sample s;
    s.t = t;
    Extended* coordinates[3] = {&s.p.x, &s.p.y, &s.p.z};
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
      *coordinates[i] = EvaluateTree(trees_[i].get(), v.X, v.Y, v.Z);
      ok = ok && eng.EvalDrawable && std::isfinite(*coordinates[i]);
    }
    s.good = ok && IsPointVisible3D(s.p);
    return s;
  }

  void Visit(const Sample& prev, const Sample& cur) {
    if (prev.good && cur.good) {
      if (line_.Empty()) line_.Add(prev.p);
      line_.Add(cur.p);
    } else if (cur.good) {
      line_.Add(Edge(cur, prev).p);
      line_.Add(cur.p);
    } else if (prev.good) {
      if (line_.Empty()) line_.Add(prev.p);
      line_.Add(Edge(prev, cur).p);
      line_.Flush();
    }
  }

  // Halvings of the parameter interval between a good and a bad sample; the good end.
  Sample Edge(Sample good, Sample bad) {
    for (int k = 0; k < kSpaceCurveEdgeBisections; ++k) {
      const Sample mid = Evaluate((good.t + bad.t) / 2);
      (mid.good ? good : bad) = mid;
    }
    return good;
  }

  const TreePtr (&trees_)[3];
  SpacePolyline line_;
};

void DrawSampled(gfx::Canvas& canvas, const Tfuncprop& entry) {
  Extended step = 0, t0 = 0, t1 = 0;
  if (!DrawableValueOfText(entry.stepText, step) || !(step > 0)) return;
  if (!DrawableValueOfText(entry.texts[2], t0) || !DrawableValueOfText(entry.texts[3], t1) || t0 == t1) return;
  // No more steps than a plane curve may take.
  step = std::max(step, FinestParameterStep(t0, t1));
  if (t1 < t0) step = -step;
  TreePtr trees[3];
  bool parsed = true;
  const std::string* texts[3] = {&entry.texts[0], &entry.texts[1], &entry.texts[4]};
  for (int i = 0; i < 3; ++i) {
    trees[i] = ParseExpression(*texts[i], 3);
    parsed = parsed && eng.ParseOK && trees[i];
  }
  if (parsed) SpaceCurveSampler(canvas, trees, entry.dashed).Run(t0, t1, step);
}

}  // namespace

void DrawSpaceCurve(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  const Extended savedT = doc.VariableValues.T;
  eng.ParserCollectMode = 0;
  DrawSampled(canvas, e);
  eng.ParserCollectMode = 1;
  doc.VariableValues.T = savedT;
}
