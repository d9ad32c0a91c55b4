#pragma once
// The macro editor's logic, without widgets: when the text is compiled (on the register
// button, and on closing after a change or a new show), whether the window closes, and
// the caret line's label. The text itself lives in the document (doc.MacroLines), which
// the window's memo shows and edits.
#include <cstdint>
#include <string>
#include <vector>

class MacroEditorModel {
 public:
  // The text has been compiled since it last changed.
  uint8_t MacroTextCompiled = 0;

  void FormShow();
  void MemoChange();
  // The register button: true when the window closes (the text compiled).
  bool macroentryClick();
  // The window closes (whatever the result): the text compiled when it has not been.
  void FormClose();

  // " 行番号= " and the 1-based caret line (UTF-8).
  static std::string LineLabel(int line);
};

// The memo's text (UTF-8, lines ended by "\n") as the document's CP932 lines, and back.
// An empty text has no lines; a final line break adds no empty line.
std::vector<std::string> MacroLinesOfText(const std::string& utf8);
std::string TextOfMacroLines(const std::vector<std::string>& lines);
