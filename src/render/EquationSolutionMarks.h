#pragma once
// An explicit entry of the form g(x)·(L = R) draws no curve: it marks the points of g at
// the solutions of L = R inside the range.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// How the solutions are marked: a marker of the entry's colour, filled (fill 1) or hollow,
// of the radius (before output scaling).
struct SolutionMarks {
  gfx::Color color = 0;
  std::uint8_t fill = 1;
  int radius = 4;
};

// tree is g * ((L - R) = 0). Sign changes of D = L - R between samples one pixel apart are
// bisected; where D keeps its sign but its derivative changes sign, a double root is
// looked for with Newton steps from both samples. x = f(y) marks along y with swapXY.
void MarkEquationSolutions(gfx::Canvas& canvas, Tfrec*& tree, bool swapXY, const SolutionMarks& marks,
                           Extended lower, Extended upper);
