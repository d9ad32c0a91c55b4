#pragma once
// The program's answers to what a running macro asks: the parameter panel and its timer,
// its after-image and locus controls, the navigator, the graph window and the equation
// files.
#include "animate/MacroHost.h"

class ProgramMacroHost final : public MacroHost {
 public:
  void ApplyParameterValues(int mode) override;
  void RedrawForParameters() override;
  void ShowParameterValues() override;
  void RepaintGraphs() override;
  void StopTimer() override;
  void SetMacroControlsEnabled(bool enabled) override;
  void SetDocumentCommandsEnabled(bool enabled) override;
  void ShowStopButton() override;
  void ShowMacroButtons(const std::array<std::string, 9>& captions) override;
  void SetMacroButtonsEnabled(bool enabled) override;
  void ReleaseMacroButtons() override;
  void ShowMacroStatus(bool visible, const std::string& text) override;
  void SetAfterImage(bool on) override;
  void SetLocus(bool on) override;
  void EraseAfterImages() override;
  void UpdateEraseButton() override;
  void RefreshNavigator() override;
  void RedrawGraphs() override;
  void RefreshLabels() override;
  void ViewStep(int code) override;
  void CentreView(Extended x, Extended y) override;
  std::filesystem::path DemoFolder() override;
  bool FileExists(const std::filesystem::path& file) override;
  void LoadEquationFile(const std::filesystem::path& file) override;
  void LoadBackgroundPicture(const std::filesystem::path& file) override;
  void ClearBackgroundPicture() override;
  void MakeWave(const Tfrec* formula, bool append, int slot, float seconds) override;
  void PlaySoundSlot(int slot) override;
  void ShowMessage(const std::string& utf8) override;
};
