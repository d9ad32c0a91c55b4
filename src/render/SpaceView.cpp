#include "render/SpaceView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "formula/DocumentState.h"
#include "formula/VectorGeometry.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/SurfaceGrid.h"
#include "render/TickSteps.h"

SpaceViewState spaceView;

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr Extended kRotationStep = kPi / 80;
constexpr Extended kHighestElevation = 2 * kPi / 5;
constexpr float kSqrt2 = 1.4142135f;

int32_t ClampToInt32(Extended v) {
  return static_cast<int32_t>(std::clamp<int64_t>(rtl::Round(v), INT32_MIN, INT32_MAX));
}

}  // namespace

void InitSpaceView() {
  const DocumentState& d = Defaults<DocumentState>();
  doc.CameraDistance = d.CameraDistance;
  doc.CameraTheta = d.CameraTheta;
  doc.CameraPhi = d.CameraPhi;
  doc.SpaceRange = d.SpaceRange;
  NormalizeSpaceRange();
  doc.SurfaceGridN = d.SurfaceGridN;
  ClearSurfaceGrids();
  doc.ShadingLevel = d.ShadingLevel;
}

void ResetSpaceView() {
  InitSpaceView();
  const DocumentState& d = Defaults<DocumentState>();
  doc.SpaceColorsNotInverted = d.SpaceColorsNotInverted;
  doc.Axes3DShown = d.Axes3DShown;
  doc.RangeBoxShown = d.RangeBoxShown;
  doc.SpaceDragOffset = d.SpaceDragOffset;
  doc.SurfaceDrawMode = d.SurfaceDrawMode;
}

void ResetSpaceViewAndRedraw() {
  InitSpaceView();
  UpdateCamera();
  RedrawAll();
}

void NormalizeSpaceRange() {
  Extended r = doc.SpaceRange;
  // A range that is no number (a broken file) takes the default.
  if (!std::isfinite(r)) r = 3;
  if (r <= 0.6L)
    r = 0.5L;
  else if (r <= 0.8L)
    r = 0.7L;
  else if (r <= 1.2L)
    r = 1;
  else if (r < 1.7L)
    r = 1.5L;
  else
    r = rtl::RoundToEven(r);
  if (r > 500) r = 500;
  doc.SpaceRange = r;
  doc.AxisLength3D = r * 8 / 5;
  const Extended s = ToSingle(r * 9 / 5);
  doc.ViewRange = TViewRange{-s, s, -s, s};
}

void ZoomCameraDistance(float k) {
  const Extended c = static_cast<Extended>(rtl::Round(doc.CameraDistance * static_cast<Extended>(k)));
  const Extended r = doc.SpaceRange;
  if (c < r * 20 / 3) return;
  if (c <= r * 256) doc.CameraDistance = c > 8 ? static_cast<int32_t>(c) : 9;
  UpdateCamera();
  ComputeSurfaceGrids();
}

void ScaleSpaceRange(float k) {
  const float oldRange = ToSingle(doc.SpaceRange);
  doc.SpaceRange = doc.SpaceRange * k;
  NormalizeSpaceRange();
  UpdatePixelSize(0);
  doc.CameraDistance = ClampToInt32(doc.SpaceRange / oldRange * doc.CameraDistance);
  UpdateCamera();
  ComputeSurfaceGrids();
}

void RotateSpaceView(Extended dPhi, Extended dTheta) {
  if (dPhi != 0) {
    Extended& phi = doc.CameraPhi;
    phi += dPhi;
    if (phi > kPi) phi -= 2 * kPi;
    if (phi <= -kPi) phi += 2 * kPi;
  }
  if (dTheta != 0) {
    Extended& theta = doc.CameraTheta;
    theta += dTheta;
    if (theta >= kHighestElevation) theta = kHighestElevation;
    if (theta <= kRotationStep) theta = kRotationStep;
  }
  UpdateCamera();
}

void SpaceViewButtonStep(int code) {
  switch (code) {
    case 0: RotateSpaceView(-kRotationStep, 0); break;
    case 1: RotateSpaceView(kRotationStep, 0); break;
    case 2: RotateSpaceView(0, kRotationStep); break;
    case 3: RotateSpaceView(0, -kRotationStep); break;
    case 4: ScaleSpaceRange(kSqrt2); break;
    case 5: ScaleSpaceRange(1 / kSqrt2); break;
    case 13: doc.ShadingLevel = std::min(doc.ShadingLevel + 1, 30); break;
    case 14: doc.ShadingLevel = std::max(doc.ShadingLevel - 1, 5); break;
    case 15: ZoomCameraDistance(1 / kSqrt2); break;
    case 16: ZoomCameraDistance(kSqrt2); break;
    default: break;
  }
}

