#pragma once
// Space constructions: planes, tetrahedra and turns about an axis. Only the tetrahedron's
// centroid has an exact rule; every other result is inexact.
#include "formula/SpacePoint.h"
#include "platform/Extended.h"

// (a + b + c + d) / 4; valid when all four are.
TSpacePoint TetrahedronCentroid(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                                const TSpacePoint& d);
// The line through linePoint along dir cut with the plane through planePoint with the
// given normal; invalid when they are parallel.
TSpacePoint LinePlaneIntersection(const TSpacePoint& dir, const TSpacePoint& normal, const TSpacePoint& planePoint,
                                  const TSpacePoint& linePoint);
// The centre of the sphere through the four points.
TSpacePoint TetrahedronCircumcentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                                    const TSpacePoint& d);
// The point at equal distances from the four face planes: sign +1 the insphere centre,
// -1 the centre of the exsphere beyond face BCD (opposite a).
TSpacePoint TetrahedronInOrExcentre(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                                    const TSpacePoint& d, int sign);

// The turn that carries the z axis onto a direction n, by its azimuth and tilt.
struct TAxisAngles {
  Extended cosAz = 1, sinAz = 0, cosTilt = 1, sinTilt = 0;
};
// False for the zero vector; n vertical gives azimuth 0.
bool NormalToCircleAngles(const TSpacePoint& n, TAxisAngles& angles);
// (x, y) turned by the angle with cosine c and sine s about the z axis.
TSpacePoint RotateZ(const TSpacePoint& v, Extended c, Extended s);
// Turned about the y axis by the right-hand rule: (x, z) -> (c x + s z, -s x + c z).
TSpacePoint RotateY(const TSpacePoint& v, Extended c, Extended s);
// About z by -azimuth, about y by the tilt, about z by the azimuth: with the angles of n
// it carries the z axis onto n / |n|; with -sinTilt it carries n back onto z.
TSpacePoint AlignToNormal(const TSpacePoint& v, Extended cosAz, Extended sinAz, Extended cosTilt,
                          Extended sinTilt);
// p turned by the angle about the axis through centre along the direction of `axis`
// (right-hand rule), its distance from centre first multiplied by scale.
TSpacePoint RotatePointAboutAxis(const TSpacePoint& p, const TSpacePoint& centre, const TAxisAngles& axis,
                                 Extended scale, Extended angle);
