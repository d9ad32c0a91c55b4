#pragma once
// The palette window's logic, without widgets: one window that serves as the point-name
// picker (25 letters), the numbered figure picker ("s1", "s2", ...) and the figure-tool
// palette (12 tools). Its state lives as long as the program; the callers prepare it
// (MarkUsedPointNames, ShowFigureNumberPicker), set ClpanelMode, show the window and read
// ClpanelResult, ChosenFigureType and ui.InputCancelled when it has closed.
//
// Modes: 1 a point for the formula keyboard (inserted at its caret, the picker stays open),
// 2 and 4 an existing point, 3 a point's name, 6 the next point of a point list (OK ends
// the list), 5 and 49..52 the figure tools, 7..12 a figure by number: 7 circles, 8 lines,
// segments and rays, 9 planes, 10 spheres, 11 planes and circles, 12 circles (spheres in
// space) with more than one named point on them.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Canvas.h"

// The order in which the picker shows the letters; PointNameOrder is the order in which
// they are handed out.
inline constexpr char PointDisplayOrder[] = "ABCDEFGHIJKLMNOPQRSTUVWYZX ";
inline constexpr int kLetterButtons = 26;
inline constexpr int kToolButtons = 12;

// Display position (1..26) of the n-th letter of PointNameOrder; 0 outside 1..26.
int NameOrderToAlphaIndex(int n);
// PointNameOrder position of the letter on display button i; 0 outside 1..26.
int AlphaIndexToNameOrder(int i);

// The fixed rectangles of the buttons (right and bottom exclusive).
gfx::Rect LetterButtonRect(int i);
gfx::Rect ToolButtonRect(int i);

// In space tool 7 makes figure type 9, tool 9 type 10 and tool 10 type 7.
int MapSpaceTool(int tool);
// The name of a figure type (UTF-8) in the document's dimension; empty for other numbers.
const char* GetFigureToolCaption(int tool);
// The name of what a tool button makes in the document's dimension.
const char* ToolButtonCaption(int tool);

class PaletteModel {
 public:
  std::uint8_t ClpanelMode = 0;
  std::uint8_t ClpanelResult = 0;   // letter (PointNameOrder position) or figure button; 0 none
  std::uint8_t ChosenFigureType = 0;  // the tool palette's choice as a figure type; 0 none
  std::uint8_t PolygonOption = 0;   // set by the entry window: polylines are always offered
  gfx::Color FrameColor = gfx::kBtnFace;

  struct LetterButton {
    bool available = true;
    bool shown = true;
    std::string caption;  // the letter, or "s" + a figure number
  };
  struct ToolButton {
    bool available = true;
    bool down = false;
  };

  PaletteModel();

  // The window is shown: caption, buttons and availability by ClpanelMode. The result the
  // caller preset is made available (modes 1, 3, 4, 6) and then cleared, so that a window
  // closed without a choice leaves none.
  void Show();

  bool ShowsTools() const;
  bool OkVisible() const;
  const std::string& Caption() const { return caption_; }  // UTF-8

  enum class Outcome { None, Redraw, InsertLetter, Close };
  Outcome MouseDown(int x, int y);
  Outcome MouseUp(int x, int y);
  // The letter mode 1 hands to the keyboard.
  char LetterToInsert() const { return letterToInsert_; }
  // "OK": the result stays 0 (the tool choice is ChosenFigureType; a point list ends).
  void Ok();
  // "ｷｬﾝｾﾙ" and every other close: no result, and in modes above 1 the input is cancelled.
  void Cancel();

  const LetterButton& Letter(int i) const { return letters_[static_cast<size_t>(i)]; }
  const ToolButton& Tool(int i) const { return tools_[static_cast<size_t>(i)]; }
  int PressedLetter() const { return pressedLetter_; }
  // The button under (x, y) in the picture the mode shows; 0 none.
  int LetterAt(int x, int y) const;
  int ToolAt(int x, int y) const;

  // Letter availability by point number (PointNameOrder position).
  void SetPointAvailable(int n, bool available);
  bool PointAvailable(int n) const;

 private:
  friend void MarkUsedPointNames(int mode, int keep, int count);
  friend int CountPointsOnCircle(int figure, bool mark);
  friend void ShowFigureNumberPicker(int current);

  void SetToolAvailability(int mode);
  void ShowLetters();

  std::array<LetterButton, kLetterButtons + 1> letters_;  // 1..26
  std::array<ToolButton, kToolButtons + 1> tools_;        // 1..12
  std::string caption_;
  int pressedLetter_ = 0;
  char letterToInsert_ = 0;
};

extern PaletteModel clpanel;

// mode 1 (naming a new point): every letter available but those of the points among the
// first `count` entries; modes 2 and 3 (choosing an existing point): only those, and in
// mode 2 not the point sequences. The letter `keep` (a point number) stays as it was.
void MarkUsedPointNames(int mode, int keep, int count);
// Points on the circle (a sphere in space) that is figure number `figure` (counted among
// the figures): those whose point lies within 1e-5 of the radius from the centre. With
// `mark` they become the only available letters. 0 for a figure of another type.
int CountPointsOnCircle(int figure, bool mark);
// Writes the numbers (among the figures) of the figures of the type into
// doc.FigureKindList and returns their count; 11 collects types 1, 9 and 10, 12 the
// circles with more than one point on them.
int CollectFiguresOfKind(int kind);
// Sets the figure buttons up for the picker mode in ClpanelMode: "s" + the number of each
// figure of the mode's group, every one available but `current` (a figure number).
void ShowFigureNumberPicker(int current);
