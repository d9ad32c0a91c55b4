#include "render/MarkupParse.h"

#include <algorithm>
#include <string>

#include "platform/Sjis.h"
#include "render/NumberLabels.h"

namespace {

// Labels nest a few levels; a deeper text is cut there rather than exhaust the stack of
// the recursive layout and drawing.
constexpr int kMaxNesting = 64;

bool LeadAt(std::string_view t, int i, int last) {
  return i < last && sjis::IsLeadByte(static_cast<unsigned char>(t[static_cast<size_t>(i)]));
}

char At(std::string_view t, int i) { return t[static_cast<size_t>(i)]; }

// The first of `chars` in [from, last] outside double-byte characters; -1 when none.
int FindMarkup(std::string_view t, int from, int last, std::string_view chars) {
  for (int i = from; i <= last; ++i) {
    if (LeadAt(t, i, last))
      ++i;
    else if (chars.find(At(t, i)) != std::string_view::npos)
      return i;
  }
  return -1;
}

// The "}" that closes a group opened just before `from`, inner groups counted; -1 when
// the braces do not balance.
int MatchingBrace(std::string_view t, int from, int last) {
  int depth = 1;
  for (int i = from; i <= last; ++i) {
    if (LeadAt(t, i, last))
      ++i;
    else if (At(t, i) == '{')
      ++depth;
    else if (At(t, i) == '}' && --depth == 0)
      return i;
  }
  return -1;
}

struct Command {
  std::string_view prefix;  // the name after the backslash, with its "{"
  std::uint8_t kind;
};
// Tried in this order.
constexpr Command kCommands[] = {
    {"vec{", kMarkupVector},   {"/{", kMarkupFraction},       {"udl{", kMarkupUnderline},
    {"ovl{", kMarkupOverline}, {"frac{", kMarkupFraction},    {"sqrt{", kMarkupRoot},
    {"overline{", kMarkupOverline}, {"underline{", kMarkupUnderline},
};

Tmojikiroku* NewNode(std::uint8_t kind, std::string text = std::string()) {
  return NewMarkupNode(kind, 0, 0, 0, 0, text);
}

class Parser {
 public:
  explicit Parser(std::string_view text) : t_(text) {}
  Tmojikiroku* Level(int& pos, int last, bool stripParens);

 private:
  // A part with a position of its own; nil when from > to.
  Tmojikiroku* Part(int from, int to, bool stripParens) {
    int pos = from;
    return Level(pos, to, stripParens);
  }
  Tmojikiroku* Text(int from, int to) {
    return NewNode(kMarkupText, std::string(t_.substr(static_cast<size_t>(from), static_cast<size_t>(to - from + 1))));
  }
  Tmojikiroku* Script(int& pos, int last);
  Tmojikiroku* Value(int& pos, int last);
  // Nil for an unknown command.
  Tmojikiroku* CommandNode(int& pos, int last);
  void Fraction(Tmojikiroku* node, int& pos, int last);

