#pragma once
// The space view: a camera on a sphere about the origin looks at the cube [-R, R]^3, and
// every space point is projected centrally onto the plane through the origin that faces
// the camera. The projected picture is drawn in the plane view, which the range keeps at
// -1.8R .. 1.8R on both axes, so the plane drawing toolkit draws projected points as they
// are. The view block itself (distance, angles, range, grid size, display options) is
// part of the document; what is derived from it for projecting lives here.
//
// Every change of the distance, the angles or the range is followed by UpdateCamera
// before anything is projected.
#include <cstdint>

#include "formula/SpacePoint.h"
#include "platform/Extended.h"

struct SpaceViewState {
  // The camera at the view's distance d and at d - 1 (the near plane of clipped lines).
  TSpacePoint CameraPoint, CameraPointNear;
  // The number step of the space axes.
  Extended AxisTickStep3D = 1;
  // The azimuth's octant 0..7, which orders the surface grid (set with the grid).
  int SweepOctant = 0;
  // What the camera points were made with.
  int32_t Distance = 0;
  Extended SinPhi = 0, CosPhi = 1, SinTheta = 0, CosTheta = 1;
};
extern SpaceViewState spaceView;

// The defaults of the camera, the range and the grids (display options kept).
void InitSpaceView();
// InitSpaceView and the display options back to theirs: a new document's space view.
void ResetSpaceView();
// The graph window's reset button in space: InitSpaceView, the camera, a redraw.
void ResetSpaceViewAndRedraw();

// The range kept to 0.5, 0.7, 1, 1.5 and whole numbers up to 500; the axes' length and
// the plane view (-1.8R .. 1.8R) follow it.
void NormalizeSpaceRange();
// The camera distance times k, refused below 20R/3, kept beyond 256R, never below 9.
void ZoomCameraDistance(float k);
// The range times k (normalised); the distance keeps its ratio to the range.
void ScaleSpaceRange(float k);
// The azimuth turned by dPhi (kept in (-pi, pi]) and the elevation by dTheta (kept in
// [pi/80, 2pi/5]), then the camera: the rotation of the view buttons and of the mouse.
void RotateSpaceView(Extended dPhi, Extended dTheta);
// One step of a view button in space, by its code: 0/1 turn left/right, 2/3 up/down,
// 4/5 range larger/smaller, 13/14 shading lighter/darker, 15/16 camera nearer/farther.
// Other codes change nothing. The caller redraws.
void SpaceViewButtonStep(int code);

// The range text in the status bar, the axes' number step and the camera points.
void UpdateCamera();

// distance * (cos θ cos φ, cos θ sin φ, sin θ) with the view's angles.
TSpacePoint CameraPosition(Extended distance);
// The point's image on the view plane in q.x, q.y (q.z keeps p.z). Invalid (q.valid 0)
// when the camera distance is not positive or the point does not lie in front of the
// camera, so that whatever touches it is left out.
void ProjectPoint(const TSpacePoint& p, TSpacePoint& q);
// (x, y, z) in single precision stored in p, and p replaced by its projection.
void ProjectXYZ(TSpacePoint& p, float x, float y, float z);
// At least 1/d in front of the camera along its axis.
bool IsPointVisible3D(const TSpacePoint& p);
// At Q the direction away from P points toward the camera's side.
bool FacingCamera(const TSpacePoint& p, const TSpacePoint& q);
// -r <= x, y <= r and |z| <= the axes' length.
bool InRangeBox(const TSpacePoint& p, float r);
// The view-plane point (u, v) carried along the ray from the camera onto the plane x = 0
// (plane 0) or z = h (plane 1); p.valid is 0 when the ray runs parallel to that plane.
void ScreenToSpacePoint(int plane, TSpacePoint& p, float h, float v, float u);
