#pragma once
// The picture of a Riemann sum: the pieces of the chosen sum over [a, b] hatched in the
// colour of their sign (rectangles, trapezoids, parabolic strips) under the curve's back
// layer, the bound lines at a and b; and its value box.
#include <cstdint>
#include <string>

#include "animate/EntryFunction.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// kind 0 draws only the bound lines over the canvas as it is. Otherwise the canvas (the
// composite bitmap) is cleared, the pieces drawn and the back bitmap combined over them
// with AND; on the print picture the pieces are outlined and shaded through the region
// drawer. False, with no piece drawn, when the sum is no number (f undefined, infinite or
// with a pole where a piece needs it); sum receives the total.
bool PaintRiemannPicture(gfx::Canvas& canvas, EntryFunction& f, int kind, Extended a, Extended b, int32_t n,
                         Extended& sum);

// "分割数＝ " n and, for a chosen sum, its caption "＝ " and its text.
void DrawRiemannValueBox(gfx::Canvas& canvas, int32_t n, int kind, const std::string& sumText);
