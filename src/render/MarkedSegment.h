#pragma once
// A segment with a mark at its midpoint, the sign of equal lengths: mark type 2 one tick
// across it, 3 two ticks, 4 three ticks, 5 a small circle, any other none. Segments
// shorter than 10 pixels carry no mark.
#include <cstdint>
#include <span>

#include "platform/Canvas.h"
#include "platform/Extended.h"

void DrawMarkedSegment(gfx::Canvas& canvas, Extended x1, Extended y1, Extended x2, Extended y2, std::uint8_t dashed,
                       std::span<const double> pattern, std::uint8_t markType);
