#pragma once
// What the figure drawers share: the points a figure names, in view coordinates, and
// world vectors measured in screen pixels.
#include <vector>

#include "formula/SpacePoint.h"
#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"
#include "render/ViewClipping.h"

// Point n (1..25) of the document, valid and converted for logarithmic axes.
bool FigurePoint(int n, ViewPoint& p);
// The end point of a two-point figure: slot 1 `letter`, slot 2 `letter2`, or when that
// byte names no point the letter in the first or second text.
int FigureEndPointNumber(const Tfuncprop& entry, int slot);
// Every valid point of every point array the letters name, in order, converted for
// logarithmic axes (a point that cannot be is left out); false when a letter names no
// point, or when `firstNeeded` and the first point is left out.
bool FigurePointList(const std::string& letters, bool firstNeeded, std::vector<ViewPoint>& points);
// Every point of every point array the letters name, in order, invalid ones too; false
// when a letter names no point.
bool FigurePointRecords(const std::string& letters, std::vector<TSpacePoint>& records);

// The head of a figure's arrow: |round(3h/4)| with h the height of the point names on paper.
int FigureArrowHeadSize();

// The pixel of a point.
gfx::Point ScreenPointOf(const ViewPoint& p);
// A world vector in pixels (x to the right, y downwards), unrounded and in full precision.
struct PixelVector {
  Extended x = 0, y = 0;
  Extended Length() const;
};
PixelVector PixelVectorOf(const ViewPoint& from, const ViewPoint& to);
