#pragma once
// What the macro editor asks of the program: the manual's page on macros opened. The
// program answers; tests count the requests.
class MacroEditorHost {
 public:
  virtual ~MacroEditorHost() = default;
  virtual void OpenMacroHelp() = 0;
};
