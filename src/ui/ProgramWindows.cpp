#include "ui/ProgramWindows.h"

#include <QCoreApplication>

#include "animate/CalculusWindows.h"
#include "animate/MacroRuns.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TMacronavi.h"
#include "animate/TValueChange.h"
#include "animate/TangentModel.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "io/SoundSlots.h"
#include "io/Tprinnavi.h"
#include "ui/GraphWindowLogic.h"
#include "ui/ManualPages.h"
#include "ui/TAboutBox1.h"
#include "ui/Tgraph.h"
#include "ui/Thanni3d.h"
#include "ui/Tlabeleditor.h"
#include "ui/Tlpnavi.h"

ProgramWindows::ProgramWindows(const platform::Screen& screen, std::vector<std::string> arguments)
    : screen_(screen), arguments_(std::move(arguments)) {
  FirstStart = 1;
  SetFormulaHost(&formulaHost_);
  SetEquationFileHost(&fileHost_);
  SetEntryFormHost(&entryHost_);
  SetCalculusWindowHost(&calculusHost_);
  ParameterPanel().SetHost(&panelHost_);
  SetRedrawHost(&redrawHost_);
  Macros().SetHost(&macroHost_);
  Macros().SetPump(&macroPump_);
  Tangent().SetHost(&calculusHost_);
  Tangent().SetPump(&tangentPump_);
  SetManualPageServices(&helpPages_, &dialogs_);
  Timer1().SetJobAction(job::Startup, [this] {
    if (graph) graph->ContinueStartup(arguments_);
  });

  AboutBox1 = new TAboutBox1(screen_);
  panel_ = std::make_unique<TValueChange>();
  macronavi_ = std::make_unique<TMacronavi>();
  macronavi_->host = &macroEditorHost_;
  labelEditor_ = std::make_unique<Tlabeleditor>();

  dialogs_.setParent(graph);
  graph->dialogs = &dialogs_;
  graph->clipboard = &clipboard_;
  graph->host = &graphHost_;
  lpnavi->dialogs = &dialogs_;
  labelEditor_->dialogs = &dialogs_;
  SetSoundServices(&soundOut_, &dialogs_);
  SetPrintServices(&printer_, &dialogs_);
}

ProgramWindows::~ProgramWindows() {
  Timer1().SetEnabled(false);
  Timer1().SetJobAction(job::Startup, nullptr);
  FreeCalculusWindow();
  SetPrintServices(nullptr, nullptr);
  SetSoundServices(nullptr, nullptr);
  delete hanni3d;
  FreeAboutBox();
  labelEditor_.reset();
  macronavi_.reset();
  panel_.reset();
  dialogs_.setParent(nullptr);
  delete lpnavi;
  SetManualPageServices(nullptr, nullptr);
  Tangent().SetPump(nullptr);
  Tangent().SetHost(nullptr);
  Macros().SetPump(nullptr);
  Macros().SetHost(nullptr);
  SetRedrawHost(nullptr);
  ParameterPanel().SetHost(nullptr);
  SetEntryFormHost(nullptr);
  SetCalculusWindowHost(nullptr);
  SetEquationFileHost(nullptr);
  SetFormulaHost(nullptr);
}

// The loops end without asking the other windows: the parameter panel refuses its first
// close, and a quit through closing every window would stop there. A running macro ends
// first, or its loop would keep the program alive.
void ProgramWindows::Quit() {
  Macros().StopMacro();
  QCoreApplication::exit(0);
}

void ProgramWindows::Show() {
  if (graph) graph->show();
}
