#pragma once
// The samples of the surfaces z = f(x, y) of a space document: entry 1 in SurfaceGrid1 and,
// when the document holds two surfaces, entry 2 in SurfaceGrid2, each on (N+1) x (N+1)
// points over [-R, R]^2. The points are laid out by the camera's octant so that drawing
// the cells in index order (row by row) paints them from back to front.
//
// A grid is sampled again only when what it depends on has changed (the formulas, the
// parameters and defined values they read, R, N or the octant): a rotation within one
// octant keeps it.
#include <cstdint>

#include "formula/SpacePoint.h"
#include "platform/Extended.h"

// Status of a sample.
enum : uint8_t { kGridInside = 0, kGridAbove = 1, kGridBelow = 2, kGridUndefined = 3 };

// 0 inside lo <= z <= hi, 3 when p is not valid; then 1 above hi or 2 below lo (an
// undefined point with a z beyond the bounds counts as above or below).
void ClassifyGridPoint(TSpacePoint& p, Extended lo, Extended hi);

// Int((φ + π)·4/π) with φ taken into [-π, π): the azimuth π is octant 0.
int SweepOctantOf(Extended phi);
// The divisions N of the grids; 0 (a broken file) is read as 20.
int SurfaceGridDivisions();
// Entry 1 is a surface, and entry 2 is one too.
bool HasSurface();
bool HasSecondSurface();
// The grid point [row][column] of an octant: its x and y.
void SurfaceGridXY(int octant, int row, int column, Extended range, Extended step, Extended& x, Extended& y);

// Samples the surfaces when needed and sets spaceView.SweepOctant. Nothing when entry 1
// is no surface or does not parse.
void ComputeSurfaceGrids();
// Both grids (N+1) x (N+1) undefined points.
void ClearSurfaceGrids();
// Counts the changes of the grids; what is built over them keeps the count it saw.
std::uint64_t SurfaceGridGeneration();
