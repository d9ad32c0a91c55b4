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

// How FormatLabelValue wrote its value, by the suffix after "|".
enum : std::uint8_t { kLabelValuePlain = 0, kLabelValuePi = 1, kLabelValueDegrees = 2 };

// The value of a formula inside a label. The first "|" (outside double-byte characters)
// ends the formula; after it "pi" writes the value in units of π ("1.000π"), "deg" in
// degrees ("90.00ﾟ"), and a number n with n decimals (trailing zeros dropped; a negative
// n gives an integer). Without a suffix an exact fraction is written as one ("1/3"),
// anything else with four decimals, trimmed. A text beginning with "+" is written as a
// term of a sum ("+ 2", "- 2"; "+0+..." of value 0 gives nothing). A formula that does
// not parse or cannot be evaluated gives "******". mode tells which form was used.
std::string FormatLabelValue(const std::string& text, std::uint8_t& mode);

// Drops the zeros after a decimal point, then the point itself: "2.5000" -> "2.5",
// "3.0000" -> "3". A text without a decimal point (an integer, an exponent form) stays.
std::string TrimTrailingZeros(const std::string& text);
