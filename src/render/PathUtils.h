#pragma once
// Dashed strokes of any width whose dashes follow the arc length of the whole polyline
// (they run on across vertices), with flat or round caps; and the capture of a canvas's
// ended path as a point list, so that curves built as paths are dashed the same way.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "platform/Canvas.h"

class EPathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TPath {
 public:
  int Count() const { return static_cast<int>(points_.size()); }
  // kind: 0 move-to, 1 line-to, 2 Bezier-to; closed: the point closes its figure.
  void GetPoint(int index, int& x, int& y, int& kind, bool& closed) const;
  // The canvas's ended (usually flattened) path; empty when it has none.
  void LoadFromCanvas(const gfx::Canvas& canvas);
  void Assign(const TPath& source);
  // Every figure of two points or more, a closed one round its closing edge too.
  void DrawPatterned(gfx::Canvas& canvas, gfx::Color colour, std::uint8_t flatCaps,
                     std::span<const double> pattern, int width) const;

 private:
  std::vector<gfx::Point> points_;
  std::vector<std::uint8_t> types_;
};

// Dashes along points[0..last]; the pattern holds dash and gap lengths in pen widths.
// A pattern whose sum is not positive draws nothing; a width below 1 draws as 1.
void DrawPatternedPolyline(std::span<const gfx::Point> points, int last, gfx::Canvas& canvas,
                           std::uint8_t flatCaps, std::span<const double> pattern, int width,
                           gfx::Color colour);

// The canvas's open path (begun and filled with curves or arcs by the caller) ended,
// flattened and dashed in the canvas pen with flat caps; the path is discarded.
void DashOpenPath(gfx::Canvas& canvas, std::span<const double> pattern);
