#include "formula/TreeText.h"

#include <string_view>
#include <vector>

#include "formula/Normalise.h"
#include "formula/Numeric.h"
#include "formula/Tfuncprop.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "platform/StackRoom.h"

namespace {

constexpr size_t kMaxTextLength = 1 << 20;

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
bool IsVariable(const Tfrec* t) { return t && t->code > node::VariableBase && t->code <= node::VarZ; }
// "(L)and(R)" and "(L)or(R)" have no parentheses of their own around them: as an operand
// they are wrapped, or 0*((x)or(y)) would read as (0*x) or y.
bool IsLogical(const Tfrec* t) { return t && (t->code == node::And || t->code == node::Or); }

char PointLetter(int n) { return n >= 1 && n <= kMaxPoints ? PointNameOrder[n - 1] : '?'; }

// A number is written against a factor that starts with a letter, a parenthesis or a
// symbol (2x, 2(x+1), 30ﾟ); against digits it needs the sign.
bool Juxtaposes(char first) {
  const unsigned char c = static_cast<unsigned char>(first);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '(' || c >= 0x80;
}

// The text ends with the number 0 itself (x^0): "0^" does not read as a number.
bool EndsWithBareZero(std::string_view s) {
  if (s.empty() || s.back() != '0') return false;
  if (s.size() == 1) return true;
  const char before = s[s.size() - 2];
  return !((before >= '0' && before <= '9') || before == '.');
}

// A number text with its decimal point moved into the exponent: 0.001 as 1E-3, -5.5E27 as
// -55E26.
std::string WithoutPoint(const std::string& number) {
  const size_t point = number.find('.');
  if (point == std::string::npos) return number;
  const size_t e = number.find('E');
  const std::string mantissa = number.substr(0, e);
  int exponent = e == std::string::npos ? 0 : std::stoi(number.substr(e + 1));
  exponent -= static_cast<int>(mantissa.size() - point - 1);
  const bool negative = mantissa[0] == '-';
  std::string digits = mantissa.substr(negative ? 1 : 0, point - (negative ? 1 : 0)) + mantissa.substr(point + 1);
  const size_t first = digits.find_first_not_of('0');
  digits = first == std::string::npos ? "0" : digits.substr(first);
  return (negative ? "-" : "") + digits + (exponent != 0 ? "E" + std::to_string(exponent) : "");
}

// The parser takes a parenthesis before "!" only when its text, as the parser reads it
// (P( and C( are markers there, Max( is not), holds none of these characters.
bool ReadsAsFactorialOperand(std::string text) {
  NormaliseExpressionText(text, 1);
  InsertFunctionParentheses(text);
  return text.find_first_of("abcdfxyzt/.P") == std::string::npos;
}

// A product of two comparisons sharing their middle operand prints as one chain (0<x<1).
bool IsChainedComparison(const Tfrec* t) {
  return t->code == node::Product && IsChainRelation(t->left) && IsChainRelation(t->right);
}

// The operators printed between their operands. Their chains down the left operand (long
// sums) are printed by a loop, not by recursion.
bool IsInfix(const Tfrec* t) {
  if (!t || !t->left || !t->right) return false;
  if (t->code >= node::Power && t->code <= node::Sum) return !IsChainedComparison(t);
  return node::IsRelation(t->code);
}

// Appends the text of a tree to one string. Where a choice depends on how an operand's text
// begins or ends, the operand is printed first and then wrapped in place.
class Printer {
 public:
  std::string Run(const Tfrec* tree) {
    Print(tree);
    if (noText_) out_.clear();
    return std::move(out_);
  }

 private:
  // The text of a subtree on its own.
  std::string TextOf(const Tfrec* t, bool& noText) const {
    Printer p;
    p.pointFree_ = pointFree_;
    p.Print(t);
    noText = noText || p.noText_;
    return std::move(p.out_);
  }

  void Wrap(size_t from) {
    out_.insert(from, 1, '(');
    out_ += ')';
  }
  bool StartsWithMinus(size_t from) const { return from < out_.size() && out_[from] == '-'; }

