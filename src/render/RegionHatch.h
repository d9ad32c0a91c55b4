#pragma once
// The hatch of a region: parallel diagonal lines across the drawing area, each cut into
// the pieces where the relation tree holds, by testing points along it.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"

// Whether the relation tree holds at the pixel (px, py): false outside the view and where
// the tree is not drawable.
bool PixelInRegion(Tfrec*& tree, int px, int py);

// Lines s pixels apart: code 1 "/", 2 "\", 3 both, anything else none. Each line is tested
// every s/2 pixels and its pieces are cut within a pixel of the region's edge; they are
// drawn in the pen of the canvas they go to (the print picture's while drawing to it).
void HatchRegion(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t code, int s);
