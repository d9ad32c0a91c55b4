// The precedence loop, operators and the plain operands: parentheses, numbers, variables
// and functions.
#include "formula/ParserReader.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/Numeric.h"
#include "platform/Runtime.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// Function names in table order with their codes.
int32_t FunctionCode(std::string_view name) {
  static constexpr struct {
    const char* name;
    int32_t code;
  } table[] = {
      {"sin", node::Sin},       {"cos", node::Cos},       {"tan", node::Tan},
      {"sec", node::Sec},       {"cosec", node::Cosec},   {"cotan", node::Cotan},
      {"arctn", node::Arctn},   {"log", node::Log},       {"exp", node::Exp},
      {"sqrt", node::Sqrt},     {"abs", node::Abs},       {"sgn", node::Sgn},
      {"gaus", node::Gaus},     {"sinh", node::Sinh},     {"cosh", node::Cosh},
      {"arcsin", node::Arcsin}, {"arccos", node::Arccos}, {"tanh", node::Tanh},
      {"arsinh", node::Arsinh}, {"arcosh", node::Arcosh}, {"artanh", node::Artanh},
      {"arg", node::Arg},       {"angle", node::Angle},   {"round", node::Round},
      {"int", node::Int},       {"frac", node::Frac},     {"rnd", node::Rnd},
      {"roundc", node::Roundc}, {"intc", node::Intc},
  };
  for (const auto& f : table)
    if (name == f.name) return f.code;
  return 0;
}

class NestingGuard {
 public:
  NestingGuard() { ++Session().nesting; }
  ~NestingGuard() { --Session().nesting; }
};

}  // namespace

int CharClass(char c) {
  static const auto table = [] {
    std::array<uint8_t, 256> t{};
    static constexpr char order[] =
        "^/*-+@)(abcdefghijklmnpqorstuvwxyz?1234567890.ABCDELMNRTGHJKSUVWPYFQOIZX\xDF,";
    for (int i = 0; order[i]; ++i) t[static_cast<unsigned char>(order[i])] = static_cast<uint8_t>(i + 1);
    return t;
  }();
  return table[static_cast<unsigned char>(c)];
}

Reader::Reader(const std::string& s, int first, int last, int parseMode, FormPositions& forms)
    : s_(s), first_(first), last_(last), parseMode_(parseMode), mode_(parseMode == 1 ? 1 : 2),
      forms_(forms), p_(first) {}

bool Reader::StartsAt(int i, const char* word) const {
  for (int k = 0; word[k]; ++k)
    if (At(i + k) != word[k]) return false;
  return true;
}

int Reader::Find(char c, int from) const {
  int depth = 0;
  for (int i = from < first_ ? first_ : from; i <= last_; ++i) {
    const char here = s_[i - 1];
    if (depth == 0 && here == c) return i;
    if (here == '(' || here == '[') {
      ++depth;
    } else if (here == ')' || here == ']') {
      if (depth == 0) return 0;
      --depth;
    }
  }
  return 0;
}

TreePtr Reader::ReadWhole() {
  TreePtr tree = ParseOperatorChain(8);
  if (ParseFailed()) return nullptr;
  // At the top level only a comma ends the chain early: the text after it is not read.
  if (p_ < last_) return Fail(p_ + 1);
  if (paren_ != 0) return Fail(p_);
  return tree;
}

TreePtr Reader::ParseOperatorChain(int level) {
  if (ParseFailed()) return nullptr;
  if (p_ > last_) return Fail(p_);  // an operand is required here
  if (Session().nesting >= MaxParseNesting) return Fail(p_);
  NestingGuard guard;
  TreePtr left = ReadOperand();
  bool consumed = false;
  while (!ParseFailed() && p_ < last_) {
    int d;
    const Next next = ChainEnds(level);
    if (next == Next::End) {
      consumed = level == 7;
      break;
    }
    if (next == Next::Bad) return Fail(p_ + 1);
    if (next == Next::Operator) {
      d = ReadOperator();
      if (ParseFailed()) return nullptr;
    } else {
      d = node::Product;
      ++p_;
    }
    TreePtr right = ParseOperatorChain(d < 0 ? 6 : d);
    if (ParseFailed()) return nullptr;
    left = TreePtr(NewBinaryNode(d, left.release(), right.release(), mode_));
  }
  if (ParseFailed()) return nullptr;
  chainConsumedEnd_ = consumed;
  return left;
}

