#pragma once
// The round figures of space drawn by turning a point about an axis in steps of pi/30: the
// arc a point sweeps about a line, and the mark of an angle.
#include <vector>

#include "formula/SpaceGeometry.h"
#include "formula/SpacePoint.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

// p turned about the axis through `centre` from 0 toward `angle` in steps of pi/30, the
// last step ending at the angle: the points replace those of `out`.
void TurnedPoints(const TSpacePoint& p, const TSpacePoint& centre, const TAxisAngles& axis, Extended angle,
                  std::vector<TSpacePoint>& out);

// Kind 7, type 11: the point of the first text turned about the line through the two
// letters of the second text by the angle of the third (radians, sums and products
// unrolled), about its foot on that line. An angle that cannot be evaluated draws
// nothing; more than a turn draws one turn.
void DrawArcAboutLine(gfx::Canvas& canvas, int entry);
// Kind 7, type 12: the angle ABC of the three letters of the first text, marked at B with
// the size of the second text in pixels (15 at least): a square corner for a right angle,
// else an arc from BA to BC.
void DrawAngleMark3D(gfx::Canvas& canvas, int entry);

// Within this (radians) of a right angle a space angle is marked with the square.
inline constexpr long double kSpaceRightAngleTolerance = 0.001L;
