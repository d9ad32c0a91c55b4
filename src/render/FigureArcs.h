#pragma once
// The round figures drawn in pixels: the arc between two points bulging to one side, the
// arc about a centre through an angle, and the mark of an angle (a square corner for a
// right angle).
#include <span>

#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"

// Sub-kind 9: from the first point to the second, the centre k half-chords off the middle
// (k the value of the third text, -1.5 when it is empty).
void DrawBulgingArc(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern);
// Sub-kind 11: about the second point O from the first point A through the angle of the
// third text, counter-clockwise for a positive angle; a whole circle beyond one turn.
void DrawArcAboutCentre(gfx::Canvas& canvas, const Tfuncprop& entry, std::span<const double> pattern);
// Sub-kind 12: the angle AOB of the three letters of the first text, with the size of the
// second text in pixels (15 at least).
void DrawAngleMark(gfx::Canvas& canvas, const Tfuncprop& entry);

// An angle whose cosine is within this of 0 is right and marked with the square: loose
// enough for points constructed in finite precision, far below anything the eye can tell.
inline constexpr long double kRightAngleTolerance = 1e-9L;
