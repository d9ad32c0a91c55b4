#pragma once
// The variables of the macro language by code: a letter's alphabet position (a 1 ... z
// 26; θ is r, ω is o, both in radians) or a point coordinate, point number * 100 + 1, 2
// or 3 for x, y, z.
#include <cstdint>

#include "platform/Extended.h"

// Letters read their cells (t, x, y, z the extended values; e reads 0). A point
// coordinate recomputes the point first and reads its current position.
Extended ReadMacroVariable(int32_t code);

// Letters write their cells; θ and ω also set their shown values in the panel's unit; e
// is not written. A point coordinate is written only into a point given by coordinates
// that may move along that axis: the coordinate text becomes the number, the point moves,
// the move is recorded for the next draw step (settings.MacroFrameList) and the defined
// values and points are recomputed. True when an entry's text changed so.
bool WriteMacroVariable(int32_t code, Extended value);