  std::string_view t_;
  int depth_ = 0;
};

Tmojikiroku* Parser::Level(int& pos, int last, bool stripParens) {
  if (pos > last) return nullptr;
  if (stripParens && At(t_, pos) == '(' && At(t_, last) == ')') {
    ++pos;
    --last;
  }
  if (depth_ >= kMaxNesting) {
    pos = last + 1;
    return nullptr;
  }
  ++depth_;
  Tmojikiroku* head = nullptr;
  Tmojikiroku** tail = &head;
  while (pos <= last) {
    if (At(t_, pos) == ';' && ++pos > last) break;
    const int k = FindMarkup(t_, pos, last, "^_{\\}");
    if (k < 0) {
      *tail = Text(pos, last);
      pos = last + 1;
      break;
    }
    if (k > pos) {
      *tail = Text(pos, k - 1);
      tail = &(*tail)->next;
    }
    pos = k;
    if (At(t_, k) == '}') {
      pos = k + 1;
      break;
    }
    Tmojikiroku* node = At(t_, k) == '{' ? Value(pos, last) : At(t_, k) == '\\' ? CommandNode(pos, last) : Script(pos, last);
    if (!node) {
      pos = last + 1;
      break;
    }
    *tail = node;
    tail = &node->next;
  }
  --depth_;
  return head;
}

Tmojikiroku* Parser::Script(int& pos, int last) {
  const bool up = At(t_, pos) == '^';
  Tmojikiroku* node = NewNode(up ? kMarkupSuperscript : kMarkupSubscript);
  const int start = pos + 1;
  const int end = ScriptEnd(t_, start, last);
  (up ? node->child1 : node->child2) = Part(start, end, true);
  pos = end + 1;
  return node;
}

Tmojikiroku* Parser::Value(int& pos, int last) {
  const int close = FindMarkup(t_, pos + 1, last, "}");
  const int end = close < 0 ? last + 1 : close;
  std::uint8_t mode = 0;
  const std::string formula(t_.substr(static_cast<size_t>(pos + 1), static_cast<size_t>(end - pos - 1)));
  pos = std::min(end + 1, last + 1);
  return NewNode(kMarkupValue, FormatLabelValue(formula, mode));
}

Tmojikiroku* Parser::CommandNode(int& pos, int last) {
  const std::string_view rest = t_.substr(static_cast<size_t>(pos + 1), static_cast<size_t>(last - pos));
  const Command* command = nullptr;
  for (const Command& c : kCommands)
    if (rest.starts_with(c.prefix)) {
      command = &c;
      break;
    }
  if (!command) return nullptr;
  pos += 1 + static_cast<int>(command->prefix.size());
  Tmojikiroku* node = NewNode(command->kind);
  switch (command->kind) {
    case kMarkupRoot:
      // The contents end at their own closing brace.
      node->child2 = Level(pos, last, false);
      break;
    case kMarkupFraction:
      Fraction(node, pos, last);
      break;
    default: {
      // Vector, overline, underline: up to the next "}".
      const int close = FindMarkup(t_, pos, last, "}");
      const int end = close < 0 ? last + 1 : close;
      node->child2 = Part(pos, end - 1, false);
      pos = std::min(end + 1, last + 1);
      break;
    }
  }
  return node;
}

void Parser::Fraction(Tmojikiroku* node, int& pos, int last) {
  const int numeratorEnd = MatchingBrace(t_, pos, last);
  if (numeratorEnd < 0) {
    node->child1 = Part(pos, last, false);
    pos = last + 1;
    return;
  }
  node->child1 = Part(pos, numeratorEnd - 1, false);
  // After "}{".
  const int start = numeratorEnd + 2;
  const int close = MatchingBrace(t_, start, last);
  const int end = close < 0 ? last + 1 : close;
  node->child2 = Part(start, end - 1, false);
  pos = std::min(end + 1, last + 1);
}

}  // namespace

Tmojikiroku* ParseMarkup(std::string_view text, int& pos, int last, bool stripParens) {
  return Parser(text).Level(pos, last, stripParens);
}

MarkupTree ParseMarkup(std::string_view text) {
  int pos = 0;
  return MarkupTree(ParseMarkup(text, pos, static_cast<int>(text.size()) - 1, false));
}

int ScriptEnd(std::string_view text, int start, int last) {
  if (start >= last) return std::min(start, last);
  int i = start;
  if (At(text, i) == '+' || At(text, i) == '-') ++i;
  int parens = 0, braces = 0;
  for (; i <= last; ++i) {
    if (LeadAt(text, i, last)) {
      ++i;
      continue;
    }
    switch (At(text, i)) {
      case '(': ++parens; break;
      case '{': ++braces; break;
      case '}':
        if (--braces < 0) return i - 1;
        break;
      case ')':
        if (--parens < 0) return i - 1;
        if (parens == 0 && braces == 0) return i;
        break;
      case '+': case '-': case '*': case '/': case ',': case ';':
        if (parens == 0 && braces == 0) return i - 1;
        break;
      default: break;
    }
  }
  return last;
}
