#include "animate/MacroStatementReader.h"

#include <algorithm>
#include <memory>

#include "animate/MacroLanguage.h"
#include "animate/MacroSyntax.h"
#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/Records.h"
#include "formula/TreeKernel.h"
#include "platform/Runtime.h"

namespace {

struct CommandDeleter {
  void operator()(Tcommand* c) const { DisposeCommandTree(c); }
};
using OwnedCommand = std::unique_ptr<Tcommand, CommandDeleter>;

// A statement list being built; freed unless released.
class CommandChain {
 public:
  CommandChain() = default;
  CommandChain(const CommandChain&) = delete;
  CommandChain& operator=(const CommandChain&) = delete;
  ~CommandChain() { DisposeCommandTree(head_); }
  void Append(Tcommand* c) {
    if (!c) return;
    *tail_ = c;
    tail_ = &c->next;
  }
  Tcommand* Release() {
    Tcommand* head = head_;
    head_ = nullptr;
    tail_ = &head_;
    return head;
  }

 private:
  Tcommand* head_ = nullptr;
  Tcommand** tail_ = &head_;
};

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

std::string Trimmed(std::string_view s) { return rtl::Trim(s); }

bool IsWord(std::string_view token, std::string_view lowerWord) { return rtl::LowerCase(token) == lowerWord; }

uint8_t KindOfLine(std::string_view text) { return MacroKeywordIndex(StatementWord(text)); }

std::string Join(const std::vector<std::string>& tokens, size_t from, size_t to) {
  std::string text;
  for (size_t k = from; k < to; ++k) {
    if (!text.empty()) text += ' ';
    text += tokens[k];
  }
  return text;
}

// The position of the ")" that closes the "(" at `open`; npos when none does.
size_t ClosingParenthesis(std::string_view text, size_t open) {
  int depth = 0;
  for (size_t k = open; k < text.size(); ++k) {
    if (text[k] == '(') ++depth;
    if (text[k] == ')' && --depth == 0) return k;
  }
  return std::string_view::npos;
}

std::vector<std::string> TrimmedArguments(std::string_view inner) {
  std::vector<std::string> items = SplitMacroArguments(Trimmed(inner));
  for (std::string& item : items) item = Trimmed(item);
  return items;
}

int ParameterCount(const Tpromacro& p) {
  int n = 0;
  for (const TValueNode* v = p.params; v; v = v->next) ++n;
  return n;
}

// Counts one level of block nesting for its lifetime.
class NestingScope {
 public:
  explicit NestingScope(int& depth) : depth_(depth) { ++depth_; }
  ~NestingScope() { --depth_; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;

 private:
  int& depth_;
};

}  // namespace

std::string_view TextAfterTokens(std::string_view text, int n) {
  text = TrimLeft(text);
  for (int k = 0; k < n && !text.empty(); ++k) {
    const size_t end = text.find(' ');
    text = end == std::string_view::npos ? std::string_view() : TrimLeft(text.substr(end));
  }
  return text;
}

MacroStatementReader::MacroStatementReader(const std::vector<std::string>& lines, const Tpromacro* procedures,
                                           int mode)
    : lines_(lines), procedures_(procedures), mode_(mode) {}

void MacroStatementReader::Fail(int32_t code, int line) const { throw MacroCompileError{code, line}; }

void MacroStatementReader::AddExpression(Tcommand* command, const std::string& text, int32_t code, int line) {
  if (text.empty()) Fail(code, line);
  TreePtr tree = ParseExpression(text, mode_ == 1 ? 1 : 2);
  if (!eng.ParseOK || (mode_ != 1 && !tree)) Fail(code, line);
  if (!command) return;
  const bool expands = TreeContainsCode(tree.get(), node::SumForm) || TreeContainsCode(tree.get(), node::ProductForm);
  TExprListNode* item = NewExprListNode(tree, mode_);
  item->hasSum = expands ? 1 : 0;
  TExprListNode** tail = &command->exprs;
  while (*tail) tail = &(*tail)->next;
  *tail = item;
}

void MacroStatementReader::AddInt(Tcommand* command, int32_t value) {
  if (!command) return;
  TIntListNode** tail = &command->ints;
  while (*tail) tail = &(*tail)->next;
  *tail = NewIntListNode(value, mode_);
}

Tcommand* MacroStatementReader::ReadBody(int first, int last) {
  int i = first;
  return ReadList(i, last, {});
}

Tcommand* MacroStatementReader::ReadLineStatement(std::string_view text, int line) {
  std::string unread;
  return ReadSimple(text, line, unread);
}

Tcommand* MacroStatementReader::ReadList(int& i, int last, std::initializer_list<uint8_t> stops) {
  CommandChain chain;
  while (i <= last) {
    const std::string& text = lines_[i];
    if (text.empty()) {
      ++i;
      continue;
    }
    if (std::find(stops.begin(), stops.end(), KindOfLine(text)) != stops.end()) break;
    chain.Append(ReadStatementAt(i, last));
  }
  return chain.Release();
}

Tcommand* MacroStatementReader::ReadStatementAt(int& i, int last) {
  const int line = i;
  const std::string& text = lines_[i];
  const std::string word = StatementWord(text);
  const std::string_view rest = TrimLeft(std::string_view(text).substr(word.size()));
  switch (MacroKeywordIndex(word)) {
    case kSub:
    case kOn:
      Fail(kMacroDuplicate, line);
    case kFor:
      return ReadFor(rest, i, last);
    case kWhile:
      return ReadWhile(rest, i, last);
    case kIf:
      return ReadIf(rest, i, last, false);
    default: {
      std::string unread;
      Tcommand* c = ReadSimple(text, line, unread);
      ++i;
      return c;
    }
  }
}

Tcommand* MacroStatementReader::ReadFor(std::string_view rest, int& i, int last) {
  const int line = i;
  NestingScope nesting(depth_);
  if (depth_ > kMaxMacroNesting) Fail(kMacroSyntax, line);
  const size_t eq = rest.find('=');
  if (eq == std::string_view::npos) Fail(kMacroBadFor, line);
  const std::string variable = Trimmed(rest.substr(0, eq));
  const MacroName v = MacroVariableCode(variable);
  if (!v.ok()) Fail(v.error, line);
  if (v.value == 0) Fail(kMacroBadFor, line);
  const std::vector<std::string> t = MacroTokens(rest.substr(eq + 1));
  if ((t.size() != 3 && t.size() != 5) || !IsWord(t[1], "to") || (t.size() == 5 && !IsWord(t[3], "step")))
    Fail(kMacroBadFor, line);
  OwnedCommand command(NewCommand(kFor, mode_));
  if (command) command->arg = v.value;
  AddExpression(command.get(), t[0], kMacroBadFor, line);
  AddExpression(command.get(), t[2], kMacroBadFor, line);
  AddExpression(command.get(), t.size() == 5 ? t[4] : "1", kMacroBadFor, line);
  ++i;
  Tcommand* body = ReadList(i, last, {kNext});
  if (command) command->body = body;
  if (i > last) Fail(kMacroForWithoutNext, line);
  const std::vector<std::string> next = MacroTokens(lines_[i]);
  if (next.size() < 2 || rtl::LowerCase(next[1]) != rtl::LowerCase(variable)) Fail(kMacroForWithoutNext, line);
  ++i;
  return command.release();
}

Tcommand* MacroStatementReader::ReadWhile(std::string_view rest, int& i, int last) {
  const int line = i;
  NestingScope nesting(depth_);
  if (depth_ > kMaxMacroNesting) Fail(kMacroSyntax, line);
  const std::vector<std::string> t = MacroTokens(rest);
  OwnedCommand command(NewCommand(kWhile, mode_));
  AddExpression(command.get(), t.empty() ? std::string() : t[0], kMacroSyntax, line);
  ++i;
  Tcommand* body = ReadList(i, last, {kWend});
  if (command) command->body = body;
  if (i > last) Fail(kMacroWhileWithoutWend, line);
  if (!IsWord(lines_[i], "wend")) Fail(kMacroSyntax, i);
  ++i;
  return command.release();
}

Tcommand* MacroStatementReader::ReadIf(std::string_view rest, int& i, int last, bool oneLineOnly) {
  const int line = i;
  NestingScope nesting(depth_);
  if (depth_ > kMaxMacroNesting) Fail(kMacroSyntax, line);
  const std::vector<std::string> t = MacroTokens(rest);
  OwnedCommand command(NewCommand(kIf, mode_));
  AddExpression(command.get(), t.empty() ? std::string() : t[0], kMacroIfCondition, line);
  if (t.size() < 2 || !IsWord(t[1], "then")) Fail(kMacroIfWithoutThen, line);
  if (t.size() > 2) {
    size_t elseAt = 2;
    while (elseAt < t.size() && !IsWord(t[elseAt], "else")) ++elseAt;
    Tcommand* then = ReadStrict(Join(t, 2, elseAt), line);
    if (command) command->body = then;
    if (elseAt < t.size()) {
      Tcommand* otherwise = ReadStrict(Join(t, elseAt + 1, t.size()), line);
      if (command) command->elseBody = otherwise;
    }
    if (!oneLineOnly) ++i;
    return command.release();
  }
  if (oneLineOnly) Fail(kMacroIfWithoutEndif, line);
  ++i;
  Tcommand* then = ReadList(i, last, {kElse, kEndif});
  if (command) command->body = then;
  if (i > last) Fail(kMacroIfWithoutEndif, line);
  if (KindOfLine(lines_[i]) == kElse) {
    if (!IsWord(lines_[i], "else")) Fail(kMacroSyntax, i);
    ++i;
    Tcommand* otherwise = ReadList(i, last, {kEndif});
    if (command) command->elseBody = otherwise;
    if (i > last) Fail(kMacroIfWithoutEndif, line);
  }
  if (!IsWord(lines_[i], "endif")) Fail(kMacroSyntax, i);
  ++i;
  return command.release();
}

Tcommand* MacroStatementReader::ReadStrict(std::string_view text, int line) {
  std::string unread;
  OwnedCommand command(ReadSimple(text, line, unread));
  if (!unread.empty()) Fail(kMacroSyntax, line);
  return command.release();
}

Tcommand* MacroStatementReader::ReadSimple(std::string_view text, int line, std::string& unread) {
  const std::string word = StatementWord(text);
  const uint8_t kind = MacroKeywordIndex(word);
  const std::string_view rest = TrimLeft(text.substr(word.size()));
  const std::vector<std::string> t = MacroTokens(rest);
  unread.clear();
  switch (kind) {
    case kSub:
    case kOn:
      Fail(kMacroDuplicate, line);
    case kFor:
      Fail(kMacroForWithoutNext, line);
    case kWhile:
      Fail(kMacroWhileWithoutWend, line);
    case kIf: {
      int at = line;
      return ReadIf(rest, at, at, true);
    }
    case kMacroNoKeyword: {
      const size_t eq = text.find('='), open = text.find('(');
      if (eq != std::string_view::npos && (open == std::string_view::npos || eq < open))
        return ReadAssignment(text, line, unread);
      return ReadCall(text, line, unread);
    }
    case kLet:
      return ReadAssignment(rest, line, unread);
    case kCall:
      return ReadCall(rest, line, unread);
    case kCenter: {
      Tcommand* c = ReadParenthesised(kind, rest, line, unread);
      if (!unread.empty()) {
        DisposeCommandTree(c);
        Fail(kMacroMissing, line);
      }
      return c;
    }
    case kMakeWave:
      return ReadParenthesised(kind, rest, line, unread);
    default:
      break;
  }
  OwnedCommand command(NewCommand(kind, mode_));
  switch (kind) {
    case kLoad:
    case kPictureLoad:
      if (t.size() != 1) Fail(kMacroBadFile, line);
      if (command) command->text = t[0];
      break;
    case kWait:
      if (t.empty()) Fail(kMacroMissing, line);
      AddExpression(command.get(), t[0], kMacroSyntax, line);
      unread = TextAfterTokens(rest, 1);
      break;
    case kLarge:
    case kSmall:
    case kLeftShift:
    case kRightShift:
    case kUpShift:
    case kDownShift:
      AddExpression(command.get(), t.empty() ? "1" : t[0], kMacroSyntax, line);
      unread = TextAfterTokens(rest, 1);
      break;
    case kShowGraph:
    case kHideGraph:
    case kWink:
    case kShowLabel:
    case kHideLabel:
    case kPlay:
      if (t.empty()) Fail(kMacroMissing, line);
      for (const std::string& token : t) {
        const MacroName n = kind == kPlay                              ? MacroSlotNumber(token)
                            : (kind == kShowLabel || kind == kHideLabel) ? MacroLabelNumber(token)
                                                                         : MacroGraphEntry(token);
        if (!n.ok()) Fail(n.error, line);
        AddInt(command.get(), n.value);
      }
      break;
    default:
      unread = rest;
      break;
  }
  return command.release();
}

Tcommand* MacroStatementReader::ReadAssignment(std::string_view text, int line, std::string& unread) {
  const size_t eq = text.find('=');
  if (eq == std::string_view::npos) Fail(kMacroSyntax, line);
  const MacroName v = MacroVariableCode(Trimmed(text.substr(0, eq)));
  if (!v.ok()) Fail(v.error, line);
  if (v.value == 0) Fail(kMacroBadVariable, line);
  const std::string_view after = TrimLeft(text.substr(eq + 1));
  const std::vector<std::string> t = MacroTokens(after);
  if (t.empty()) Fail(kMacroMissing, line);
  OwnedCommand command(NewCommand(kLet, mode_));
  if (command) command->arg = v.value;
  AddExpression(command.get(), t[0], kMacroSyntax, line);
  unread = TextAfterTokens(after, 1);
  return command.release();
}

Tcommand* MacroStatementReader::ReadCall(std::string_view text, int line, std::string& unread) {
  const size_t open = text.find('(');
  if (open == std::string_view::npos) Fail(kMacroSyntax, line);
  const size_t close = ClosingParenthesis(text, open);
  if (close == std::string_view::npos) Fail(kMacroSyntax, line);
  const std::string name = rtl::LowerCase(Trimmed(text.substr(0, open)));
  const std::vector<std::string> args = TrimmedArguments(text.substr(open + 1, close - open - 1));
  int position = 0;
  const Tpromacro* called = nullptr;
  for (const Tpromacro* p = procedures_; p && !called; p = p->next) {
    ++position;
    if (rtl::LowerCase(p->name) == name) called = p;
  }
  if (!called || ParameterCount(*called) != static_cast<int>(args.size())) Fail(kMacroSyntax, line);
  OwnedCommand command(NewCommand(kCall, mode_));
  if (command) command->arg = position;
  for (const std::string& arg : args) AddExpression(command.get(), arg, kMacroSyntax, line);
  unread = TrimLeft(text.substr(close + 1));
  return command.release();
}

Tcommand* MacroStatementReader::ReadParenthesised(uint8_t kind, std::string_view rest, int line,
                                                  std::string& after) {
  if (rest.empty() || rest.front() != '(') Fail(kMacroMissing, line);
  const size_t close = ClosingParenthesis(rest, 0);
  if (close == std::string_view::npos) Fail(kMacroMissing, line);
  std::vector<std::string> items = TrimmedArguments(rest.substr(1, close - 1));
  if (items.size() != (kind == kCenter ? 2u : 4u)) Fail(kMacroMissing, line);
  if (kind == kMakeWave && items[0] == "N") items[0] = "0";  // a new recording
  if (kind == kMakeWave && items[0] == "A") items[0] = "1";  // appended to the slot's sound
  OwnedCommand command(NewCommand(kind, mode_));
  for (const std::string& item : items) AddExpression(command.get(), item, kMacroSyntax, line);
  after = TrimLeft(rest.substr(close + 1));
  return command.release();
}
