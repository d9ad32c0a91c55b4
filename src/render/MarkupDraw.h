#pragma once
// A laid-out markup tree drawn: the texts through the per-character font mix, and the
// arrows, radicals, fraction bars, over- and underlines with lines whose width grows with
// the height of the part (a pixel up to 36 pixels, two up to 60 ...).
#include <cstdint>

#include "formula/Records.h"
#include "platform/Canvas.h"

// In the canvas's pen colour, with a clear brush; `mode` keeps the canvas font for the
// texts, `style` is the text style of the font mix. Pen, brush and font are given back.
void DrawLabelTree(gfx::Canvas& canvas, const Tmojikiroku* tree, std::uint8_t mode, std::uint8_t style);
