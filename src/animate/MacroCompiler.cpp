#include "animate/MacroCompiler.h"

#include <array>

#include "animate/MacroLanguage.h"
#include "animate/MacroStatementReader.h"
#include "animate/MacroSyntax.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/Runtime.h"

namespace {

// A program being compiled; freed unless handed over.
struct ProgramUnderConstruction {
  TMacroProgram program;
  ~ProgramUnderConstruction() { DisposeMacroProgram(program); }
};

[[noreturn]] void Fail(int32_t code, int line) { throw MacroCompileError{code, line}; }

std::string_view AfterWord(std::string_view text) {
  return TextAfterTokens(text.substr(StatementWord(text).size()), 0);
}

struct Procedure {
  int header = 0, first = 0, last = 0;
};

class Compiler {
 public:
  explicit Compiler(const std::vector<std::string>& memo) {
    for (const std::string& line : memo) lines_.push_back(CleanMacroLine(line));
    last_ = static_cast<int>(lines_.size()) - 1;
    while (last_ >= 0 && lines_[last_].empty()) --last_;  // trailing empty and comment lines
  }

  // Pass 1 checks everything and builds the onload statement and the handlers; pass 2
  // builds the procedure bodies.
  void Run(TMacroProgram& program) {
    ReadHeaders(program);
    ReadOnload(program);
    ReadHandlers(program);
    for (const Procedure& p : procedures_) MacroStatementReader(lines_, program.procedures, 1).ReadBody(p.first, p.last);
    Tpromacro* record = program.procedures;
    for (const Procedure& p : procedures_) {
      line_ = p.header;
      record->body = MacroStatementReader(lines_, program.procedures, 2).ReadBody(p.first, p.last);
      record = record->next;
    }
  }

  int Line() const { return line_; }

 private:
  // The top level: procedures with their bodies' lines; "on" and "onload" lines are read
  // afterwards; any other keyword is an error, any other line is ignored.
  void ReadHeaders(TMacroProgram& program) {
    Tpromacro** tail = &program.procedures;
    std::array<bool, 10> tagged{};
    for (int i = 0; i <= last_; ++i) {
      line_ = i;
      const std::string& text = lines_[i];
      if (text.empty()) continue;
      const uint8_t kind = MacroKeywordIndex(StatementWord(text));
      if (kind == kOn || kind == kOnload) {
        topLevel_.push_back(i);
        continue;
      }
      if (kind == kMacroNoKeyword) continue;
      if (kind != kSub) Fail(kMacroBadProcedure, i);
      Tpromacro* record = ReadHeader(AfterWord(text), i, tagged, program.procedures);
      *tail = record;
      tail = &record->next;
      const int end = FindEndSub(i);
      record->firstLine = i + 1;
      record->lastLine = end - 1;
      procedures_.push_back({i, i + 1, end - 1});
      i = end;
    }
  }

  Tpromacro* ReadHeader(std::string_view rest, int line, std::array<bool, 10>& tagged, const Tpromacro* earlier) {
    const size_t open = rest.find('(');
    if (open == std::string_view::npos) Fail(kMacroBadProcedure, line);
    const std::string name = rtl::Trim(rest.substr(0, open));
    if (name.empty()) Fail(kMacroNoName, line);
    const size_t close = rest.find(')', open);
    if (close == std::string_view::npos) Fail(kMacroBadProcedure, line);
    for (const Tpromacro* p = earlier; p; p = p->next)
      if (rtl::LowerCase(p->name) == rtl::LowerCase(name)) Fail(kMacroDuplicate, line);
    const std::string tag = rtl::Trim(rest.substr(close + 1));
    int32_t number = -1;
    if (!tag.empty()) {
      if (tag.size() != 2 || tag[0] != '#' || tag[1] < '0' || tag[1] > '9') Fail(kMacroMissing, line);
      number = tag[1] - '0';
      if (tagged[number]) Fail(kMacroSyntax, line);
      tagged[number] = true;
    }
    Tpromacro* record = NewProcedure(name, number, 0, 0);
    TValueNode** params = &record->params;
    for (const std::string& item : SplitMacroArguments(rest.substr(open + 1, close - open - 1))) {
      const MacroName v = MacroVariableCode(rtl::Trim(item));
      const int32_t error = !v.ok() ? v.error : v.value == 0 ? kMacroBadVariable : -1;
      if (error >= 0) {
        Tpromacro* unused = record;
        DisposeProcedureList(unused);
        Fail(error, line);
      }
      *params = NewValueNode(v.value, 0);
      params = &(*params)->next;
    }
    return record;
  }

