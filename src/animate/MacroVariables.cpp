#include "animate/MacroVariables.h"

#include <numbers>

#include "animate/MacroSyntax.h"
#include "formula/ConstructedPoints.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "formula/VariableValues.h"
#include "platform/Runtime.h"
#include "render/RedrawPipeline.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<long double>;

// The entry of a point given by its number, or 0 when the point does not exist.
int PointEntry(int point) {
  if (point < 1 || point > kMaxPoints || !doc.PointLetterUsage[point].exists) return 0;
  const int entry = doc.PointLetterEntry[point];
  return entry >= 1 && entry <= doc.EntryCount ? entry : 0;
}

// Whether a point of this drag class may be moved along the axis (1 x, 2 y, 3 z).
bool AxisFree(int dragClass, int axis) {
  switch (axis) {
    case 1: return dragClass == 0 || dragClass == 1 || dragClass == 2 || dragClass == 4;
    case 2: return dragClass == 0 || dragClass == 1 || dragClass == 3 || dragClass == 5;
    default: return dragClass == 0 || dragClass == 4 || dragClass == 5 || dragClass == 6;
  }
}

Extended& Coordinate(TSpacePoint& p, int axis) { return axis == 1 ? p.x : axis == 2 ? p.y : p.z; }

// A second move of the same coordinate replaces the first.
void RecordFrame(int32_t code, Extended value) {
  TValueNode** tail = &settings.MacroFrameList;
  for (; *tail; tail = &(*tail)->next)
    if ((*tail)->code == code) {
      (*tail)->value = value;
      return;
    }
  *tail = NewValueNode(code, value);
}

bool WritePointCoordinate(int32_t code, Extended value) {
  const int point = PointOfMacroCode(code), axis = AxisOfMacroCode(code);
  const int entry = PointEntry(point);
  if (!entry || axis < 1 || axis > 3) return false;
  Tfuncprop& e = doc.FigureTable[entry];
  if (e.kind != kKindPoint || e.subkind != kByCoordinates || !AxisFree(e.dragClass, axis)) return false;
  e.texts[axis == 3 ? 3 : axis - 1] = rtl::FloatToStr(value);
  std::vector<TSpacePoint>& points = doc.PointSequences[point];
  if (points.empty()) points.resize(1);
  Coordinate(points[0], axis) = value;
  RecordFrame(code, value);
  PrepareRedraw();
  return true;
}

}  // namespace

Extended ReadMacroVariable(int32_t code) {
  if (code >= 1 && code <= 26) {
    const char letter = static_cast<char>('a' + code - 1);
    return letter == 'e' ? 0 : ReadVariable(doc.VariableValues, letter);
  }
  const int point = PointOfMacroCode(code), axis = AxisOfMacroCode(code);
  const int entry = PointEntry(point);
  if (!entry || axis < 1 || axis > 3) return 0;
  if (doc.FigureTable[entry].signedSubkind() < 100) {
    doc.PointSequenceDirty[point] = 1;
    eng.UseFigureFormulas = doc.Dimension != 3 ? 1 : 0;
    RefreshPointSequence(point, entry);
    eng.UseFigureFormulas = 0;
  }
  std::vector<TSpacePoint>& points = doc.PointSequences[point];
  return points.empty() ? 0 : Coordinate(points[0], axis);
}

bool WriteMacroVariable(int32_t code, Extended value) {
  if (code > 26) return WritePointCoordinate(code, value);
  if (code < 1 || code == 5) return false;  // e is not written
  const char letter = static_cast<char>('a' + code - 1);
  WriteVariable(doc.VariableValues, letter, value);
  if (letter == 'r') doc.ThetaDisplayValue = doc.ThetaInDegrees ? value * 180 / kPi : value / kPi;
  if (letter == 'o') doc.OmegaDisplayValue = doc.OmegaInDegrees ? value * 180 / kPi : value / kPi;
  return false;
}
