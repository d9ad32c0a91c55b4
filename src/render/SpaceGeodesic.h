#pragma once
// Geodesics (kind 7, type 7): the shortest paths on a sphere figure (numbered in the first
// text) between consecutive points of the letters of the second text, each an arc of a
// great circle in steps of pi/30. The part facing away from the camera is drawn first:
// pale while the sphere shows only its outline, in the entry's colour while its equator
// shows (the sphere is then seen through); left out when both the geodesic and the sphere
// say so.
#include "platform/Canvas.h"

void DrawGeodesic(gfx::Canvas& canvas, int entry);
