#pragma once
// The entry window's program-wide variables.
#include <cstdint>

#include "formula/Tfuncprop.h"

// The FigureTable entry the entry window edits.
extern std::int32_t EditedEntryIndex;
// The entry as it was before a correction, taken by the caller before it opens the window
// in mode 1 or 4; a cancelled correction puts it back.
extern Tfuncprop SavedEntryCopy;
