#include "ui/ProgramHosts.h"

#include <QToolButton>

#include "animate/AfterImageTraces.h"
#include "animate/CalculusWindows.h"
#include "animate/MacroRuns.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TValueChange.h"
#include "animate/Tdtangent.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/Dialogs.h"
#include "platform/KeepOnScreen.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/SpaceScene.h"
#include "render/SpaceView.h"
#include "ui/FormulaKeyboardAsk.h"
#include "ui/GraphToolStrip.h"
#include "ui/ManualPages.h"
#include "ui/ProgramWindows.h"
#include "ui/RangeForm.h"
#include "ui/Tgraph.h"
#include "ui/Tlpnavi.h"

// --- the shared questions, answered by the graph window's dialogs ---

std::optional<int32_t> ChooseColorOnGraph(int32_t initial) {
  if (!graph || !graph->dialogs) return std::nullopt;
  return graph->dialogs->chooseColor(initial);
}

void ShowMessageOnGraph(const std::string& utf8) {
  if (graph && graph->dialogs) graph->dialogs->showMessage(utf8);
}

// --- the formula engine ---

void ProgramFormulaHost::RedrawAll() { ::RedrawAll(); }

void ProgramFormulaHost::ShowParameterPanel() {
  if (ValueChange) ValueChange->ShowParameterForm();
}

void ProgramFormulaHost::RefreshNavigator() {
  if (lpnavi) lpnavi->RebuildEquationList();
}

void ProgramFormulaHost::SetArrowHints(const std::string (&hints)[4]) {
  if (graph) graph->SetArrowHints(hints);
}

void ProgramFormulaHost::SetIntervalTexts(const std::string& lower, const std::string& upper) {
  ParameterPanel().Interval().SetBoundPanels(lower, upper);
}

void ProgramFormulaHost::StopAnimationTimer() { Timer1().SetEnabled(false); }

// --- parameter panel ---

bool ProgramParameterPanelHost::AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) {
  return AskOnFormulaKeyboard(caption, kind, text, top, right);
}

void ProgramParameterPanelHost::EnableNavigator() {
  if (lpnavi) lpnavi->setEnabled(true);
}

void ProgramParameterPanelHost::PlacePanel(bool atCreation, int height, int& left, int& top) {
  if (!lpnavi || !graph) return;
  if (atCreation) {
    left = lpnavi->x();
    top = graph->GetAnimationFormTop() + 100;
    return;
  }
  left = graph->x() + graph->frameGeometry().width();
  const int navigatorBottom = lpnavi->y() + lpnavi->frameGeometry().height();
  if (top + height > navigatorBottom + 40) top = navigatorBottom - 40 - height;
}

int ProgramParameterPanelHost::NavigatorHeight() { return lpnavi ? lpnavi->frameGeometry().height() : 0; }

int ProgramParameterPanelHost::NavigatorBottom() { return lpnavi ? lpnavi->frameGeometry().bottom() + 1 : 0; }

std::filesystem::path ProgramParameterPanelHost::DemoFolder() { return GraphFolders.Demo; }

void ProgramParameterPanelHost::RunMacroChangeHandlers(const TValueNode* changes) { Macros().RunMacroChangeHandlers(changes); }

void ProgramParameterPanelHost::UpdateGraphPicture() {
  if (graph) graph->PictureWidget()->update();
}

std::optional<int32_t> ProgramParameterPanelHost::ChooseColor(int32_t initial) { return ChooseColorOnGraph(initial); }

// The chooser in its interval form (mode 1).
void ProgramParameterPanelHost::DrawIntervalSelector(int style, gfx::Color colour) {
  DrawColorStyleSelector(intervalSelector_, style, colour, 1);
}

const gfx::RasterCanvas* ProgramParameterPanelHost::IntervalSelectorPicture() { return &intervalSelector_.image; }

void ProgramParameterPanelHost::PressIntervalSelector(int x, int y, gfx::Color colour) {
  PressColorStyleButton(intervalSelector_, x, y, colour, 1);
}

int ProgramParameterPanelHost::ReleaseIntervalSelector(int x, int y, gfx::Color colour) {
  return SelectColorStyleButton(intervalSelector_, x, y, colour, 1);
}

