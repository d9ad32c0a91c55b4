#include "animate/MacroEditorModel.h"

#include "animate/MacroRuns.h"
#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"

void MacroEditorModel::FormShow() { MacroTextCompiled = 0; }

void MacroEditorModel::MemoChange() { MacroTextCompiled = 0; }

bool MacroEditorModel::macroentryClick() {
  MacroTextCompiled = 1;
  const bool ok = Macros().CompileMacro();
  settings.MacroRunning = 0;
  return ok;
}

void MacroEditorModel::FormClose() {
  if (MacroTextCompiled) return;
  MacroTextCompiled = 1;
  Macros().CompileMacro();
  settings.MacroRunning = 0;
}

std::string MacroEditorModel::LineLabel(int line) { return " 行番号= " + rtl::IntToStr(line); }

std::vector<std::string> MacroLinesOfText(const std::string& utf8) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < utf8.size()) {
    size_t end = utf8.find('\n', start);
    if (end == std::string::npos) end = utf8.size();
    std::string line = utf8.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(sjis::FromUtf8(line));
    start = end + 1;
  }
  return lines;
}

std::string TextOfMacroLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\n';
    text += sjis::ToUtf8(lines[i]);
  }
  return text;
}
