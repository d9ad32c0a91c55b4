#pragma once
// The plain contour F = 0 of the benchmarks' references: marching squares over a grid of
// values, each vertex evaluated once by the caller. f holds (columns + 1) x (rows + 1)
// values row by row from the top-left corner, vertex (i, j) at pixel (i * cell, j * cell).
#include <QLineF>
#include <vector>

inline std::vector<QLineF> ContourLines(const std::vector<double>& f, int columns, int rows, int cell) {
  std::vector<QLineF> lines;
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < columns; ++i) {
      const auto at = [&](int di, int dj) { return f[static_cast<size_t>((j + dj) * (columns + 1) + i + di)]; };
      // Corners clockwise from the top-left; the crossings on the edges leaving each.
      const double v[4] = {at(0, 0), at(1, 0), at(1, 1), at(0, 1)};
      const QPointF q[4] = {{double(i * cell), double(j * cell)}, {double((i + 1) * cell), double(j * cell)},
                            {double((i + 1) * cell), double((j + 1) * cell)}, {double(i * cell), double((j + 1) * cell)}};
      QPointF ends[4];
      int n = 0;
      for (int e = 0; e < 4; ++e) {
        const int g = (e + 1) % 4;
        if ((v[e] > 0) != (v[g] > 0)) ends[n++] = q[e] + (q[g] - q[e]) * (v[e] / (v[e] - v[g]));
      }
      if (n == 2) {
        lines.emplace_back(ends[0], ends[1]);
      } else if (n == 4) {
        // A saddle: the mean of the corners decides which pair of corners is joined.
        const bool centre = v[0] + v[1] + v[2] + v[3] > 0;
        if (centre == (v[0] > 0)) {
          lines.emplace_back(ends[0], ends[1]);  // around the top-right corner
          lines.emplace_back(ends[2], ends[3]);
        } else {
          lines.emplace_back(ends[3], ends[0]);  // around the top-left corner
          lines.emplace_back(ends[1], ends[2]);
        }
      }
    }
  }
  return lines;
}
