#pragma once
// Engine routines the parser calls but later parts of the formula engine provide: the
// differentiator and the evaluator. Each is a plain function pointer, null until its owner
// installs it; the parser says at each call what it does without the service.
#include <cstdint>

#include "formula/Tfrec.h"

struct EngineServices {
  // A new tree: the derivative with respect to the variable with that code.
  Tfrec* (*Differentiate)(const Tfrec* tree, int32_t variableCode) = nullptr;
  // The tree's value at (x, y, z); sets the evaluation flags.
  Extended (*EvaluateTree)(Tfrec*& tree, Extended x, Extended y, Extended z) = nullptr;
};

extern EngineServices engineServices;
