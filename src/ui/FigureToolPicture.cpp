#include "ui/FigureToolPicture.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

// Drawing on a 30 x 30 design grid scaled into the box.
class Picture {
 public:
  Picture(gfx::Canvas& c, const gfx::Rect& box, gfx::Color ink) : c_(c), box_(box), ink_(ink) {
    c_.pen = gfx::Pen{};
    c_.pen.color = ink;
    c_.brush.style = gfx::BrushStyle::Clear;
  }
  gfx::Point P(double x, double y) const {
    return {box_.left + static_cast<int>(std::lrint(x * box_.Width() / 30.0)),
            box_.top + static_cast<int>(std::lrint(y * box_.Height() / 30.0))};
  }
  void Line(double x1, double y1, double x2, double y2) {
    const gfx::Point a = P(x1, y1), b = P(x2, y2);
    c_.MoveTo(a.x, a.y);
    c_.LineTo(b.x, b.y);
  }
  void Polyline(std::initializer_list<std::array<double, 2>> pts) {
    std::vector<gfx::Point> v;
    for (const auto& p : pts) v.push_back(P(p[0], p[1]));
    c_.Polyline(v);
  }
  void Dot(double x, double y, bool filled = true) {
    const gfx::Point p = P(x, y);
    c_.brush.style = filled ? gfx::BrushStyle::Solid : gfx::BrushStyle::Clear;
    c_.brush.color = ink_;
    c_.Ellipse(p.x - 2, p.y - 2, p.x + 3, p.y + 3);
    c_.brush.style = gfx::BrushStyle::Clear;
  }
  void Dots(std::initializer_list<std::array<double, 2>> pts) {
    for (const auto& d : pts) Dot(d[0], d[1]);
  }
  void Ellipse(double l, double t, double r, double b) {
    const gfx::Point a = P(l, t), z = P(r, b);
    c_.Ellipse(a.x, a.y, z.x, z.y);
  }
  // Counter-clockwise on screen from angle a0 to a1 (degrees) of the ellipse in the box.
  void Arc(double l, double t, double r, double b, double a0, double a1) {
    const double cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
    const double d0 = a0 * std::numbers::pi / 180, d1 = a1 * std::numbers::pi / 180;
    const gfx::Point a = P(l, t), z = P(r, b);
    const gfx::Point s = P(cx + rx * std::cos(d0), cy - ry * std::sin(d0));
    const gfx::Point e = P(cx + rx * std::cos(d1), cy - ry * std::sin(d1));
    c_.Arc(a.x, a.y, z.x, z.y, s.x, s.y, e.x, e.y);
  }
  // A filled arrowhead at (x, y) pointing away from (fx, fy).
  void Head(double x, double y, double fx, double fy) {
    const double dx = x - fx, dy = y - fy, d = std::hypot(dx, dy);
    const double ux = dx / d, uy = dy / d;
    const std::array<gfx::Point, 3> tri = {P(x, y), P(x - 6 * ux + 3 * uy, y - 6 * uy - 3 * ux),
                                           P(x - 6 * ux - 3 * uy, y - 6 * uy + 3 * ux)};
    c_.brush.style = gfx::BrushStyle::Solid;
    c_.brush.color = ink_;
    c_.Polygon(tri);
    c_.brush.style = gfx::BrushStyle::Clear;
  }
  void Arrow(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2);
    Head(x2, y2, x1, y1);
  }
  void Polygon(std::initializer_list<std::array<double, 2>> pts, gfx::BrushStyle fill) {
    std::vector<gfx::Point> v;
    for (const auto& p : pts) v.push_back(P(p[0], p[1]));
    c_.brush.style = fill;
    c_.brush.color = ink_;
    c_.Polygon(v);
    c_.brush.style = gfx::BrushStyle::Clear;
  }
  void Bezier(std::initializer_list<std::array<double, 2>> pts) {
    std::vector<gfx::Point> v;
    for (const auto& p : pts) v.push_back(P(p[0], p[1]));
    c_.PolyBezier(v);
  }
  void Dotted(bool on) { c_.pen.style = on ? gfx::PenStyle::Dot : gfx::PenStyle::Solid; }

 private:
  gfx::Canvas& c_;
  gfx::Rect box_;
  gfx::Color ink_;
};

