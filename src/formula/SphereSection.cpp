#include "formula/SphereSection.h"

#include <cmath>

#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/GeometryTexts.h"
#include "formula/VectorGeometry.h"

TSphereSection SphereSectionCircle(int figureEntry) {
  TSphereSection section;
  if (figureEntry < 1 || figureEntry > doc.EntryCount || figureEntry > kMaxEntries) return section;
  const Tfuncprop& figure = doc.FigureTable[figureEntry];
  TCircleOperand sphere;
  Extended r, u;
  if (!FetchCircle(figure.texts[0], sphere) || !EvaluateGeometryText(sphere.radiusText, r) ||
      !EvaluateGeometryText(figure.texts[4], u))
    return section;
  // The entry window keeps the normal in texts 2-4 and the distance in text 5, as for a
  // circle given by its centre.
  const TSpacePoint n = PointFromTexts(figure.texts[1], figure.texts[2], figure.texts[3]);
  if (!n.valid || VecIsZero(n)) return section;
  r = std::fabs(r);
  if (r < std::fabs(u)) return section;
  section.normal = UnitVector(n);
  section.sphereCentre = sphere.centre;
  section.sphereRadius = r;
  section.centre = CheckedPoint(VecAdd(sphere.centre, VecScale(section.normal, u)));
  section.radius = std::sqrt(r * r - u * u);
  section.valid = section.normal.valid && section.centre.valid;
  return section;
}
