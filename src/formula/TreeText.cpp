#include "formula/TreeText.h"

#include <string_view>

#include "formula/Tfuncprop.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace {

// Names of the one-argument functions by code 8..34, then 41 and 42.
const char* FunctionName(int32_t code) {
  static const char* const names[] = {"sin",    "cos",    "tan",    "sec",   "cosec", "cotan", "arctn",
                                      "log",    "exp",    "sqrt",   "abs",   "sgn",   "gaus",  "sinh",
                                      "cosh",   "arcsin", "arccos", "tanh",  "arsinh", "arcosh", "artanh",
                                      "arg",    "angle",  "round",  "int",   "frac",  "rnd"};
  if (code >= node::Sin && code <= node::Rnd) return names[code - node::Sin];
  if (code == node::Roundc) return "roundc";
  if (code == node::Intc) return "intc";
  return nullptr;
}

bool IsNumber(const Tfrec* t) { return t && t->code == node::Number; }
bool IsNegativeNumber(const Tfrec* t) { return IsNumber(t) && t->value < 0; }
bool IsChainRelation(const Tfrec* t) { return t && t->code >= node::LessEqual && t->code <= node::Greater; }
bool InRange(const Tfrec* t, int32_t lo, int32_t hi) { return t && t->code >= lo && t->code <= hi; }

std::string Wrap(const std::string& s) { return "(" + s + ")"; }
bool StartsWithMinus(const std::string& s) { return !s.empty() && s[0] == '-'; }

// The text ends with the number 0 itself (x^0): "0^" does not read as a number.
bool EndsWithBareZero(const std::string& s) {
  if (s.empty() || s.back() != '0') return false;
  if (s.size() == 1) return true;
  const char before = s[s.size() - 2];
  return !((before >= '0' && before <= '9') || before == '.');
}

char PointLetter(int n) { return n >= 1 && n <= kMaxPoints ? PointNameOrder[n - 1] : '?'; }

class Printer {
 public:
  std::string Text(const Tfrec* t) {
    if (!t) return "";
    const int32_t code = t->code;
    if (node::IsRelation(code)) return RelationText(t);
    switch (code) {
      case node::Power: return PowerText(t);
      case node::Quotient: return QuotientText(t);
      case node::Product: return ProductText(t);
      case node::Difference: return DifferenceText(t);
      case node::Sum: return SumText(t);
      case node::Negate: {
        const std::string r = Text(t->right);
        return InRange(t->right, 4, 6) || StartsWithMinus(r) ? "-" + Wrap(r) : "-" + r;
      }
      case node::Identity: return Text(t->right);
      case node::Arg:
      case node::Angle: return AngleText(t);
      case node::LogBase: return LogBaseText(t);
      case node::Combinations: return "C(" + Text(t->left) + "," + Text(t->right) + ")";
      case node::Permutations: return "P(" + Text(t->left) + "," + Text(t->right) + ")";
      case node::Factorial: return FactorialText(t);
      case node::SumForm: return IndexedText("Sum(", t);
      case node::ProductForm: return IndexedText("multi(", t);
      case node::Integral: return IntegralText(t);
      case node::MaxOver: return OverText("MaxV([", t);
      case node::MinOver: return OverText("MinV([", t);
      case node::Max: return "Max(" + Text(t->left) + "," + Text(t->right) + ")";
      case node::Min: return "Min(" + Text(t->left) + "," + Text(t->right) + ")";
      case node::Latx: return "latx";
      case node::Laty: return "laty";
      case node::Degree: return degree_;
      case node::Pi: return pi_;
      case node::Number: return rtl::FloatToStr(t->value);
      default: break;
    }
    if (const char* name = FunctionName(code)) return std::string(name) + "(" + Text(t->right) + ")";
    if (code > node::PointXBase && code <= node::PointZBase + kMaxPoints) {
      const int axis = (code - node::PointXBase - 1) / 30;
      const int n = code - node::PointXBase - 30 * axis;
      if (n <= kMaxPoints) return std::string(1, PointLetter(n)) + "xyz"[axis];
      return "";
    }
    if (code > node::ConstantBase && code < node::ConstantBase + 1000) return "Q" + std::to_string(code - node::ConstantBase);
    if (code > node::VariableBase && code <= node::VarZ) {
      if (code == node::VarOmega) return omega_;
      if (code == node::VarTheta) return theta_;
      return std::string(1, node::VariableLetters[code - node::VariableBase - 1]);
    }
    if (code > node::IntegrationVariableBase && code <= node::IntegrationVariableBase + 6)
      return std::string(1, node::IntegrationLetters[code - node::IntegrationVariableBase - 1]);
    return "";
  }