// --- equation files ---

int ProgramFileHost::NavigatorScrollPosition() { return lpnavi ? lpnavi->ScrollPosition() : 0; }

void ProgramFileHost::RefreshGraphWindowMode() {
  if (graph) graph->RefreshGraphWindowMode();
}

QImage ProgramFileHost::BackgroundPicture() {
  return settings.BackgroundShown ? render.BackgroundPicture.Image() : QImage();
}

std::filesystem::path ProgramFileHost::DemoFolder() { return GraphFolders.Demo; }

void ProgramFileHost::SetCaptionFileName(const std::filesystem::path& fileName) {
  if (graph) graph->SetCaptionFileName(fileName);
}

void ProgramFileHost::HideParameterPanel() {
  if (ValueChange) ValueChange->hide();
}

void ProgramFileHost::ShowGraphWindow() {
  if (graph) graph->show();
}

void ProgramFileHost::ResetDocument() {
  if (lpnavi) lpnavi->ResetDocument();
}

bool ProgramFileHost::LoadBackgroundPicture(const std::filesystem::path& fileName) {
  if (!graph || !graph->LoadBackgroundPicture(fileName)) return false;
  GraphFolders.Picture = fileName.parent_path();
  if (lpnavi) lpnavi->PressBackgroundButton();
  return true;
}

void ProgramFileHost::ClearBackgroundPicture() {
  if (graph) graph->ClearBackgroundPicture();
}

void ProgramFileHost::ApplyMemoFont() {
  if (lpnavi) lpnavi->ApplyMemoFont();
}

void ProgramFileHost::LayoutMemoPanel() {
  if (lpnavi) lpnavi->LayoutMemoPanel();
}

void ProgramFileHost::ShowLineWidthButton() {
  if (graph) graph->ShowLineWidthButton();
}

void ProgramFileHost::SetNavigatorScrollPosition(int position) {
  if (lpnavi) lpnavi->SetScrollPosition(position);
}

void ProgramFileHost::RestoreGraphWindow(int width, int height) {
  if (graph) graph->RestoreGraphWindow(width, height);
}

void ProgramFileHost::SetUI3D(bool space) {
  if (!graph) return;
  graph->SetUI3D(space);
  graph->SetRedrawOnResize(true);
}

void ProgramFileHost::RebuildEquationList() {
  if (lpnavi) lpnavi->RebuildEquationList();
}

void ProgramFileHost::EnableCalculusMenu(bool enable) {
  if (lpnavi) lpnavi->SetCalculusMenuEnabled(enable);
}

void ProgramFileHost::EnableGraphWindow() {
  if (graph) graph->setEnabled(true);
}

void ProgramFileHost::PlaceParameterPanel() {
  if (!ValueChange) return;
  int left = ValueChange->x(), top = ValueChange->y();
  ParameterPanel().Host().PlacePanel(false, ValueChange->height(), left, top);
  platform::PlaceOnScreen(*ValueChange, left, top);
}

void ProgramFileHost::SavePointPositions() { ::SavePointPositions(); }

// P goes back where the file left it when the file kept its place.
void ProgramFileHost::OpenTangentNavi() { ::OpenTangentNavi(graph, true); }

void ProgramFileHost::ShowParameterValues() { ParameterPanel().ShowParameterValues(); }

void ProgramFileHost::OpenMeanRateNavi() { ::OpenMeanRateNavi(); }

void ProgramFileHost::OpenRiemannSumNavi() { ::OpenRiemannSumNavi(); }

void ProgramFileHost::OpenIntegralTheoremNavi() { ::OpenIntegralTheoremNavi(); }

void ProgramFileHost::RefreshGraphControls() {
  if (!graph) return;
  graph->SetUI3D(doc.Dimension == 3);
  graph->ShowLineWidthButton();
  if (lpnavi) lpnavi->UpdateDimensionButton();
}

void ProgramFileHost::CompileMacro() { Macros().CompileMacro(); }

void ProgramFileHost::ReportDeferredLoadFailure(const std::string& message) { ShowMessageOnGraph(message); }

void ProgramFileHost::RunMacroOnload() { Macros().RunMacroOnload(); }

// --- the entry window ---

