#include <gtest/gtest.h>

#include <array>

#include "NavigatorFixture.h"
#include "formula/Records.h"
#include "ui/NavigatorModel.h"

namespace {

class NavigatorModelTest : public NavigatorTest {
 protected:
  NavigatorModel model{host, measure};

  void Rebuild() { model.RebuildEquationList(); }
  void ClickAdd(int kind) {
    Rebuild();
    const int row = AddRowOf(model.List(), kind);
    ASSERT_GE(row, 0);
    ClickRow(model, row);
  }
  void ClickEntry(int entry, int kind) {
    Rebuild();
    const int row = RowOfEntry(model.List(), entry, kind);
    ASSERT_GE(row, 0);
    ClickRow(model, row);
  }
  bool Called(const std::string& call) const {
    return std::find(host.calls.begin(), host.calls.end(), call) != host.calls.end();
  }
};

TEST_F(NavigatorModelTest, AClickOnEachRowOpensTheWindowOfItsAction) {
  AddTestEntry(kKindExplicit, {"x"});
  AddTestEntry(kKindRelation, {"x=y"});
  AddTestPoint('A', {"0", "0"});
  doc.DefinedFunctionCount = doc.DefinedConstantCount = 1;
  doc.DefinedFunctionTexts[1] = "x";
  doc.DefinedConstantTexts[1] = "2";
  Rebuild();
  const DocumentState before = doc;
  // The host cancels every window; the navigator's place gives left 300, list 310, mouse 200.
  const std::vector<std::string> expected = {
      "entry 1,1,1 at 304",  "entry 2,2,0 at 304", "entry 2,2,1 at 304", "entry 3,3,0 at 304",
      "entry 3,3,0 at 304",  "entry 3,3,0 at 304", "entry 3,3,0 at 304", "entry 3,3,1 at 304",
      "picker at 310,260",   "keyboard 定義関数 F1 kind 4", "keyboard 定義関数 F2 kind 4",
      "keyboard 定義定数 Q1 kind 4", "keyboard 定義定数 Q2 kind 4",
  };
  Rebuild();
  ASSERT_EQ(model.List().ListRows.size(), expected.size());
  for (size_t row = 0; row < expected.size(); ++row) {
    host.calls.clear();
    Rebuild();
    ClickRow(model, static_cast<int>(row));
    ASSERT_FALSE(host.calls.empty()) << row;
    EXPECT_EQ(host.calls.front(), expected[row]) << row;
    EXPECT_EQ(doc.EntryCount, before.EntryCount) << row;
    EXPECT_EQ(doc.FigureTable, before.FigureTable) << row;
    EXPECT_EQ(doc.DefinedFunctionCount, 1) << row;
    EXPECT_EQ(doc.DefinedConstantCount, 1) << row;
  }
  EXPECT_EQ(ui.DocumentUntouched, 0);
}

TEST_F(NavigatorModelTest, ACancelledAddLeavesNoHalfMadeEntry) {
  struct Case {
    const char* name;
    int dimension;
    int kind;
    int construction;
    std::vector<int> letters;
    bool entryWindowAsked;
  };
  const Case cases[] = {
      {"no name chosen for a point", 2, kKindPoint, 255, {}, false},
      {"point named, entry window cancelled", 2, kKindPoint, 255, {21}, true},
      {"CSV point list cancelled", 2, kKindPoint, 100, {21}, false},
      {"explicit function cancelled", 2, kKindExplicit, 255, {}, true},
      {"space surface cancelled", 3, kKindExplicit, 255, {}, true},
      {"space point cancelled", 3, kKindPoint, 255, {21}, true},
  };
  for (const Case& c : cases) {
    ResetUiStateForTest();
    host = FakeNavigatorHost{};
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    if (c.dimension == 2) AddTestPoint('A', {"1", "1"});
    Rebuild();
    const DocumentState before = doc;
    ui.PendingPointConstruction = static_cast<uint8_t>(c.construction);
    host.letters.assign(c.letters.begin(), c.letters.end());
    ClickAdd(c.kind);
    EXPECT_EQ(doc.EntryCount, before.EntryCount) << c.name;
    EXPECT_EQ(doc.FigureTable, before.FigureTable) << c.name;
    EXPECT_EQ(KindSum(), doc.EntryCount) << c.name;
    EXPECT_EQ(doc.SpaceSurfacePresent, 0) << c.name;
    EXPECT_EQ(doc.PointSequences[21].size(), 1u) << c.name;
    bool asked = false;
    for (const std::string& call : host.calls) asked = asked || call.rfind("entry ", 0) == 0;
    EXPECT_EQ(asked, c.entryWindowAsked) << c.name;
    EXPECT_EQ(ui.PendingPointConstruction, 255) << c.name;
  }
}

TEST_F(NavigatorModelTest, ANewPointTakesTheChosenLetter) {
  host.letters = {21};
  host.entryWindows = {EntryWindowResult::Accepted};
  ClickAdd(kKindPoint);
  ASSERT_EQ(doc.EntryCount, 1);
  const Tfuncprop& p = doc.FigureTable[1];
  EXPECT_EQ(p.kind, kKindPoint);
  EXPECT_EQ(p.letter, 21);
  EXPECT_EQ(p.texts[2], "F");
  EXPECT_EQ(p.penWidth, 2);
  EXPECT_EQ(p.labelPos, 4);
  EXPECT_EQ(p.option64, 2);
  EXPECT_EQ(ui.EntryModified, 1);
  EXPECT_EQ(pipeline.redraws, 1);
  EXPECT_EQ(macros.compiles, 1);
  EXPECT_TRUE(Called("entry 1,1,0 at 304"));
}

TEST_F(NavigatorModelTest, ANewPolarCurveOpensWithAnEmptyRadiusAboutTheOrigin) {
  std::array<std::string, 5> opened;
  host.onEntryWindow = [&opened](int entry) { opened = doc.FigureTable[entry].texts; };
  host.entryWindows = {EntryWindowResult::Accepted};
  ClickAdd(kKindPolar);
  EXPECT_EQ(opened, (std::array<std::string, 5>{"", "0", "0", "", ""}));
}

TEST_F(NavigatorModelTest, ACsvPointListIsReadBeforeTheEntryWindow) {
  ui.PendingPointConstruction = 100;
  host.letters = {2};
  host.csvCounts = {5};
  host.entryWindows = {EntryWindowResult::Accepted};
  ClickAdd(kKindPoint);
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(doc.FigureTable[1].subkind, 100);
  EXPECT_EQ(doc.PointSequenceDirty[2], 0);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"picker at 310,260", "csv 2", "entry 1,5,0 at 304"}));
  EXPECT_EQ(pipeline.redraws, 2);  // once for the points read, once after the entry
}

