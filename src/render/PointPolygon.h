#pragma once
// A polygon whose vertices are the points named by the letters of a text, filled with a
// hatch and outlined in the canvas pen. On the screen the hatch is the canvas's hatch
// brush; on the print picture the polygon is drawn into a mask and hatched line by line
// through it, so that the hatch follows the print's scale and density.
#include <cstdint>
#include <span>
#include <string>

#include "platform/Canvas.h"

// code: 1 "/", 2 "\", 3 both, anything else no hatch. Nothing is drawn for more than 100
// letters or when a letter names no point of the document or an invalid one.
void FillPointPolygon(gfx::Canvas& canvas, const std::string& letters, std::uint8_t code,
                      std::span<const double> pattern, std::uint8_t dashed, gfx::Color fillColour);
