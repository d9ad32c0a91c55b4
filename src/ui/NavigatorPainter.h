#pragma once
// Paints the navigator's display list onto its two images: the entry texts (`Text`) and
// the label column (`flabel`) whose label boxes switch entries between shown and hidden.
#include "platform/Canvas.h"
#include "ui/NavigatorList.h"

// Both images cleared to white and the whole list painted.
void PaintNavigatorList(const NavigatorList& list, const TListLayout& layout, gfx::Canvas& text, gfx::Canvas& labels);
// One entry's label box, raised (the box under the mouse) or flat.
void PaintLabelBox(const TListEntryRow& row, const TListLayout& layout, gfx::Canvas& labels, bool raised);