TEST_F(NavigatorModelTest, ACorrectedPointSequenceOffersEachOfItsPoints) {
  AddTestPoint('B', {}, 100);
  doc.PointSequences[2].assign(3, TSpacePoint{});
  host.entryWindows = {EntryWindowResult::Cancelled};
  ClickEntry(1, kKindPoint);
  EXPECT_TRUE(Called("entry 1,3,1 at 304"));
}

TEST_F(NavigatorModelTest, ACorrectionRedrawsOnlyWhenSomethingChanged) {
  AddTestEntry(kKindExplicit, {"a*x"});
  host.entryWindows = {EntryWindowResult::Accepted, EntryWindowResult::Accepted};
  ClickEntry(1, kKindExplicit);
  EXPECT_EQ(ui.EntryModified, 0);
  EXPECT_EQ(pipeline.redraws, 0);
  EXPECT_EQ(macros.compiles, 0);
  EXPECT_EQ(host.panelShows, 1);  // a is in use
  EXPECT_EQ(modes.AnimationMode, 0);

  host.onEntryWindow = [](int entry) { doc.FigureTable[entry].color = 0x0000FF; };
  ClickEntry(1, kKindExplicit);
  EXPECT_EQ(ui.EntryModified, 1);
  EXPECT_EQ(pipeline.redraws, 1);
  EXPECT_EQ(macros.compiles, 1);
}