int ProgramEntryFormHost::NavigatorLeft() { return lpnavi ? lpnavi->x() : 0; }

int ProgramEntryFormHost::NavigatorTop() { return lpnavi ? lpnavi->y() : 0; }

int ProgramEntryFormHost::NavigatorWidth() { return lpnavi ? lpnavi->frameGeometry().width() : 0; }

void ProgramEntryFormHost::DeleteEntry(int entry, int mode) {
  if (lpnavi) lpnavi->DeleteEntry(entry, static_cast<std::uint8_t>(mode));
}

void ProgramEntryFormHost::UpdateMenuState(bool enable) {
  if (lpnavi) lpnavi->UpdateMenuState(enable ? 1 : 0);
}

void ProgramEntryFormHost::EnableFileMenu(bool enable) {
  if (lpnavi) lpnavi->SetFileMenuEnabled(enable);
}

void ProgramEntryFormHost::EnableGraphPopupMenu(bool enable) {
  if (graph) graph->SetPopupMenuEnabled(enable);
}

void ProgramEntryFormHost::SetPointGuideShown(bool shown) {
  if (graph) graph->Mouse().PointGuideShown = shown ? 1 : 0;
}

void ProgramEntryFormHost::HideParameterPanel() {
  if (ValueChange) ValueChange->hide();
}

// --- the calculus and tangent windows ---

bool ProgramCalculusHost::AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) {
  return AskOnFormulaKeyboard(caption, kind, text, top, right);
}

std::optional<int32_t> ProgramCalculusHost::ChooseColor(int32_t initial) { return ChooseColorOnGraph(initial); }

void ProgramCalculusHost::ShowMessage(const std::string& utf8) { ShowMessageOnGraph(utf8); }

void ProgramCalculusHost::EnableGraphEditing(bool enable) {
  if (graph) graph->EnableGraphEditing(enable);
}

void ProgramCalculusHost::EnableGraphWindow(bool enable) {
  if (graph) graph->setEnabled(enable);
}

void ProgramCalculusHost::EnableDragShift(bool enable) {
  if (graph) graph->ToolStrip()->Button("dragshiftBT")->setEnabled(enable);
}

void ProgramCalculusHost::EnableNavigator() {
  if (lpnavi) lpnavi->setEnabled(true);
}

void ProgramCalculusHost::PresentGraphPicture() {
  if (graph) graph->PictureWidget()->repaint();
}

void ProgramCalculusHost::CloseParameterPanel() {
  if (ValueChange) ValueChange->close();
}

void ProgramCalculusHost::HideParameterPanel() {
  if (ValueChange) ValueChange->hide();
}

void ProgramCalculusHost::ReturnToParameterMode() {
  if (lpnavi) lpnavi->paraBTClick();
}

void ProgramCalculusHost::PlaceCalculusWindow(int& left, int& top) {
  if (!graph) return;
  left = graph->x() + graph->frameGeometry().width();
  top = graph->y();
}

// Beside the graph below the navigator's memo; near the top of the screen beside a low
// graph window.
void ProgramCalculusHost::PlaceTangentWindow(int height, int& left, int& top) {
  if (!graph || !lpnavi) return;
  left = lpnavi->x();
  top = graph->frameGeometry().height() < 480 ? 400 - height : graph->GetAnimationFormTop();
}

// --- the graph window ---

void ProgramGraphWindowHost::QuitProgram() { ProgramWindows::Quit(); }

// --- the macro editor ---

void ProgramMacroEditorHost::OpenMacroHelp() { OpenManualPage("macro.html"); }

// --- the redraw pipeline ---

void ProgramRedrawHost::RefreshRangeForm() { ::RefreshRangeForm(); }

void ProgramRedrawHost::ShowRangeInStatusBar() {
  if (graph) graph->ShowRangeInStatusBar();
}

void ProgramRedrawHost::CopyBufferToGraph(gfx::CopyMode mode) {
  if (graph) graph->CopyBufferToGraph(mode);
}

void ProgramRedrawHost::CopyCanvasToGraph(gfx::Canvas& canvas) {
  if (graph) graph->CopyCanvasToGraph(canvas);
}

void ProgramRedrawHost::SaveContinuousFrame() {
  if (graph) graph->SaveContinuousFrame();
}
