#pragma once
// Engine routines the parser calls but later parts of the formula engine provide: the
// simplifier, parameter substitution, the differentiator and the evaluator. Each is a plain
// function pointer, null until its owner installs it; the parser says at each call what it
// does without the service.
#include <cstdint>

#include "formula/Tfrec.h"

struct EngineServices {
  // Rewrites the tree in place (the root may be replaced); nothing for nil or mode 1.
  void (*SimplifyTree)(Tfrec*& tree, int mode) = nullptr;
  // The tree is built only from exact integer parts.
  bool (*IsExactTree)(const Tfrec* tree) = nullptr;
  // Parameter leaves become their current values, then the tree is simplified.
  void (*SubstituteParametersAndSimplify)(Tfrec*& tree) = nullptr;
  // A new tree: the derivative with respect to the variable with that code.
  Tfrec* (*Differentiate)(const Tfrec* tree, int32_t variableCode) = nullptr;
  // The tree's value at (x, y, z); sets the evaluation flags.
  Extended (*EvaluateTree)(Tfrec*& tree, Extended x, Extended y, Extended z) = nullptr;
};

extern EngineServices engineServices;