TEST_F(NavigatorModelTest, DefinitionsAreEditedOnTheKeyboard) {
  host.texts = {{true, "x^2"}, {true, "2"}};
  ClickAdd(kKindDefinedFunction);
  EXPECT_EQ(doc.DefinedFunctionCount, 1);
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "x^2");
  EXPECT_EQ(doc.DefinedFunctionUsage[1].exists, 1);
  EXPECT_EQ(ui.EntryModified, 1);
  ClickAdd(kKindDefinedConstant);
  EXPECT_EQ(doc.DefinedConstantCount, 1);
  EXPECT_EQ(doc.DefinedConstantValues[1], 2);
  EXPECT_EQ(doc.EditedDefinition, TEditedDefinition{});

  // A cancelled new definition is taken back and nothing is refreshed.
  const int changes = host.listChanges;
  ClickAdd(kKindDefinedFunction);
  EXPECT_EQ(doc.DefinedFunctionCount, 1);
  EXPECT_EQ(doc.DefinedFunctionTexts[2], "");
  EXPECT_EQ(ui.EntryModified, 0);
  EXPECT_EQ(host.listChanges, changes + 1);  // the rebuild before the click only
}

// Points A, B, C; figures s1 segment AC (unused), s2 circle about A, s3 circle about B,
// s4 line AB; D on s3, E on s2 and s3, L the foot from C on s4.
class FigureNumbersTest : public NavigatorModelTest {
 protected:
  void SetUp() override {
    NavigatorModelTest::SetUp();
    AddTestPoint('A', {"0", "0"});
    AddTestPoint('B', {"3", "0"});
    AddTestPoint('C', {"0", "3"});
    s1 = AddTestFigure(3, {}, 'A', 'C');
    s2 = AddTestFigure(8, {"A", "1"});
    AddTestFigure(8, {"B", "1"});
    AddTestFigure(2, {}, 'A', 'B');
    d = AddTestPoint('D', {"3", "1"}, 10);
    e = AddTestPoint('E', {"2", "3"}, 13);
    l = AddTestPoint('L', {"C", "4"}, 26);
    Rebuild();
  }
  int s1 = 0, s2 = 0, d = 0, e = 0, l = 0;
};

TEST_F(FigureNumbersTest, DeletingAFigureRenumbersTheFiguresPointsName) {
  host.warnings = {true};
  model.DeleteEntry(s1, rowaction::CorrectPlane);
  EXPECT_EQ(host.calls, std::vector<std::string>{"warning 5"});
  EXPECT_EQ(doc.KindCounts[kKindFigure], 3);
  EXPECT_EQ(doc.FigureTable[d - 1].texts[0], "2");
  EXPECT_EQ(doc.FigureTable[e - 1].texts[0], "1");
  EXPECT_EQ(doc.FigureTable[e - 1].texts[1], "2");
  EXPECT_EQ(doc.FigureTable[l - 1].texts[1], "3");
  EXPECT_EQ(KindSum(), doc.EntryCount);
  EXPECT_EQ(pipeline.redraws, 1);
}

TEST_F(FigureNumbersTest, AFigureInUseOrAnAnswerNoChangesNothing) {
  const DocumentState before = doc;  // as the last rebuild left it
  model.DeleteEntry(s2, rowaction::CorrectPlane);
  EXPECT_EQ(host.calls, std::vector<std::string>{std::string("message ") + kInUseMessage});
  EXPECT_EQ(doc.FigureTable, before.FigureTable);
  host.calls.clear();
  model.DeleteEntry(s1, rowaction::CorrectPlane);  // answered no
  EXPECT_EQ(host.calls, std::vector<std::string>{"warning 5"});
  EXPECT_EQ(doc.FigureTable, before.FigureTable);
  EXPECT_EQ(doc.EntryCount, before.EntryCount);
}

