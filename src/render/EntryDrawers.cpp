#include "render/EntryDrawers.h"

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "render/ExplicitCurves.h"
#include "render/Figures.h"
#include "render/ParametricCurves.h"
#include "render/PointEntries.h"
#include "render/PolarCurves.h"
#include "render/RelationEntries.h"
#include "render/SpaceArcs.h"
#include "render/SpaceCircles.h"
#include "render/SpaceCurve.h"
#include "render/SpaceGeodesic.h"
#include "render/SpaceLines.h"
#include "render/SpacePlane.h"
#include "render/SpacePoints.h"
#include "render/SpaceSphere.h"

namespace {

DrawingObserver* observer = nullptr;

void DrawPlaneEntry(gfx::Canvas& canvas, Tfuncprop& entry) {
  switch (entry.kind) {
    case kKindExplicit: DrawExplicitFunction(canvas, entry, 0, doc.ViewRange.XMin, doc.ViewRange.XMax); break;
    case kKindDerivative: DrawExplicitFunction(canvas, entry, 1, doc.ViewRange.XMin, doc.ViewRange.XMax); break;
    case kKindRelation: DrawInequalityEntry(canvas, entry); break;
    case kKindParametric: DrawParametricCurve(canvas, entry); break;
    case kKindPolar: DrawPolarCurve(canvas, entry); break;
    case kKindFigure: DrawFigureEntry(canvas, entry); break;
    case kKindPoint: DrawPointEntry(canvas, entry); break;
    default: break;
  }
}

bool IsPlaneDrawerKind(int kind) {
  switch (kind) {
    case kKindExplicit: case kKindDerivative: case kKindRelation: case kKindParametric:
    case kKindPolar: case kKindFigure: case kKindPoint: return true;
    default: return false;
  }
}

void DrawSpaceFigure(gfx::Canvas& canvas, int index, int type) {
  switch (type) {
    case 1: DrawPlaneFigure(canvas, index); break;
    case 2: case 3: case 4: case 5: case 6: DrawLineFigures3D(canvas, index); break;
    case 7: DrawGeodesic(canvas, index); break;
    case 8: DrawSphereFigure(canvas, index); break;
    case 9: DrawCircleByNormal(canvas, index); break;
    case 10: DrawCircleOnSphere(canvas, index); break;
    case 11: DrawArcAboutLine(canvas, index); break;
    case 12: DrawAngleMark3D(canvas, index); break;
    default: break;
  }
}

bool IsSpaceFigureType(int type) { return type >= 1 && type <= 12; }
// Planes and spheres leave no after-image.
bool LeavesAfterImage(int type) { return type != 1 && type != 8; }

bool IsDrawnEntry(int index) { return index >= 1 && index <= doc.EntryCount && doc.FigureTable[index].shown; }

void Tell(gfx::Canvas& canvas, int index) {
  if (observer) observer->EntryDrawn(canvas, doc.FigureTable[index], index);
}

void DrawSpaceRecord(gfx::Canvas& canvas, int index, bool afterImage) {
  if (!IsDrawnEntry(index)) return;
  const Tfuncprop& entry = doc.FigureTable[index];
  const TVariableValues saved = doc.VariableValues;
  InnerWorkSession work;
  if (entry.kind == kKindParametric) {
    Tell(canvas, index);
    DrawSpaceCurve(canvas, index);
  } else if (entry.kind == kKindFigure && IsSpaceFigureType(entry.subkind) &&
             (!afterImage || LeavesAfterImage(entry.subkind))) {
    Tell(canvas, index);
    DrawSpaceFigure(canvas, index, entry.subkind);
  } else if (entry.kind == kKindPoint) {
    Tell(canvas, index);
    DrawPointEntry3D(canvas, index, doc.PointPerpendicularsShown);
  }
  doc.VariableValues = saved;
}

}  // namespace

void SetDrawingObserver(DrawingObserver* o) { observer = o; }

DrawingObserver* Observer() { return observer; }

void DrawEquationRecord(gfx::Canvas& canvas, int index) {
  if (!IsDrawnEntry(index)) return;
  Tfuncprop entry = doc.FigureTable[index];
  if (!IsPlaneDrawerKind(entry.kind)) return;
  const TVariableValues saved = doc.VariableValues;
  InnerWorkSession work;
  if (observer) observer->EntryDrawn(canvas, entry, index);
  DrawPlaneEntry(canvas, entry);
  doc.VariableValues = saved;
}

void DrawSpaceEntry(gfx::Canvas& canvas, int index) { DrawSpaceRecord(canvas, index, false); }

void DrawSpaceEntryAfterImage(gfx::Canvas& canvas, int index) { DrawSpaceRecord(canvas, index, true); }
