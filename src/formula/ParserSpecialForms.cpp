// The forms behind the "?" markers of the normalised text: pi, C and P, (d/dx), Max and Min,
// MaxV and MinV, Sum and multi, and the two numeric integrals.
#include <cstring>

#include "formula/DocumentState.h"
#include "formula/ParserReader.h"
#include "formula/Simplifier.h"
#include "formula/TreeKernel.h"

namespace {
constexpr char IntegrationLetters[] = "srtxyz";
bool IsIntegrationLetter(char c) { return c != '\0' && std::strchr(IntegrationLetters, c); }
}  // namespace

TreePtr Reader::ReadSpecialForm() {
  switch (At(p_ + 1)) {
    case '1':
      ++p_;
      return TreePtr(NewPiNode(mode_));
    case '2':
      return ReadCombinations(node::Combinations);
    case '3':
      return ReadCombinations(node::Permutations);
    case '4':
      return ReadDerivative();
    case '5':
      return ReadExtremum(true);
    case '6':
      return ReadExtremum(false);
    case '7':
      return ReadSumProduct(node::SumForm);
    case '9':
      return ReadSumProduct(node::ProductForm);
    case '8':
      return ReadSimpson();
    case 'a':
      return ReadIntegral();
    default:
      return Fail(p_);
  }
}

TreePtr Reader::ReadCombinations(int32_t code) {
  const int open = p_ + 2;
  if (At(open) != '(') return Fail(open);
  ++paren_;
  const int comma = Find(',', open + 1);
  if (!comma) return Fail(open + 1);
  TreePtr n = ReadWindow(open + 1, comma - 1);
  if (ParseFailed()) return nullptr;
  p_ = comma + 1;
  TreePtr r = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  if (!ChainClosedByParenthesis()) return Fail(p_);
  if (mode_ == 1) {
    // Both arguments must be exact integer expressions, each read again as a tree.
    const int windows[2][2] = {{open + 1, comma - 1}, {comma + 1, p_ - 1}};
    for (const auto& w : windows) {
      const TreePtr t = ParseNormalised(s_, w[0], w[1], 2);
      const bool exact = !ParseFailed() && IsExactTree(t.get());
      if (ParseFailed()) return nullptr;
      if (!exact) return Fail(w[0]);
    }
  }
  return TreePtr(NewBinaryNode(code, n.release(), r.release(), mode_));
}

TreePtr Reader::ReadDerivative() {
  const int marker = p_;
  p_ += 2;
  TreePtr operand = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  // The ")" or "," that ended the operand belongs to the enclosing form: give it back, so
  // that Max((d/dx)x^2,1) has two arguments and sin((d/dx)x^2)+1 adds 1 outside the sine.
  if (chainConsumedEnd_) {
    if (At(p_) == ')') ++paren_;
    --p_;
  }
  if (mode_ == 1) return operand;
  TreePtr derivative = SessionDerivative(operand.get());
  if (!derivative) return Fail(marker);
  return derivative;
}

TreePtr Reader::ReadExtremum(bool maximum) {
  const int at = p_ + 2;
  if (At(at) != (maximum ? 'x' : 'n')) return Fail(at);
  if (At(at + 1) == 'V') {
    if (At(at + 2) != '(') return Fail(at + 2);
    ++paren_;
    p_ = at + 3;
    TreePtr range = ReadRange(node::Range);
    if (ParseFailed()) return nullptr;
    ++p_;
    TreePtr body = ParseOperatorChain(7);
    if (ParseFailed()) return nullptr;
    if (!ChainClosedByParenthesis()) return Fail(p_);
    return TreePtr(NewBinaryNode(maximum ? node::MaxOver : node::MinOver, range.release(), body.release(), mode_));
  }
  if (At(at + 1) != '(') return Fail(at + 1);
  ++paren_;
  p_ = at + 2;
  TreePtr a = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  if (At(p_) != ',') return Fail(p_);
  ++p_;
  TreePtr b = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  if (!ChainClosedByParenthesis()) return Fail(p_);
  return TreePtr(NewBinaryNode(maximum ? node::Max : node::Min, a.release(), b.release(), mode_));
}

