#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <vector>

#include "UiStateFixture.h"
#include "WhenModal.h"
#include "platform/Sjis.h"
#include "support/FakeHelpPages.h"
#include "support/GuiApp.h"
#include "ui/CanvasView.h"
#include "ui/ManualPages.h"
#include "ui/PaletteModel.h"
#include "ui/Tclpanel.h"
#include "ui/Tgraph.h"
#include "ui/Tkeyfunc.h"

namespace {

class KeyboardDialogTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
  }
  static void Click(Tkeyfunc& w, const std::string& key) {
    QToolButton* b = w.Key(key);
    ASSERT_NE(b, nullptr) << key;
    b->click();
  }
};

TEST_F(KeyboardDialogTest, TypingSpelledNamesShowsTheirSigns) {
  Tkeyfunc w(0);
  w.show();
  QApplication::processEvents();
  QTest::keyClicks(w.Edit(), "2pi");
  EXPECT_EQ(w.Edit()->text(), QString::fromUtf8("2π"));
  EXPECT_EQ(w.Edit()->cursorPosition(), 2);
  EXPECT_EQ(w.Model().Text(), sj("2π"));
  Click(w, "sisuu2");
  QTest::keyClicks(w.Edit(), "+30do");
  EXPECT_EQ(w.Edit()->text(), QString::fromUtf8("2π^2+30ﾟ"));
  w.Edit()->setCursorPosition(1);  // caret behind "2": the keys type there
  Click(w, "sita");
  EXPECT_EQ(w.Edit()->text(), QString::fromUtf8("2θπ^2+30ﾟ"));
  EXPECT_EQ(w.Edit()->cursorPosition(), 2);
  w.reject();
}

TEST_F(KeyboardDialogTest, ARefusedFormulaKeepsTheWindowOpenWithTheCaretAtTheError) {
  Tkeyfunc w(0);
  w.SetText(sj("θ*/2"));
  w.show();
  QApplication::processEvents();
  QTest::keyClick(w.Edit(), Qt::Key_Return);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.MessageLine()->text(), QString::fromUtf8("式が間違っています"));
  EXPECT_EQ(w.Edit()->cursorPosition(), 3);  // characters: behind the "/"
  EXPECT_EQ(ui.InputCancelled, 1);
  // Closed by the title bar after the refusal: a cancel, never the refused text accepted.
  w.close();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(ui.InputCancelled, 1);
}

TEST_F(KeyboardDialogTest, KindsShowTheirKeys) {
  Tkeyfunc digits(8);
  digits.show();
  EXPECT_EQ(digits.width(), digits.Model().WindowWidth());
  EXPECT_FALSE(digits.Key("sub")->isEnabled());
  EXPECT_TRUE(digits.Key("n0")->isEnabled());
  Tkeyfunc value(10);
  value.show();
  EXPECT_TRUE(value.Key("funcBt")->isVisible());
  const int narrow = value.width();
  Click(value, "funcBt");
  EXPECT_GT(value.width(), narrow);
  EXPECT_FALSE(value.Key("funcBt")->isVisible());
  Tkeyfunc relation(2);
  relation.show();
  EXPECT_TRUE(relation.Key("und")->isEnabled());
  EXPECT_FALSE(value.Key("und")->isEnabled());
  for (Tkeyfunc* w : {&digits, &value, &relation}) w->reject();
}

TEST_F(KeyboardDialogTest, FunctionPagesTurn) {
  doc.DefinedFunctionCount = 1;
  Tkeyfunc w(0);
  w.show();
  EXPECT_EQ(w.Key("f1")->text(), "sin");
  EXPECT_EQ(w.Key("f8")->toolTip(), QString::fromUtf8("対数関数ｌｏｇ□（・・）　の底を入力可能、入力がなければ自然対数"));
  Click(w, "UpDown1Down");
  EXPECT_EQ(w.Key("f1")->text(), "F1");
  EXPECT_TRUE(w.Key("f1")->isEnabled());
  EXPECT_FALSE(w.Key("f4")->isEnabled());  // F2 is not defined
  EXPECT_FALSE(w.Key("f13")->isVisible());
  EXPECT_FALSE(w.Key("UpDown1Down")->isEnabled());  // no page 0 with one definition
  Click(w, "f2");
  EXPECT_EQ(w.Edit()->text(), "F1'()");
  EXPECT_EQ(w.Edit()->cursorPosition(), 4);
  w.reject();
}

