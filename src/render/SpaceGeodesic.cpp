#include "render/SpaceGeodesic.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/GeometryTexts.h"
#include "formula/SpaceGeometry.h"
#include "formula/VectorGeometry.h"
#include "render/DrawToolkit.h"
#include "render/SpaceArcs.h"
#include "render/SpacePolyline.h"
#include "render/SpacePrimitives.h"

namespace {

struct Sphere {
  TSpacePoint centre;
  Extended radius = 0;
  bool hidesBack = false;  // it shows only its outline
};

bool SphereOf(const std::string& figureText, Sphere& s) {
  TCircleOperand circle;
  if (!FetchCircle(figureText, circle) || !EvaluateGeometryText(circle.radiusText, s.radius)) return false;
  s.radius = std::fabs(s.radius);
  s.centre = circle.centre;
  s.hidesBack = doc.FigureTable[FigureEntryOfText(figureText, {8})].noBoundary != 0;
  return s.radius > 0;
}

// The arc from p toward q about the sphere's centre: p turned about (p - O) x (q - O) up
// to the angle between them (half a turn at most). False when p and q lie on one line
// through the centre (no plane holds the arc).
bool GreatArc(const TSpacePoint& p, const TSpacePoint& q, const Sphere& s, std::vector<TSpacePoint>& arc) {
  const TSpacePoint normal = VecCross(VecSub(p, s.centre), VecSub(q, s.centre));
  TAxisAngles axis;
  if (VecIsZero(normal) || !NormalToCircleAngles(normal, axis)) return false;
  const Extended chord2 = VecLengthSquared(VecSub(p, q));
  TurnedPoints(p, s.centre, axis, std::acos(std::clamp(1 - chord2 / (2 * s.radius * s.radius), -1.0L, 1.0L)), arc);
  return true;
}

}  // namespace

void DrawGeodesic(gfx::Canvas& canvas, int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  UseEntryPen(canvas, e);
  Sphere sphere;
  if (!SphereOf(e.texts[0], sphere)) return;
  const gfx::Color pen = canvas.pen.color;
  const bool backShown = !e.noBoundary || !sphere.hidesBack;
  const gfx::Color back = sphere.hidesBack ? LightenColor(pen, 4) : pen;
  std::vector<TSpacePoint> arc;
  const std::vector<int> letters = PointNumbersOf(e.texts[1]);
  for (size_t i = 1; i < letters.size(); ++i) {
    TSpacePoint p, q;
    if (!FetchPoint(letters[i - 1], p) || !FetchPoint(letters[i], q) || VecIsZero(VecSub(p, q))) continue;
    if (!GreatArc(p, q, sphere, arc)) continue;
    if (backShown) {
      canvas.pen.color = back;
      DrawChordRuns(canvas, arc, sphere.centre, ChordSide::Away, e.dashed);
      canvas.pen.color = pen;
    }
    DrawChordRuns(canvas, arc, sphere.centre, ChordSide::Facing, e.dashed);
  }
}
