#pragma once
// Documents built in code for the navigator's tests, and a host that scripts the answers
// of the modal windows and records what the navigator asked.
#include <array>
#include <deque>
#include <string>
#include <vector>

#include "animate/MacroHost.h"
#include "animate/MacroRuns.h"
#include "formula/DocumentState.h"
#include "formula/FigureTable.h"
#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"
#include "render/RedrawHost.h"
#include "render/RenderState.h"
#include "support/GuiApp.h"
#include "ui/NavigatorModel.h"
#include "ui/UiStateFixture.h"

// Appends an entry of the kind (kept in its group) with texts given in UTF-8; the entry's
// number.
inline int AddTestEntry(int kind, std::initializer_list<const char*> texts = {}, int subkind = 255) {
  Tfuncprop e;
  InitFuncprop(e, kind);
  e.subkind = static_cast<uint8_t>(subkind);
  int k = 0;
  for (const char* t : texts) e.texts[static_cast<size_t>(k++)] = sj(t);
  if (!InsertEntry(e)) return 0;
  ++doc.EntryCount;
  int last = 0;
  for (int i = 1; i <= doc.EntryCount; ++i)
    if (doc.FigureTable[i].kind == kind) last = i;
  return last;
}

// A point named by its letter ("A", "B", ...), by coordinates unless a construction is given.
inline int AddTestPoint(char letter, std::initializer_list<const char*> texts, int subkind = 255) {
  const int i = AddTestEntry(kKindPoint, texts, subkind);
  int n = 0;
  for (int k = 0; k < kMaxPoints; ++k)
    if (PointNameOrder[k] == letter) n = k + 1;
  doc.FigureTable[i].letter = static_cast<uint8_t>(n);
  doc.FigureTable[i].texts[2] = std::string(1, letter);
  doc.PointLetterEntry[n] = static_cast<uint8_t>(i);
  return i;
}

// A figure of the type; types 2 to 5 take their end points by letter.
inline int AddTestFigure(int type, std::initializer_list<const char*> texts, char from = 0, char to = 0) {
  const int i = AddTestEntry(kKindFigure, texts, type);
  auto number = [](char c) {
    for (int k = 0; k < kMaxPoints; ++k)
      if (PointNameOrder[k] == c) return k + 1;
    return kNoPoint;
  };
  if (from) doc.FigureTable[i].letter = static_cast<uint8_t>(number(from));
  if (to) doc.FigureTable[i].letter2 = static_cast<uint8_t>(number(to));
  return i;
}

inline int KindSum() {
  int sum = 0;
  for (int k = 1; k <= 10; ++k) sum += doc.KindCounts[k];
  return sum;
}

class FakeNavigatorHost : public NavigatorHost {
 public:
  std::deque<bool> warnings;                       // answers, "no" when empty
  std::deque<std::pair<bool, std::string>> texts;  // keyboard: accepted and text; cancel when empty
  std::deque<int> letters;                         // point-name picker; 0 when empty
  std::deque<int> csvCounts;                       // CSV import; -1 when empty
  std::deque<EntryWindowResult> entryWindows;      // cancelled when empty

  std::vector<std::string> calls;  // "warning 5", "message ...", "keyboard <caption>", "entry e,n,m", ...
  int panelShows = 0, listChanges = 0, erases = 0;
  TNavigatorPlace place{300, 20, 700, true, 310, 200};

  bool AskWarning(std::uint8_t code) override {
    calls.push_back("warning " + std::to_string(code));
    return Take(warnings, false);
  }
  void ShowMessage(const std::string& utf8) override { calls.push_back("message " + utf8); }
  bool AskText(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) override {
    calls.push_back("keyboard " + caption + " kind " + std::to_string(kind));
    const auto answer = Take(texts, std::pair<bool, std::string>{false, std::string()});
    if (answer.first) text = sj(answer.second);
    return answer.first;
  }
  int PickPointName(int, int left, int top) override {
    calls.push_back("picker at " + std::to_string(left) + "," + std::to_string(top));
    return Take(letters, 0);
  }
  int ImportCsvPoints(int letter) override {
    calls.push_back("csv " + std::to_string(letter));
    return Take(csvCounts, -1);
  }
  EntryWindowResult OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) override {
    calls.push_back("entry " + std::to_string(entry) + "," + std::to_string(maxIndex) + "," + std::to_string(mode) +
                    " at " + std::to_string(left));
    const EntryWindowResult r = Take(entryWindows, EntryWindowResult::Cancelled);
    ui.InputCancelled = r == EntryWindowResult::Cancelled ? 1 : 0;
    if (onEntryWindow) onEntryWindow(entry);
    return r;
  }
  void EraseAfterImages() override { ++erases; }
  void ShowParameterPanel() override { ++panelShows; }
  void DockNavigator() override {}
  void ListChanged() override { ++listChanges; }
  TNavigatorPlace Place() override { return place; }

  // Runs while the entry window is "open" (what the user changes there).
  std::function<void(int entry)> onEntryWindow;

 private:
  template <class T>
  static T Take(std::deque<T>& q, T fallback) {
    if (q.empty()) return fallback;
    T v = q.front();
    q.pop_front();
    return v;
  }
};

// Every whole redraw asks the view-settings window for its texts.
struct RedrawCount : RedrawHost {
  int redraws = 0;
  void RefreshRangeForm() override { ++redraws; }
};
// Every compile of the macro shows the macro buttons.
struct MacroCompileCount : MacroHost {
  int compiles = 0;
  void ShowMacroButtons(const std::array<std::string, 9>&) override { ++compiles; }
};

class NavigatorTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
    ui.PendingPointConstruction = 255;
    SetRedrawHost(&pipeline);
    Macros().SetHost(&macros);
  }
  void TearDown() override {
    Macros().SetHost(nullptr);
    SetRedrawHost(nullptr);
    ResetRenderState();
    UiStateTest::TearDown();
  }
  RedrawCount pipeline;
  MacroCompileCount macros;
  NavigatorList Build(int imageWidth = 2000) {
    TListLayout layout;
    layout.imageWidth = imageWidth;
    RecomputeKindSums();
    return BuildNavigatorList(layout, measure);
  }
  // Clicks the middle of the row of ListRows at index `row`.
  void ClickRow(NavigatorModel& model, int row) {
    const TListRow& r = model.List().ListRows[static_cast<size_t>(row)];
    model.ListMouseX = 10;
    model.ListMouseY = (r.top + r.bottom) / 2;
    model.TextClick();
  }
  // The index in ListRows of the add row of a kind, -1 when there is none.
  static int AddRowOf(const NavigatorList& list, int kind) {
    for (const TListAddRow& add : list.adds)
      if (add.row.kind == kind) return IndexOfTop(list, add.row.top);
    return -1;
  }
  static int RowOfEntry(const NavigatorList& list, int entry, int kind) {
    for (const TListEntryRow& row : list.entries)
      if (row.row.entry == entry && row.row.kind == kind) return IndexOfTop(list, row.row.top);
    return -1;
  }
  static int IndexOfTop(const NavigatorList& list, int top) {
    for (size_t i = 0; i < list.ListRows.size(); ++i)
      if (list.ListRows[i].top == top) return static_cast<int>(i);
    return -1;
  }

  gfx::RecordingCanvas measure{2000, 2000};
  FakeNavigatorHost host;
};
