#pragma once
// Vector operations on TSpacePoint records, the ground of the plane and space
// constructions. Records are passed by value and results written as new records; an
// impossible result is marked invalid, never raised.
//
// Exact fractions ride beside the floating coordinates only while exact mode is on
// (eng.UseFigureFormulas = 1). A fraction is exact only when an exact rule computed it
// from exact operands: scaled, crossed and rule-less results, and everything while exact
// mode is off, are inexact. The one exception is a plane point's z, which is 0 by
// construction and stays exact 0/1.
#include "formula/ExactVector.h"
#include "formula/SpacePoint.h"
#include "platform/Extended.h"

bool ExactModeOn();
// Fractions of a result that no exact rule computed.
void MarkInexact(TSpacePoint& p);
// The exact fractions when exact mode is on, else MarkInexact.
void SetExact(TSpacePoint& p, const ExactVector& exact);
// Coordinates 0, valid 0, fractions inexact: an impossible or failed construction.
void InvalidatePoint(TSpacePoint& p);
TSpacePoint InvalidPoint();
bool IsFinitePoint(const TSpacePoint& p);
// A valid point with these coordinates and no exact rule behind them.
TSpacePoint MakePoint(Extended x, Extended y, Extended z);
// A computed result: invalid (coordinates 0) when a coordinate is not finite.
TSpacePoint CheckedPoint(const TSpacePoint& p);

// op 0: a + b, op 1: a - b, with fractions through FractionAddSub; valid when both are.
TSpacePoint VecAddSub(const TSpacePoint& a, const TSpacePoint& b, int op);
inline TSpacePoint VecAdd(const TSpacePoint& a, const TSpacePoint& b) { return VecAddSub(a, b, 0); }
inline TSpacePoint VecSub(const TSpacePoint& a, const TSpacePoint& b) { return VecAddSub(a, b, 1); }
// x, y, z times k; the other fields copied, the fractions made inexact.
TSpacePoint VecScale(const TSpacePoint& v, Extended k);
Extended VecDot(const TSpacePoint& a, const TSpacePoint& b);
Extended VecLengthSquared(const TSpacePoint& v);
Extended VecLength(const TSpacePoint& v);
Extended PointDistance(const TSpacePoint& a, const TSpacePoint& b);
// dot / (|a| |b|); 0 when either length is 0.
Extended VecCosAngle(const TSpacePoint& a, const TSpacePoint& b);
// Fractions inexact.
TSpacePoint VecCross(const TSpacePoint& a, const TSpacePoint& b);
// x, y and z all exactly 0.
bool VecIsZero(const TSpacePoint& v);
// v / |v|; valid 0 for the zero vector.
TSpacePoint UnitVector(const TSpacePoint& v);
// (b - a) x (c - a); valid 0 when zero; of length 1 when unit = 1.
TSpacePoint PlaneNormal(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c, int unit);
// False when b - a, c - a or d - a is zero; else whether ((b-a) x (c-a))·(d-a) is non-zero.
bool PointsSpanSpace(const TSpacePoint& a, const TSpacePoint& b, const TSpacePoint& c,
                     const TSpacePoint& d);
// y = m1 x + q1 against y = m2 x + q2; invalid for equal slopes.
TSpacePoint IntersectSlopeLines(Extended m1, Extended q1, Extended m2, Extended q2);
// Line P1P2 against line P3P4 by Cramer's rule. Parallel lines leave the result's
// coordinates untouched and clear its valid byte; otherwise the intersection, valid.
void LineIntersection2D(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
                        Extended x4, Extended y4, TSpacePoint& result);
// The parameter of the projection of p on line AB, measured from A; 0.5 when A = B.
Extended LineProjectionParam(const TSpacePoint& p, const TSpacePoint& a, const TSpacePoint& b);
