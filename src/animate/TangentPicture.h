#pragma once
// The pictures of the tangent animation: its background layer, the point P with its
// tangent and slope, and the box with their values.
#include <optional>
#include <string>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// Entry 1 and the tangent are drawn this wide while the animation runs.
inline constexpr int kTangentPenWidth = 2;

// The back bitmap anew (grid and axes, entry 1, and while TangentAfterImage the graph of
// f' across the view in the lightened rate colour), copied to the composite bitmap.
void DrawTangentBackground(Tfrec* f, Tfrec* df);

// At P = (x, y): the slope point (x, slope) in the rate colour, the tangent in the line
// colour, and the name "P"; without a slope (f' undefined at P) the name alone.
void DrawTangentAt(gfx::Canvas& canvas, Extended x, Extended y, std::optional<Extended> slope);

// "P( x , y )" and "変化率＝slope" (texts as the window shows them) in a rounded box at the
// top left, drawn on the print picture while drawing goes there.
void DrawTangentValueBox(gfx::Canvas& canvas, const std::string& xText, const std::string& yText,
                         const std::string& slopeText);
