#pragma once
// The animations' answers to the redraw pipeline: interval mode and the after-image
// replay of the parameter panel, the painters and the zoom point of the calculus window
// while one is open, the tangent's painter. The program's host adds the windows; the
// headless renderer and the animation tests use it as it is.
#include "render/RedrawHost.h"

class AnimationRedrawHost : public RedrawHost {
 public:
  void DrawIntervalRegion(gfx::Canvas& canvas) override;
  void RefreshInterval() override;
  void RedrawAfterImages(gfx::Canvas& canvas) override;
  void PaintRiemannSums(gfx::Canvas& canvas) override;
  void PaintMeanRate(gfx::Canvas& canvas) override;
  void PaintIntegral(gfx::Canvas& canvas) override;
  void PaintTangent(gfx::Canvas& canvas) override;
  bool AnimationZoomPoint(Extended& x, Extended& y) override;
};
