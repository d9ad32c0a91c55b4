#pragma once
// Plane constructions on circles and turns. Radii, angles and ratios are formula texts,
// evaluated at the current x, y, z; a text that cannot be evaluated makes the result
// invalid. No exact fractions: the results are roots and sines.
#include <string>

#include "formula/SpacePoint.h"

// centre + r (cos θ, sin θ).
TSpacePoint CirclePointAtAngle(const TSpacePoint& centre, const std::string& radiusText,
                               const std::string& angleText);
// The tangent point on the circle of the tangent from p: code 11 the left one seen from
// p, code 12 the right one. Invalid when p lies inside the circle or on its centre; p
// itself when it lies on the circle.
TSpacePoint TangentPointFromOutside(const TSpacePoint& p, const TSpacePoint& centre,
                                    const std::string& radiusText, int code);
// The tangent point on the first circle of a common tangent of two circles: codes 16, 17
// the two outer tangents, 18, 19 the two inner ones. Invalid when the centres coincide or
// that tangent does not exist.
TSpacePoint CommonTangentPoint(const TSpacePoint& c1, const TSpacePoint& c2, const std::string& r1Text,
                               const std::string& r2Text, int code);
// One intersection of two circles: the one to the left of the line from the centre of
// smaller x (of smaller y when both x are equal) to the other, so that the order of the
// circles does not matter. Invalid when they do not meet or share their centre.
TSpacePoint CircleCircleIntersection(const TSpacePoint& c1, const TSpacePoint& c2, const std::string& r1Text,
                                     const std::string& r2Text);
// centre + ratio R(angle) (p - centre).
TSpacePoint RotateScalePoint2D(const TSpacePoint& centre, const TSpacePoint& p, const std::string& angleText,
                               const std::string& ratioText);
