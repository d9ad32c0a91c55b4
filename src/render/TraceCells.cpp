#include "render/TraceCells.h"

#include <algorithm>
#include <utility>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/ImplicitTracing.h"

TTraceCellMarks TraceCellMarks;

void TTraceCellMarks::Clear(int columns, int rows) {
  columns_ = std::max(columns, 0);
  rows_ = std::max(rows, 0);
  cells_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), 0);
}

void TTraceCellMarks::Mark(int column, int row) {
  if (column < 1 || column > columns_ || row < 1 || row > rows_) return;
  cells_[static_cast<size_t>(row - 1) * static_cast<size_t>(columns_) + static_cast<size_t>(column - 1)] = 1;
}

bool TTraceCellMarks::Marked(int column, int row) const {
  if (column < 1 || column > columns_ || row < 1 || row > rows_) return false;
  return cells_[static_cast<size_t>(row - 1) * static_cast<size_t>(columns_) + static_cast<size_t>(column - 1)] != 0;
}

namespace {

// A segment end never lies more than a step outside the view; the clamp only keeps the
// index arithmetic in range.
int CellIndex(Extended offset, Extended size) {
  return static_cast<int>(std::clamp<int64_t>(rtl::Trunc(offset / size), -1000000, 1000000)) + 1;
}

struct Cell {
  int column, row;
};

// The end's cell, and its neighbours to the left and below when the end lies within a
// pixel of that cell's left or bottom edge.
Cell MarkEnd(Extended x, Extended y, Extended cellW, Extended cellH) {
  const TViewRange& v = doc.ViewRange;
  const Cell c{CellIndex(x - v.XMin, cellW), CellIndex(y - v.YMin, cellH)};
  const bool nearLeft = x - (v.XMin + (c.column - 1) * cellW) < doc.PixelSizeX;
  const bool nearBottom = y - (v.YMin + (c.row - 1) * cellH) < doc.PixelSizeY;
  TraceCellMarks.Mark(c.column, c.row);
  if (nearLeft) TraceCellMarks.Mark(c.column - 1, c.row);
  if (nearBottom) TraceCellMarks.Mark(c.column, c.row - 1);
  if (nearLeft && nearBottom) TraceCellMarks.Mark(c.column - 1, c.row - 1);
  return c;
}

}  // namespace

void MarkTraceCells(Extended x1, Extended y1, Extended x2, Extended y2) {
  if (x2 < x1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const Extended cellW = TraceCellWidth * doc.PixelSizeX, cellH = TraceCellHeight * doc.PixelSizeY;
  const Cell a = MarkEnd(x1, y1, cellW, cellH), b = MarkEnd(x2, y2, cellW, cellH);
  if (a.column < b.column && a.row != b.row) {
    TraceCellMarks.Mark(a.column, b.row);
    TraceCellMarks.Mark(b.column, a.row);
  }
}
