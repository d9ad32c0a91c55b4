#pragma once
// The small picture of a figure type on its tool button (and on the entry window's
// figure image): drawn with lines, shapes and dots in one ink colour.
#include "platform/Canvas.h"

// `type` is the figure type the picture stands for (in space 1 is a plane, 7 a geodesic,
// 8 a sphere, 9 a circle given by its normal, 10 a circle on a sphere, 11 an arc about a
// line); the picture fills the box.
void DrawFigureToolPicture(gfx::Canvas& canvas, int type, int dimension, const gfx::Rect& box, gfx::Color ink);
