#pragma once
// The macro compiler: the macro text (the editor's lines, CP932) becomes the program-wide
// compiled macro settings.MacroProgram: its procedures, change handlers and onload
// statement. Only the first error is reported; a failed compilation leaves the program
// empty. eng.ParseOK tells success afterwards, as after a formula.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct MacroCompileResult {
  bool ok = true;
  int32_t MacroErrorCode = 0;  // the message's index
  int32_t MacroErrorLine = 0;  // 0-based line of the text
};

MacroCompileResult CompileMacroText(const std::vector<std::string>& lines);

// The message box text of a failed compilation: the message, ":", the 1-based line and
// "行" (UTF-8).
std::string MacroErrorMessage(const MacroCompileResult& result);

struct TMacroProgram;

// The captions of the macro buttons 1..9: each procedure tagged with a digit above 0
// names its button (the first one in the text wins); the others stay empty.
std::array<std::string, 9> MacroButtonCaptions(const TMacroProgram& program);
