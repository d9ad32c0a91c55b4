#include <vector>

#include "PanelFixture.h"
#include "animate/AfterImageHistory.h"
#include "animate/AfterImageTraces.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"
#include "render/EntryDrawers.h"

namespace {

struct AfterImageTest : PanelTest {
  AfterImageControls& controls() { return panel->AfterImages(); }

  void TearDown() override {
    SetDrawingObserver(nullptr);
    PanelTest::TearDown();
  }

  // The values of every snapshot, oldest first (as single precision: a file keeps 15
  // digits).
  static std::vector<std::vector<std::pair<int, float>>> Snapshots() {
    std::vector<std::vector<std::pair<int, float>>> out;
    const TAfterImageEntry* s = settings.AfterImageHistory;
    while (s && s->older) s = s->older;
    for (; s; s = s->newer) {
      out.emplace_back();
      for (const TValueNode* v = s->values; v; v = v->next)
        out.back().emplace_back(v->code, static_cast<float>(v->value));
    }
    return out;
  }
  static bool RowPainted(const gfx::Canvas& canvas, int y) {
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) != gfx::kWhite) return true;
    return false;
  }
};

TEST_F(AfterImageTest, SwitchingOnAndFiveStepsGiveSixSnapshotsThatUndoOneByOne) {
  AddExplicit("a*x");
  Show();
  controls().ToggleAfterImage(true);
  EXPECT_EQ(AfterImageSnapshotCount(), 1);
  for (int i = 0; i < 5; ++i) panel->StepOneParameter(Up('a'));
  EXPECT_EQ(AfterImageSnapshotCount(), 6);
  EXPECT_TRUE(AfterImageControls::UndoShown());
  EXPECT_FALSE(AfterImageControls::EraseDown());
  const char* shown[] = {"1.000", "1.100", "1.200", "1.300", "1.400"};
  for (int left = 5; left >= 0; --left) {
    controls().Undo();
    EXPECT_EQ(AfterImageSnapshotCount(), left);
    if (left > 0) {
      EXPECT_EQ(panel->ValueText(Row('a')), shown[left - 1]);
    }
  }
  EXPECT_FALSE(AfterImageControls::AfterImageDown());
  EXPECT_FALSE(AfterImageControls::UndoShown());
  EXPECT_TRUE(AfterImageControls::EraseDown());
  EXPECT_EQ(settings.ValueChangeList, nullptr);
  controls().Undo();  // nothing left to undo
  EXPECT_EQ(AfterImageSnapshotCount(), 0);
}

TEST_F(AfterImageTest, WithoutEntriesTheSwitchesStayOff) {
  UseParameters("a");
  Show();
  controls().ToggleAfterImage(true);
  controls().ToggleLocus(true);
  EXPECT_FALSE(AfterImageControls::AfterImageDown());
  EXPECT_FALSE(AfterImageControls::LocusDown());
  EXPECT_EQ(settings.AfterImageHistory, nullptr);
}

// The replay draws every stored state in turn, oldest first, and leaves the document as
// it found it.
TEST_F(AfterImageTest, ARedrawReplaysTheHistoryFromTheOldestSnapshot) {
  AddExplicit("a*x");
  AddPointA("a", "1");
  RedrawAll();
  Show();
  controls().ToggleAfterImage(true);
  for (int i = 0; i < 3; ++i) panel->StepOneParameter(Up('a'));
  struct PaleDraws : DrawingObserver {
    std::vector<float> values;
    void EntryDrawn(gfx::Canvas&, const Tfuncprop& e, int) override {
      if (e.kind == kKindExplicit && settings.AfterImagePale) values.push_back(Cell('a'));
    }
  } pale;
  SetDrawingObserver(&pale);
  const std::vector<float>& paleDraws = pale.values;
  const TVariableValues values = doc.VariableValues;
  const auto entries = doc.FigureTable;
  doc.ViewRange = {-10, 10, -10, 10};
  RedrawAll();
  EXPECT_EQ(paleDraws, (std::vector<float>{1.0f, 1.1f, 1.2f, 1.3f}));
  EXPECT_EQ(doc.VariableValues, values);
  // Replaying the first snapshot wrote A's x as a number, as a macro moves a point.
  EXPECT_EQ(doc.FigureTable, entries);
  EXPECT_EQ(modes.AfterImageOn, 1);
}

