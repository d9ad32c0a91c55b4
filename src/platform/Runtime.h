#pragma once
// The numeric and string routines of the original runtime library, written once and
// locale-free: banker's rounding, truncation, the general float-to-text conversion,
// number patterns such as "0.000", text-to-float conversion and 1-based string helpers.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Extended.h"

namespace rtl {

// Round half to even, as the original runtime's Round; values beyond the int64
// range saturate, NaN gives 0.
int64_t Round(Extended v);
// Truncation toward zero with the same saturation.
int64_t Trunc(Extended v);
// Round half to even, kept in floating point (no range limit).
Extended RoundToEven(Extended v);

// General format with 15 significant digits: fixed notation for decimal exponents
// -3..15 ("0.0001", "123.5"), otherwise "1E20", "1.5E-5"; trailing zeros dropped.
std::string FloatToStr(Extended v);
// Same with a chosen number of significant digits (1..18).
std::string FloatToStrPrec(Extended v, int precision);

// Fixed notation with `digits` decimals after rounding to at most `precision` significant
// digits, half away from zero (the runtime's fixed float format): 2.5 with (10, 3) gives
// "2.500". A value with more than `precision` integer digits is written in exponent form
// instead ("1.500000000E+012"); a result whose digits are all zero has no minus sign.
std::string FloatToStrFixed(Extended v, int precision, int digits);

// A number pattern of '0' (digit always shown), '#' (digit shown when needed) and one
// '.', e.g. "0.000", "0.0##", "#0". Rounds half away from zero on the decimal digits
// of the value; a result whose digits are all zero has no minus sign.
std::string FormatFloat(std::string_view pattern, Extended v);

// Strict conversion: the whole text, optionally framed by blanks, is one number
// ([sign] digits [. digits] [E [sign] digits], "1." and ".5" included).
bool TryStrToFloat(std::string_view text, Extended& out);
Extended StrToFloatDef(std::string_view text, Extended fallback);
// Lenient conversion in the manner of Val: leading blanks are skipped; returns 0 when
// the rest is one number, else the 1-based position of the first character that is not
// part of it (out is then the value of the number before it, or 0).
int Val(std::string_view text, Extended& out);

bool TryStrToInt(std::string_view text, int64_t& out);
int64_t StrToIntDef(std::string_view text, int64_t fallback);
std::string IntToStr(int64_t v);

// 1-based string helpers over byte strings, clamping like the runtime's.
std::string Copy(std::string_view s, int64_t index, int64_t count);
// 1-based position of sub in s at or after offset, 0 when absent.
int Pos(std::string_view sub, std::string_view s, int offset = 1);
void Insert(std::string_view sub, std::string& s, int64_t index);
void Delete(std::string& s, int64_t index, int64_t count);
// Removes leading and trailing characters up to and including the blank.
std::string Trim(std::string_view s);
// ASCII-only case changes; both bytes of a CP932 double-byte character stay.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);

}  // namespace rtl
