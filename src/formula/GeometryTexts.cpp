#include "formula/GeometryTexts.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/Fraction.h"
#include "formula/VectorGeometry.h"

namespace {

// The value of the last evaluation when it was drawable, else 0 and false.
bool Drawable(Extended& value) {
  if (eng.EvalDrawable && std::isfinite(value)) return true;
  value = 0;
  return false;
}

}  // namespace

bool EvaluateGeometryTextAt(const std::string& text, Extended x, Extended y, Extended z, Extended& value) {
  value = 0;
  if (text.empty()) return true;
  value = EvaluateText(text, x, y, z);
  return Drawable(value);
}

bool EvaluateGeometryText(const std::string& text, Extended& value) {
  const TVariableValues& v = doc.VariableValues;
  return EvaluateGeometryTextAt(text, v.X, v.Y, v.Z, value);
}

bool EvaluateExactGeometryText(const std::string& text, Extended& value, TFraction& fraction) {
  value = 0;
  fraction = InexactFraction();
  if (text.empty()) {
    fraction = TFraction{};
    return true;
  }
  EvaluateConstantText(text, value, fraction);
  fraction = fraction.exact ? MakeFraction(fraction.num, fraction.den) : InexactFraction();
  if (Drawable(value)) return true;
  fraction = InexactFraction();
  return false;
}

bool EvaluateSquaredGeometryText(const std::string& text, Extended& value) {
  return EvaluateGeometryText("(" + text + ")^2", value);
}

TSpacePoint PointFromTexts(const std::string& xText, const std::string& yText, const std::string& zText) {
  Extended x, y, z;
  const bool ok = EvaluateGeometryText(xText, x) && EvaluateGeometryText(yText, y) && EvaluateGeometryText(zText, z);
  return ok ? MakePoint(x, y, z) : InvalidPoint();
}