TEST_F(AfterImageTest, TracesStayInTheBackLayerAndFollowTheViewAndTheColourMode) {
  AddExplicit("a");  // y = a: row 40 for a = 1 on the 100-pixel view of -5..5
  Increment('a') = 1;
  Show();
  RedrawAll();
  controls().ToggleAfterImage(true);
  panel->StepOneParameter(Up('a'));  // a = 2: row 30
  EXPECT_TRUE(RowPainted(BackCanvas(), 40));
  EXPECT_TRUE(RowPainted(BackCanvas(), 30));
  EXPECT_TRUE(RowPainted(CompositeCanvas(), 40));
  EXPECT_EQ(BackCanvas().Pixel(50, 40), gfx::Color(0xFF0000));

  doc.ViewRange = {-10, 10, -10, 10};  // rows 45 and 40
  UpdatePixelSize(1);
  RedrawAll();
  EXPECT_TRUE(RowPainted(BackCanvas(), 45));
  EXPECT_TRUE(RowPainted(BackCanvas(), 40));
  EXPECT_FALSE(RowPainted(BackCanvas(), 30));

  controls().SetColorMode(1);
  EXPECT_EQ(BackCanvas().Pixel(50, 45), LightenColor(0xFF0000, 3));
  EXPECT_EQ(CompositeCanvas().Pixel(50, 40), gfx::Color(0xFF0000));  // the curve itself is not pale

  controls().EraseAfterImages();
  EXPECT_EQ(settings.AfterImageHistory, nullptr);
  EXPECT_FALSE(AfterImageControls::AfterImageDown());
  EXPECT_FALSE(RowPainted(BackCanvas(), 45));
  EXPECT_TRUE(RowPainted(CompositeCanvas(), 40));
}

TEST_F(AfterImageTest, AnEntryNotMarkedForAfterImagesLeavesNoTrace) {
  AddExplicit("a");
  doc.FigureTable[1].afterImage = 0;
  Increment('a') = 1;
  Show();
  RedrawAll();
  controls().ToggleAfterImage(true);
  panel->StepOneParameter(Up('a'));
  EXPECT_FALSE(RowPainted(BackCanvas(), 40));
  EXPECT_FALSE(RowPainted(BackCanvas(), 30));
  EXPECT_EQ(AfterImageSnapshotCount(), 1);  // the switch only
}

