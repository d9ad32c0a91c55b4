#include "ui/ProgramMacroHost.h"

#include <system_error>

#include "animate/ParameterPanelModel.h"
#include "animate/TValueChange.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "io/EquationFileCommands.h"
#include "io/SoundSlots.h"
#include "io/WaveSynthesis.h"
#include "platform/EventPump.h"
#include "render/RedrawPipeline.h"
#include "render/ViewZoom2D.h"
#include "ui/GraphViewButtons.h"
#include "ui/ProgramHosts.h"
#include "ui/Tgraph.h"
#include "ui/Tlpnavi.h"

void ProgramMacroHost::ApplyParameterValues(int mode) { ParameterPanel().ApplyParameterValues(mode); }

void ProgramMacroHost::RedrawForParameters() { ParameterPanel().RedrawForParameters(); }

void ProgramMacroHost::ShowParameterValues() { ParameterPanel().ShowParameterValues(); }

void ProgramMacroHost::RepaintGraphs() { ParameterPanel().RepaintGraphs(); }

void ProgramMacroHost::StopTimer() { Timer1().SetEnabled(false); }

void ProgramMacroHost::SetMacroControlsEnabled(bool enabled) {
  if (graph) graph->setEnabled(enabled);
  if (ValueChange) ValueChange->SetMacroControlsEnabled(enabled);
}

void ProgramMacroHost::SetDocumentCommandsEnabled(bool enabled) {
  if (lpnavi) lpnavi->SetDocumentCommandsEnabled(enabled);
}

// The panel's show handler stops the shared timer, which an animation window may be
// running: it goes on as it was.
void ProgramMacroHost::ShowStopButton() {
  if (!ValueChange || ValueChange->isVisible()) return;
  TimerJobs& timer = Timer1();
  const bool running = timer.Enabled();
  const int interval = timer.Interval();
  ValueChange->show();
  ValueChange->raise();
  timer.SetInterval(interval);
  timer.SetEnabled(running);
}

void ProgramMacroHost::ShowMacroButtons(const std::array<std::string, 9>& captions) {
  if (ValueChange) ValueChange->ShowMacroButtons(captions);
}

void ProgramMacroHost::SetMacroButtonsEnabled(bool enabled) {
  if (ValueChange) ValueChange->SetMacroButtonsEnabled(enabled);
}

void ProgramMacroHost::ReleaseMacroButtons() {
  if (ValueChange) ValueChange->ReleaseMacroButtons();
}

void ProgramMacroHost::ShowMacroStatus(bool visible, const std::string& text) {
  if (ValueChange) ValueChange->ShowMacroStatus(visible, text);
}

void ProgramMacroHost::SetAfterImage(bool on) { ParameterPanel().AfterImages().ToggleAfterImage(on); }

void ProgramMacroHost::SetLocus(bool on) { ParameterPanel().AfterImages().ToggleLocus(on); }

void ProgramMacroHost::EraseAfterImages() { ParameterPanel().AfterImages().EraseAfterImages(); }

void ProgramMacroHost::UpdateEraseButton() { ParameterPanel().AfterImages().UpdateEraseButton(); }

void ProgramMacroHost::RefreshNavigator() {
  if (lpnavi) lpnavi->RebuildEquationList();
}

// The blinks of wink are on the screen before the thread sleeps.
void ProgramMacroHost::RedrawGraphs() {
  ::RedrawAll();
  if (graph) graph->PictureWidget()->repaint();
}

void ProgramMacroHost::RefreshLabels() {
  if (doc.IntervalMode)
    ParameterPanel().Interval().RefreshInterval();
  else if (graph)
    graph->CopyBufferToGraph(gfx::CopyMode::Copy);
}

void ProgramMacroHost::ViewStep(int code) { ViewButtonStep(code); }

void ProgramMacroHost::CentreView(Extended x, Extended y) { CentreViewOnAndRedraw(x, y); }

std::filesystem::path ProgramMacroHost::DemoFolder() { return GraphFolders.Demo; }

bool ProgramMacroHost::FileExists(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

// From the main loop, once the handler that ran the macro has returned.
void ProgramMacroHost::LoadEquationFile(const std::filesystem::path& file) {
  platform::DeferToTopLevel([file] {
    const EquationFileResult result = ::LoadEquationFile(file);
    if (!result.ok && !result.message.empty()) ShowMessageOnGraph(result.message);
  });
}

// A picture that cannot be read leaves the background as it was, silently, as a missing
// file does.
void ProgramMacroHost::LoadBackgroundPicture(const std::filesystem::path& file) {
  if (!graph || !graph->LoadBackgroundPicture(file)) return;
  if (lpnavi) lpnavi->PressBackgroundButton();
  ::RedrawAll();
}

void ProgramMacroHost::ClearBackgroundPicture() {
  if (!graph || !settings.BackgroundShown) return;
  graph->ClearBackgroundPicture();
  ::RedrawAll();
}

void ProgramMacroHost::MakeWave(const Tfrec* formula, bool append, int slot, float seconds) {
  ::MakeWave(formula, append ? 1 : 0, slot, seconds);
}

void ProgramMacroHost::PlaySoundSlot(int slot) { ::PlaySoundSlot(slot); }

void ProgramMacroHost::ShowMessage(const std::string& utf8) { ShowMessageOnGraph(utf8); }
