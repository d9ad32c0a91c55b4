#pragma once
// The program block's windows, created in the program's order: the about window (which,
// on the first start, is the splash and creates the navigator, which creates the graph
// window, the main form), then the parameter panel, the macro editor and the label
// editor. The hosts of the libraries below are installed first and removed last. The
// graph window is shown at the end, as the main form is; its first show places both
// windows and arms the start-up timer job, whose tick opens the equation file named by
// the arguments.
#include <memory>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/HelpPages.h"
#include "platform/PrinterService.h"
#include "platform/Screen.h"
#include "platform/SoundOut.h"
#include "ui/ProgramHosts.h"
#include "ui/ProgramMacroHost.h"

class TMacronavi;
class TValueChange;
class Tlabeleditor;

class ProgramWindows {
 public:
  // `arguments`: the command line without the program's own name.
  ProgramWindows(const platform::Screen& screen, std::vector<std::string> arguments);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  // The graph window shown (the application's main form).
  void Show();
  // Ends the program's event loop whatever is open or running; the windows go when this
  // object does.
  static void Quit();

  TValueChange& Panel() { return *panel_; }

 private:
  const platform::Screen& screen_;
  std::vector<std::string> arguments_;
  ProgramFormulaHost formulaHost_;
  ProgramFileHost fileHost_;
  ProgramEntryFormHost entryHost_;
  ProgramCalculusHost calculusHost_;
  ProgramParameterPanelHost panelHost_;
  ProgramRedrawHost redrawHost_;
  ProgramMacroHost macroHost_;
  ProgramGraphWindowHost graphHost_;
  ProgramMacroEditorHost macroEditorHost_;
  platform::QtEventPump macroPump_;
  platform::QtEventPump tangentPump_;
  platform::QtDialogs dialogs_;
  platform::QtHelpPages helpPages_;
  platform::QtClipboard clipboard_;
  platform::QtSoundOut soundOut_;
  platform::QtPrinterService printer_;
  std::unique_ptr<TValueChange> panel_;
  std::unique_ptr<TMacronavi> macronavi_;
  std::unique_ptr<Tlabeleditor> labelEditor_;
};