 private:
  std::string RelationText(const Tfrec* t) {
    const std::string l = Text(t->left), r = Text(t->right);
    if (t->code == node::And) return Wrap(l) + "and" + Wrap(r);
    if (t->code == node::Or) return Wrap(l) + "or" + Wrap(r);
    std::string sign = "<>";
    RelationSign(t->code, sign);
    return Wrap(l + sign + r);
  }

  std::string PowerText(const Tfrec* t) {
    std::string l = Text(t->left), r = Text(t->right);
    // A negative base reads as the negation of the power, and "0^" is no number.
    if (InRange(t->left, 2, 6) || StartsWithMinus(l) || EndsWithBareZero(l)) l = Wrap(l);
    if (InRange(t->right, 1, 6) || StartsWithMinus(r)) r = Wrap(r);
    return l + "^" + r;
  }

  std::string QuotientText(const Tfrec* t) {
    std::string l = Text(t->left), r = Text(t->right);
    if (InRange(t->left, 4, 5)) l = Wrap(l);
    if (InRange(t->right, 2, 6) || StartsWithMinus(r)) r = Wrap(r);
    return l + "/" + r;
  }

  std::string ProductText(const Tfrec* t) {
    const Tfrec* lt = t->left;
    const Tfrec* rt = t->right;
    // Chained comparisons sharing their middle operand: (0<x<1).
    if (IsChainRelation(lt) && IsChainRelation(rt)) {
      const std::string middle = Text(lt->right);
      if (middle == Text(rt->left)) {
        std::string sign1, sign2;
        RelationSign(lt->code, sign1);
        RelationSign(rt->code, sign2);
        return "(" + Text(lt->left) + sign1 + middle + sign2 + Text(rt->right) + ")";
      }
    }
    std::string l = Text(lt), r = Text(rt);
    if (InRange(lt, 4, 5)) l = Wrap(l);
    if (rt && (rt->code == 2 || InRange(rt, 4, 6) || StartsWithMinus(r))) r = Wrap(r);
    // Only a number is written against its factor: xﾟ would not read back.
    if (!IsNumber(lt)) return l + "*" + r;
    if (lt->value == -1) return "-" + r;
    if (lt->value == 1) return r;
    // A number is written against a factor that starts with a letter, a parenthesis or a
    // symbol (2x, 2(x+1), 30ﾟ); against digits it needs the sign.
    return Juxtaposes(r) ? l + r : l + "*" + r;
  }

  static bool Juxtaposes(const std::string& r) {
    if (r.empty()) return false;
    const unsigned char c = static_cast<unsigned char>(r[0]);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '(' || c >= 0x80;
  }

  std::string DifferenceText(const Tfrec* t) {
    const std::string l = Text(t->left);
    std::string r = Text(t->right);
    if (InRange(t->right, 4, 6) || StartsWithMinus(r)) r = Wrap(r);
    return l + "-" + r;
  }

  std::string SumText(const Tfrec* t) {
    const std::string l = Text(t->left), r = Text(t->right);
    const Tfrec* rt = t->right;
    const bool negative = IsNegativeNumber(rt) || (rt && rt->code == node::Product && IsNegativeNumber(rt->left));
    return negative && StartsWithMinus(r) ? l + r : l + "+" + r;
  }

