#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiStateFixture.h"
#include "formula/DocumentState.h"
#include "platform/RecordingCanvas.h"
#include "render/LabelDrawing.h"
#include "render/RedrawHost.h"
#include "ui/LabelDrag.h"
#include "ui/LabelEditorModel.h"

namespace {

class LabelEditor : public UiStateTest {
 protected:
  void SetUp() override {
    UiStateTest::SetUp();
    labelSelection = TLabelSelection{};
    SetRedrawHost(&pictures);
    model.SetWindow(&window);
  }
  void TearDown() override {
    SetRedrawHost(nullptr);
    UiStateTest::TearDown();
  }
  // Each redraw of the graph with its labels copies the composite to the window first.
  struct PictureCount : RedrawHost {
    int copies = 0;
    void CopyBufferToGraph(gfx::CopyMode) override { ++copies; }
  } pictures;
  // Labels "L1".."Ln" with label `current` being edited.
  void Labels(int n, int current) {
    for (int i = 1; i <= n; ++i) {
      InitLabelrec(doc.LabelTable[i]);
      doc.LabelTable[i].lines = {"L" + std::to_string(i)};
    }
    doc.LabelCount = n;
    labelSelection.CurrentLabel = static_cast<std::uint8_t>(current);
  }
  static std::string Text(int n) {
    const auto& lines = doc.LabelTable[n].lines;
    return lines.empty() ? "" : lines[0];
  }
  // The window, each showing of the label counted.
  struct Window : ModelView {
    int shown = 0;
    void ModelChanged() override { ++shown; }
  } window;
  LabelEditorModel model;
  const int& redraws = pictures.copies;
  const int& changes = window.shown;
};

TEST_F(LabelEditor, DeleteMovesTheLaterLabelsDownAndKeepsOneLabel) {
  const struct {
    int count, current;
    int countAfter, currentAfter;
    const char* currentText;
  } cases[] = {
      {5, 3, 4, 3, "L4"},
      {5, 5, 4, 4, "L4"},
      {5, 1, 4, 1, "L2"},
      {1, 1, 1, 1, ""},  // the last label is cleared, not removed
  };
  for (const auto& k : cases) {
    Labels(k.count, k.current);
    doc.LabelTable[k.current].coordKind = 1;
    model.Delete();
    EXPECT_EQ(doc.LabelCount, k.countAfter) << k.count << "/" << k.current;
    EXPECT_EQ(model.Current(), k.currentAfter) << k.count << "/" << k.current;
    EXPECT_EQ(Text(model.Current()), k.currentText) << k.count << "/" << k.current;
    // The record left behind at the end is a fresh one.
    if (k.count > 1) {
      EXPECT_EQ(doc.LabelTable[k.count], Tlabelrec{});
    }
  }
  EXPECT_EQ(doc.LabelTable[1], Tlabelrec{});
  EXPECT_EQ(redraws, 4);
}

TEST_F(LabelEditor, NextAndPreviousWrapRound) {
  Labels(5, 5);
  model.Next();
  EXPECT_EQ(model.Current(), 1);
  model.Previous();
  EXPECT_EQ(model.Current(), 5);
  model.Previous();
  EXPECT_EQ(model.Current(), 4);
  Labels(1, 1);
  model.Next();
  EXPECT_EQ(model.Current(), 1);
}

TEST_F(LabelEditor, AddGivesAFreshLabelAndStopsAtForty) {
  Labels(2, 1);
  doc.LabelTable[3].xText = "7";  // left over in the table
  doc.LabelTable[3].ownFont = 1;
  ASSERT_TRUE(model.Add());
  EXPECT_EQ(doc.LabelCount, 3);
  EXPECT_EQ(model.Current(), 3);
  EXPECT_EQ(doc.LabelTable[3], Tlabelrec{});
  EXPECT_EQ(model.Label().font.size, 12);
  EXPECT_EQ(model.Label().backColor, 0xFFFFFF);
  EXPECT_EQ(model.Label().shiftLeft, 8);
  Labels(kMaxLabels, 7);
  EXPECT_FALSE(model.CanAdd());
  EXPECT_FALSE(model.Add());
  EXPECT_EQ(doc.LabelCount, kMaxLabels);
  EXPECT_EQ(model.Current(), 7);
}

TEST_F(LabelEditor, ADocumentWithoutLabelsUnderTheEditorGetsOne) {
  // A file without labels was read while the editor was open on label 3.
  labelSelection.CurrentLabel = 3;
  doc.LabelCount = 0;
  model.Delete();
  EXPECT_EQ(doc.LabelCount, 1);
  EXPECT_EQ(model.Current(), 1);
  doc.LabelCount = 0;
  model.Refresh();
  EXPECT_EQ(doc.LabelCount, 1);
  doc.LabelCount = 0;
  ASSERT_TRUE(model.Add());
  EXPECT_EQ(doc.LabelCount, 2);
}

TEST_F(LabelEditor, ControlsStoreIntoTheCurrentLabelWithinTheirRanges) {
  Labels(2, 2);
  ui.DocumentUntouched = 1;
  model.SetCoordKind(1);
  model.SetPositionText(0, "a");
  model.SetPositionText(1, "b");
  model.SetPositionText(2, "c");
  model.SetOffsets(-20000, 30);
  model.SetFontSize(200);
  model.SetFontColor(0x0000FF);
  model.SetBackColor(0x00FF00);
  model.SetBackStyle(5);
  model.SetTransparent(false);
  model.SetShown(false);
  model.SetLines({"x^2", "y"});
  const Tlabelrec& label = doc.LabelTable[2];
  EXPECT_EQ(label.coordKind, 1);
  EXPECT_EQ(label.xText + label.yText + label.zText, "abc");
  EXPECT_EQ(label.shiftLeft, -10000);
  EXPECT_EQ(label.shiftTop, 30);
  EXPECT_EQ(label.font.size, 100);
  EXPECT_EQ(label.font.color, 0x0000FF);
  EXPECT_EQ(label.backColor, 0x00FF00);
  EXPECT_EQ(label.backStyle, 2);
  EXPECT_EQ(label.transparent, 0);
  EXPECT_EQ(label.shown, 0);
  EXPECT_EQ(label.lineCount(), 2);
  EXPECT_EQ(doc.LabelTable[1].lines, std::vector<std::string>{"L1"});
  EXPECT_EQ(ui.DocumentUntouched, 0);
  EXPECT_EQ(redraws, 12);
  model.SetFontSize(1);
  EXPECT_EQ(label.font.size, 9);
  model.SetLines({});
  EXPECT_EQ(label.lineCount(), 0);
}

TEST_F(LabelEditor, OpenAndCloseSwitchTheGraphMouseToLabels) {
  Labels(3, 3);
  model.Open();
  EXPECT_EQ(ui.GraphMouseMode, 1);
  EXPECT_EQ(model.Current(), 1);
  EXPECT_EQ(changes, 1);
  model.Close();
  EXPECT_EQ(ui.GraphMouseMode, 0);
}

class LabelDragTest : public LabelEditor {
 protected:
  void SetUp() override {
    LabelEditor::SetUp();
    Labels(1, 1);
    ui.GraphMouseMode = 1;
    labelSelection.CurrentLabelBox = gfx::Rect{100, 50, 160, 70};
  }
  std::vector<gfx::Rect> Outlines() const {
    std::vector<gfx::Rect> rects;
    for (const gfx::RecordedOp& op : picture.OpsOf(gfx::OpKind::Rectangle)) {
      EXPECT_EQ(op.pen.mode, gfx::PenMode::NotXor);
      EXPECT_EQ(op.pen.color, 0x808080u);
      EXPECT_EQ(op.brush.style, gfx::BrushStyle::Clear);
      rects.push_back(op.rect);
    }
    return rects;
  }
  LabelDrag drag{model};
  gfx::RecordingCanvas picture;
};

TEST_F(LabelDragTest, APressInsideTheLabelStartsAMove) {
  EXPECT_TRUE(drag.Over(101, 51));
  EXPECT_FALSE(drag.Over(100, 60));  // on the edge
  EXPECT_FALSE(drag.Press(170, 60, picture));
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_TRUE(picture.Ops().empty());
  ui.GraphMouseMode = 0;
  EXPECT_FALSE(drag.Press(120, 60, picture));
  ui.GraphMouseMode = 1;
  EXPECT_TRUE(drag.Press(120, 60, picture));
  EXPECT_EQ(modes.SnapMode, 3);
  EXPECT_EQ(Outlines(), (std::vector<gfx::Rect>{{100, 50, 160, 70}}));
}

TEST_F(LabelDragTest, TheOffsetsFollowTheMouseInUnthickenedPixels) {
  const struct {
    int lineWidth, dx, dy, left, top;
  } cases[] = {
      {1, 30, -20, 38, -12},
      {3, 30, -20, 33, -9},  // drawn 1.2 times larger: 25 and -17
  };
  for (const auto& k : cases) {
    doc.LineWidthSetting = static_cast<std::uint8_t>(k.lineWidth);
    model.SetOffsets(8, 8);
    picture.Clear();
    ASSERT_TRUE(drag.Press(120, 60, picture));
    drag.Move(120 + k.dx, 60 + k.dy, picture);
    EXPECT_EQ(model.Label().shiftLeft, k.left);
    EXPECT_EQ(model.Label().shiftTop, k.top);
    // The old outline is drawn again (erased), the new one where the mouse took it.
    EXPECT_EQ(Outlines(), (std::vector<gfx::Rect>{{100, 50, 160, 70},
                                                  {100, 50, 160, 70},
                                                  {100 + k.dx, 50 + k.dy, 160 + k.dx, 70 + k.dy}}));
    const int before = redraws;
    drag.Release(picture);
    EXPECT_EQ(modes.SnapMode, 2);
    EXPECT_EQ(redraws, before + 1);
    EXPECT_EQ(Outlines().size(), 4u);
    // Moves after the release change nothing.
    drag.Move(0, 0, picture);
    EXPECT_EQ(model.Label().shiftLeft, k.left);
  }
}

}  // namespace
