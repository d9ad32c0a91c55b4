#include "ui/CoordinateSelector.h"

#include <array>
#include <cmath>

#include "ui/SelectorDrawing.h"

namespace {

constexpr std::array<gfx::Rect, 5> kButtons = {{
    {30, 40, 100, 110},
    {165, 40, 235, 110},
    {15, 170, 85, 240},
    {100, 170, 170, 240},
    {185, 170, 255, 240},
}};

void Line(gfx::Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// Grid lines at 1, 2, ..., 10 on a logarithmic scale over `length` pixels.
std::array<int, 10> LogPositions(int length) {
  std::array<int, 10> p{};
  for (int k = 1; k <= 10; ++k) p[k - 1] = static_cast<int>(std::lrint(std::log10(k) * length));
  return p;
}

void DrawSystemPicture(gfx::Canvas& c, int system, const gfx::Rect& r) {
  const int l = r.left + 8, t = r.top + 8, w = r.Width() - 16, h = r.Height() - 16;
  c.pen = gfx::Pen{};
  c.brush.style = gfx::BrushStyle::Clear;
  if (system == 1) {  // circles about the pole and rays from it
    const int cx = l + w / 2, cy = t + h / 2;
    c.pen.color = 0x808080;
    for (int rad : {8, 16, 26}) c.Ellipse(cx - rad, cy - rad, cx + rad + 1, cy + rad + 1);
    for (int k = 0; k < 8; ++k) {
      const double a = k * 3.14159265358979 / 4;
      Line(c, cx, cy, cx + static_cast<int>(std::lrint(27 * std::cos(a))), cy - static_cast<int>(std::lrint(27 * std::sin(a))));
    }
    c.pen.color = gfx::kBlack;
    Line(c, cx, cy, cx + 27, cy);
    return;
  }
  const bool logX = system == 3 || system == 4, logY = system == 2 || system == 3;
  c.pen.color = 0xC0C0C0;
  if (system == 0) {
    for (int k = 1; k < 6; ++k) {
      Line(c, l + k * w / 6, t, l + k * w / 6, t + h);
      Line(c, l, t + k * h / 6, l + w, t + k * h / 6);
    }
  } else {
    for (int k = 0; k < 6; ++k) {
      if (!logX) Line(c, l + k * w / 5, t, l + k * w / 5, t + h);
      if (!logY) Line(c, l, t + h - k * h / 5, l + w, t + h - k * h / 5);
    }
    if (logX)
      for (int p : LogPositions(w)) Line(c, l + p, t, l + p, t + h);
    if (logY)
      for (int p : LogPositions(h)) Line(c, l, t + h - p, l + w, t + h - p);
  }
  c.pen.color = gfx::kBlack;
  if (system == 0) {  // axes through the middle
    Line(c, l, t + h / 2, l + w, t + h / 2);
    Line(c, l + w / 2, t, l + w / 2, t + h);
  } else {  // axes along the lower left edges
    Line(c, l, t + h, l + w, t + h);
    Line(c, l, t, l, t + h);
  }
}

}  // namespace

gfx::Rect CoordTypeButtonRect(int system) { return kButtons[static_cast<size_t>(system)]; }

int HitTestCoordTypeSelector(int x, int y) { return HitTestRects(kButtons, 4, x, y); }

void DrawCoordTypeSelector(gfx::Canvas& image, int selected) {
  image.brush = gfx::Brush{gfx::kBtnFace, gfx::BrushStyle::Solid};
  image.FillRect({0, 0, image.Width(), image.Height()});
  image.pen = gfx::Pen{};
  image.brush.style = gfx::BrushStyle::Clear;
  image.Rectangle(5, 155, 265, 265);
  struct Caption {
    int x, y;
    const char* text;
  };
  for (const Caption& cap : {Caption{35, 20, "直交座標"}, {165, 20, "極座標"}, {20, 245, "縦軸対数"},
                             {105, 245, "両軸対数"}, {190, 245, "横軸対数"}}) {
    selector::DrawCaption(image, cap.x, cap.y, cap.text, 11, gfx::kBlack);
  }
  // The group's title breaks the frame's top edge.
  selector::DrawCaption(image, 20, 148, " 対数目盛 ", 11, gfx::kBlack, true);
  for (int s = 0; s < 5; ++s) {
    selector::DrawButton(image, kButtons[static_cast<size_t>(s)], s == selected);
    DrawSystemPicture(image, s, kButtons[static_cast<size_t>(s)]);
  }
}