TEST_F(KeyboardDialogTest, TheHelpKeyOpensTheMousePage) {
  platform::FakeHelpPages help;
  SetManualPageServices(&help, nullptr);
  Tkeyfunc w(0);
  w.show();
  Click(w, "toolhp");
  SetManualPageServices(nullptr, nullptr);
  EXPECT_EQ(help.opened, std::vector<std::filesystem::path>{GraphFolders.Manual / "mouse.html"});
  EXPECT_TRUE(w.isVisible());
  w.reject();
}

TEST_F(KeyboardDialogTest, EditWithFormulaKeyboardHandsBackTheResult) {
  std::string result;
  WhenModal<Tkeyfunc>([](Tkeyfunc& w) {
    QTest::keyClicks(w.Edit(), "y+1");
    Click(w, "SpeedButton1");
  });
  EditWithFormulaKeyboard(sj("x"), "陽関数", 1, result, 50, 800);
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(result, sj("y+1x"));  // the caret starts at the start
  EXPECT_EQ(keyboard.KeyboardKind, 1);

  WhenModal<Tkeyfunc>([](Tkeyfunc& w) { Click(w, "SpeedButton1"); });
  EditWithFormulaKeyboard("", "横サイズ", 8, result, 50, 800);
  EXPECT_EQ(result, "0");
  EXPECT_EQ(ui.InputCancelled, 0);
  WhenModal<Tkeyfunc>([](Tkeyfunc& w) { Click(w, "SpeedButton1"); });
  EditWithFormulaKeyboard("", "ラベル", 6, result, 50, 800);
  EXPECT_EQ(result, "");

  WhenModal<Tkeyfunc>([](Tkeyfunc& w) {
    Click(w, "n5");
    Click(w, "cancelBT");
  });
  EditWithFormulaKeyboard(sj("1"), "ｘの下限", 7, result, 50, 800);
  EXPECT_EQ(ui.InputCancelled, 1);
  EXPECT_EQ(keyboard.KeyboardText, "51");

  // Escape after a refusal is a cancel too.
  WhenModal<Tkeyfunc>([](Tkeyfunc& w) {
    Click(w, "SpeedButton1");
    ASSERT_TRUE(w.isVisible());
    QTest::keyClick(w.Edit(), Qt::Key_Escape);
  });
  EditWithFormulaKeyboard(sj("y+1"), "f(x)", 0, result, 50, 800);
  EXPECT_EQ(ui.InputCancelled, 1);
}

TEST_F(KeyboardDialogTest, ThePointKeyOpensAPickerTheModalKeyboardDoesNotBlock) {
  for (char letter : {'A', 'B'}) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindPoint);
    e.letter = static_cast<uint8_t>(std::string(PointNameOrder).find(letter) + 1);
    ++doc.KindCounts[kKindPoint];
    doc.PointLetterUsage[e.letter].exists = 1;
  }
  std::string result;
  bool pickerSeen = false;
  WhenModal<Tkeyfunc>([&](Tkeyfunc& w) {
    QTest::keyClicks(w.Edit(), "2");
    Click(w, "pchoice");
    Tclpanel* picker = w.Picker();
    ASSERT_NE(picker, nullptr);
    pickerSeen = true;
    EXPECT_EQ(picker->windowTitle(), QString::fromUtf8("点の指定"));
    EXPECT_FALSE(clpanel.PointAvailable(3));  // only the existing points A and B
    // Through the window system, where a blocked window would drop the click.
    const gfx::Rect b = LetterButtonRect(2);
    const QPoint at = picker->Picture()->mapTo(picker, QPoint((b.left + b.right) / 2, (b.top + b.bottom) / 2));
    ASSERT_NE(picker->windowHandle(), nullptr);
    QTest::mouseClick(picker->windowHandle(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    EXPECT_EQ(w.Edit()->text(), "2B");
    EXPECT_TRUE(picker->isVisible());  // stays open for more
    QTest::keyClicks(w.Edit(), "x");
    Click(w, "SpeedButton1");
    EXPECT_FALSE(picker->isVisible());  // closed with the keyboard
  });
  EditWithFormulaKeyboard("", "f(x)", 0, result, 300, 800);
  EXPECT_TRUE(pickerSeen);
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(result, "2Bx");
  EXPECT_EQ(clpanel.FrameColor, gfx::kBtnFace);
}

}  // namespace
