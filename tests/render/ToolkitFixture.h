#pragma once
// The program state after start-up and a new document, on a drawing area of a given
// size, with the pixel sizes the axis painter would set.
#include "formula/DocumentState.h"
#include "render/DrawToolkit.h"
#include "support/StateFixture.h"

class ToolkitTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    View(-5, 5, -5, 5, 500, 500);
  }
  static void View(Extended x0, Extended x1, Extended y0, Extended y1, int w, int h) {
    doc.ViewRange = TViewRange{x0, x1, y0, y1};
    doc.GraphWidth = w;
    doc.GraphHeight = h;
    UpdatePixelSize(1);
  }
};
