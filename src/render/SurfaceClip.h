#pragma once
// Cells of a surface grid cut to what is drawn: the slab -B <= z <= B and the part of the
// cell where the function is defined. A cell is the quadrilateral of the grid points
// [a][i], [a][i+1], [a+1][i+1], [a+1][i]; its polygon runs along the same edges, each
// corner kept when it lies inside, each edge adding where it leaves or enters the slab
// or the function's domain. Where two surfaces cross inside a cell, the part of one on
// the far side of the other is split off along the crossing.
#include <array>
#include <cstdint>
#include <span>

#include "formula/SpacePoint.h"
#include "formula/Tfrec.h"
#include "platform/Extended.h"

// A corner or vertex with its status against the slab (the grid's status codes).
struct CellPoint {
  Extended x = 0, y = 0, z = 0;
  std::uint8_t status = 0;
};
CellPoint CellPointOf(const TSpacePoint& p);

// All components 0, or the squared length below 1e-7.
bool IsNearZero(Extended dx, Extended dy, Extended dz);

struct CellPolygon {
  // Four corners give at most eight points (two slab crossings per edge); the split
  // part of a crossing cell, five corners, at most ten.
  static constexpr int kCapacity = 16;
  std::array<CellPoint, kCapacity> points;
  int count = 0;
  std::span<const CellPoint> View() const { return {points.data(), static_cast<size_t>(count)}; }
  // Appends unless the point equals the last one (IsNearZero of their difference).
  void Append(const CellPoint& p);
};

// Where the edge from an inside point p to a point q above (below) the slab meets its
// top (bottom) face. Both ends are first rounded to four decimals, so that crossings
// computed from either cell sharing the edge are the same point. Nothing for a q that is
// neither above nor below, or for ends of equal z.
void ClipToZPlane(const CellPoint& p, const CellPoint& q, Extended bound, CellPolygon& out);
// From a point where the function is defined toward one where it is not: 16 halvings
// (in x and y) keep the defined end; that end is returned, classified against the slab.
CellPoint ClipEdgeToDefined(const CellPoint& good, const CellPoint& bad, Tfrec*& tree, Extended bound);

// The polygon of the corners (in cyclic order) cut to the slab |z| <= bound and, with a
// tree, to the function's domain. It starts at an inside corner; with none inside, at a
// corner above when some corner is above and another below; otherwise it stays empty.
void BuildClippedCellPolygon(std::span<const CellPoint> corners, Extended bound, Tfrec** tree, CellPolygon& out);

// The part of the cell x (one surface's corners) where d >= 0, d being the difference of
// the two surfaces' z at each corner (taken with the sign that marks the wanted side):
// the corners on that side and, on each edge where d changes sign, the point where the
// two surfaces meet. 3 to 5 points when they cross.
int SplitCellAtCrossing(const std::array<CellPoint, 4>& x, const std::array<Extended, 4>& d, Extended bound,
                        std::array<CellPoint, 5>& out);
