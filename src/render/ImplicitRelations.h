#pragma once
// The curve F(x, y) = 0 of a relation (the caller has turned L = R into L − R), drawn by
// closed forms wherever its polynomial degrees allow: straight lines and conics directly,
// degree 1 to 4 in one variable as explicit branches; only the rest is traced numerically.
// F is evaluated with z = 0; the canvas holds the pen. Every tree built on the way is freed
// before these return; the caller keeps F, which may be rewritten.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "render/ImplicitCurve.h"

// The entry point: a product F·G draws F = 0 and G = 0 factor by factor, a negated F is
// negated back first. Nil draws nothing. width selects the dash pattern of dashed curves;
// style goes to the explicit-curve drawer (all callers pass 0).
void PlotImplicitList(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t style, int width, std::uint8_t dashed);

// One curve: |F| = 0 is F = 0; total degree 1 is a line, 2 a conic; what they do not draw
// goes down the table of the degrees in y and in x. Returns the road that drew it.
ImplicitRoad PlotImplicitCurve(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t style, int width,
                               std::uint8_t dashed);
