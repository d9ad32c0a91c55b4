#pragma once
// The circle in which a plane cuts a sphere figure: the circle-on-a-sphere figure of
// space. Its texts: the sphere's figure number, the plane's signed distance u from the
// sphere's centre, the plane's normal x, y, z.
#include "formula/SpacePoint.h"
#include "platform/Extended.h"

struct TSphereSection {
  bool valid = false;  // the sphere exists, the normal is non-zero and r >= |u|
  TSpacePoint centre;        // sphere centre + u * unit normal
  TSpacePoint normal;        // of length 1
  Extended radius = 0;       // sqrt(r^2 - u^2)
  TSpacePoint sphereCentre;
  Extended sphereRadius = 0;
};

// figureEntry: the entry number of the circle-on-a-sphere figure.
TSphereSection SphereSectionCircle(int figureEntry);
