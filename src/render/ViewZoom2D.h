#pragma once
// Changes of the plane view: the zoom and pan steps of the graph window's buttons, zooming
// about a point, centring, the standard view, the view with equal units on both axes, and
// bounds typed as formulas. Every change keeps the view inside +-60000 and at least 0.005
// wide and high; a step that would leave that is refused and the view stays.
#include <array>
#include <string>

#include "platform/Extended.h"

inline constexpr Extended kViewLimit = 60000;
inline constexpr Extended kMinViewSize = 0.005L;

// Zoom and pan steps by the codes of the graph window's view buttons.
enum : int {
  kPanLeft = 0,
  kPanRight = 1,
  kPanUp = 2,
  kPanDown = 3,
  kZoomOut = 4,
  kZoomIn = 5,
  kZoomIn4 = 6,
  kZoomIn4Root2 = 7,  // about a point only
  kTenByTen = 8,      // about a point only: a view 10 wide and 10 high
  kXZoomIn = 9,
  kXZoomOut = 10,
  kYZoomIn = 11,
  kYZoomOut = 12,
};

// One step; false when refused. The bounds are taken in single precision and, where a
// twentieth of the width (height) is 1 or more, rounded to integers first, so that pans
// of a large view keep integer bounds. In the mean-rate and integral animations the zoom
// steps go about the animation's point.
bool ZoomStep(int type);
// The step, then a redraw (the graph window's buttons and their repeat).
void ZoomAndRedraw(int type);
// The distances from (cx, cy) to the four edges divided by 1/sqrt2, sqrt2, 4 or 4 sqrt2
// (types 4 to 7); type 8 makes the view 10 by 10 with (cx, cy) at the same relative place.
bool ZoomAboutPoint(int type, Extended cx, Extended cy);
// (x, y) becomes the centre; width and height stay.
bool CentreViewOn(Extended x, Extended y);
void CentreViewOnAndRedraw(Extended x, Extended y);
// x and y from -5 to 5 (in the mean-rate and integral animations a 10 by 10 view about the
// animation's point), then a redraw.
void ResetViewRange();
// The x range from the y pixel size, about the same centre: one unit is as long on both
// axes.
void RangeFromUnitSize();
// The unit-size mode on, the x range to match, a redraw.
void ApplyUnitSizeAndRedraw();

// Bounds typed as formulas, in the order x lower, x upper, y lower, y upper.
using TBoundTexts = std::array<std::string, 4>;
enum class BoundsResult { Applied, NotEvaluable, BadRange };
// The four texts become the view when each evaluates, x lower < x upper, y lower < y upper
// and all lie strictly inside +-60000; otherwise the view stays.
BoundsResult ApplyBoundTexts(const TBoundTexts& texts);
