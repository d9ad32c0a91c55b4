#pragma once
// Engine routines the parser calls but later parts of the formula engine provide: the
// differentiator and the evaluator. Each is a plain function pointer, null until its owner
// installs it. Without one the parser does this:
//   Differentiate                    (d/dx) and F', F" are parse errors in modes 2 and 3
//   EvaluateTree                     Sum and multi bounds other than plain numbers are not
//                                    computed, so those forms stay in the tree
#include <cstdint>

#include "formula/Tfrec.h"

struct EngineServices {
  // A new tree: the derivative with respect to the variable with that code.
  Tfrec* (*Differentiate)(const Tfrec* tree, int32_t variableCode) = nullptr;
  // The tree's value at (x, y, z); sets EvalOK and EvalDrawable.
  Extended (*EvaluateTree)(Tfrec*& tree, Extended x, Extended y, Extended z) = nullptr;
};

extern EngineServices engineServices;
