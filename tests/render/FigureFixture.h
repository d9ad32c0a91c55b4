#pragma once
// Figures and points on the default view (-5..5 on 500 x 500 pixels: pixel 250 is 0, one
// world unit 50 pixels), drawn on a recording canvas; the document is built with the
// geometry tests' builder, figures first, then the points they name.
#include "formula/GeometryTestSupport.h"
#include "platform/RecordingCanvas.h"
#include "render/ToolkitFixture.h"

class FigureFixture : public ToolkitTest {
 protected:
  geometry_test::DocumentBuilder build;
  gfx::RecordingCanvas c{500, 500};
};
