#pragma once
// The formula texts of constructions (radii, angles, ratios, coordinates), evaluated at
// the current x, y, z of VariableValues. A text that does not parse or whose value is not
// drawable gives false; an empty text is 0.
#include <string>

#include "formula/SpacePoint.h"
#include "platform/Extended.h"

bool EvaluateGeometryText(const std::string& text, Extended& value);
bool EvaluateGeometryTextAt(const std::string& text, Extended x, Extended y, Extended z, Extended& value);
// The value with its exact fraction (inexact unless the evaluation kept one); an empty
// text is exactly 0.
bool EvaluateExactGeometryText(const std::string& text, Extended& value, TFraction& fraction);
// The square of the text's value, evaluated as "(" + text + ")^2".
bool EvaluateSquaredGeometryText(const std::string& text, Extended& value);
// A point whose coordinates are the three texts; valid when all three evaluate.
TSpacePoint PointFromTexts(const std::string& xText, const std::string& yText, const std::string& zText);