Reader::Next Reader::ChainEnds(int level) {
  const char c = At(p_ + 1);
  const int k = CharClass(c);
  if (k == ClassComma) {
    if (level == 7) ++p_;
    return Next::End;
  }
  if (k >= 1 && k <= ClassClose) {
    if (k < level) return Next::Operator;
    if (level == 7) {
      ++p_;
      --paren_;
    }
    return Next::End;
  }
  if ((k >= ClassOpen && k <= ClassQuestion) || c == 'H' || c == 'K' || c == 'S' || c == 'U')
    return Next::Implicit;
  return Next::Bad;
}

int Reader::ReadOperator() {
  const int k = ClassAt(p_ + 1);
  if (k == 0) return Fail(p_ + 1), 0;
  int code = k;
  if (k == ClassRelation) {
    ++p_;
    const char digit = At(p_ + 1);
    if (digit < '1' || digit > '8') return Fail(p_ + 1), 0;
    code = -(digit - '0');
  }
  if (k == ClassClose) --paren_;
  if (p_ + 2 > last_) return Fail(p_ + 1), 0;
  const int k2 = ClassAt(p_ + 2);
  if (k2 == 0) return Fail(p_ + 2), 0;
  // No operator may follow "^", "/" or "*": x*-2 must be written x*(-2).
  if (k <= 3 && k2 <= ClassClose) return Fail(p_ + 2), 0;
  // A closing parenthesis that closes nothing at this level.
  if (k == ClassClose) return Fail(p_ + 2), 0;
  p_ += 2;
  return code;
}

TreePtr Reader::ReadOperand() {
  const int start = p_;
  const char c = At(p_);
  if (c == '-') {
    ++p_;
    TreePtr operand = ParseOperatorChain(4);
    if (ParseFailed()) return nullptr;
    return TreePtr(NewUnaryNode(node::Negate, operand.release(), mode_));
  }
  if (c == '+') {
    ++p_;
    return ParseOperatorChain(5);
  }
  if (c == '(') return ReadParenthesis();
  if (IsDigit(c) || c == '.') return ReadNumberOperand();
  if (IsLower(c)) return ReadWord();
  if (c == '?') return ReadSpecialForm();
  if ((c == 'F' || c == 'Q') && At(p_ + 1) >= '1' && At(p_ + 1) <= '9')
    return c == 'F' ? ReadDefinedFunction() : ReadDefinedConstant();
  if (IsCapital(c)) return ReadPointReference();
  if (c == DegreeChar) return TreePtr(NewDegreeNode(mode_));
  return Fail(start);
}

TreePtr Reader::ReadParenthesis() {
  const int open = p_;
  ++paren_;
  ++p_;
  TreePtr inner = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  if (At(p_ + 1) != '!') return inner;
  // A factorial of a parenthesis: only of texts that cannot be fractional.
  if (At(p_) != ')') return Fail(p_ + 1);
  for (int i = open + 1; i < p_; ++i)
    if (std::strchr("abcdfxyzt/.P", At(i))) return Fail(open);
  ++p_;
  return TreePtr(NewBinaryNode(node::Factorial, inner.release(), nullptr, mode_));
}

bool Reader::ReadNumber(Extended& value) {
  const int start = p_;
  if (At(p_) == '0') {
    const char next = At(p_ + 1);
    if (next == '^') return Fail(start), false;
    // "05", "0x", "0(" are 0 followed by an implicit product.
    if (IsDigit(next) || IsLower(next) || next == '(') {
      value = 0;
      return true;
    }
  }
  int i = p_;
  int dots = 0;
  for (; IsDigit(At(i)) || At(i) == '.'; ++i)
    if (At(i) == '.' && ++dots > 1) return Fail(i), false;
  if (At(i) == 'E') {
    int j = At(i + 1) == '-' ? i + 2 : i + 1;
    if (At(j) >= '1' && At(j) <= '9') {
      for (i = j; IsDigit(At(i));) ++i;
    }
  }
  const int end = i - 1;
  if (end == last_ && At(end) == '.') return Fail(end), false;
  const std::string_view run(s_.data() + start - 1, end - start + 1);
  if (!rtl::TryStrToFloat(run, value) || !std::isfinite(value)) return Fail(start), false;
  p_ = end;
  return true;
}