  // The line "end sub" that closes the procedure whose header is at `header`.
  int FindEndSub(int header) {
    for (int j = header + 1; j <= last_; ++j) {
      const std::string& text = lines_[j];
      if (text.empty()) continue;
      const std::vector<std::string> t = MacroTokens(text);
      const std::string first = rtl::LowerCase(t[0]);
      if (first == "end") {
        if (rtl::LowerCase(TextAfterTokens(text, 1)) == "sub") return j;
        Fail(kMacroNoEndSub, j);
      }
      const uint8_t kind = MacroKeywordIndex(StatementWord(text));
      if (kind == kSub || kind == kOn) Fail(kMacroDuplicate, j);
    }
    Fail(kMacroNoEndSub, header);
  }

  // A statement checked, then built.
  Tcommand* ReadStatement(const TMacroProgram& program, std::string_view text, int line) {
    MacroStatementReader(lines_, program.procedures, 1).ReadLineStatement(text, line);
    return MacroStatementReader(lines_, program.procedures, 2).ReadLineStatement(text, line);
  }

  void ReadOnload(TMacroProgram& program) {
    for (int i : topLevel_) {
      line_ = i;
      if (MacroKeywordIndex(StatementWord(lines_[i])) != kOnload) continue;
      if (program.onload) Fail(kMacroSyntax, i);
      const std::string_view statement = AfterWord(lines_[i]);
      if (statement.empty()) Fail(kMacroMissing, i);
      program.onload = ReadStatement(program, statement, i);
    }
  }

  // on a,b,... change statement
  void ReadHandlers(TMacroProgram& program) {
    TMacroHandler** tail = &program.handlers;
    for (int i : topLevel_) {
      line_ = i;
      if (MacroKeywordIndex(StatementWord(lines_[i])) != kOn) continue;
      const std::string_view rest = AfterWord(lines_[i]);
      const std::vector<std::string> t = MacroTokens(rest);
      if (t.size() < 3 || rtl::LowerCase(t[1]) != "change") Fail(kMacroMissing, i);
      auto* handler = new TMacroHandler;
      *tail = handler;
      tail = &handler->next;
      TValueNode** vars = &handler->vars;
      for (const std::string& name : SplitMacroArguments(t[0])) {
        const MacroName v = MacroVariableCode(name);
        if (!v.ok()) Fail(v.error, i);
        if (v.value == 0) Fail(kMacroBadVariable, i);
        *vars = NewValueNode(v.value, 0);
        vars = &(*vars)->next;
      }
      handler->commands = ReadStatement(program, TextAfterTokens(rest, 2), i);
    }
  }

  std::vector<std::string> lines_;
  int last_ = -1;
  int line_ = 0;
  std::vector<int> topLevel_;
  std::vector<Procedure> procedures_;
};

}  // namespace

MacroCompileResult CompileMacroText(const std::vector<std::string>& lines) {
  DisposeMacroProgram(settings.MacroProgram);
  MacroCompileResult result;
  ProgramUnderConstruction built;
  Compiler compiler(lines);
  try {
    compiler.Run(built.program);
  } catch (const MacroCompileError& e) {
    result = {false, e.code, e.line};
  } catch (...) {
    result = {false, kMacroSyntax, compiler.Line()};
  }
  if (result.ok) std::swap(settings.MacroProgram, built.program);
  eng.ParseOK = result.ok ? 1 : 0;
  return result;
}

std::string MacroErrorMessage(const MacroCompileResult& result) {
  return MacroErrorText(result.MacroErrorCode) + ":" + rtl::IntToStr(result.MacroErrorLine + 1) + "行";
}

std::array<std::string, 9> MacroButtonCaptions(const TMacroProgram& program) {
  std::array<std::string, 9> captions;
  std::array<bool, 9> named{};
  for (const Tpromacro* p = program.procedures; p; p = p->next)
    if (p->number >= 1 && p->number <= 9 && !named[p->number - 1]) {
      named[p->number - 1] = true;
      captions[p->number - 1] = p->name;
    }
  return captions;
}
