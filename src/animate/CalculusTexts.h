#pragma once
// How the calculus animations write their numbers: x values with four decimals, function
// values with seven, and a quotient whose denominator shows as zero as stars.
#include <string>

#include "platform/Extended.h"

inline constexpr const char* kXValuePattern = "0.0000";
inline constexpr const char* kYValuePattern = "0.0000000";
// Shown for a value that cannot be given.
inline constexpr const char* kNoValueText = "********";

std::string XValueText(Extended x);
std::string YValueText(Extended y);
// dy / dx with four decimals; kNoValueText when dx itself shows as "0.0000".
std::string QuotientText(Extended dy, Extended dx);
