#include "formula/GeometryTexts.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EngineServices.h"
#include "formula/Fraction.h"
#include "formula/Parser.h"
#include "formula/Tfrec.h"
#include "formula/VectorGeometry.h"

namespace {

// Parses the text for evaluation and evaluates it once; the root is handed to `take`
// before the tree is released.
template <class Take>
bool EvaluateOnce(const std::string& text, Extended x, Extended y, Extended z, Extended& value, Take take) {
  value = 0;
  if (text.empty()) return true;
  Tfrec* tree = ParseExpression(text, 3);
  if (!eng.ParseOK || !tree || !engineServices.EvaluateTree) {
    DisposeTree(tree);
    return false;
  }
  value = engineServices.EvaluateTree(tree, x, y, z);
  const bool drawable = eng.EvalDrawable && std::isfinite(value);
  if (drawable) take(*tree);
  DisposeTree(tree);
  if (!drawable) value = 0;
  return drawable;
}

}  // namespace

bool EvaluateGeometryTextAt(const std::string& text, Extended x, Extended y, Extended z, Extended& value) {
  return EvaluateOnce(text, x, y, z, value, [](const Tfrec&) {});
}

bool EvaluateGeometryText(const std::string& text, Extended& value) {
  const TVariableValues& v = doc.VariableValues;
  return EvaluateGeometryTextAt(text, v.X, v.Y, v.Z, value);
}

bool EvaluateExactGeometryText(const std::string& text, Extended& value, TFraction& fraction) {
  fraction = text.empty() ? TFraction{} : InexactFraction();
  const TVariableValues& v = doc.VariableValues;
  return EvaluateOnce(text, v.X, v.Y, v.Z, value, [&](const Tfrec& root) {
    if (root.exact) fraction = MakeFraction(root.num, root.den);
  });
}

bool EvaluateSquaredGeometryText(const std::string& text, Extended& value) {
  return EvaluateGeometryText("(" + text + ")^2", value);
}

TSpacePoint PointFromTexts(const std::string& xText, const std::string& yText, const std::string& zText) {
  Extended x, y, z;
  const bool ok = EvaluateGeometryText(xText, x) && EvaluateGeometryText(yText, y) && EvaluateGeometryText(zText, z);
  return ok ? MakePoint(x, y, z) : InvalidPoint();
}
