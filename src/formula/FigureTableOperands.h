#pragma once
// What the five texts of a point or figure entry hold: point letters, formulas, or the
// number of a figure (counted among the kind-7 entries). The usage scan marks by it and
// the deletion of a figure renumbers by it, so both agree on every construction.
#include <array>
#include <cstdint>
#include <string>

enum class TextRole : uint8_t {
  None,
  Letters,  // point letters ("ABC")
  Formula,  // a formula text
  Figure,   // a figure number ("3": the third figure)
};

using TextRoles = std::array<TextRole, 5>;

// Texts of a constructed point, by construction code; a point by coordinates (255) and
// a point sequence (100) have no construction operands.
TextRoles PointOperandRoles(int code);
// Texts of a figure, by figure type and dimension (2 plane, 3 space). The end points of
// the types 1 to 5 live in the `letter` and `letter2` bytes, not in texts.
TextRoles FigureOperandRoles(int type, int dimension);

// First entry of a kind's group (the table is grouped by kind in ascending order).
int KindGroupStart(int kind);
// The entry of the figure that a figure-number text names, 0 when the text is no number
// of an existing figure.
int FigureEntryOfNumber(const std::string& text);
