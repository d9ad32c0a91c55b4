#pragma once
// The navigator's entry list as a display list, without widgets: the sections of the
// current dimension with their entry rows and "未登録" (add) rows, the texts and colours
// of each row, and the row tables the clicks are hit-tested against. Built from the
// document at every change; RebuildEquationList paints it (NavigatorPainter).
#include <cstdint>
#include <string>
#include <vector>

#include "formula/TableServices.h"
#include "platform/Canvas.h"

// What a click on a row does.
namespace rowaction {
enum : std::uint8_t {
  AddPlane = 0,
  CorrectPlane = 1,
  AddSpace = 3,
  CorrectSpace = 4,
  AddFunction = 5,
  CorrectFunction = 6,
  AddConstant = 7,
  CorrectConstant = 8,
};
}  // namespace rowaction

// Row kinds beyond the entry kinds.
inline constexpr std::uint8_t kKindDefinedFunction = 9;
inline constexpr std::uint8_t kKindDefinedConstant = 10;

inline constexpr gfx::Color kPlaneSectionColor = 0xFEE6DA;
inline constexpr gfx::Color kSpaceSectionColor = 0xFEC9E8;
inline constexpr gfx::Color kDefinitionSectionColor = 0xCBF8CF;
inline constexpr gfx::Color kListGrey = 0x808080;

inline constexpr int kSectionBandHeight = 20;
inline constexpr int kAddRowHeight = 18;
inline constexpr int kDeleteButtonWidth = 18, kDeleteButtonHeight = 19;

// The list's geometry: the width of the text image, the label column's width and the
// list font's size in points.
struct TListLayout {
  int imageWidth = 2000;
  int listIndent = 30;
  int fontSize = 12;
  // The part of the text image the scroll box shows from its left edge; 0 the whole image.
  int visibleWidth = 0;
  // The "削" buttons stand at the right edge of what is shown.
  int DeleteButtonLeft() const;
  // |font height| in pixels of the list font.
  int FontHeight() const;
  // Height of the label box (the show/hide switch) of a row.
  int ToggleHeight() const;
};

// The list font (CP932 face name) at the layout's size.
gfx::Font ListFont(const TListLayout& layout);

struct TListSection {
  int top = 0;
  std::string caption;  // CP932
  gfx::Color color = 0;
  bool space = false;
  std::uint8_t kind = 0;  // the rows' kind (9 and 10 for the definitions)
};

struct TListTextLine {
  int y = 0;
  std::string text;  // CP932
};

struct TListEntryRow {
  TListRow row;
  gfx::Color sectionColor = 0;
  gfx::Color color = 0;     // the entry's colour (black for definitions)
  std::string letter;       // the label letter: "y", "y'", "s", a point's letter, "F" ...
  std::string index;        // the small number after it; empty for points
  bool hidden = false;      // the entry's shown flag is 0
  int toggleBottom = 0;     // the label box runs from row.top to here
  std::vector<TListTextLine> lines;
};

struct TListAddRow {
  TListRow row;
  gfx::Color sectionColor = 0;
};

struct NavigatorList {
  std::vector<TListSection> sections;
  std::vector<TListEntryRow> entries;
  std::vector<TListAddRow> adds;
  std::vector<int> sectionEnds;  // y of the line under each section

  // Every row including the add rows; the entry and definition rows; the label box of
  // entry n at index n (sized EntryCount + 1).
  std::vector<TListRow> ListRows, EntryRows, ToggleRows;
  int bottom = 0;  // the first pixel row below the list

  // The row of ListRows under (x, y) of the text image, -1 for none.
  int RowAt(int x, int y, int imageWidth) const;
  // The entry row whose "削" button holds (x, y) of the text image; nullptr for none.
  const TListRow* DeleteButtonAt(int x, int y, const TListLayout& layout) const;
  // The entry whose label box holds (x, y) of the label column (x below xLimit), 0 none.
  int ToggleAt(int x, int y, int xLimit) const;
  const TListEntryRow* EntryRowOf(int entry) const;
};

// The kind sums: FunctionEntryCount, CurveEntryCount, PointSequenceCount, PlainPointCount.
void RecomputeKindSums();

// The points section of the current dimension offers its add row: room for another point.
bool CanAddPoint();

// The text lines of an entry before wrapping (CP932). A derivative's text is first
// recomputed from its source entry.
std::vector<std::string> EntryRowTexts(int entry);

// The list of the document in its current dimension. `measure` measures text in the list
// font; the lines are wrapped at layout.imageWidth - 27.
NavigatorList BuildNavigatorList(const TListLayout& layout, gfx::Canvas& measure);
