#pragma once
// The boundary curves of a relation tree: every equation and inequality in it drawn as
// the curve where its two sides are equal, strict inequalities in light grey.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"

// and, or, products and sums walk both sides. A side that is x (or y) alone with the other free
// of it is drawn as x = f(y) (or y = f(x)); any other relation L op R as the implicit
// curve of L − R. The canvas pen is restored afterwards.
void DrawRegionBoundaries(gfx::Canvas& canvas, Tfrec*& tree, std::uint8_t dashed, int width);

// (simplified L) − (simplified R), simplified: a new tree for the relation node L op R.
TreePtr RelationDifference(const Tfrec* relation);
