#pragma once
// How the calculus animations write their numbers: x values with four decimals, function
// values with seven, and a quotient whose denominator shows as zero as stars. A number
// too long for the window's panels is written in exponent form with as many decimals.
#include <string>

#include "platform/Extended.h"

inline constexpr const char* kXValuePattern = "0.0000";
inline constexpr const char* kYValuePattern = "0.0000000";
// Shown for a value that cannot be given.
inline constexpr const char* kNoValueText = "********";
// The longest text a result panel shows whole.
inline constexpr size_t kMaxValueTextLength = 16;

// v with the pattern ("0.0000"); when that takes more than kMaxValueTextLength
// characters, in exponent form with the pattern's decimals ("5.1975261E+21").
std::string ValueText(const char* pattern, Extended v);
std::string XValueText(Extended x);
std::string YValueText(Extended y);
// dy / dx with four decimals; kNoValueText when dx itself shows as "0.0000".
std::string QuotientText(Extended dy, Extended dx);
