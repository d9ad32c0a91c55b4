#pragma once
// A new space document on a 540 x 540 drawing area (50 pixels a unit in the view of the
// default range 3, -5.4 .. 5.4, with the origin at pixel (270, 270)), the camera at its
// defaults and the program's drawers, with no window.
#include <string>

#include "render/RedrawPipelineFixture.h"
#include "render/SpaceView.h"

class SpaceTest : public PipelineTest {
 protected:
  static constexpr int kSide = 540;
  void SetUp() override {
    PipelineTest::SetUp();
    ResetSpaceView();
    doc.Dimension = 3;
    doc.GraphWidth = doc.GraphHeight = kSide;
    UpdatePixelSize(0);
    UpdateCamera();
    RecreateBufferBitmaps();
    modes.AnimationMode = 0;
  }
  static void Camera(int32_t distance, Extended theta, Extended phi) {
    doc.CameraDistance = distance;
    doc.CameraTheta = theta;
    doc.CameraPhi = phi;
    UpdateCamera();
  }
  // A surface entry z = text; its underside in the same colour unless given.
  static Tfuncprop& AddSurface(const std::string& text, gfx::Color color, gfx::Color back = gfx::kInvalidColor) {
    Tfuncprop& e = Add(kKindExplicit, text);
    e.color = static_cast<int32_t>(color);
    e.brushColor = static_cast<int32_t>(back == gfx::kInvalidColor ? color : back);
    return e;
  }
};
