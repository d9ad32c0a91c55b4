#include "animate/EntryFunction.h"

#include <cmath>

#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"

namespace {

// Parsed for evaluation: parameters by their values, sums and products unrolled.
constexpr int kEvaluationForm = 3;

std::string FirstExplicitText() {
  if (doc.EntryCount < 1 || doc.FigureTable[1].kind != kKindExplicit) return {};
  return doc.FigureTable[1].texts[0];
}

}  // namespace

EntryFunction::EntryFunction() : EntryFunction(FirstExplicitText()) {}

EntryFunction::EntryFunction(const std::string& text) {
  if (text.empty()) return;
  const uint8_t parseOK = eng.ParseOK;
  eng.ParseOK = 1;
  tree_ = ParseExpression(text, kEvaluationForm);
  if (!eng.ParseOK) tree_.reset();
  eng.ParseOK = parseOK;
}

bool EntryFunction::At(Extended x, Extended& y) {
  if (!tree_) return false;
  y = EvaluateAtX(tree_.get(), 0, x);
  return eng.EvalDrawable && std::isfinite(y);
}

void EntryFunction::StartWalk(Extended x) {
  Extended y;
  At(x, y);
}

bool EntryFunction::StepTo(Extended x, Extended& y) { return At(x, y) && !tree_->poleCrossed; }

bool EvaluateInputText(const std::string& text, Extended& value) {
  if (text.empty()) return false;
  const TVariableValues& v = doc.VariableValues;
  eng.EvalOK = 1;
  eng.EvalDrawable = 1;
  value = EvaluateTextUnrolled(text, v.X, v.Y, v.Z);
  return eng.EvalOK && eng.EvalDrawable && std::isfinite(value);
}
