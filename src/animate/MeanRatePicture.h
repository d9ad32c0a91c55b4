#pragma once
// The picture of the mean rate of change: the curve's back layer with the axes, the run
// from A and the rise to B as guide lines, the secant through A and B, the two points with
// their names; and its value box with the difference quotient set as a fraction.
#include <string>

#include "animate/EntryFunction.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// On the canvas (the composite bitmap): false, with the back layer and axes alone, when f
// is undefined at A or at B. fa and fb receive f(A) and f(B).
bool PaintMeanRatePicture(gfx::Canvas& canvas, EntryFunction& f, Extended xa, Extended xb, gfx::Color secantColour,
                          Extended& fa, Extended& fb);

// "平均変化率＝ " and the slope text, and below it (yb - ya)/(xb - xa) = the slope text.
void DrawMeanRateValueBox(gfx::Canvas& canvas, const std::string& slope);
