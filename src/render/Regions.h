#pragma once
// Shaded regions of relation trees: the part of the view where the tree holds, hatched,
// and the boundary curve of every relation in it. Inequality entries are drawn through
// here, and so is any shading of an area given by a relation.
#include <cstdint>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"

// Whether the tree describes an area: an inequality (any relation but "="), and, a
// product (intersection) when both sides do, or and "+" (union) when either does.
bool TreeHasRegion(const Tfrec* tree);

// The hatch (code 1 "/", 2 "\", 3 both, anything else none) in the hatch colour, with
// lines 12 pixels apart on the screen at output scale 1 and as many over the height as the
// region density asks while printing; then, when drawBoundary, the boundaries in the
// boundary colour and pen width (strict inequalities grey), dashed or solid.
void DrawRegion(Tfrec* tree, gfx::Canvas& canvas, gfx::Color boundaryColour, std::uint8_t dashed, bool drawBoundary,
                std::uint8_t hatchCode, int penWidth, gfx::Color hatchColour);
