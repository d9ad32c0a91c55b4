#pragma once
// The picture of the definite integral: the area between the curve and the x axis over
// [a, b] hatched in the colour of its sign, the bound lines, and with the fundamental
// theorem the lines of the maximum, the minimum and the mean value; and its value box.
#include "animate/DefiniteIntegral.h"
#include "animate/EntryFunction.h"
#include "platform/Canvas.h"

// On the canvas (the composite bitmap; the print picture while one is recorded); values
// receives the numbers. False when they are not numbers (f undefined, not finite or with
// a pole somewhere on [a, b]): then nothing is shaded, and the bound lines are drawn only
// when f is defined at both bounds.
bool PaintIntegralPicture(gfx::Canvas& canvas, EntryFunction& f, Extended a, Extended b, bool theorem,
                          IntegralValues& values);

// "積分値S=" and S; with the theorem also h, the maximum, the mean value and the minimum.
void DrawIntegralValueBox(gfx::Canvas& canvas, const IntegralTexts& texts, bool theorem);