void UpdateCamera() {
  PipelineHost().ShowRangeInStatusBar();
  spaceView.AxisTickStep3D = DecimalTickStep(TickIndex(doc.PixelSizeY, settings.YTickDensity));
  spaceView.CameraPoint = CameraPosition(doc.CameraDistance);
  spaceView.CameraPointNear = CameraPosition(doc.CameraDistance - 1);
  spaceView.Distance = doc.CameraDistance;
  spaceView.SinPhi = std::sin(doc.CameraPhi);
  spaceView.CosPhi = std::cos(doc.CameraPhi);
  spaceView.SinTheta = std::sin(doc.CameraTheta);
  spaceView.CosTheta = std::cos(doc.CameraTheta);
}

TSpacePoint CameraPosition(Extended distance) {
  TSpacePoint p;
  const Extended c = std::cos(doc.CameraTheta);
  p.x = distance * c * std::cos(doc.CameraPhi);
  p.y = distance * c * std::sin(doc.CameraPhi);
  p.z = distance * std::sin(doc.CameraTheta);
  return p;
}

void ProjectPoint(const TSpacePoint& p, TSpacePoint& q) {
  const SpaceViewState& v = spaceView;
  const TSpacePoint& c = v.CameraPoint;
  const Extended d2 = static_cast<Extended>(v.Distance) * v.Distance;
  const Extended a = c.x * p.x + c.y * p.y + c.z * p.z;
  const Extended below = a - d2;
  q = p;
  // On or behind the camera's plane the ray misses the view plane.
  if (v.Distance <= 0 || !(below < -1e-9L * d2)) {
    q.valid = 0;
    return;
  }
  const Extended t = a / below;
  const Extended mx = p.x + t * (c.x - p.x), my = p.y + t * (c.y - p.y), mz = p.z + t * (c.z - p.z);
  q.x = -v.SinPhi * mx + v.CosPhi * my;
  q.y = -v.SinTheta * v.CosPhi * mx - v.SinTheta * v.SinPhi * my + v.CosTheta * mz;
  q.valid = std::isfinite(q.x) && std::isfinite(q.y) ? 1 : 0;
}

void ProjectXYZ(TSpacePoint& p, float x, float y, float z) {
  p.x = x;
  p.y = y;
  p.z = z;
  ProjectPoint(p, p);
}

bool IsPointVisible3D(const TSpacePoint& p) {
  const TSpacePoint& c = spaceView.CameraPoint;
  return c.x * p.x + c.y * p.y + c.z * p.z - (c.x * c.x + c.y * c.y + c.z * c.z) <= -1;
}

bool FacingCamera(const TSpacePoint& p, const TSpacePoint& q) {
  const TSpacePoint& c = spaceView.CameraPoint;
  const float dot = ToSingle((q.x - p.x) * (c.x - q.x) + (q.y - p.y) * (c.y - q.y) + (q.z - p.z) * (c.z - q.z));
  return dot >= 0;
}

bool InRangeBox(const TSpacePoint& p, float r) {
  const Extended l = doc.AxisLength3D;
  return -r <= p.x && p.x <= r && -r <= p.y && p.y <= r && -l <= p.z && p.z <= l;
}

void ScreenToSpacePoint(int plane, TSpacePoint& p, float h, float v, float u) {
  const SpaceViewState& s = spaceView;
  const TSpacePoint& c = s.CameraPoint;
  const Extended xx = -u * s.SinPhi - v * s.SinTheta * s.CosPhi;
  const Extended xy = u * s.CosPhi - v * s.SinTheta * s.SinPhi;
  const Extended xz = v * s.CosTheta;
  const Extended below = plane == 0 ? xx - c.x : xz - c.z;
  if (below == 0) {
    p = InvalidPoint();
    return;
  }
  const Extended t = (plane == 0 ? xx : xz - h) / below;
  p = MakePoint(xx + t * (c.x - xx), xy + t * (c.y - xy), xz + t * (c.z - xz));
}
