#pragma once
// The drawing vocabulary every picture of the program is made with: a pen, a brush and
// a font as state, a pen position, lines, shapes, text at the top-left corner of its
// cell, pixels, flood fill, rectangle copies with raster operations, and paths that can
// be read back. Its pixel conventions (below) are the ones the program's pictures, hit
// tests and pixel read-backs are made for; the back ends apply them (RasterCanvas
// draws, RecordingCanvas records). No Qt here: the document state holds
// canvas pointers and must stay free of Qt.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Color.h"

namespace gfx {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(Point, Point) = default;
};

// Right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle : std::uint8_t { Solid, Dot, Clear };
// How pen and brush pixels combine with what is there: copy, xor, not-xor (drawing an
// xor figure twice restores the picture).
enum class PenMode : std::uint8_t { Copy, Xor, NotXor };
// End caps of wide pens; joins are always round.
enum class PenCap : std::uint8_t { Round, Flat };

struct Pen {
  Color color = kBlack;
  int width = 1;  // 0 draws like 1
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
  PenCap cap = PenCap::Round;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// Hatches are 8 pixels apart, aligned to the picture, drawn on a transparent background.
enum class BrushStyle : std::uint8_t { Solid, Clear, BDiagonal, FDiagonal, DiagCross };

struct Brush {
  Color color = kWhite;
  BrushStyle style = BrushStyle::Solid;
  friend bool operator==(const Brush&, const Brush&) = default;
};

// Font style bits, the same as the style byte of the documents' font records.
namespace fontstyle {
constexpr std::uint8_t kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;
}

constexpr int kPixelsPerInch = 96;

struct Font {
  std::string name = "Arial";  // CP932 face name as documents store it
  int height = -16;            // negative: em height in pixels; positive: cell height
  std::uint8_t charset = 1;
  std::uint8_t style = 0;
  Color color = kBlack;
  // Point size <-> height at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  friend bool operator==(const Font&, const Font&) = default;
};

enum class FloodMode : std::uint8_t {
  Border,   // fill up to pixels of the given colour
  Surface,  // fill the pixels that have the given colour
};

enum class CopyMode : std::uint8_t { Copy, And, Xor };

// Point types of a path as it is read back.
namespace pathtype {
constexpr std::uint8_t kCloseFigure = 1, kLineTo = 2, kBezierTo = 4, kMoveTo = 6;
}

struct PathPoint {
  Point p;
  std::uint8_t type = pathtype::kMoveTo;
  friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

struct Figure {
  std::vector<Point> points;
  bool closed = false;
};

// Pixel rules, applied by the raster back end:
// - no antialiasing; a line of a thin pen (width 0 or 1) leaves out its last pixel;
// - a shape's box excludes its right and bottom edge;
// - pens wider than one pixel have round caps and joins (flat caps on request); their
//   style is always solid;
// - a dotted pen draws 3 pixels on, 3 off; its gaps take the brush colour while the
//   brush is solid;
// - text is drawn with its cell's top-left corner at the point, opaque (the cell filled
//   with the brush colour) while the brush is solid; advances are whole pixels.
class Canvas {
 public:
  Pen pen;
  Brush brush;
  Font font;

  virtual ~Canvas() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  Point PenPos() const { return penPos_; }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(std::span<const Point> points);
  // Filled with the brush (alternate rule), outlined with the pen.
  void Polygon(std::span<const Point> points);
  // Cubic pieces; draws nothing unless the count is 3n + 1 with n >= 1.
  void PolyBezier(std::span<const Point> points);
  void Ellipse(int left, int top, int right, int bottom);
  // Counter-clockwise from the radial through (xs, ys) to the radial through (xe, ye);
  // the whole ellipse when both radials are the same.
  void Arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
  void Rectangle(int left, int top, int right, int bottom);
  void RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH);
  // The brush only, no pen, whatever the pen mode.
  void FillRect(const Rect& r);
  void TextOut(int x, int y, std::string_view cp932);
  virtual int TextWidth(std::string_view cp932) = 0;
  virtual int TextHeight(std::string_view cp932) = 0;

  // kInvalidColor outside the picture.
  virtual Color Pixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, Color c) = 0;
  // Flood fill with the brush, 4-connected, starting at (x, y).
  virtual void FloodFill(int x, int y, Color c, FloodMode mode) = 0;
  // Copies srcRect of src onto dst of this canvas, stretched when the sizes differ.
  virtual void CopyRect(const Rect& dst, const Canvas& src, const Rect& srcRect, CopyMode mode) = 0;

  // Paths: between BeginPath and EndPath the line and shape calls build the path instead
  // of drawing (text, pixels, fills and copies still draw). StrokePath and FillPath use
  // the closed path and discard it.
  void BeginPath();
  void EndPath();
  void AbortPath();
  void CloseFigure();
  // Bezier pieces become line points.
  void FlattenPath();
  // The points of the ended path; empty while none is ended.
  std::vector<PathPoint> GetPath() const;
  void StrokePath();
  void FillPath();

 protected:
  // Back-end primitives; the base class has handled paths, the pen position and box
  // normalisation. Boxes are normalised (left <= right, top <= bottom).
  virtual void DoLine(Point from, Point to) = 0;
  virtual void DoPolyline(std::span<const Point> points) = 0;
  virtual void DoPolygon(std::span<const Point> points) = 0;
  virtual void DoPolyBezier(std::span<const Point> points) = 0;
  virtual void DoEllipse(const Rect& box) = 0;
  virtual void DoArc(const Rect& box, Point start, Point end) = 0;
  virtual void DoRectangle(const Rect& box) = 0;
  virtual void DoRoundRect(const Rect& box, int cornerW, int cornerH) = 0;
  virtual void DoFillRect(const Rect& r) = 0;
  virtual void DoTextOut(int x, int y, std::string_view cp932) = 0;
  virtual void DoStrokePath(const std::vector<Figure>& figures) = 0;
  virtual void DoFillPath(const std::vector<Figure>& figures) = 0;

 private:
  enum class PathState : std::uint8_t { None, Open, Ended };
  void AddToPath(std::span<const Point> points, std::uint8_t firstType, std::uint8_t restType,
                 bool closed);
  std::vector<Figure> PathFigures() const;

  Point penPos_;
  PathState pathState_ = PathState::None;
  std::vector<PathPoint> path_;
};

// Shared geometry of the back ends.
Rect NormalizedBox(int left, int top, int right, int bottom);
// Cubic pieces as line points, the first point included, consecutive duplicates dropped.
std::vector<Point> FlattenBezier(std::span<const Point> points);
// The ellipse of a box (right/bottom excluded) through pixel centres, as a closed list of
// points in sub-pixel coordinates; from/to are parametric angles (radians, counter-
// clockwise on screen), a full turn when to - from >= 2*pi.
struct PointF {
  double x = 0;
  double y = 0;
};
std::vector<PointF> EllipsePoints(const Rect& box, double from, double to);
// The outline of a rounded rectangle (corner ellipse cornerW x cornerH), closed.
std::vector<PointF> RoundRectPoints(const Rect& box, int cornerW, int cornerH);
// Parametric angles of an arc given by two radial points, counter-clockwise; to > from,
// a full turn when the radials coincide.
void ArcAngles(const Rect& box, Point start, Point end, double& from, double& to);

}  // namespace gfx