TreePtr Reader::ReadNumberOperand() {
  const int start = p_;
  Extended v = 0;
  if (!ReadNumber(v)) return nullptr;
  TreePtr number(NewNumberNode(mode_, v));
  const char next = At(p_ + 1);
  if (next == ',') return number;
  // A digit can follow only the "0" of "05", which is 0 times 5.
  if (IsLower(next) || IsCapital(next) || next == '(' || next == '?' || next == DegreeChar || IsDigit(next)) {
    ++p_;
    TreePtr right = ParseOperatorChain(3);
    if (ParseFailed()) return nullptr;
    return TreePtr(NewBinaryNode(node::Product, number.release(), right.release(), mode_));
  }
  if (next == '!') {
    if (!IsSmallInteger(v)) return Fail(start);
    ++p_;
    return TreePtr(NewBinaryNode(node::Factorial, number.release(), nullptr, mode_));
  }
  return number;
}

bool Reader::ImplicitAfterVariable(int i) const {
  const char c = At(i);
  const int k = CharClass(c);
  return (k >= ClassOpen && k <= ClassQuestion) || c == 'H' || c == 'K' || c == 'S' || c == 'U';
}

TreePtr Reader::WithImplicitProduct(TreePtr left) {
  if (!ImplicitAfterVariable(p_ + 1)) return left;
  ++p_;
  TreePtr right = ParseOperatorChain(3);
  if (ParseFailed()) return nullptr;
  return TreePtr(NewBinaryNode(node::Product, left.release(), right.release(), mode_));
}

TreePtr Reader::VariableNode(int32_t code) {
  if (code != node::VarE) RecordParameterUse(code);
  return TreePtr(NewLeafNode(code, mode_));
}

TreePtr Reader::ReadWord() {
  const int start = p_;
  const char letter = At(p_);
  const bool plane = doc.Dimension != 3;
  if (plane && letter == 'l' && (StartsAt(p_ + 1, "atx") || StartsAt(p_ + 1, "aty"))) {
    const int32_t code = At(p_ + 3) == 'x' ? node::Latx : node::Laty;
    p_ += 3;
    return TreePtr(NewLeafNode(code, mode_));
  }
  if (plane && letter == 'y' && At(p_ + 1) >= '1' && At(p_ + 1) <= '9') return ReadExplicitReference();

  const int32_t variable = node::VariableCode(letter);
  const char next = At(p_ + 1);
  const int k = CharClass(next);
  if (next == '!') {
    if (!std::strchr("ijklmn", letter)) return Fail(start);
    TreePtr operand = VariableNode(variable);
    ++p_;
    return TreePtr(NewBinaryNode(node::Factorial, operand.release(), nullptr, mode_));
  }
  if (next != '\0' && next != ',' && !(k >= 1 && k <= ClassClose)) {
    // A function name runs up to the first "(" within the next 10 characters.
    const int limit = p_ + 10 < last_ ? p_ + 10 : last_;
    for (int open = p_ + 1; open <= limit; ++open) {
      if (At(open) != '(') continue;
      const std::string_view name(s_.data() + p_ - 1, open - p_);
      const int32_t code = FunctionCode(name);
      if (code == node::Arg || code == node::Angle) return ReadAngleForm(code, open);
      if (code) return ReadFunction(code, open + 1);
      if (name.size() > 3 && name.substr(0, 3) == "log") return ReadLogBase(p_ + 3, open - 1, open + 1);
      break;
    }
  }
  return WithImplicitProduct(VariableNode(variable));
}

TreePtr Reader::ReadFunction(int32_t code, int argumentStart) {
  ++paren_;
  p_ = argumentStart;
  TreePtr argument = ParseOperatorChain(7);
  if (ParseFailed()) return nullptr;
  if (p_ >= last_ && At(last_) != ')') return Fail(p_);
  return TreePtr(NewUnaryNode(code, argument.release(), mode_));
}

TreePtr Reader::ReadLogBase(int baseFirst, int baseLast, int argumentStart) {
  TreePtr base = ReadWindow(baseFirst, baseLast);
  if (ParseFailed()) return nullptr;
  TreePtr log = ReadFunction(node::LogBase, argumentStart);
  if (ParseFailed()) return nullptr;
  if (log) log->left = base.release();
  return log;
}

TreePtr Reader::ReadWindow(int from, int to) {
  if (from > to) return Fail(from);  // an empty sub-text
  Reader sub(s_, from, to, parseMode_, forms_);
  return sub.ReadWhole();
}