TreePtr Reader::ReadSumProduct(int32_t code) {
  const int marker = p_;
  int i = p_ + 2;
  while (At(i) == '\\') ++i;
  if (At(i) != '(') return Fail(i);
  ++paren_;
  const char index = At(i + 1);
  if (index != 'i' && index != 'j') return Fail(i + 1);
  if (At(i + 2) != '@' || At(i + 3) != '3') return Fail(i + 2);
  p_ = i + 4;
  TreePtr range = ReadRange(index == 'i' ? node::IndexRangeI : node::IndexRangeJ);
  if (ParseFailed()) return nullptr;
  if (At(p_ + 1) == ',') ++p_;
  ++p_;
  TreePtr body = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  TreePtr form(NewBinaryNode(code, range.release(), body.release(), mode_));
  if (form) forms_.emplace_back(form.get(), marker);
  return form;
}

TreePtr Reader::ReadSimpson() {
  int i = p_ + 2;
  while (At(i) == '\\') ++i;
  if (At(i) != '(') return Fail(i);
  ++paren_;
  p_ = i + 1;
  TreePtr range = ReadRange(node::Range);
  if (ParseFailed()) return nullptr;
  if (At(p_ + 1) == ',') ++p_;
  ++p_;
  // t inside the integrand is the integration variable, not the parameter.
  const uint8_t collectMode = eng.ParserCollectMode;
  eng.ParserCollectMode = 0;
  TreePtr integrand = ParseOperatorChain(7);
  eng.ParserCollectMode = collectMode;
  if (ParseFailed()) return nullptr;
  if (At(p_) != ',') return Fail(p_);  // the panel count is required
  ++p_;
  TreePtr panels = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  char variable = 'x';
  if (At(p_) == ',') {
    variable = At(p_ + 1);
    if (!IsIntegrationLetter(variable)) return Fail(p_ + 1);
    if (At(p_ + 2) != ')') return Fail(p_ + 2);
    p_ += 2;
    --paren_;
  }
  return MakeIntegral(std::move(range), std::move(panels), variable, std::move(integrand));
}

TreePtr Reader::ReadIntegral() {
  p_ += 2;
  TreePtr range = ReadRange(node::Range);
  if (ParseFailed()) return nullptr;
  if (At(p_ + 1) != '(') return Fail(p_ + 1);
  ++paren_;
  p_ += 2;
  TreePtr integrand = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  if (!ChainClosedByParenthesis()) return Fail(p_);
  if (At(p_ + 1) != 'd') return Fail(p_ + 1);
  const char variable = At(p_ + 2);
  if (!IsIntegrationLetter(variable)) return Fail(p_ + 2);
  p_ += 2;
  TreePtr panels;
  if (At(p_ + 1) == '[') {
    const int close = Find(']', p_ + 2);
    if (!close) return Fail(p_ + 1);
    panels = ReadWindow(p_ + 2, close - 1);
    if (ParseFailed()) return nullptr;
    p_ = close;
  } else {
    panels = TreePtr(NewNumberNode(mode_, 30));
  }
  return MakeIntegral(std::move(range), std::move(panels), variable, std::move(integrand));
}

TreePtr Reader::MakeIntegral(TreePtr range, TreePtr panels, char variable, TreePtr integrand) {
  if (mode_ == 1) return nullptr;
  const int32_t leafCode =
      node::IntegrationVariableBase + static_cast<int32_t>(std::strchr(IntegrationLetters, variable) - IntegrationLetters) + 1;
  // The integrand's own letter becomes the integration variable; s and r are the letters'
  // variable codes too, not leafCode - 10000.
  ReplaceNodeKind(integrand.get(), node::VariableCode(variable), leafCode);
  Tfrec* left = NewBinaryNode(node::Pair, range.release(), panels.release(), mode_);
  Tfrec* right = NewBinaryNode(node::Pair, NewLeafNode(leafCode, mode_), integrand.release(), mode_);
  return TreePtr(NewBinaryNode(node::Integral, left, right, mode_));
}

TreePtr Reader::ReadRange(int32_t code) {
  if (At(p_) != '[') return Fail(p_);
  const int comma = Find(',', p_ + 1);
  if (!comma) return Fail(p_);
  const int close = Find(']', comma + 1);
  if (!close) return Fail(p_);
  TreePtr lo = ReadWindow(p_ + 1, comma - 1);
  if (ParseFailed()) return nullptr;
  TreePtr hi = ReadWindow(comma + 1, close - 1);
  if (ParseFailed()) return nullptr;
  p_ = close;
  return TreePtr(NewBinaryNode(code, lo.release(), hi.release(), mode_));
}
