#pragma once
// Reading the operands of a construction from an entry's texts: point letters, figure
// numbers and the figures they name. Anything that does not name what is expected makes
// the read fail, so that the construction becomes invalid.
#include <initializer_list>
#include <string>
#include <vector>

#include "formula/SpacePoint.h"

// The point number (1..25) of each character of the text, 0 for a character that names
// no point; a double-byte character counts as one character and names none.
std::vector<int> PointNumbersOf(const std::string& text);
// The defining entry of point n when n is a point of the document, else 0.
int EntryOfPoint(int n);
// Element 0 of point n, refreshed first; false when n is no point of the document or the
// point is invalid.
bool FetchPoint(int n, TSpacePoint& p);
// The points of the first `count` characters of the text, all valid.
bool FetchPoints(const std::string& text, int count, TSpacePoint* points);

// The entry of the figure the text numbers (1..KindCounts[7], counted among the figures)
// when its type is one of `types`, else 0.
int FigureEntryOfText(const std::string& text, std::initializer_list<int> types);
// The figure's own point (its `letter`, or the first letter of its first text).
bool FetchFigurePoint(int figureEntry, TSpacePoint& p);

// Circle (plane) or sphere (space), type 8: centre and radius text.
struct TCircleOperand {
  TSpacePoint centre;
  std::string radiusText;
};
bool FetchCircle(const std::string& figureText, TCircleOperand& circle);

// A line figure as two of its points.
struct TLineOperand {
  TSpacePoint a, b;
};
bool FetchLine(const std::string& figureText, TLineOperand& line);

// A plane figure (a plane, a circle by normal or a circle on a sphere) as a point and a
// non-zero normal.
struct TPlaneOperand {
  TSpacePoint point, normal;
};
bool FetchPlane(const std::string& figureText, TPlaneOperand& plane);
