#pragma once
// The evaluator: computes an expression tree for given x, y and z in 80-bit floating point.
// Every node keeps its last and previous value, its validity and the zero and pole crossing
// flags the curve samplers read; relations are 1 or 0 and a false relation makes its node
// invalid, so that f(x)*(x>0) is undefined where the condition fails. Domain errors clear
// eng.EvalOK. Nothing here allocates or throws while a tree is evaluated.
#include <cstdint>
#include <string>

#include "formula/Tfrec.h"
#include "platform/Extended.h"

// The value of the tree at (x, y, z). nil gives 0 and changes nothing. Afterwards
// eng.EvalDrawable is 1 when the root is valid and EvalOK is 1; when EvalOK is 0 the result
// is 0 and the root is marked invalid. An operation that overflows or is undefined beyond
// the domain rules gives 0 with EvalOK and EvalDrawable 0 and stops the animation timer.
Extended EvaluateTree(Tfrec* tree, Extended x, Extended y, Extended z);
// The recursive core without the outer checks of EvaluateTree.
Extended EvaluateNode(Tfrec* tree, Extended x, Extended y, Extended z);

// Parse for evaluation, evaluate, release. An empty text gives 0 and leaves the flags; a
// text that does not parse gives 0 with EvalOK and EvalDrawable 0.
Extended EvaluateText(const std::string& text, Extended x, Extended y, Extended z);
// EvaluateText with the figures' own formulas used in the plane (exact fractions kept).
Extended EvaluateTextWithFigureFormulas(const std::string& text, Extended x, Extended y, Extended z);
// The symbolic tree with sums and products unrolled.
Extended EvaluateTextUnrolled(const std::string& text, Extended x, Extended y, Extended z);

// The node's zeroCrossed and poleCrossed := those of its right child.
void CopyPoleFlags(Tfrec* node);


// Restarts the sequence of rnd.
void SeedRandom(uint64_t seed);
