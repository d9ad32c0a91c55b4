#pragma once
#include <cmath>

#include "platform/Extended.h"

// x has no fractional part and |x| < 100000.
inline bool IsSmallInteger(Extended x) { return std::fabs(x) < 100000 && x == std::trunc(x); }
