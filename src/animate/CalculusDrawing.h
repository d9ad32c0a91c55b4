#pragma once
// Drawing pieces the three calculus pictures share: the colours by sign, the bound lines,
// the hatch flood-filled into a closed white area, regions shaded through the region
// drawer on the print picture, the labelled points and the value boxes' frame.
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "formula/Tfrec.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"
#include "platform/RasterCanvas.h"

// Kind 4 of the entry colours for a value >= 0, kind 5 for a negative one.
gfx::Color SignColour(Extended value);

// The vertical line from (x, y) down (or up) to the x axis, in the sign colour of y.
void DrawBoundLine(gfx::Canvas& canvas, Extended x, Extended y);

// The pixel row halfway between the row of y and the x axis, or the view's edge nearer to
// y when the axis is out of sight.
int RowTowardsAxis(Extended y);

// Hatches flood-filled into the white areas around seeds, kept within the pixel columns
// [left, right] of the canvas whatever lines the canvas holds (or lacks) around them: the
// fills run on a copy of the strip fenced at its sides, and only the strip comes back to
// the canvas, when this goes.
class StripHatch {
 public:
  StripHatch(gfx::Canvas& canvas, int left, int right);
  ~StripHatch();
  StripHatch(const StripHatch&) = delete;
  StripHatch& operator=(const StripHatch&) = delete;
  // The white area around the pixel hatched diagonally in the colour (nothing when the
  // pixel lies outside the strip or is not white).
  void Around(int px, int py, gfx::Color colour);

 private:
  gfx::Canvas& canvas_;
  int left_, right_;
  // The copy starts at a column of the hatch pattern's period, so the pattern lines up
  // with the rest of the canvas.
  int origin_ = 0;
  std::unique_ptr<gfx::RasterCanvas> copy_;
};

// The relation (mode-2 formula text) with each named letter replaced by a copy of its
// tree, hatched diagonally in the colour through the region drawer; for the print picture.
void FillRelation(gfx::Canvas& canvas, const char* relation,
                  std::initializer_list<std::pair<int32_t, const Tfrec*>> substitutes, gfx::Color colour);

// A filled point of the radius with its name (CP932) to its upper right.
void DrawNamedPoint(gfx::Canvas& canvas, Extended x, Extended y, gfx::Color colour, int radius,
                    const std::string& name);

// Where a value box goes: the print picture while one is recorded, else the window's
// picture (null while there is none).
gfx::Canvas* ValueBoxCanvas();
// The rounded box of the value boxes at (round(5 s), round(5 s)), s the output scale,
// width x height, in the value-box style (which stays set on the canvas).
void DrawValueBoxFrame(gfx::Canvas& canvas, int width, int height);
// round(v * output scale).
int Scaled(Extended v);

// The composite bitmap onto the window's picture (the value box goes over it next).
void RefreshGraphPicture();
// The next numbered frame while serial saving is on.
void SaveGraphFrame();
