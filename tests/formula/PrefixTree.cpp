#include "PrefixTree.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "platform/Runtime.h"

namespace {

const std::map<std::string, int32_t>& Codes() {
  static const std::map<std::string, int32_t> codes = {
      {"^", node::Power},        {"/", node::Quotient},   {"*", node::Product},  {"-", node::Difference},
      {"+", node::Sum},          {"neg", node::Negate},   {"id", node::Identity}, {"sin", node::Sin},
      {"cos", node::Cos},        {"log", node::Log},      {"exp", node::Exp},    {"sqrt", node::Sqrt},
      {"abs", node::Abs},        {"sgn", node::Sgn},      {"gaus", node::Gaus},  {"frac", node::Frac},
      {"rnd", node::Rnd},        {"roundc", node::Roundc}, {"intc", node::Intc}, {"logb", node::LogBase},
      {">", node::Greater},      {"<", node::Less},       {"=", node::Equal},    {">=", node::GreaterEqual},
      {"<=", node::LessEqual},   {"and", node::And},      {"or", node::Or},      {"<>", node::NotEqual},
      {"Max", node::Max},        {"Min", node::Min},      {"C", node::Combinations}, {"P", node::Permutations},
      {"!", node::Factorial},    {"Sum", node::SumForm},  {"multi", node::ProductForm},
  };
  return codes;
}

bool IsUnary(int32_t code) { return code == node::Negate || (code >= node::Identity && code <= node::Intc && code != node::LogBase); }

class PrefixReader {
 public:
  explicit PrefixReader(const std::string& s) : s_(s) {}

  Tfrec* Read() {
    Tfrec* t = Item();
    Skip();
    if (ok_ && pos_ != s_.size()) ok_ = false;
    if (!ok_) {
      ADD_FAILURE() << "malformed prefix tree: " << s_;
      DisposeTree(t);
    }
    return t;
  }

 private:
  void Skip() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  std::string Word() {
    Skip();
    size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != ' ' && s_[pos_] != '(' && s_[pos_] != ')') ++pos_;
    return s_.substr(start, pos_ - start);
  }

  Tfrec* Item() {
    Skip();
    if (pos_ >= s_.size()) return Failed();
    if (s_[pos_] != '(') return Leaf(Word());
    ++pos_;
    const std::string name = Word();
    auto it = Codes().find(name);
    if (it == Codes().end()) return Failed();
    const int32_t code = it->second;
    Tfrec* t;
    if (IsUnary(code)) {
      t = NewUnaryNode(code, Item(), 2);
    } else if (code == node::Factorial) {
      t = NewBinaryNode(code, Item(), nullptr, 2);
    } else {
      Tfrec* left = Item();
      t = NewBinaryNode(code, left, Item(), 2);
    }
    Skip();
    if (pos_ >= s_.size() || s_[pos_] != ')') {
      DisposeTree(t);
      return Failed();
    }
    ++pos_;
    return t;
  }

  Tfrec* Leaf(const std::string& w) {
    if (w.empty()) return Failed();
    if (w == "nil") return nullptr;
    if (w == "pi") return NewPiNode(2);
    if (w == "deg") return NewDegreeNode(2);
    if (w.size() == 1 && std::islower(static_cast<unsigned char>(w[0])) && node::VariableCode(w[0]))
      return NewLeafNode(node::VariableCode(w[0]), 2);
    if (w.size() == 2 && w[0] == 'Q' && std::isdigit(static_cast<unsigned char>(w[1])))
      return NewLeafNode(node::Constant(w[1] - '0'), 2);
    Extended v;
    if (!rtl::TryStrToFloat(w, v)) return Failed();
    return NewNumberNode(2, v);
  }

  Tfrec* Failed() {
    ok_ = false;
    return nullptr;
  }

  const std::string& s_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace

Tfrec* TreeFromPrefix(const std::string& text) { return PrefixReader(text).Read(); }
