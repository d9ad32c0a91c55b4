#pragma once
// Points (kind 8): their markers, drawn with the entries, and their names, written on the
// window's picture (or the print picture) after every copy, never into the off-screen
// bitmaps.
#include <cstdint>
#include <string>

#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// A marker (filled or hollow by option64, radius penWidth + 2) at every valid point of
// the entry's point array.
void DrawPointEntry(gfx::Canvas& canvas, const Tfuncprop& entry);
// The names of the valid points of every shown point entry, unless labels are hidden: the
// entry's label text (its letter when that is empty), numbered 1, 2, ... along a point
// sequence.
void DrawPointListLabels(gfx::Canvas& canvas);
// The name beside the point at the place labelPos names (1 upper left, 2 lower left, 3
// none, 4 upper right, 5 lower right, 6 middle left, 7 above, 8 middle right, 9 below), in
// the point-name font at the text scale; nothing outside the view.
void DrawPointName(gfx::Canvas& canvas, std::uint8_t labelPos, gfx::Color colour, float scale,
                   const std::string& name, Extended x, Extended y);

// The top-left corner of a name w pixels wide beside the pixel (px, py), with the spacing
// d (a third of the name font's height).
gfx::Point PointNameCorner(std::uint8_t labelPos, int px, int py, int w, int d);