void Sphere(Picture& p) {
  p.Ellipse(3, 3, 27, 27);
}

}  // namespace

void DrawFigureToolPicture(gfx::Canvas& canvas, int type, int dimension, const gfx::Rect& box, gfx::Color ink) {
  const gfx::Pen pen = canvas.pen;
  const gfx::Brush brush = canvas.brush;
  Picture p(canvas, box, ink);
  const bool space = dimension == 3;
  switch (type) {
    case 1:
      if (space) {  // a plane through a point, with its normal
        p.Polygon({{2, 24}, {9, 12}, {28, 12}, {21, 24}}, gfx::BrushStyle::Clear);
        p.Dot(15, 18);
        p.Arrow(15, 18, 15, 2);
      } else {  // a line through a point in a direction
        p.Line(1, 25, 29, 6);
        p.Dot(9, 20);
        p.Arrow(9, 15, 19, 8);
      }
      break;
    case 2:
      p.Line(0, 26, 30, 5);
      p.Dots({{8, 20}, {21, 11}});
      break;
    case 3:
      p.Line(5, 23, 25, 8);
      p.Dots({{5, 23}, {25, 8}});
      break;
    case 4:
      p.Arrow(5, 23, 26, 7);
      p.Dot(5, 23);
      break;
    case 5:
      p.Line(4, 24, 30, 3);
      p.Dots({{4, 24}, {14, 16}});
      break;
    case 6:
      p.Polyline({{3, 25}, {10, 7}, {18, 21}, {27, 5}});
      p.Dots({{3, 25}, {10, 7}, {18, 21}, {27, 5}});
      break;
    case 7:
      if (space) {  // a geodesic between two points of a sphere
        Sphere(p);
        p.Arc(6, 8, 36, 40, 95, 160);
        p.Dots({{8, 14}, {20, 8}});
      } else {  // a polygon, outline and inside
        p.Polygon({{4, 25}, {14, 4}, {27, 20}}, gfx::BrushStyle::BDiagonal);
        p.Dots({{4, 25}, {14, 4}, {27, 20}});
      }
      break;
    case 8:
      if (space) {  // a sphere with its equator
        Sphere(p);
        p.Dotted(true);
        p.Ellipse(3, 11, 27, 19);
        p.Dotted(false);
        p.Dot(15, 15);
      } else {
        p.Ellipse(3, 3, 27, 27);
        p.Line(15, 15, 27, 15);
        p.Dot(15, 15);
      }
      break;
    case 9:
      if (space) {  // a circle by centre, radius and normal
        p.Ellipse(2, 14, 28, 26);
        p.Dot(15, 20);
        p.Arrow(15, 20, 15, 3);
      } else {  // compass arcs about the ends of a segment
        p.Line(4, 15, 26, 15);
        p.Dots({{4, 15}, {26, 15}});
        p.Arc(-8, -1, 24, 31, 35, 75);
        p.Arc(-8, -1, 24, 31, -75, -35);
        p.Arc(6, -1, 38, 31, 105, 145);
        p.Arc(6, -1, 38, 31, -145, -105);
      }
      break;
    case 10:
      if (space) {  // a circle on a sphere
        Sphere(p);
        p.Ellipse(6, 6, 24, 12);
      } else {
        p.Bezier({{3, 25}, {6, 0}, {24, 30}, {27, 5}});
        p.Dotted(true);
        p.Line(3, 25, 6, 2);
        p.Line(24, 28, 27, 5);
        p.Dotted(false);
        p.Dot(6, 2, false);
        p.Dot(24, 28, false);
      }
      break;
    case 11:
      if (space) {  // an arc about an axis
        p.Line(15, 1, 15, 29);
        p.Arc(3, 12, 27, 22, 200, 340);
        p.Head(25, 20, 21, 21);
        p.Dot(4, 16);
      } else {  // an arc from a start point about a centre
        p.Arc(-14, 2, 30, 46, 0, 70);
        p.Line(8, 24, 30, 24);
        p.Dots({{8, 24}, {29, 24}});
      }
      break;
    case 12:
      p.Line(4, 25, 28, 25);
      p.Line(4, 25, 20, 3);
      p.Arc(-6, 15, 14, 35, 0, 54);
      p.Dot(4, 25);
      break;
    default: break;
  }
  canvas.pen = pen;
  canvas.brush = brush;
}
