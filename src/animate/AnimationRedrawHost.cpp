#include "animate/AnimationRedrawHost.h"

#include "animate/AfterImageTraces.h"
#include "animate/CalculusWindowModel.h"
#include "animate/IntervalDrawing.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TangentModel.h"

void AnimationRedrawHost::DrawIntervalRegion(gfx::Canvas& canvas) { ::DrawIntervalRegion(canvas); }

void AnimationRedrawHost::RefreshInterval() { ParameterPanel().Interval().RefreshInterval(); }

void AnimationRedrawHost::RedrawAfterImages(gfx::Canvas& canvas) { ::RedrawAfterImages(canvas); }

void AnimationRedrawHost::PaintRiemannSums(gfx::Canvas& canvas) {
  if (CalculusWindowModel* model = CurrentCalculusModel()) model->PaintRiemannSums(canvas);
}

void AnimationRedrawHost::PaintMeanRate(gfx::Canvas& canvas) {
  if (CalculusWindowModel* model = CurrentCalculusModel()) model->PaintMeanRate(canvas);
}

void AnimationRedrawHost::PaintIntegral(gfx::Canvas& canvas) {
  if (CalculusWindowModel* model = CurrentCalculusModel()) model->PaintDefiniteIntegral(canvas);
}

void AnimationRedrawHost::PaintTangent(gfx::Canvas& canvas) {
  if (TangentModel* model = CurrentTangentModel()) model->PaintTangent(canvas);
}

bool AnimationRedrawHost::AnimationZoomPoint(Extended& x, Extended& y) {
  CalculusWindowModel* model = CurrentCalculusModel();
  return model && model->AnimationPoint(x, y);
}
