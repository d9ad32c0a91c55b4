#pragma once
// Small services on the view and on entry texts that the windows call: snapping a mouse
// point to the grid, panning, the range and coordinate texts, the short description of an
// entry, file-name and style-code helpers, and the calls that reach the windows through
// the formula host.
#include <cstdint>
#include <span>
#include <string>

#include "formula/Tfuncprop.h"
#include "platform/Extended.h"

struct TWorldPoint {
  Extended x = 0, y = 0;
};

// The world point of a pixel of the drawing, each coordinate within two pixels of a grid
// line (or of a half line of the dense grid) snapped onto it.
TWorldPoint SnappedToGrid(int px, int py);
// The world point of a pixel, snapped only while a point is dragged (SnapMode 1).
TWorldPoint SnapToGrid(int px, int py);
// Shifts the view by the drag from pixel (x1, y1) to (x2, y2).
void PanViewRange(int x1, int y1, int x2, int y2);
// The status-bar text of the view (CP932).
std::string RangeText();
// The short text of an entry shown beside the mouse (CP932).
std::string FigureDescription(const Tfuncprop& entry);
// A coordinate as text, with as many decimals as the step (a pixel size) calls for; a
// value close to a round number of that grain is written as that number.
std::string FormatCoordinate(Extended value, Extended step);
// The file name with `insert` placed before the first "." of its last path component, or
// appended when that has none.
std::string InsertBeforeExtension(const std::string& fileName, const std::string& insert);
// The formula's root is "=" or a product whose right factor is "="; false when it does
// not parse.
bool FormulaIsEquation(const std::string& text);
// 1 when the formula's root is "=", else 2 (also when it does not parse).
int EquationKindOfFormula(const std::string& text);
// 0..3 unchanged, anything else the default.
int MapStyleCode(int code, int fallback);
// 1, 2, 3 unchanged, anything else 0.
int ClampStyleCode(int code);

// One row of the navigator's row tables.
struct TListRow {
  int32_t top = 0, bottom = 0;  // pixel rows in the list images
  int32_t entry = 0;            // entry or definition number
  uint8_t kind = 0;
  uint8_t action = 0;  // what a click does; 11 nothing
};
inline constexpr uint8_t kNoRowAction = 11;
// Rows 0..last become empty rows without an action.
void ClearRowRecords(std::span<TListRow> rows, int last);

// AxisLabelFlag: Cartesian axes and at least one explicit function (the calculus
// animations need both).
void UpdateAxisLabelFlag();
// The hints of the graph window's four arrow buttons: moving the view in the plane,
// turning the viewpoint in space.
void UpdateArrowHints();
// Redraws; then shows the parameter panel (AnimationMode 0) when parameters are in use,
// else AnimationMode 6.
void RedrawAndShowValueForm();
// Leaves interval mode: bounds "0", the panel's bound boxes "0.000", usage recomputed,
// the navigator refreshed, AnimationMode 6.
void ResetParameterInterval();
