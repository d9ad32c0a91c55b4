#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "UiStateFixture.h"
#include "WhenModal.h"
#include "support/GuiApp.h"
#include "ui/CanvasView.h"
#include "ui/PaletteModel.h"
#include "ui/Tclpanel.h"

namespace {

int Point(char letter) { return static_cast<int>(std::string(PointNameOrder).find(letter)) + 1; }

class PaletteDialogTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
    for (char letter : {'A', 'B'}) {
      Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
      InitFuncprop(e, kKindPoint);
      e.letter = static_cast<uint8_t>(Point(letter));
      ++doc.KindCounts[kKindPoint];
    }
  }
  static void ClickAt(Tclpanel& w, const gfx::Rect& button) {
    const QPoint at((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    QTest::mouseClick(w.Picture(), Qt::LeftButton, {}, at);
  }
};

TEST_F(PaletteDialogTest, NamingAPointReturnsItsLetter) {
  MarkUsedPointNames(1, 0, doc.EntryCount);
  clpanel.ClpanelMode = 3;
  WhenModal<Tclpanel>([](Tclpanel& w) {
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("点の名前の設定"));
    EXPECT_FALSE(w.OkButton()->isVisible());
    ClickAt(w, LetterButtonRect(1));  // A is taken: nothing happens
    EXPECT_TRUE(w.isVisible());
    ClickAt(w, LetterButtonRect(3));
    EXPECT_FALSE(w.isVisible());
  });
  ShowClpanelModal(100, 100);
  EXPECT_EQ(clpanel.ClpanelResult, Point('C'));
  EXPECT_EQ(ui.InputCancelled, 0);
}

TEST_F(PaletteDialogTest, TheTitleBarCancelsAndLeavesNoResult) {
  MarkUsedPointNames(3, 0, doc.EntryCount);
  clpanel.ClpanelMode = 4;
  clpanel.ClpanelResult = static_cast<uint8_t>(Point('B'));  // from an earlier pick
  WhenModal<Tclpanel>([](Tclpanel& w) { w.close(); });
  ShowClpanelModal(100, 100);
  EXPECT_EQ(clpanel.ClpanelResult, 0);
  EXPECT_EQ(ui.InputCancelled, 1);

  ui.InputCancelled = 0;
  clpanel.ClpanelMode = 4;
  WhenModal<Tclpanel>([](Tclpanel& w) { ClickAt(w, LetterButtonRect(2)); });  // B, a circle's centre
  ShowClpanelModal(100, 100);
  EXPECT_EQ(clpanel.ClpanelResult, Point('B'));
  EXPECT_EQ(ui.InputCancelled, 0);
}

TEST_F(PaletteDialogTest, TheToolPaletteChoosesAFigureType) {
  clpanel.ClpanelMode = 5;
  WhenModal<Tclpanel>([](Tclpanel& w) {
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("直線・線分・円の入力"));
    ASSERT_TRUE(w.OkButton()->isVisible());
    ClickAt(w, ToolButtonRect(6));  // a polyline needs three points
    EXPECT_EQ(clpanel.ChosenFigureType, 0);
    ClickAt(w, ToolButtonRect(8));
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("中心と半径で決まる円"));
    w.OkButton()->click();
  });
  ShowClpanelModal(100, 100);
  EXPECT_EQ(clpanel.ChosenFigureType, 8);
  EXPECT_EQ(clpanel.ClpanelResult, 0);
  EXPECT_EQ(ui.InputCancelled, 0);

  WhenModal<Tclpanel>([](Tclpanel& w) {
    ClickAt(w, ToolButtonRect(3));
    w.CancelButton()->click();
  });
  ShowClpanelModal(100, 100);
  EXPECT_EQ(clpanel.ChosenFigureType, 0);
  EXPECT_EQ(ui.InputCancelled, 1);
}

}  // namespace
