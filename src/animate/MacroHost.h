#pragma once
// What a running macro asks of the windows and of the work built beside the macro
// language: the parameter panel, the navigator and the graph window, labels, the
// background picture, after-images, files and sound. Every call is a no-op until the
// program installs an implementation; tests install recording fakes. The document state
// itself (values, shown flags) is written by the interpreter directly.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "animate/WindowQuestions.h"
#include "platform/Extended.h"

struct Tfrec;

// Messages are the shared question.
class MacroHost : public WindowQuestions {
 public:
  virtual ~MacroHost() = default;

  // --- the parameter panel ---
  // The change list rebuilt from the shown rows (mode 0 changed values, 1 every value).
  virtual void ApplyParameterValues(int mode) {}
  // The redraw of a parameter step: after-images, loci, the moving layer, the frame.
  virtual void RedrawForParameters() {}
  virtual void ShowParameterValues() {}
  // The moving layer repainted without after-images.
  virtual void RepaintGraphs() {}
  // The animation timer off (a for loop runs no auto-repeat beside it).
  virtual void StopTimer() {}
  // While a procedure runs: the graph window, the parameter rows, the step width, the
  // all-up and all-down buttons and the editor button are disabled.
  virtual void SetMacroControlsEnabled(bool enabled) {}
  // While any run: the navigator's commands that change the document are disabled
  // (stopping and quitting stay available).
  virtual void SetDocumentCommandsEnabled(bool enabled) {}
  // At the start of any run: the panel with its stop button is shown, so that the run
  // can be stopped whatever the document holds.
  virtual void ShowStopButton() {}
  // The macro buttons 1..9: a button with an empty caption is disabled.
  virtual void ShowMacroButtons(const std::array<std::string, 9>& captions) {}
  virtual void SetMacroButtonsEnabled(bool enabled) {}
  // Buttons 1..5 shown released.
  virtual void ReleaseMacroButtons() {}
  // The panel's status label: visible with the text (UTF-8), or hidden.
  virtual void ShowMacroStatus(bool visible, const std::string& text) {}

  // --- after-images and loci ---
  // The after-image or locus button pressed or released; its toggle follows.
  virtual void SetAfterImage(bool on) {}
  virtual void SetLocus(bool on) {}
  virtual void EraseAfterImages() {}
  virtual void UpdateEraseButton() {}

  // --- graphs, labels and the view ---
  virtual void RefreshNavigator() {}
  // After entries were shown or hidden: the graph recomposed (plane) or redrawn (space),
  // on the screen before the call returns.
  virtual void RedrawGraphs() {}
  // After labels were shown or hidden: the interval refreshed in interval mode, else the
  // graph window's picture.
  virtual void RefreshLabels() {}
  // One step of a graph window view button (0 left, 1 right, 2 up, 3 down, 4 smaller,
  // 5 larger).
  virtual void ViewStep(int code) {}
  // Plane: the view centred on (x, y), redrawn.
  virtual void CentreView(Extended x, Extended y) {}

  // --- files and pictures ---
  // The folder of the last file loaded or saved, against which macro file names resolve.
  virtual std::filesystem::path DemoFolder() { return {}; }
  virtual bool FileExists(const std::filesystem::path& file) { return false; }
  // Asked once the run has ended: the equation file loaded as the document.
  virtual void LoadEquationFile(const std::filesystem::path& file) {}
  // The picture becomes the background (the navigator's button follows), then a redraw.
  virtual void LoadBackgroundPicture(const std::filesystem::path& file) {}
  // A shown background picture removed, then a redraw.
  virtual void ClearBackgroundPicture() {}

  // --- sound ---
  // The formula sampled with x the time in seconds into the slot (1..10), new or
  // appended; the caller keeps the tree. Durations come in (0, kMaxMacroWaveSeconds].
  virtual void MakeWave(const Tfrec* formula, bool append, int slot, float seconds) {}
  virtual void PlaySoundSlot(int slot) {}
};

// Longest sound a macro records in one statement.
inline constexpr float kMaxMacroWaveSeconds = 600.0f;