TEST_F(FigureNumbersTest, APointNamedByAnotherEntryStays) {
  model.DeleteEntry(doc.PointLetterEntry[1], rowaction::CorrectPlane);  // A: the circle s2 is centred on it
  EXPECT_EQ(host.calls, std::vector<std::string>{std::string("message ") + kInUseMessage});
  host.calls.clear();
  host.warnings = {true};
  model.DeleteEntry(l, rowaction::CorrectPlane);
  EXPECT_EQ(doc.KindCounts[kKindPoint], 5);
}

TEST_F(NavigatorModelTest, DeletingAFunctionRemovesExactlyItsDerivatives) {
  const int y1 = AddTestEntry(kKindExplicit, {"x^2"});
  const int y2 = AddTestEntry(kKindExplicit, {"x^3"});
  const int d1 = AddTestEntry(kKindDerivative, {""});
  const int d2 = AddTestEntry(kKindDerivative, {""});
  doc.FigureTable[y1].link = static_cast<uint8_t>(d1);
  doc.FigureTable[y2].link = static_cast<uint8_t>(d2);
  doc.FigureTable[d1].link = static_cast<uint8_t>(y1);
  doc.FigureTable[d2].link = static_cast<uint8_t>(y2);
  Rebuild();
  host.warnings = {true};
  model.DeleteEntry(y1, rowaction::CorrectPlane);
  ASSERT_EQ(doc.EntryCount, 2);
  EXPECT_EQ(doc.KindCounts[kKindExplicit], 1);
  EXPECT_EQ(doc.KindCounts[kKindDerivative], 1);
  EXPECT_EQ(doc.FigureTable[1].texts[0], "x^3");
  EXPECT_EQ(doc.FigureTable[1].link, 2);
  EXPECT_EQ(doc.FigureTable[2].kind, kKindDerivative);
  EXPECT_EQ(doc.FigureTable[2].link, 1);
}

TEST_F(NavigatorModelTest, AFunctionAnotherFormulaNamesStays) {
  AddTestEntry(kKindExplicit, {"x^2"});
  AddTestEntry(kKindExplicit, {"y1+1"});
  Rebuild();
  model.DeleteEntry(1, rowaction::CorrectPlane);
  EXPECT_EQ(host.calls, std::vector<std::string>{std::string("message ") + kInUseMessage});
  EXPECT_EQ(doc.EntryCount, 2);
}

TEST_F(NavigatorModelTest, DefinitionsAreDeletedFromTheHighestNumberDown) {
  struct Case {
    bool functions;
    int deleted;
    bool inUse;
    std::deque<bool> answers;
    std::vector<std::string> calls;
    int count;
  };
  const char* order[] = {"message 定義定数は大きい番号から削除して下さい", "message 定義関数は大きい番号から削除して下さい"};
  const std::string inUse = std::string("message ") + kInUseMessage;
  const Case cases[] = {
      {true, 2, false, {}, {order[1]}, 3},      {true, 3, true, {}, {inUse}, 3},
      {true, 3, false, {false}, {"warning 1"}, 3}, {true, 3, false, {true}, {"warning 1"}, 2},
      {false, 2, false, {}, {order[0]}, 3},     {false, 3, true, {}, {inUse}, 3},
      {false, 3, false, {false}, {"warning 2"}, 3}, {false, 3, false, {true}, {"warning 2"}, 2},
  };
  for (const Case& c : cases) {
    ResetUiStateForTest();
    host = FakeNavigatorHost{};
    doc.DefinedFunctionCount = doc.DefinedConstantCount = 3;
    for (int n = 1; n <= 3; ++n) doc.DefinedFunctionTexts[n] = doc.DefinedConstantTexts[n] = "1";
    if (c.inUse) AddTestEntry(kKindExplicit, {c.functions ? "F3(x)" : "Q3*x"});
    host.warnings = c.answers;
    model.DeleteEntry(c.deleted, c.functions ? rowaction::CorrectFunction : rowaction::CorrectConstant);
    EXPECT_EQ(host.calls, c.calls) << c.functions << c.deleted;
    const int count = c.functions ? doc.DefinedFunctionCount : doc.DefinedConstantCount;
    EXPECT_EQ(count, c.count) << c.functions << c.deleted;
    const std::string& text = c.functions ? doc.DefinedFunctionTexts[3] : doc.DefinedConstantTexts[3];
    EXPECT_EQ(text.empty(), c.count == 2);
    EXPECT_GE(host.listChanges, 1);  // refreshed in every case
  }
}