  void Print(const Tfrec* t) {
    if (!t || noText_) return;
    // A tree deeper than the stack can hold has no text.
    if (stackroom::Low()) {
      noText_ = true;
      return;
    }
    if (IsInfix(t))
      PrintChain(t);
    else
      PrintOther(t);
    // Nor one whose text grows beyond any use: nested factorials that print their
    // operand twice double it at every level.
    if (out_.size() > kMaxTextLength) noText_ = true;
  }

  struct Level {
    const Tfrec* t;
    size_t leftStart;
    bool leftWrapped;
  };

  void PrintChain(const Tfrec* top) {
    std::vector<Level> levels;
    const Tfrec* t = top;
    for (; IsInfix(t); t = t->left) {
      const int32_t code = t->code;
      if (node::IsRelation(code)) out_ += '(';
      const bool wrapped = (code == node::Power && InRange(t->left, 2, 6)) ||
                           ((code == node::Quotient || code == node::Product) && InRange(t->left, 4, 5)) ||
                           (code >= node::Power && code <= node::Sum && IsLogical(t->left));
      if (wrapped) out_ += '(';
      levels.push_back({t, out_.size(), wrapped});
    }
    PrintOther(t);
    while (!levels.empty()) {
      const Level level = levels.back();
      levels.pop_back();
      FinishInfix(level);
    }
  }

  // The operator and the right operand of an infix node whose left operand is printed.
  void FinishInfix(const Level& level) {
    const Tfrec* t = level.t;
    const Tfrec* rt = t->right;
    if (level.leftWrapped) out_ += ')';
    size_t rightStart;
    switch (t->code) {
      case node::Power:
        // A negative base reads as the negation of the power, and "0^" is no number.
        if (!level.leftWrapped && (StartsWithMinus(level.leftStart) ||
                                   EndsWithBareZero(std::string_view(out_).substr(level.leftStart))))
          Wrap(level.leftStart);
        out_ += '^';
        rightStart = out_.size();
        Print(rt);
        if (InRange(rt, 1, 6) || IsLogical(rt) || StartsWithMinus(rightStart)) Wrap(rightStart);
        return;
      case node::Quotient:
        out_ += '/';
        rightStart = out_.size();
        Print(rt);
        if (InRange(rt, 2, 6) || IsLogical(rt) || StartsWithMinus(rightStart)) Wrap(rightStart);
        return;
      case node::Product:
        FinishProduct(level);
        return;
      case node::Difference:
        out_ += '-';
        rightStart = out_.size();
        Print(rt);
        if (InRange(rt, 4, 6) || IsLogical(rt) || StartsWithMinus(rightStart)) Wrap(rightStart);
        return;
      case node::Sum: {
        // x-2 and x-3y: the right operand's own sign stands for the operator.
        const bool negative = IsNegativeNumber(rt) || (rt->code == node::Product && IsNegativeNumber(rt->left));
        if (!negative) out_ += '+';
        rightStart = out_.size();
        Print(rt);
        if (IsLogical(rt)) Wrap(rightStart);
        return;
      }
      case node::And:
      case node::Or:
        out_ += t->code == node::And ? ")and(" : ")or(";
        Print(rt);
        out_ += ')';
        return;
      default: {
        std::string sign = "<>";
        RelationSign(t->code, sign);
        out_ += sign;
        rightStart = out_.size();
        Print(rt);
        if (IsLogical(rt)) Wrap(rightStart);
        out_ += ')';
        return;
      }
    }
  }

  void FinishProduct(const Level& level) {
    const Tfrec* t = level.t;
    const Tfrec* lt = t->left;
    const Tfrec* rt = t->right;
    const bool number = IsNumber(lt);
    // A number factor: -1 is written as the sign alone and 1 not at all.
    if (number && (lt->value == -1 || lt->value == 1)) {
      out_.resize(level.leftStart);
      if (lt->value == -1) out_ += '-';
    } else if (!number) {
      // Only a number is written against its factor: xﾟ would not read back.
      out_ += '*';
    }
    const size_t rightStart = out_.size();
    Print(rt);
    if (rt->code == node::Quotient || InRange(rt, 4, 6) || IsLogical(rt) || StartsWithMinus(rightStart))
      Wrap(rightStart);
    if (number && lt->value != -1 && lt->value != 1 && rightStart < out_.size() && !Juxtaposes(out_[rightStart]))
      out_.insert(rightStart, 1, '*');
  }

