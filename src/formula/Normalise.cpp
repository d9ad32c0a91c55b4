#include "formula/Normalise.h"

#include <array>
#include <cstring>

#include "platform/Sjis.h"

namespace {

struct Rewrite {
  std::string pattern;
  std::string replacement;
};

bool IsLead(const std::string& text, int pos) {
  return sjis::IsLeadByte(static_cast<unsigned char>(text[pos - 1])) && pos < static_cast<int>(text.size());
}

bool StartsAt(const std::string& text, int pos, std::string_view s) {
  if (pos < 1 || text.size() < pos - 1 + s.size()) return false;
  for (size_t k = 0; k < s.size(); ++k)
    if (text[pos - 1 + k] != s[k]) return false;
  return true;
}

// Tried in this order at every position: two-character relations before the
// one-character relations that begin them.
const std::array<Rewrite, 28>& TokenRewrites() {
  static const std::array<Rewrite, 28> table = {{
      {sj("√"), "sqrt"},     {sj("∩"), "*"},        {sj("π"), "?1"},  {"pi", "?1"},
      {"C(", "?2("},         {"P(", "?3("},         {"(d/dx)", "?4"}, {"Ma", "?5"},
      {"Mi", "?6"},          {"Sum", "?7\\"},       {"shymp", "?8\\\\\\"},
      {"multi", "?9\\\\\\"}, {sj("∫"), "?a"},       {">=", "@4"},     {"=>", "@4"},
      {"<=", "@5"},          {"=<", "@5"},          {"<>", "@8"},     {">", "@1"},
      {"<", "@2"},           {"=", "@3"},           {"and", "@6"},    {"or", "@7"},
      {sj("∪"), "@7"},       {"sita", "r"},         {"omega", "o"},   {sj("θ"), "r"},
      {sj("ω"), "o"},
  }};
  return table;
}

// Where the parenthesis inserted after a function name closes: before the first stop
// character outside nested parentheses, before an unmatched ")", or at the end (1-based
// position of the insertion point).
int ClosingPosition(const std::string& text, int from, bool isSqrt) {
  const int n = static_cast<int>(text.size());
  int depth = 0;
  for (int i = from; i <= n; ++i) {
    const char c = text[i - 1];
    if (IsLead(text, i)) {
      ++i;
      continue;
    }
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) return i;
      --depth;
    } else if (depth == 0) {
      if (std::strchr("^/*-+@,", c)) return i;
      if (isSqrt && (c == '=' || c == '>' || StartsAt(text, i, "sqrt"))) return i;
    }
  }
  return n + 1;
}

// Inserts "(" after the name ending before `after` and the matching ")" (1-based).
void Parenthesise(std::string& text, int after, bool isSqrt) {
  text.insert(after - 1, 1, '(');
  const int close = ClosingPosition(text, after + 1, isSqrt);
  text.insert(close - 1, 1, ')');
}

}  // namespace

bool ReplaceTokenAt(std::string_view pattern, std::string_view replacement, std::string& text, int& pos) {
  if (!StartsAt(text, pos, pattern)) return false;
  text.replace(pos - 1, pattern.size(), replacement);
  pos += static_cast<int>(replacement.size()) - 1;
  return true;
}

void NormaliseExpressionText(std::string& text, int start) {
  const auto& rewrites = TokenRewrites();
  static const auto beginsPattern = [&] {
    std::array<bool, 256> b{};
    for (const Rewrite& r : rewrites) b[static_cast<unsigned char>(r.pattern[0])] = true;
    return b;
  }();
  for (int pos = start < 1 ? 1 : start; pos <= static_cast<int>(text.size()); ++pos) {
    if (!beginsPattern[static_cast<unsigned char>(text[pos - 1])]) {
      if (IsLead(text, pos)) ++pos;
      continue;
    }
    bool replaced = false;
    for (const Rewrite& r : rewrites)
      if (text[pos - 1] == r.pattern[0] && ReplaceTokenAt(r.pattern, r.replacement, text, pos))
        replaced = true;
    // A double-byte character that is no symbol is stepped over whole, so that its trail
    // byte is never taken for a letter.
    if (!replaced && IsLead(text, pos)) ++pos;
  }
}

void InsertFunctionParentheses(std::string& text) {
  for (int pos = 1; pos <= static_cast<int>(text.size()); ++pos) {
    if (IsLead(text, pos)) {
      ++pos;
      continue;
    }
    const char c = text[pos - 1];
    if (c != 'c' && c != 's' && c != 't') continue;
    int nameLength = 0;
    if (StartsAt(text, pos, "cosec"))
      nameLength = 5;
    else if (StartsAt(text, pos, "sin") || StartsAt(text, pos, "cos") || StartsAt(text, pos, "tan"))
      nameLength = 3;
    if (nameLength > 0) {
      const int after = pos + nameLength;
      const char next = after <= static_cast<int>(text.size()) ? text[after - 1] : '\0';
      if (next != 'h' && next != '(') Parenthesise(text, after, false);
      pos = after - 1;
    } else if (StartsAt(text, pos, "sqrt")) {
      const int after = pos + 4;
      const char next = after <= static_cast<int>(text.size()) ? text[after - 1] : '\0';
      if (next != '(') Parenthesise(text, after, true);
      pos = after - 1;
    }
  }
}

void ReplaceSpelledSymbol(std::string& text, int& caret) {
  static const std::array<Rewrite, 5> rewrites = {{
      {"pi", sj("π")}, {"sita", sj("θ")}, {"siita", sj("θ")}, {"omega", sj("ω")}, {"do", sj("ﾟ")},
  }};
  for (int pos = 1; pos <= static_cast<int>(text.size()); ++pos) {
    if (IsLead(text, pos)) {
      ++pos;
      continue;
    }
    const int before = pos;
    for (const Rewrite& r : rewrites) ReplaceTokenAt(r.pattern, r.replacement, text, pos);
    if (pos > before) {
      caret = pos;
      return;
    }
  }
}

int MinNonZero(int a, int b) {
  if (a == 0) return b;
  if (b == 0) return a;
  return a < b ? a : b;
}
