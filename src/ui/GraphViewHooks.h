#pragma once
// What the graph window and its mouse ask of the 3D view built beside them. Each is set by
// that work when it lands; an unset hook does nothing.
#include "formula/SpacePoint.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"

struct TGraphViewHooks {
  // The space view's defaults for a new document.
  void (*resetSpaceView)() = nullptr;
  // The space range kept to its steps; the 2D view and the axis length follow it.
  void (*normalizeSpaceRange)() = nullptr;
  // The projection after a change of the space view.
  void (*updateCamera)() = nullptr;
  // The 3D settings window's size field follows the square drawing size.
  void (*showSpaceDrawingSize)(int size) = nullptr;

  // --- the view buttons in space ---
  // The range scaled by the factor (the camera distance with it); the camera moved nearer
  // or farther by the factor; the view back to its defaults, redrawn.
  void (*scaleSpaceRange)(float factor) = nullptr;
  void (*zoomCameraDistance)(float factor) = nullptr;
  void (*resetSpaceViewAndRedraw)() = nullptr;

  // --- the mouse in space ---
  // The point (u, v) of the view plane lifted along the ray from the camera onto the plane
  // x = 0 (plane 0) or z = h (plane 1).
  void (*screenToSpacePoint)(int plane, TSpacePoint& p, Extended h, Extended v, Extended u) = nullptr;
  // The box of guide lines from the origin to the point, in xor: drawn again, it is gone.
  void (*drawPointGuideBoxXor)(gfx::Canvas& canvas, const TSpacePoint& p) = nullptr;
};

extern TGraphViewHooks GraphViewHooks;
