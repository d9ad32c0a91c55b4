#pragma once
// What the entry window shows, as its logic decides it: the rows of fields in their
// stacking order with captions and texts, which controls are visible, and where each part
// of the window lies. The Qt window draws itself from this and from the entry's own style
// fields (colour, width, dash, arrows, label position), which it reads from the table.
// Texts and captions are CP932, as the document's texts.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The rows of fields, each a caption with a click-to-edit field (equ3panel holds three
// fields in brackets, minpanel two).
enum class EntryRow : std::uint8_t { Equ1, Equ2, Equ3, Min, Equ22, Moji, Equ23, Count };

// One editable field of the rows.
enum class EntryField : std::uint8_t { None, Equ1, Equ2, Equ3, Equ4, Equ5, Min, Max, Equ22, Equ23 };

// The controls that come and go.
enum class EntryControl : std::uint8_t {
  UpDown1,        // position in a point sequence
  PointName,      // the point's letter, a button that renames it
  LineImage,      // the figure type's picture, a click changes the type
  DefButton,      // "導関数表示"
  ContPanel,      // the style panel
  LineKind,       // solid or dashed
  Bdvis,          // boundary (or equator, far side) shown or hidden
  ArrowCheck,     // "終点に矢印を表示"
  ArrowKind,      // arrow style
  SegKind,        // segment decoration
  PointHow,       // ● or ○
  LineConect,     // "始点と終点を結ぶ"
  PlaneKind,      // "範囲枠内で表示"
  ArgChoice,      // "180°以内で表示"
  LabelPosition,  // nine buttons
  BrushPanel,     // region colour and style
  Func3dColor,    // upper and back face colours of a surface
  DelButton,
  CancelBT,
  Equ5,           // the third field of equ3panel (hidden in the plane)
  Max,            // the second field of minpanel
  Count
};

struct EntryFieldRow {
  std::string caption;               // "\r\n" makes a two-line caption
  std::array<std::string, 3> texts;  // equ3panel: equ3, equ4, equ5; minpanel: Min, max
};

struct EntryFormView {
  std::string caption;  // the window's title
  std::string label7;   // the bold title line
  std::array<EntryFieldRow, static_cast<size_t>(EntryRow::Count)> rows;
  std::string label8;  // between Min and max
  std::string bdvisCaption;
  std::string equ1Hint;
  std::array<bool, static_cast<size_t>(EntryControl::Count)> shown{};
  bool equ1Enabled = true;
  // The field being asked for, drawn highlighted.
  EntryField editing = EntryField::None;
  // UpDown1's range and position.
  int upDownMax = 1, upDownPosition = 1;

  // The rows shown, top to bottom, and the pixel layout they give (client coordinates).
  std::vector<EntryRow> order;
  std::array<int, static_cast<size_t>(EntryRow::Count)> rowTop{};
  int contTop = 0, brushTop = 0, func3dTop = 0, bdvisTop = 32, syuuTop = 0, formHeight = 0;

  EntryFieldRow& Row(EntryRow r) { return rows[static_cast<size_t>(r)]; }
  const EntryFieldRow& Row(EntryRow r) const { return rows[static_cast<size_t>(r)]; }
  bool Shown(EntryControl c) const { return shown[static_cast<size_t>(c)]; }
  void Show(EntryControl c, bool on = true) { shown[static_cast<size_t>(c)] = on; }
  void Hide(EntryControl c) { Show(c, false); }
  bool RowShown(EntryRow r) const;
};

// The row of a field and its place in the row's texts.
inline std::pair<EntryRow, int> FieldPlace(EntryField f) {
  switch (f) {
    case EntryField::Equ2: return {EntryRow::Equ2, 0};
    case EntryField::Equ3: return {EntryRow::Equ3, 0};
    case EntryField::Equ4: return {EntryRow::Equ3, 1};
    case EntryField::Equ5: return {EntryRow::Equ3, 2};
    case EntryField::Min: return {EntryRow::Min, 0};
    case EntryField::Max: return {EntryRow::Min, 1};
    case EntryField::Equ22: return {EntryRow::Equ22, 0};
    case EntryField::Equ23: return {EntryRow::Equ23, 0};
    default: return {EntryRow::Equ1, 0};
  }
}

// Pixel sizes of the window's parts; the client area is kFormWidth wide.
namespace entry_layout {
inline constexpr int kFormWidth = 284;
inline constexpr int kTitleHeight = 48;
inline constexpr int kRowHeight = 32;
inline constexpr int kContHeight = 112;
inline constexpr int kBrushHeight = 64;
inline constexpr int kFunc3dGap = 15;
inline constexpr int kFunc3dHeight = 40;
inline constexpr int kSyuuHeight = 40;
}  // namespace entry_layout
