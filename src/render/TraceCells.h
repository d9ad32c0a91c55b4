#pragma once
// The cells of the tracer's grid that a traced segment passed through or next to, so that
// the scan does not start the same curve again. Columns count rightward from the view's
// left edge and rows upward from its bottom edge, from 1: the cell holding x has the column
// Int((x - xmin) / cell width) + 1.
#include <cstdint>
#include <vector>

#include "platform/Extended.h"

class TTraceCellMarks {
 public:
  // columns x rows cells, none marked.
  void Clear(int columns, int rows);
  // Cells outside 1..columns x 1..rows are never scanned: marking them does nothing.
  void Mark(int column, int row);
  bool Marked(int column, int row) const;

 private:
  int columns_ = 0, rows_ = 0;
  std::vector<std::uint8_t> cells_;
};
extern TTraceCellMarks TraceCellMarks;

// Marks the cells of a segment's two ends (world coordinates); with each end the cell to
// its left, below it and diagonally left-below when the end lies within a pixel of that
// cell's edge; and the two corner cells when the segment crosses both a column and a row.
void MarkTraceCells(Extended x1, Extended y1, Extended x2, Extended y2);
