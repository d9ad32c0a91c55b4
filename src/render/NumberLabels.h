#pragma once
// Texts of numbers on the graph: the tick labels of the axes and the computed values
// inside labels. All texts are CP932.
#include <cstdint>
#include <string>

#include "platform/Extended.h"
#include "render/TickSteps.h"

// The label of tick k of an axis: "O" at the origin; nothing for an axis without
// numbers, nor for the odd ticks of π and degree axes. Degree labels end in "°" on the x
// axis and "゜" on the y axis.
std::string TickLabelText(const TAxisTicks& ticks, int64_t k, bool xAxis);
// A value written with the number pattern of a tick index.
std::string DecimalTickText(Extended value, int index);

// Drops the zeros after a decimal point, then the point itself: "2.5000" -> "2.5",
// "3.0000" -> "3". A text without a decimal point (an integer, an exponent form) stays.
std::string TrimTrailingZeros(const std::string& text);