// Pixels of the 100 x 100 view of -5..5: x = 10 (wx + 5), y = 10 (5 - wy).
TEST_F(AfterImageTest, LocusSegmentsAreDrawnWhereEitherEndIsInView) {
  struct Case {
    const char* name;
    bool previousValid;
    Extended qx, px;
    const char* pxText;
    std::vector<int> painted, white;  // columns on row 50
  } cases[] = {
      {"both in view", true, -2, 2, "2", {30, 50, 70}, {20, 80}},
      {"out of view at the new end: clipped", true, 2, 8, "8", {70, 90, 99}, {60}},
      {"out of view at the old end: clipped", true, 8, 2, "2", {70, 90, 99}, {60}},
      {"both ends out, crossing the view", true, -8, 8, "8", {}, {0, 50, 99}},
      {"no previous position: the new one only", false, 0, 2, "2", {70}, {60, 50}},
      {"no new position", true, -2, 0, "sqrt(0-1)", {}, {30, 40, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetProgramStateForTest();
    MakeBareDrawingArea(kSize);
    AddPointA(c.pxText, "0");
    modes.LocusOn = 1;
    TSpacePoint& q = doc.PreviousPointPositions[1];
    q = TSpacePoint{};
    q.x = c.qx;
    q.valid = c.previousValid ? 1 : 0;
    EXPECT_TRUE(DrawStepTraces(BackCanvas()));
    for (int x : c.painted) EXPECT_NE(BackCanvas().Pixel(x, 50), gfx::kWhite) << "column " << x;
    for (int x : c.white) EXPECT_EQ(BackCanvas().Pixel(x, 50), gfx::kWhite) << "column " << x;
    EXPECT_EQ(q, doc.PointSequences[1][0]);  // the new position is the next step's start
  }
}

TEST_F(AfterImageTest, SwitchingTheLocusOnSavesThePositionsAndPushesASnapshot) {
  AddExplicit("a*x");
  AddPointA("a", "2");
  RedrawAll();
  Show();
  controls().ToggleLocus(true);
  EXPECT_EQ(AfterImageSnapshotCount(), 1);
  EXPECT_EQ(doc.PreviousPointPositions[1].x, 1);
  EXPECT_EQ(doc.PreviousPointPositions[1].y, 2);
  controls().ToggleLocus(true);  // no change, and a history exists
  EXPECT_EQ(AfterImageSnapshotCount(), 1);
  panel->StepOneParameter(Up('a'));
  EXPECT_EQ(AfterImageSnapshotCount(), 2);
  EXPECT_NEAR(static_cast<double>(doc.PreviousPointPositions[1].x), 1.1, 1e-6);
  controls().ToggleLocus(false);  // a change: pushed with the last step's change list
  EXPECT_EQ(AfterImageSnapshotCount(), 3);
  EXPECT_EQ(Snapshots().back().front().first, 1);
}

TEST_F(AfterImageTest, TheHistorySurvivesASaveAndALoad) {
  AddExplicit("a*x");
  Show();
  controls().ToggleAfterImage(true);
  controls().ToggleLocus(true);
  for (int i = 0; i < 3; ++i) panel->StepOneParameter(Up('a'));
  const auto saved = Snapshots();
  ASSERT_EQ(saved.size(), 5u);
  const std::string file = WriteEquationFile(kStartAfterImages);
  ResetProgramStateForTest();
  MakeBareDrawingArea(kSize);
  const EquationFileResult result = LoadEquationFileBytes("/nonexistent/history.lpw", file);
  ASSERT_TRUE(result.ok) << result.message;
  EXPECT_EQ(Snapshots(), saved);
  EXPECT_EQ(settings.AfterImageHistory->locus, 1);
  controls().Undo();
  EXPECT_EQ(Cell('a'), 1.2f);
}

TEST_F(AfterImageTest, BeyondTheBoundTheOldestSnapshotIsFoldedIntoTheNext) {
  TValueNode* tail = nullptr;
  AppendValueNode(tail, 2, 5);  // b only in the first snapshot
  settings.VisibilityChangeList = NewVisibilityChange(1, 0);
  PushAfterImageSnapshot();
  for (int i = 1; i <= kMaxAfterImageSnapshots + 1; ++i) {
    DisposeValueList(settings.ValueChangeList);
    tail = nullptr;
    AppendValueNode(tail, 1, i);
    PushAfterImageSnapshot();
  }
  EXPECT_EQ(AfterImageSnapshotCount(), kMaxAfterImageSnapshots);
  const auto snapshots = Snapshots();
  EXPECT_EQ(snapshots.front(), (std::vector<std::pair<int, float>>{{1, 2}, {2, 5}}));
  EXPECT_EQ(snapshots.back(), (std::vector<std::pair<int, float>>{{1, kMaxAfterImageSnapshots + 1}}));
  const TAfterImageEntry* oldest = settings.AfterImageHistory;
  while (oldest->older) oldest = oldest->older;
  ASSERT_NE(oldest->shows, nullptr);
  EXPECT_EQ(oldest->shows->entry, 1);
  EXPECT_EQ(oldest->shows->shown, 0);
}

}  // namespace
