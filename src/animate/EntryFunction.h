#pragma once
// The function the calculus animations work on: the first text of entry 1 (the first
// explicit function y = f(x)), parsed once for evaluation with the parameters' current
// values and sums and products unrolled, and released with this object.
#include <string>

#include "formula/Tfrec.h"
#include "platform/Extended.h"

class EntryFunction {
 public:
  // Entry 1's first text; an empty table or a text that does not parse gives a function
  // that is undefined everywhere.
  EntryFunction();
  explicit EntryFunction(const std::string& text);
  EntryFunction(const EntryFunction&) = delete;
  EntryFunction& operator=(const EntryFunction&) = delete;

  bool Valid() const { return tree_ != nullptr; }
  // f(x); false where f is undefined (or not finite).
  bool At(Extended x, Extended& y);
  // A walk over rising x: StartWalk evaluates at its first point, so that the first step
  // (at that point again) compares with it and not with whatever came before. Each step is
  // At, and false also where f crossed a pole since the previous step (1/x from -0.1 to
  // 0.1), which the two values alone do not show.
  void StartWalk(Extended x);
  bool StepTo(Extended x, Extended& y);
  // The tree itself (owned here).
  const Tfrec* Tree() const { return tree_.get(); }

 private:
  TreePtr tree_;
};

// A value typed for a point or a bound: the text evaluated with sums and products
// unrolled; false when it has no finite value.
bool EvaluateInputText(const std::string& text, Extended& value);
