#pragma once
// Reads the statements of the macro language from the compiler's cleaned lines: the
// statement lists of procedure bodies with their blocks (for ... Next, while ... wend,
// if ... else ... endif) and the one-line statements of handlers, onload and one-line
// ifs. In check mode (1) expressions are only checked and nothing is built; in build mode
// (2) the statements become Tcommand lists that own their expression trees. A rule
// violation throws MacroCompileError, which carries the message code and the line.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct Tcommand;
struct Tpromacro;

struct MacroCompileError {
  int32_t code = 0;
  int32_t line = 0;
};

// Blocks nested deeper than this are refused as a syntax error, so that no reader,
// runner or release of the compiled program recurses without bound.
inline constexpr int kMaxMacroNesting = 100;

class MacroStatementReader {
 public:
  // `lines`: the cleaned lines (empty for skipped ones); `procedures`: the procedures
  // whose headers have been read, for calls.
  MacroStatementReader(const std::vector<std::string>& lines, const Tpromacro* procedures, int mode);

  // The statements of lines first..last (0-based, inclusive); nil in check mode.
  Tcommand* ReadBody(int first, int last);
  // One statement written on one line (onload, a change handler); nil in check mode.
  Tcommand* ReadLineStatement(std::string_view text, int line);

 private:
  // Reads lines from `i` up to `last` until a line whose first word is one of `stops`;
  // `i` is left on that line (or past last).
  Tcommand* ReadList(int& i, int last, std::initializer_list<uint8_t> stops);
  Tcommand* ReadStatementAt(int& i, int last);
  Tcommand* ReadFor(std::string_view rest, int& i, int last);
  Tcommand* ReadWhile(std::string_view rest, int& i, int last);
  Tcommand* ReadIf(std::string_view rest, int& i, int last, bool oneLineOnly);
  // A statement that takes one line; `rest` receives what it left unread.
  Tcommand* ReadSimple(std::string_view text, int line, std::string& rest);
  Tcommand* ReadStrict(std::string_view text, int line);
  Tcommand* ReadAssignment(std::string_view text, int line, std::string& rest);
  Tcommand* ReadCall(std::string_view text, int line, std::string& rest);
  Tcommand* ReadParenthesised(uint8_t kind, std::string_view rest, int line, std::string& after);

  [[noreturn]] void Fail(int32_t code, int line) const;
  // Adds the tree of `text` to the command's expressions; an empty text or one that does
  // not parse fails with `code`.
  void AddExpression(Tcommand* command, const std::string& text, int32_t code, int line);
  void AddInt(Tcommand* command, int32_t value);

  const std::vector<std::string>& lines_;
  const Tpromacro* procedures_;
  int mode_;
  int depth_ = 0;
};

// The text after the first n blank-separated tokens of `text`, without leading blanks.
std::string_view TextAfterTokens(std::string_view text, int n);