  std::string FactorialText(const Tfrec* t) {
    const Tfrec* operand = t->left;
    const std::string l = Text(operand);
    // Only a plain number and the letters i to n take the sign directly: -3! would read
    // as -(3!), and h! is no factorial.
    const bool letter = operand && operand->code > node::VariableBase && operand->code <= node::VarZ &&
                        std::string_view("ijklmn").find(node::VariableLetters[operand->code - node::VariableBase - 1]) !=
                            std::string_view::npos;
    const bool plain = (IsNumber(operand) && operand->value >= 0) || letter;
    if (plain) return l + "!";
    // The parser takes a parenthesis before "!" only without these characters; otherwise
    // the permutations P(n,n), which are n! for every n, say the same.
    if (l.find_first_of("abcdfxyzt/.P") == std::string::npos) return Wrap(l) + "!";
    return "P(" + l + "," + l + ")";
  }

  // log with base: log2(8); a base the function name cannot hold is written as a quotient.
  std::string LogBaseText(const Tfrec* t) {
    const std::string base = Text(t->left), argument = Text(t->right);
    if (!base.empty() && base.size() <= 7 && base.find_first_of("(),") == std::string::npos &&
        !StartsWithMinus(base))
      return "log" + base + Wrap(argument);
    return "(log" + Wrap(argument) + "/log" + Wrap(base) + ")";
  }

  std::string IndexedText(const char* name, const Tfrec* t) {
    const Tfrec* range = t->left;
    if (!range) return "";
    const char index = range->code >= node::IndexRangeI && range->code <= node::IndexRangeI + 3
                           ? "ijkl"[range->code - node::IndexRangeI]
                           : 'i';
    return std::string(name) + index + "=[" + Text(range->left) + "," + Text(range->right) + "]," +
           Text(t->right) + ")";
  }

  std::string IntegralText(const Tfrec* t) {
    const Tfrec* ranges = t->left;
    const Tfrec* pair = t->right;
    if (!ranges || !ranges->left || !pair) return "";
    return "shymp([" + Text(ranges->left->left) + "," + Text(ranges->left->right) + "]" + Text(pair->right) + "," +
           Text(ranges->right) + "," + Text(pair->left) + ")";
  }

  std::string OverText(const char* name, const Tfrec* t) {
    const Tfrec* range = t->left;
    if (!range) return "";
    return std::string(name) + Text(range->left) + "," + Text(range->right) + "]" + Text(t->right) + ")";
  }

  // The letters of an angle form, rebuilt from the point numbers of its pair node.
  std::string AngleText(const Tfrec* t) {
    const std::string name = t->code == node::Arg ? "arg(" : "angle(";
    const Tfrec* pair = t->right;
    if (!pair || !pair->left || !pair->right) return name + ")";
    const int a1 = static_cast<int>(pair->left->value), a2 = static_cast<int>(pair->left->prevValue);
    const int b1 = static_cast<int>(pair->right->value), b2 = static_cast<int>(pair->right->prevValue);
    const int figure = static_cast<int>(pair->value);
    std::string letters;
    if (b1 == 0 && b2 == -1) {
      // A: (0, A); AB: (A, B); each against the x axis.
      letters = a1 == 0 ? std::string(1, PointLetter(a2)) : std::string{PointLetter(a1), PointLetter(a2)};
    } else if (a1 == b1) {
      // ABC: the vertex B first in both vectors, (B, C) and (B, A).
      letters = {PointLetter(b2), PointLetter(a1), PointLetter(a2)};
      if (figure > 0) letters += "/s" + std::to_string(figure);
    } else {
      // AB,CD: (C, D) and (A, B).
      letters = {PointLetter(b1), PointLetter(b2), ',', PointLetter(a1), PointLetter(a2)};
    }
    return name + letters + ")";
  }

  const std::string& pi_ = sj("π");
  const std::string& theta_ = sj("θ");
  const std::string& omega_ = sj("ω");
  const std::string& degree_ = sj("ﾟ");
};

}  // namespace

void RelationSign(int32_t code, std::string& text) {
  switch (code) {
    case node::Greater: text = ">"; break;
    case node::Less: text = "<"; break;
    case node::Equal: text = "="; break;
    case node::GreaterEqual: text = ">="; break;
    case node::LessEqual: text = "<="; break;
    default: break;
  }
}

void ExpressionTreeToText(const Tfrec* tree, std::string& text) { text = Printer().Text(tree); }

std::string ExpressionTreeToText(const Tfrec* tree) { return Printer().Text(tree); }
