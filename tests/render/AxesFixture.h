#pragma once
// The axis painters on a recording canvas: the state of a new document on a 500 x 500
// drawing area whose reference height is the same, and readers of what was drawn.
#include <string>
#include <vector>

#include "platform/RecordingCanvas.h"
#include "render/Axes.h"
#include "render/TickSteps.h"
#include "render/ToolkitFixture.h"

struct WrittenText {
  std::string text;
  gfx::Rect box;
  int height = 0;  // the font height of its first character
};

class AxesTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ReferenceHeight = 500;
  }
  void TearDown() override {
    ReferenceHeight = 0;
    ToolkitTest::TearDown();
  }

  // Both passes, or one.
  void Draw(int pass = 0) {
    if (pass != 2) DrawAxes(c, 1);
    if (pass != 1) DrawAxes(c, 2);
  }

  // The characters written one by one, joined into the texts they belong to.
  std::vector<WrittenText> Texts() const {
    std::vector<WrittenText> out;
    gfx::RecordingCanvas measure;
    int nextX = 0, lastY = 0;
    for (const gfx::RecordedOp& op : c.OpsOf(gfx::OpKind::Text)) {
      measure.font = op.font;
      const gfx::Point p = op.points[0];
      const int w = measure.TextWidth(op.text), h = measure.TextHeight(op.text);
      if (out.empty() || p.x != nextX || std::abs(p.y - lastY) > 8) {
        out.push_back({op.text, gfx::Rect{p.x, p.y, p.x + w, p.y + h}, op.font.height});
      } else {
        WrittenText& t = out.back();
        t.text += op.text;
        t.box.right = p.x + w;
        t.box.bottom = std::max(t.box.bottom, p.y + h);
      }
      nextX = p.x + w;
      lastY = p.y;
    }
    return out;
  }
  std::vector<std::string> TextStrings() const {
    std::vector<std::string> out;
    for (const WrittenText& t : Texts()) out.push_back(t.text);
    return out;
  }

  // Two-point lines as drawn by the pixel-line routine.
  std::vector<gfx::RecordedOp> Lines() const { return c.OpsOf(gfx::OpKind::Polyline); }
  static bool Vertical(const gfx::RecordedOp& op) { return op.points[0].x == op.points[1].x; }
  static bool Horizontal(const gfx::RecordedOp& op) { return op.points[0].y == op.points[1].y; }

  gfx::RecordingCanvas c{500, 500};
};