  void PrintOther(const Tfrec* t) {
    if (!t) return;
    const int32_t code = t->code;
    switch (code) {
      case node::Negate: {
        out_ += '-';
        const size_t from = out_.size();
        Print(t->right);
        if (InRange(t->right, 4, 6) || IsLogical(t->right) || StartsWithMinus(from)) Wrap(from);
        return;
      }
      case node::Identity: return Print(t->right);
      case node::Product: return PrintChainedComparison(t);
      case node::Arg:
      case node::Angle: return PrintAngle(t);
      case node::LogBase: return PrintLogBase(t);
      case node::Combinations:
      case node::Permutations:
      case node::Max:
      case node::Min:
        out_ += code == node::Combinations ? "C(" : code == node::Permutations ? "P(" : code == node::Max ? "Max(" : "Min(";
        Print(t->left);
        out_ += ',';
        Print(t->right);
        out_ += ')';
        return;
      case node::Factorial: return PrintFactorial(t);
      case node::SumForm: return PrintIndexed("Sum(", t);
      case node::ProductForm: return PrintIndexed("multi(", t);
      case node::Integral: return PrintIntegral(t);
      case node::MaxOver: return PrintOver("MaxV([", t);
      case node::MinOver: return PrintOver("MinV([", t);
      case node::Latx: out_ += "latx"; return;
      case node::Laty: out_ += "laty"; return;
      case node::Degree: out_ += sj("ﾟ"); return;
      case node::Pi: out_ += sj("π"); return;
      case node::Number:
        out_ += pointFree_ ? WithoutPoint(rtl::FloatToStr(t->value)) : rtl::FloatToStr(t->value);
        return;
      default: break;
    }
    if (const char* name = FunctionName(code)) {
      out_ += name;
      out_ += '(';
      Print(t->right);
      out_ += ')';
      return;
    }
    if (code > node::PointXBase && code <= node::PointZBase + kMaxPoints) {
      const int axis = (code - node::PointXBase - 1) / 30;
      const int n = code - node::PointXBase - 30 * axis;
      if (n <= kMaxPoints) {
        out_ += PointLetter(n);
        out_ += "xyz"[axis];
      }
      return;
    }
    if (code > node::ConstantBase && code < node::ConstantBase + 1000) {
      out_ += 'Q' + std::to_string(code - node::ConstantBase);
      return;
    }
    if (IsVariable(t)) {
      if (code == node::VarOmega)
        out_ += sj("ω");
      else if (code == node::VarTheta)
        out_ += sj("θ");
      else
        out_ += node::VariableLetters[code - node::VariableBase - 1];
      return;
    }
    if (code > node::IntegrationVariableBase && code <= node::IntegrationVariableBase + 6)
      out_ += node::IntegrationLetters[code - node::IntegrationVariableBase - 1];
  }

  // (a<b)*(b<c) whose middle operands print the same is written (a<b<c); otherwise as any
  // product.
  void PrintChainedComparison(const Tfrec* t) {
    const Tfrec* lt = t->left;
    const Tfrec* rt = t->right;
    const std::string middle = TextOf(lt->right, noText_);
    // A logical operand inside the chain would take the comparisons around it.
    if (!IsLogical(lt->right) && !IsLogical(rt->right) && middle == TextOf(rt->left, noText_)) {
      std::string sign1, sign2;
      RelationSign(lt->code, sign1);
      RelationSign(rt->code, sign2);
      out_ += '(';
      Print(lt->left);
      out_ += sign1 + middle + sign2;
      Print(rt->right);
      out_ += ')';
      return;
    }
    Print(lt);
    out_ += '*';
    Print(rt);
  }

