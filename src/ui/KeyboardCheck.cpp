#include "ui/KeyboardCheck.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Normalise.h"
#include "formula/Parser.h"
#include "formula/TreeKernel.h"
#include "platform/Sjis.h"

namespace {

bool UsesAny(const Tfrec* tree, std::initializer_list<char> letters) {
  for (char c : letters)
    if (TreeContainsCode(tree, node::VariableCode(c))) return true;
  return false;
}

bool UsesForbiddenVariable(const Tfrec* tree, std::uint8_t kind) {
  switch (kind) {
    case 0:
    case 13: return UsesAny(tree, {'y', 't', 'z'});
    case 1:
    case 2: return UsesAny(tree, {'t', 'z'});
    case 3:
    case 12: return UsesAny(tree, {'x', 'y', 'z'});
    case 5:
    case 10: return UsesAny(tree, {'x', 'y'});
    case 7:
    case 8:
      if (TreeContainsCode(tree, node::Pi)) return true;
      for (int32_t code = node::VarA; code <= node::VarZ; ++code)
        if (TreeContainsCode(tree, code)) return true;
      return false;
    case 11: return UsesAny(tree, {'x'});
    default: return false;
  }
}

// The characters of a CP932 text: byte offset of each start, and the end.
std::vector<int> CharStarts(std::string_view s) {
  std::vector<int> starts;
  for (int i = 0; i < static_cast<int>(s.size());) {
    starts.push_back(i);
    i += sjis::IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < static_cast<int>(s.size()) ? 2 : 1;
  }
  starts.push_back(static_cast<int>(s.size()));
  return starts;
}

std::string_view CharAt(std::string_view s, const std::vector<int>& starts, int k) {
  return s.substr(static_cast<size_t>(starts[k]), static_cast<size_t>(starts[k + 1] - starts[k]));
}

}  // namespace

bool KeyboardTextAccepted(const std::string& cp932, std::uint8_t kind) {
  ParseExpression(cp932, 1);
  if (!eng.ParseOK) return false;
  const TreePtr tree = ParseExpression(cp932, 2);
  return eng.ParseOK && !UsesForbiddenVariable(tree.get(), kind);
}

int ErrorCaretInTypedText(const std::string& typed, int parseErrorPos) {
  std::string normalised = typed;
  NormaliseExpressionText(normalised, 1);
  InsertFunctionParentheses(normalised);
  const std::vector<int> us = CharStarts(typed), ns = CharStarts(normalised);
  const int n = static_cast<int>(us.size()) - 1, m = static_cast<int>(ns.size()) - 1;
  const int size = static_cast<int>(typed.size());
  // The character of the normalised text at which reading failed (m: past its end).
  const int failing = std::clamp(sjis::CharIndexOfByte(normalised, parseErrorPos - 1), 0, m);
  if (failing == m) return size;
  if (static_cast<long>(n + 1) * (m + 1) > 4'000'000) return std::clamp(parseErrorPos, 0, size);

  // The rewrite replaces words and signs and inserts parentheses, so the characters both
  // texts keep are a longest common subsequence of them. Of equal choices the later
  // normalised character is paired, as a replacement stands in front of the text it keeps
  // ("√s" is "sqrt(s)": the "s" is the one in the parentheses).
  std::vector<int> lcs(static_cast<size_t>(n + 1) * (m + 1), 0);
  auto at = [&](int i, int j) { return lcs[static_cast<size_t>(i) * (m + 1) + j]; };
  for (int i = n - 1; i >= 0; --i)
    for (int j = m - 1; j >= 0; --j)
      lcs[static_cast<size_t>(i) * (m + 1) + j] = CharAt(typed, us, i) == CharAt(normalised, ns, j)
                                                      ? at(i + 1, j + 1) + 1
                                                      : std::max(at(i + 1, j), at(i, j + 1));
  for (int i = 0, j = 0; i < n && j < m;) {
    if (at(i, j + 1) == at(i, j)) {
      ++j;
    } else if (CharAt(typed, us, i) == CharAt(normalised, ns, j)) {
      // A kept character: the failing one puts the caret behind its typed twin; one past
      // it ends the rewritten run the failing character came from, the caret in front.
      if (j == failing) return us[i + 1];
      if (j > failing) return us[i];
      ++i, ++j;
    } else {
      ++i;
    }
  }
  return size;
}
