#pragma once
// Evaluating UTF-8 formula texts in tests, once or along a sequence of points.
#include <cmath>
#include <string>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/FormulaHost.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"

struct Outcome {
  Extended value;
  bool ok;        // EvalOK
  bool drawable;  // EvalDrawable
};

// One evaluation of a fresh tree; the flags start set so that a failure must clear them.
inline Outcome EvaluateUtf8(const std::string& utf8, Extended x = 0, Extended y = 0, Extended z = 0) {
  eng.EvalOK = 1;
  eng.EvalDrawable = 1;
  const Extended v = EvaluateText(sj(utf8), x, y, z);
  return {v, eng.EvalOK == 1, eng.EvalDrawable == 1};
}

// A tree parsed once and evaluated repeatedly, as a curve sampler does.
class SampledTree {
 public:
  explicit SampledTree(const std::string& utf8, int mode = 3) : tree_(ParseExpression(sj(utf8), mode).release()) {}
  ~SampledTree() { DisposeTree(tree_); }
  SampledTree(const SampledTree&) = delete;
  SampledTree& operator=(const SampledTree&) = delete;

  Outcome At(Extended x, Extended y = 0, Extended z = 0) {
    eng.LineContinues = 0;
    const Extended v = EvaluateTree(tree_, x, y, z);
    return {v, eng.EvalOK == 1, eng.EvalDrawable == 1};
  }
  Tfrec* root() const { return tree_; }
  Tfrec*& tree() { return tree_; }

 private:
  Tfrec* tree_;
};

// Counts the requests to stop the animation timer.
class TimerHost : public FormulaHost {
 public:
  void StopAnimationTimer() override { ++stops; }
  int stops = 0;
};

// Puts point n (1..25) at (x, y, z) and marks it as existing.
inline void PlacePoint(int n, Extended x, Extended y, Extended z = 0) {
  doc.PointLetterUsage[n].exists = 1;
  TSpacePoint p;
  p.x = x;
  p.y = y;
  p.z = z;
  p.fx.exact = p.fy.exact = p.fz.exact = 0;
  doc.PointSequences[n] = {p};
}

class EvaluatorTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    SetFormulaHost(&hooks);
  }
  void TearDown() override {
    SetFormulaHost(nullptr);
    StateTest::TearDown();
  }
  TimerHost hooks;
};
