#include "render/ViewZoom2D.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"

namespace {

constexpr Extended kSqrt2 = 1.41421356237309504880L;

bool Acceptable(const TViewRange& r) {
  for (Extended b : {r.XMin, r.XMax, r.YMin, r.YMax})
    if (!(std::fabs(b) <= kViewLimit)) return false;
  return r.XMax - r.XMin >= kMinViewSize && r.YMax - r.YMin >= kMinViewSize;
}

bool Apply(const TViewRange& r) {
  if (!Acceptable(r)) return false;
  doc.ViewRange = r;
  return true;
}

bool InZoomingAnimation() { return modes.AnimationMode == 3 || modes.AnimationMode == 4; }

bool AnimationPoint(Extended& x, Extended& y) {
  return InZoomingAnimation() && PipelineHost().AnimationZoomPoint(x, y);
}

// Both bounds of one axis and its twentieth, rounded to integers when the twentieth is
// 1 or more.
void RoundAxis(float& lower, float& upper, float& step) {
  if (step < 1) return;
  lower = static_cast<float>(rtl::Round(lower));
  upper = static_cast<float>(rtl::Round(upper));
  step = static_cast<float>(rtl::Round(step));
}

}  // namespace

bool ZoomStep(int type) {
  if (type == kZoomOut || type == kZoomIn) {
    Extended x = 0, y = 0;
    if (AnimationPoint(x, y)) return ZoomAboutPoint(type, x, y);
  }
  const TViewRange& v = doc.ViewRange;
  float xl = ToSingle(v.XMin), xh = ToSingle(v.XMax), yl = ToSingle(v.YMin), yh = ToSingle(v.YMax);
  const float w = xh - xl, h = yh - yl;
  float dx = w / 20, dy = h / 20;
  RoundAxis(xl, xh, dx);
  RoundAxis(yl, yh, dy);
  const Extended ex = (static_cast<Extended>(xl) + xh) / 2, ey = (static_cast<Extended>(yl) + yh) / 2;
  TViewRange r{xl, xh, yl, yh};
  auto xHalf = [&](Extended half) { r.XMin = ex - half, r.XMax = ex + half; };
  auto yHalf = [&](Extended half) { r.YMin = ey - half, r.YMax = ey + half; };
  switch (type) {
    case kPanLeft: r.XMin -= dx, r.XMax -= dx; break;
    case kPanRight: r.XMin += dx, r.XMax += dx; break;
    case kPanUp: r.YMin += dy, r.YMax += dy; break;
    case kPanDown: r.YMin -= dy, r.YMax -= dy; break;
    case kZoomOut: xHalf(w / 1.4142135L), yHalf(h / 1.4142135L); break;
    case kZoomIn: xHalf(w / 2.828427L), yHalf(h / 2.828427L); break;
    case kZoomIn4: xHalf(w / 8.0L), yHalf(h / 8.0L); break;
    case kXZoomIn: xHalf(w / 2.828427L); break;
    case kXZoomOut: xHalf(w / 1.4142135L); break;
    case kYZoomIn: yHalf(h / 2.828427L); break;
    case kYZoomOut: yHalf(h / 1.4142135L); break;
    default: break;
  }
  return Apply(r);
}

void ZoomAndRedraw(int type) {
  ZoomStep(type);
  RedrawAll();
}

bool ZoomAboutPoint(int type, Extended cx, Extended cy) {
  const TViewRange& v = doc.ViewRange;
  if (type == kTenByTen) {
    const Extended w = v.XMax - v.XMin, h = v.YMax - v.YMin;
    if (!(w > 0 && h > 0)) return false;
    const Extended xMin = cx - 10 * (cx - v.XMin) / w, yMin = cy - 10 * (cy - v.YMin) / h;
    return Apply({xMin, xMin + 10, yMin, yMin + 10});
  }
  Extended k = 0;
  switch (type) {
    case kZoomOut: k = kSqrt2 / 2; break;
    case kZoomIn: k = kSqrt2; break;
    case kZoomIn4: k = 4; break;
    case kZoomIn4Root2: k = 4 * kSqrt2; break;
    default: return false;
  }
  return Apply({cx - (cx - v.XMin) / k, cx + (v.XMax - cx) / k, cy - (cy - v.YMin) / k, cy + (v.YMax - cy) / k});
}

bool CentreViewOn(Extended x, Extended y) {
  const TViewRange& v = doc.ViewRange;
  const Extended w = (v.XMax - v.XMin) / 2, h = (v.YMax - v.YMin) / 2;
  return Apply({x - w, x + w, y - h, y + h});
}

void CentreViewOnAndRedraw(Extended x, Extended y) {
  CentreViewOn(x, y);
  RedrawAll();
}

void ResetViewRange() {
  Extended x = 0, y = 0;
  if (AnimationPoint(x, y))
    ZoomAboutPoint(kTenByTen, x, y);
  else
    doc.ViewRange = TViewRange{};
  if (settings.GraphWindowMode == 1) UpdatePixelSize(0);
  RedrawAll();
}

void RangeFromUnitSize() {
  UpdatePixelSize(0);
  const float c = ToSingle((doc.ViewRange.XMin + doc.ViewRange.XMax) / 2);
  const float w = ToSingle(doc.GraphWidth * doc.PixelSizeX / 2);
  doc.ViewRange.XMin = static_cast<Extended>(c) - w;
  doc.ViewRange.XMax = static_cast<Extended>(c) + w;
}

void ApplyUnitSizeAndRedraw() {
  settings.UnitSizeMode = 1;
  RangeFromUnitSize();
  if (settings.GraphWindowMode == 1) UpdatePixelSize(0);
  RedrawAll();
}

BoundsResult ApplyBoundTexts(const TBoundTexts& texts) {
  Extended b[4];
  for (int i = 0; i < 4; ++i)
    if (!DrawableValueOfText(texts[i], b[i])) return BoundsResult::NotEvaluable;
  const bool inside = std::fabs(b[0]) < kViewLimit && std::fabs(b[1]) < kViewLimit && std::fabs(b[2]) < kViewLimit &&
                      std::fabs(b[3]) < kViewLimit;
  if (!(b[0] < b[1] && b[2] < b[3] && inside)) return BoundsResult::BadRange;
  doc.ViewRange = TViewRange{b[0], b[1], b[2], b[3]};
  return BoundsResult::Applied;
}
