#pragma once
// A point or vector of the plane or space, with exact fractions beside its floating
// coordinates; the record of constructed points, point sequences and surface samples.
#include <cstdint>

#include "platform/Extended.h"

// An exact rational value, meaningful only while `exact` is 1 (both parts within 100000).
struct TFraction {
  uint8_t exact = 1;
  int32_t num = 0;
  int32_t den = 1;
  bool operator==(const TFraction&) const = default;
};

struct TSpacePoint {
  Extended x = 0, y = 0, z = 0;
  uint8_t valid = 1;
  // Surface samples: 0 inside the range, 1 above, 2 below, 3 undefined; 0 elsewhere.
  uint8_t status = 0;
  TFraction fx, fy, fz;
  bool operator==(const TSpacePoint&) const = default;
};

// x, y, z := 0, valid 1, every fraction exact 0/1.
inline void InitSpacePoint(TSpacePoint& p) { p = TSpacePoint{}; }
