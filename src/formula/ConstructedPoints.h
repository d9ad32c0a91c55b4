#pragma once
// Points of the document (entries of kind 8): given by coordinate formulas, constructed
// from other points and figures by a construction code, or a point sequence. Everyone
// reads them from doc.PointSequences, refreshed lazily: a point marked dirty is computed
// at its first use, its operands before it, so a chain is computed once per redraw.
// A construction that meets itself again through its operands is invalid.
#include "formula/SpacePoint.h"
#include "platform/Extended.h"

// Construction codes (the `subkind` of a point entry).
enum : int {
  kDivisionPoint = 0,
  kCentroid = 1,
  kCircumcentre = 2,
  kIncentre = 3,
  kOrthocentre = 4,
  kExcentre = 5,
  kFoot = 6,
  kReflection = 7,
  kLineIntersection = 8,
  kRotation = 9,
  kPointOnCircle = 10,
  kTangentLeft = 11,
  kTangentRight = 12,
  kCircleIntersection = 13,
  kLineSphere = 15,
  kOuterTangent1 = 16,
  kOuterTangent2 = 17,
  kInnerTangent1 = 18,
  kInnerTangent2 = 19,
  kInternalDivision = 20,
  kExternalDivision = 21,
  kNinePointCentre = 25,
  kFootOnLineFigure = 26,
  kReflectionInLineFigure = 27,
  kLineFigureIntersection = 28,
  kPointOnSphere = 30,
  kFootOnPlaneFigure = 31,
  kFootOnPlane = 32,
  kPointOnNormal = 33,
  kRotationAboutAxis = 34,
  kLinePlane = 35,
  kTetrahedronCentroid = 36,
  kTetrahedronCircumcentre = 37,
  kInsphereCentre = 38,
  kExsphereCentre = 39,
  kLineSphereSpace = 40,
  kLinePlaneFigure = 45,
  kPointSequence = 100,
  kByCoordinates = 255,
};

// Computes entry `entry` (an entry number) into `point`. The whole VariableValues block
// is restored afterwards. `point` comes in as the point's previous record: a point by
// coordinates whose texts cannot be evaluated, and parallel lines, keep its coordinates
// and only clear `valid`; every other impossibility leaves an invalid point at 0.
void ComputeConstructedPoint(int entry, TSpacePoint& point);
// When the point's dirty byte is set, computes the entry into element 0 of its array and
// clears the byte.
void RefreshPointSequence(int letter, int entry);
// Element k of the point's array after RefreshPointSequence with its defining entry;
// invalid for a letter that names no point of the document or a k outside the array.
void GetSequencePoint(int letter, int k, TSpacePoint& point);

// (n A + m B) / (m + n), exact when both ratios are; invalid when m + n is 0.
TSpacePoint DivisionPoint(const TSpacePoint& a, const TSpacePoint& b, Extended m, const TFraction& fm, Extended n,
                          const TFraction& fn);
// Where line AB meets the sphere (circle) about centre of radius r, on the side of A from
// the foot of the centre; the foot itself for a tangent line; invalid when it misses or
// A = B.
TSpacePoint LineSphereIntersection(const TSpacePoint& centre, const TSpacePoint& a, const TSpacePoint& b, Extended r);

// Counts every computation of a point entry (for tests of the lazy refresh).
extern long ConstructedPointComputations;
