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
#include "render/SpaceAxes.h"
#include "render/SpaceCircles.h"
#include "render/SpaceCurve.h"
#include "render/SpaceGeodesic.h"
#include "render/SpaceLines.h"
#include "render/SpacePlane.h"
#include "render/SpacePoints.h"
#include "render/SpaceScene.h"
#include "render/SpaceSphere.h"
#include "render/SurfaceGrid.h"

namespace {

void DrawExplicitEntry(gfx::Canvas& canvas, Tfuncprop& entry) {
  DrawExplicitFunction(canvas, entry, 0, doc.ViewRange.XMin, doc.ViewRange.XMax);
}

void DrawDerivativeEntry(gfx::Canvas& canvas, Tfuncprop& entry) {
  DrawExplicitFunction(canvas, entry, 1, doc.ViewRange.XMin, doc.ViewRange.XMax);
}

PlaneEntryDrawer PlaneDrawerOfKind(int kind) {
  switch (kind) {
    case kKindExplicit: return EntryDrawers.explicitFunction;
    case kKindDerivative: return EntryDrawers.derivative;
    case kKindRelation: return EntryDrawers.relation;
    case kKindParametric: return EntryDrawers.parametric;
    case kKindPolar: return EntryDrawers.polar;
    case kKindFigure: return EntryDrawers.figure;
    case kKindPoint: return EntryDrawers.point;
    default: return nullptr;
  }
}

SpaceEntryDrawer SpaceFigureDrawerOfType(int type, bool afterImage) {
  switch (type) {
    case 1: return afterImage ? nullptr : EntryDrawers.planeFigure;
    case 2: case 3: case 4: case 5: case 6: return EntryDrawers.lineFigures3D;
    case 7: return EntryDrawers.geodesic;
    case 8: return afterImage ? nullptr : EntryDrawers.sphereFigure;
    case 9: return EntryDrawers.circleByNormal;
    case 10: return EntryDrawers.circleOnSphere;
    case 11: return EntryDrawers.arcAboutLine;
    case 12: return EntryDrawers.angleMark3D;
    default: return nullptr;
  }
}

bool IsDrawnEntry(int index) { return index >= 1 && index <= doc.EntryCount && doc.FigureTable[index].shown; }

void DrawSpaceRecord(gfx::Canvas& canvas, int index, bool afterImage) {
  if (!IsDrawnEntry(index)) return;
  const Tfuncprop& entry = doc.FigureTable[index];
  const TVariableValues saved = doc.VariableValues;
  InnerWorkSession work;
  if (entry.kind == kKindParametric && EntryDrawers.spaceCurve) {
    EntryDrawers.spaceCurve(canvas, index);
  } else if (entry.kind == kKindFigure) {
    if (const SpaceEntryDrawer draw = SpaceFigureDrawerOfType(entry.subkind, afterImage)) draw(canvas, index);
  } else if (entry.kind == kKindPoint && EntryDrawers.pointEntry3D) {
    EntryDrawers.pointEntry3D(canvas, index, doc.PointPerpendicularsShown);
  }
  doc.VariableValues = saved;
}

}  // namespace

TEntryDrawers DefaultEntryDrawers() {
  TEntryDrawers d;
  d.explicitFunction = DrawExplicitEntry;
  d.derivative = DrawDerivativeEntry;
  d.relation = [](gfx::Canvas& canvas, Tfuncprop& entry) { DrawInequalityEntry(canvas, entry); };
  d.parametric = [](gfx::Canvas& canvas, Tfuncprop& entry) { DrawParametricCurve(canvas, entry); };
  d.polar = [](gfx::Canvas& canvas, Tfuncprop& entry) { DrawPolarCurve(canvas, entry); };
  d.figure = [](gfx::Canvas& canvas, Tfuncprop& entry) { DrawFigureEntry(canvas, entry); };
  d.point = [](gfx::Canvas& canvas, Tfuncprop& entry) { DrawPointEntry(canvas, entry); };
  d.pointListLabels = DrawPointListLabels;
  d.redrawSpaceScene = RedrawSpaceScene;
  d.drawSpaceAxesAndBox = DrawSpaceAxesAndBox;
  d.computeSurfaceGrids = ComputeSurfaceGrids;
  d.drawSurfaces = DrawSurfaceLayer;
  d.spaceCurve = DrawSpaceCurve;
  d.planeFigure = DrawPlaneFigure;
  d.lineFigures3D = DrawLineFigures3D;
  d.geodesic = DrawGeodesic;
  d.sphereFigure = DrawSphereFigure;
  d.circleByNormal = DrawCircleByNormal;
  d.circleOnSphere = DrawCircleOnSphere;
  d.arcAboutLine = DrawArcAboutLine;
  d.angleMark3D = DrawAngleMark3D;
  d.pointEntry3D = DrawPointEntry3D;
  return d;
}

TEntryDrawers EntryDrawers = DefaultEntryDrawers();

void DrawEquationRecord(gfx::Canvas& canvas, int index) {
  if (!IsDrawnEntry(index)) return;
  Tfuncprop entry = doc.FigureTable[index];
  const PlaneEntryDrawer draw = PlaneDrawerOfKind(entry.kind);
  if (!draw) return;
  const TVariableValues saved = doc.VariableValues;
  InnerWorkSession work;
  draw(canvas, entry);
  doc.VariableValues = saved;
}

void DrawSpaceEntry(gfx::Canvas& canvas, int index) { DrawSpaceRecord(canvas, index, false); }

void DrawSpaceEntryAfterImage(gfx::Canvas& canvas, int index) { DrawSpaceRecord(canvas, index, true); }
