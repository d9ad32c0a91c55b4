#pragma once
// Markup trees laid out in canvas pixels for a font height h (signed, as canvas fonts
// are: negative values give the character height). Every node gets its left and top, its
// width, the height it is drawn with, the x reached after it (`right`) and the y of a line
// under it (`lower`). Scripts are drawn at 3/5 (raised) and 1/2 (lowered) of the height,
// fractions with the narrower part centred, radicals a sixth taller than their contents.
// Text is measured through the per-character font mix of the drawing toolkit.
#include <cstdint>

#include "formula/Records.h"
#include "platform/Canvas.h"

// Lays out the chain from (x, y) with height h; x ends at the x reached. A missing part
// (an empty argument, "\vec{}", "\frac{1}") lays out as an empty box where it would
// start. The two options go to the text measure (keep the font; style).
void LayoutMarkup(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2, Tmojikiroku* node,
                  int h);

// Extents over a chain and the parts below it.
// Largest x + width over node, child1, child2, next; 0 for none.
int LargestRight(const Tmojikiroku* node);
// Largest `right` and `lower` field.
int LargestRightField(const Tmojikiroku* node);
int LargestLower(const Tmojikiroku* node);
// Smallest top over node, child1 and next (a lowered part never starts a line); 10000
// for none.
int SmallestTop(const Tmojikiroku* node);
// Largest |height| over node, child1, child2, next.
int LargestHeight(const Tmojikiroku* node);
void ShiftRight(Tmojikiroku* node, int dx);
// y and lower move together.
void ShiftDown(Tmojikiroku* node, int dy);
