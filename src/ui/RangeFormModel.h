#pragma once
// The plane view-settings window's logic, without widgets: the four bound panels and the
// drawing size as the window shows them, the choices of its buttons and check boxes by
// component name, the coordinate system, axis names, colours, densities and fonts. Every
// change is written into the document at once and redrawn; the bounds wait for "更新" or
// the window's close.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "formula/Tlabelrec.h"
#include "render/ViewZoom2D.h"

class TimerJobs;

// A button of a group or a check box: it is down (checked) while get() gives `value`;
// choosing it sets that value.
struct TRangeChoice {
  const char* name;
  int (*get)();
  void (*set)(int);
  int value;
};
// Every button and check box of the window that stands for one setting.
std::span<const TRangeChoice> RangeFormChoices();

// The axis names offered (UTF-8).
inline constexpr const char* kAxisNameItems[] = {"x", "y", "z", "t", "θ", "ω", "a", "b", "c", "d", "p", "q"};

enum class RangeAxis { X, Y };
enum class RangeFont { Axis, PointLabel };

class RangeFormModel {
 public:
  // Asks a text on the formula keyboard (caption UTF-8, keyboard kind, text CP932 in and
  // out); false when cancelled.
  using AskText = std::function<bool(const char* caption, std::uint8_t kind, std::string& text)>;

  explicit RangeFormModel(TimerJobs& timer);

  // What the panels show (CP932) and the drawing size of the size fields.
  TBoundTexts BoundTexts;
  int DrawingWidth = 0, DrawingHeight = 0;
  // The largest drawing size (the screen's).
  int MaxWidth = 0, MaxHeight = 0;
  // A bound or an axis setting changed since the bounds were last applied.
  std::uint8_t RangeEdited = 0;

  // The window opens: other windows keep off the view, the background is rebuilt, the
  // panels show the view.
  void FormShow();
  // The window closes: pending bounds are applied.
  BoundsResult FormClose();
  // The panels from the view, the size fields from the drawing.
  void RefreshRangeForm();

  // A click on bound panel 0..3: the text is asked until it evaluates to a value strictly
  // inside +-60000 or the question is cancelled. False when cancelled.
  bool EditBound(int i, const AskText& ask);
  // The panel's text; RangeEdited when a bound now differs from the view.
  void SetBoundText(int i, std::string text);
  // The panels become the view when they make one, then a redraw. Refused, the panels
  // keep their texts and stay pending.
  BoundsResult ApplyRangePanels();
  // Why the panels were refused (UTF-8); empty when they were applied.
  const char* RefusalMessage(BoundsResult result) const;
  // ApplyRangePanels while a bound was edited.
  BoundsResult ApplyPendingBounds();
  // "更新": the drawing takes the size of the size fields (resize), then the bounds typed
  // apply; the redraw of the resize does not put the view's bounds over them.
  BoundsResult ApplySizeAndBounds(const std::function<void(int width, int height)>& resize);
  // A click on a size field: the new width (height) is asked; false when cancelled.
  bool EditDrawingSize(RangeAxis axis, const AskText& ask);

  // Coordinate system 0..4.
  void SelectCoordinateSystem(int system);
  // A button or check box by its component name; unknown names change nothing.
  void Choose(const std::string& name);
  void Check(const std::string& name, bool on);
  static bool Chosen(const std::string& name);

  void SetTickDensity(RangeAxis axis, int density);  // -2 (dense) .. 2 (coarse)
  void SetAxisName(RangeAxis axis, const std::string& utf8);
  void SetAxisColor(RangeAxis axis, std::int32_t color);
  void SetGridColor(std::int32_t color);
  // "標準": the standard font; "その他": the chosen one; the size field.
  void SetStandardFont(RangeFont which);
  void SetCustomFont(RangeFont which, const Tlfont& font);
  void SetFontSize(RangeFont which, int size);
  static const Tlfont& Font(RangeFont which);
  static bool FontIsCustom(RangeFont which);

 private:
  void Changed();
  TimerJobs& timer_;
};

// Why bounds are refused (UTF-8).
inline constexpr const char* kBadFormulaMessage = "式が間違っています";
inline constexpr const char* kBoundLimitMessage = "範囲は -60000 より大きく 60000 より小さい値にしてください";
inline constexpr const char* kXOrderMessage = "ｘの下限はｘの上限より小さい値にしてください";
inline constexpr const char* kYOrderMessage = "ｙの下限はｙの上限より小さい値にしてください";

// Bound panel captions, x lower .. y upper (UTF-8).
inline constexpr const char* kBoundCaptions[4] = {"ｘの下限", "ｘの上限", "ｙの下限", "ｙの上限"};
// Keyboard kinds of the bound panels (a number or a formula of numbers) and the size fields
// (digits only).
inline constexpr std::uint8_t kBoundKeyboardKind = 7;
inline constexpr std::uint8_t kSizeKeyboardKind = 8;
