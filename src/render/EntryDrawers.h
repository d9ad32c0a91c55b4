#pragma once
// The drawers the redraw pipeline hands each entry to, by kind, in one table. A drawer
// gets a copy of the entry, parses its texts itself and releases every tree before it
// returns. A slot left empty draws nothing; each drawer is put into the table where it is
// defined, in EntryDrawers.cpp.
#include <cstdint>

#include "formula/Tfuncprop.h"
#include "platform/Canvas.h"

using PlaneEntryDrawer = void (*)(gfx::Canvas& canvas, Tfuncprop& entry);
using SpaceEntryDrawer = void (*)(gfx::Canvas& canvas, int entry);

struct TEntryDrawers {
  // Plane entries by kind.
  PlaneEntryDrawer explicitFunction = nullptr;  // 1  y = f(x)
  PlaneEntryDrawer derivative = nullptr;        // 2  the derivative of a kind-1 entry
  PlaneEntryDrawer relation = nullptr;          // 3  equations and inequalities (regions)
  PlaneEntryDrawer parametric = nullptr;        // 5  x = f(t), y = g(t)
  PlaneEntryDrawer polar = nullptr;             // 6  r = f(t)
  PlaneEntryDrawer figure = nullptr;            // 7  lines, polygons, circles, arcs, angle marks
  PlaneEntryDrawer point = nullptr;             // 8  points and point sequences
  // The names of the points, written on the window's picture, never into a bitmap.
  void (*pointListLabels)(gfx::Canvas& canvas) = nullptr;

  // Space: the whole scene; the back layer's axes and range box; the surface grids and
  // the surfaces over them.
  void (*redrawSpaceScene)() = nullptr;
  void (*drawSpaceAxesAndBox)(gfx::Canvas& canvas) = nullptr;
  void (*computeSurfaceGrids)() = nullptr;
  void (*drawSurfaces)(gfx::Canvas& canvas) = nullptr;
  // Space entries by kind and figure type (all but planes and spheres leave after-images).
  SpaceEntryDrawer spaceCurve = nullptr;      // kind 5
  SpaceEntryDrawer planeFigure = nullptr;     // kind 7, type 1
  SpaceEntryDrawer lineFigures3D = nullptr;   // kind 7, types 2..6
  SpaceEntryDrawer geodesic = nullptr;        // kind 7, type 7
  SpaceEntryDrawer sphereFigure = nullptr;    // kind 7, type 8
  SpaceEntryDrawer circleByNormal = nullptr;  // kind 7, type 9
  SpaceEntryDrawer circleOnSphere = nullptr;  // kind 7, type 10
  SpaceEntryDrawer arcAboutLine = nullptr;    // kind 7, type 11
  SpaceEntryDrawer angleMark3D = nullptr;     // kind 7, type 12
  void (*pointEntry3D)(gfx::Canvas& canvas, int entry, std::uint8_t guide) = nullptr;  // kind 8
};

// The table in force; it starts as the program's own drawers (tests may swap slots).
extern TEntryDrawers EntryDrawers;
// The program's own table.
TEntryDrawers DefaultEntryDrawers();

// Draws entry `index` (1-based) of the figure table on the canvas: nothing when it is
// hidden or out of range; the whole variable block is restored afterwards, because the
// drawers set x, y and t while they sample. The nested integrals and extrema of all its
// samples share one budget, so one entry cannot freeze the redraw.
void DrawEquationRecord(gfx::Canvas& canvas, int index);
// The same for a space entry, by kind and figure type, with the point guides while they
// are shown.
void DrawSpaceEntry(gfx::Canvas& canvas, int index);
// The same for the after-image of a space entry (planes and spheres leave none).
void DrawSpaceEntryAfterImage(gfx::Canvas& canvas, int index);
