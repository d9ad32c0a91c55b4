#pragma once
// Space points drawn as polylines on the view plane: each point projected, the pieces
// stroked in the canvas pen, solid or dashed along their whole length (cut at the view
// where they run far out). A point the camera cannot see ends the piece it would belong to.
#include <cstdint>
#include <span>

#include "formula/SpacePoint.h"
#include "platform/Canvas.h"
#include "platform/Extended.h"
#include "render/ViewClipping.h"

class SpacePolyline {
 public:
  SpacePolyline(gfx::Canvas& canvas, std::uint8_t dashed);
  ~SpacePolyline();
  SpacePolyline(const SpacePolyline&) = delete;
  SpacePolyline& operator=(const SpacePolyline&) = delete;

  void Add(const TSpacePoint& p);
  // A point already on the view plane.
  void AddViewPoint(Extended x, Extended y);
  // The piece so far drawn (two points at least) and a new one begun.
  void Flush();
  bool Empty() const { return !havePoint_; }

 private:
  ClippedPolyline line_;
  ViewPoint last_;
  bool havePoint_ = false;
};

// Which chords of a point list on a sphere are drawn: those whose two ends both face away
// from the camera (seen from the sphere's centre), or those with an end facing it.
enum class ChordSide : std::uint8_t { Away, Facing };
// The chords between consecutive points on that side, each run of them one polyline.
void DrawChordRuns(gfx::Canvas& canvas, std::span<const TSpacePoint> points, const TSpacePoint& sphereCentre,
                   ChordSide side, std::uint8_t dashed);
