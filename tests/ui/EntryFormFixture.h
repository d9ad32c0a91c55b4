#pragma once
// The entry window's logic over a small document built in code, with a scripted input
// service and a host that records what the window asks of the navigator and the graph.
#include <memory>
#include <string>
#include <vector>

#include "ScriptedEntryInput.h"
#include "UiStateFixture.h"
#include "animate/TimerJobs.h"
#include "formula/FigureClassify.h"
#include "formula/FigureTable.h"
#include "formula/FigureTableOperands.h"
#include "formula/UsageScan.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"
#include "ui/EntryFormController.h"
#include "ui/EntryFormHost.h"
#include "ui/EntryFormState.h"

class RecordingEntryHost final : public EntryFormHost {
 public:
  std::vector<std::string> calls;
  int NavigatorLeft() override { return 600; }
  int NavigatorTop() override { return 100; }
  int NavigatorWidth() override { return 300; }
  void DeleteEntry(int entry, int mode) override {
    calls.push_back("DeleteEntry " + std::to_string(entry) + " " + std::to_string(mode));
  }
  void UpdateMenuState(bool enable) override { calls.push_back("UpdateMenuState " + std::to_string(enable)); }
  void EnableFileMenu(bool enable) override { calls.push_back("EnableFileMenu " + std::to_string(enable)); }
  void EnableGraphPopupMenu(bool enable) override { calls.push_back("EnableGraphPopupMenu " + std::to_string(enable)); }
  void SetPointGuideShown(bool shown) override { calls.push_back("SetPointGuideShown " + std::to_string(shown)); }
  void HideParameterPanel() override { calls.push_back("HideParameterPanel"); }
};

inline int PointNumber(char letter) { return static_cast<int>(std::string(PointNameOrder).find(letter)) + 1; }

class EntryFormTest : public UiStateTest {
 protected:
  void SetUp() override {
    UiStateTest::SetUp();
    SetEntryFormHost(&host);
    Timer1().JobCode = job::Idle;
    Timer1().SetEnabled(false);
    EditedEntryIndex = 0;
    SavedEntryCopy = Tfuncprop{};
  }
  void TearDown() override {
    form.reset();
    SetEntryFormHost(nullptr);
    Timer1().SetJobAction(job::EntryInput, nullptr);
    UiStateTest::TearDown();
  }

  // An entry placed in its kind's group as the navigator places it; its number.
  static int Add(int kind, int subkind = 255, std::initializer_list<const char*> texts = {}) {
    Tfuncprop e;
    InitFuncprop(e, kind);
    e.subkind = static_cast<uint8_t>(subkind);
    int k = 0;
    for (const char* t : texts) e.texts[static_cast<size_t>(k++)] = sj(t);
    if (kind == kKindPoint) {
      e.penWidth = 2;
      e.labelPos = 4;
    }
    EXPECT_TRUE(InsertEntry(e));
    ++doc.EntryCount;
    return KindGroupStart(kind) + doc.KindCounts[kind] - 1;
  }
  // A point: by coordinates when x and y are given, else constructed by `code`.
  static int AddPoint(char letter, const char* x, const char* y, int code = 255) {
    const int e = Add(kKindPoint, code, {x, y, "", "0"});
    doc.FigureTable[e].letter = static_cast<uint8_t>(PointNumber(letter));
    doc.FigureTable[e].texts[2] = std::string(1, letter);
    ClassifyFigure(doc.FigureTable[e]);
    return e;
  }
  // A new point of the construction, named as the navigator names it.
  static int NewPoint(char letter, int code) {
    const int e = Add(kKindPoint, code);
    doc.FigureTable[e].letter = static_cast<uint8_t>(PointNumber(letter));
    doc.FigureTable[e].texts[2] = std::string(1, letter);
    return e;
  }
  // Usage marks and point positions, as after a redraw.
  static void Refresh() {
    ClearUsageFlags();
    RecomputeParameterUsage();
    PrepareRedraw();
  }

  EntryFormController& Open(int entry, int mode, int maxIndex = 0) {
    form = std::make_unique<EntryFormController>(input);
    EXPECT_TRUE(form->Open(entry, maxIndex ? maxIndex : entry, mode, 4));
    form->FormShow();
    return *form;
  }
  // Opens the window and runs the timer tick that asks the fields of a new entry.
  EntryFormController& Enter(int entry, int mode) {
    Open(entry, mode);
    EXPECT_EQ(Timer1().JobCode, job::EntryInput);
    if (Timer1().Enabled()) Timer1().Timer1Timer();
    return *form;
  }
  // A correction of the entry, its copy taken as the navigator takes it.
  EntryFormController& Correct(int entry) {
    SavedEntryCopy = doc.FigureTable[entry];
    return Open(entry, doc.Dimension == 3 ? 4 : 1);
  }

  ScriptedEntryInput input;
  RecordingEntryHost host;
  std::unique_ptr<EntryFormController> form;
};
