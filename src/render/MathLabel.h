#pragma once
// Label markup typeset in one call, for the labels on the graph, the names of points
// and the print title. The canvas's font height (signed) is the base height; the two
// options go to the text measure and drawing (keep the font; style).
#include <cstdint>
#include <string_view>

#include "platform/Canvas.h"
#include "render/MarkupParse.h"

// The text parsed and laid out from (x, y), then moved up or down so that its top is at
// `top`; x ends at the x reached, fontHeight is the canvas's font height. Nothing is
// drawn (DrawLabelTree draws the tree). Nil for an empty text.
MarkupTree LayoutMathLabel(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2,
                           std::string_view text, int& fontHeight, int top);
// The text drawn from (x, y), never above the picture's top edge (it starts at y = 1 at
// the highest); with a solid brush on a white box first. x ends at the x reached.
void DrawMathLabelBoxed(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2,
                        std::string_view text, int& fontHeight);
// The width the text takes; nothing is drawn.
int MeasureMathLabel(gfx::Canvas& canvas, std::string_view text, int& fontHeight, std::uint8_t option1,
                     std::uint8_t option2);
