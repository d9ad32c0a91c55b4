#pragma once
#include <cfloat>

// The formula engine and the drawing code compute in the x87 80-bit format.
using Extended = long double;
static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384,
              "Extended must be the 80-bit x87 extended format");