  void PrintFactorial(const Tfrec* t) {
    const Tfrec* operand = t->left;
    // Only a small whole number and the letters i to n take the sign directly: -3! would
    // read as -(3!), 1E300! is no factorial and h! none either.
    const bool letter = IsVariable(operand) &&
                        std::string_view("ijklmn").find(node::VariableLetters[operand->code - node::VariableBase - 1]) !=
                            std::string_view::npos;
    // Its numbers are written without a decimal point, which "(...)!" does not allow.
    Printer inner;
    inner.pointFree_ = true;
    const std::string l = inner.TextOf(operand, noText_);
    if (noText_) return;
    if ((IsNumber(operand) && operand->value >= 0 && IsSmallInteger(operand->value)) || letter)
      out_ += l + "!";
    else if (ReadsAsFactorialOperand(l))
      out_ += "(" + l + ")!";
    else
      // Otherwise the permutations P(n,n), which are n! for every n, say the same (the
      // parser reads a P( form's arguments with their own commas, so these nest).
      out_ += "P(" + l + "," + l + ")";
  }

  // log with base: log2(8); a base the function name cannot hold is written as a quotient.
  void PrintLogBase(const Tfrec* t) {
    const std::string base = TextOf(t->left, noText_);
    if (!base.empty() && base.size() <= 7 && base.find_first_of("(),") == std::string::npos && base[0] != '-') {
      out_ += "log" + base + "(";
      Print(t->right);
      out_ += ')';
      return;
    }
    out_ += "(log(";
    Print(t->right);
    out_ += ")/log(" + base + "))";
  }

  void PrintIndexed(const char* name, const Tfrec* t) {
    const Tfrec* range = t->left;
    if (!range) return;
    const char index = range->code >= node::IndexRangeI && range->code <= node::IndexRangeI + 3
                           ? "ijkl"[range->code - node::IndexRangeI]
                           : 'i';
    out_ += name;
    out_ += index;
    out_ += "=[";
    Print(range->left);
    out_ += ',';
    Print(range->right);
    out_ += "],";
    Print(t->right);
    out_ += ')';
  }

  void PrintIntegral(const Tfrec* t) {
    const Tfrec* ranges = t->left;
    const Tfrec* pair = t->right;
    if (!ranges || !ranges->left || !pair) return;
    out_ += "shymp([";
    Print(ranges->left->left);
    out_ += ',';
    Print(ranges->left->right);
    out_ += ']';
    Print(pair->right);
    out_ += ',';
    Print(ranges->right);
    out_ += ',';
    Print(pair->left);
    out_ += ')';
  }

  void PrintOver(const char* name, const Tfrec* t) {
    const Tfrec* range = t->left;
    if (!range) return;
    out_ += name;
    Print(range->left);
    out_ += ',';
    Print(range->right);
    out_ += ']';
    Print(t->right);
    out_ += ')';
  }

  // The letters of an angle form, rebuilt from the point numbers of its pair node.
  void PrintAngle(const Tfrec* t) {
    out_ += t->code == node::Arg ? "arg(" : "angle(";
    const Tfrec* pair = t->right;
    if (pair && pair->left && pair->right) {
      const int a1 = static_cast<int>(pair->left->value), a2 = static_cast<int>(pair->left->prevValue);
      const int b1 = static_cast<int>(pair->right->value), b2 = static_cast<int>(pair->right->prevValue);
      const int figure = static_cast<int>(pair->value);
      if (b1 == 0 && b2 == -1) {
        // A: (0, A); AB: (A, B); each against the x axis.
        if (a1 != 0) out_ += PointLetter(a1);
        out_ += PointLetter(a2);
      } else if (a1 == b1) {
        // ABC: the vertex B first in both vectors, (B, C) and (B, A).
        out_ += {PointLetter(b2), PointLetter(a1), PointLetter(a2)};
        if (figure > 0) out_ += "/s" + std::to_string(figure);
      } else {
        // AB,CD: (C, D) and (A, B).
        out_ += {PointLetter(b1), PointLetter(b2), ',', PointLetter(a1), PointLetter(a2)};
      }
    }
    out_ += ')';
  }

  std::string out_;
  bool noText_ = false;
  bool pointFree_ = false;
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

void ExpressionTreeToText(const Tfrec* tree, std::string& text) { text = Printer().Run(tree); }

std::string ExpressionTreeToText(const Tfrec* tree) { return Printer().Run(tree); }