TEST_F(NavigatorModelTest, TheLabelColumnHidesAndShowsAnEntry) {
  AddTestEntry(kKindExplicit, {"x"});
  Rebuild();
  const TListRow& box = model.List().ToggleRows[1];
  model.ListMouseX = 5;
  model.ListMouseY = box.top + 3;
  model.LabelClick();
  EXPECT_EQ(doc.FigureTable[1].shown, 0);
  EXPECT_TRUE(model.List().EntryRowOf(1)->hidden);
  EXPECT_EQ(pipeline.redraws, 1);
  EXPECT_EQ(settings.VisibilityChangeList, nullptr);

  modes.AfterImageOn = 1;
  model.LabelClick();
  EXPECT_EQ(doc.FigureTable[1].shown, 1);
  ASSERT_NE(settings.VisibilityChangeList, nullptr);
  EXPECT_EQ(settings.VisibilityChangeList->entry, 1);
  EXPECT_EQ(settings.VisibilityChangeList->shown, 1);

  // Outside the box's columns nothing changes.
  model.ListMouseX = model.Layout.listIndent - 4;
  model.LabelClick();
  EXPECT_EQ(doc.FigureTable[1].shown, 1);
}

TEST_F(NavigatorModelTest, KeptAfterImagesAreErasedBeforeAnyEdit) {
  AddTestEntry(kKindExplicit, {"x"});
  Rebuild();
  settings.AfterImageHistory = PushAfterImage(nullptr, 0);
  if (!settings.AfterImageHistory) settings.AfterImageHistory = new TAfterImageEntry;
  host.warnings = {false, true};
  ClickEntry(1, kKindExplicit);
  model.ListMouseY = model.List().ToggleRows[1].top + 3;
  model.ListMouseX = 5;
  model.LabelClick();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"warning 11", "warning 11"}));
  EXPECT_EQ(host.erases, 1);
  EXPECT_EQ(doc.FigureTable[1].shown, 1);
}

TEST_F(NavigatorModelTest, NothingHappensWhileAnInputWindowIsOpen) {
  ui.SubFormOpen = 1;
  ClickAdd(kKindExplicit);
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(ui.DocumentUntouched, 1);
}

TEST_F(NavigatorModelTest, TheCalculusMenuNeedsCartesianAxesAndAFunction) {
  model.UpdateMenuState(1);
  EXPECT_FALSE(model.CalculusMenuEnabled);
  AddTestEntry(kKindExplicit, {"x"});
  model.UpdateMenuState(1);
  EXPECT_TRUE(model.CalculusMenuEnabled);
  modes.AnimationMode = 3;
  model.UpdateMenuState(0);
  EXPECT_FALSE(model.CalculusMenuEnabled);
  doc.CoordinateSystem = 1;
  model.UpdateMenuState(1);
  EXPECT_FALSE(model.CalculusMenuEnabled);
}

TEST_F(NavigatorModelTest, EditsOutsideTheListCountAsChangesOfTheDocument) {
  EXPECT_TRUE(DocumentIsUntouched());
  const std::function<void()> edits[] = {
      [] { ui.DocumentUntouched = 0; },
      [] {
        doc.LabelCount = 1;
        doc.LabelTable[1].lines = {"P"};
      },
      [] { doc.MemoLines = {"", "memo"}; },
      [] { doc.MacroLines = {"#1 a"}; },
      [] { AddTestPoint('A', {"1", "2"}); },
      [] { doc.DefinedConstantCount = 1; },
  };
  for (const auto& edit : edits) {
    ResetUiStateForTest();
    edit();
    EXPECT_FALSE(DocumentIsUntouched());
  }
  ResetUiStateForTest();
  doc.LabelCount = 1;  // the label editor opened on an empty label
  EXPECT_TRUE(DocumentIsUntouched());
}

}  // namespace
