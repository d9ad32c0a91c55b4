#pragma once
// Constructions on points, lines and triangles. They hold in the plane and, through the
// vector forms, in space; line-line intersection is plane only. The exact rule of each is
// its floating formula on the fractions, except for the incentre and excentres, whose
// side lengths are roots.
#include "formula/SpacePoint.h"

// (a + b + c) / 3; valid only when all three are.
TSpacePoint TriangleCentroid(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c);
// Foot of the perpendicular from p to line AB; invalid when A = B.
TSpacePoint PerpendicularFoot(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b);
// 2 foot - p; invalid when the foot is.
TSpacePoint Reflection(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b);
// Line AB against line CD (plane); parallel lines keep the result's coordinates and clear
// its valid byte.
void LineIntersectionByPoints(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                              const TSpacePoint& d, TSpacePoint& result);
// Invalid when A = B, A = C or the three are collinear.
TSpacePoint Orthocentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c);
// (a + b + c - H) / 2 with H the orthocentre.
TSpacePoint Circumcentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c);
// (a + b + c - O) / 2 with O the circumcentre.
TSpacePoint NinePointCentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c);
// Weighted by the opposite side lengths; type 3 gives the excentre opposite c, 4 opposite
// b, 5 opposite a, any other type the incentre. Invalid when the weights sum to 0.
TSpacePoint TriangleIncentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c, int type);
