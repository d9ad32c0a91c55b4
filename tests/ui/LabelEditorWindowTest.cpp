#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "UiStateFixture.h"
#include "formula/DocumentState.h"
#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"
#include "render/LabelDrawing.h"
#include "render/RedrawHost.h"
#include "render/RenderState.h"
#include "support/FakeDialogs.h"
#include "support/GuiApp.h"
#include "WhenModal.h"
#include "ui/Tclpanel.h"
#include "ui/Tkeyfunc.h"
#include "ui/Tlabeleditor.h"

namespace {

// The editor on its own, over a picture that records what the labels draw.
class LabelEditorWindow : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
    labelSelection = TLabelSelection{};
    SetRedrawHost(nullptr);
    render.WindowImage = &picture;
    editor = std::make_unique<Tlabeleditor>();
    editor->dialogs = &dialogs;
    doc.LabelCount = 1;
    editor->show();
  }
  void TearDown() override {
    editor.reset();
    render.WindowImage = nullptr;
    SetRedrawHost(nullptr);
    UiStateTest::TearDown();
  }
  template <typename W>
  W* Find(const char* name) {
    W* w = editor->findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
  std::vector<std::string> Drawn() const {
    std::vector<std::string> texts;
    for (const gfx::RecordedOp& op : picture.OpsOf(gfx::OpKind::Text)) texts.push_back(op.text);
    return texts;
  }

  gfx::RecordingCanvas picture{600, 600};
  platform::FakeDialogs dialogs;
  std::unique_ptr<Tlabeleditor> editor;
};

TEST_F(LabelEditorWindow, TypedMarkupIsStoredAndDrawnOnThePicture) {
  EXPECT_EQ(ui.GraphMouseMode, 1);
  QPlainTextEdit* memo = Find<QPlainTextEdit>("Labelmemo");
  memo->setFocus();
  QTest::keyClicks(memo, "x^2");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClicks(memo, "y");
  EXPECT_EQ(doc.LabelTable[1].lines, (std::vector<std::string>{"x^2", "y"}));
  picture.Clear();
  RedrawGraphWithLabels();
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"x", "2", "y"}));
  memo->clear();
  EXPECT_EQ(doc.LabelTable[1].lineCount(), 0);
  // Japanese text goes to the label as Shift-JIS.
  memo->setPlainText(QString::fromUtf8("角θ"));
  EXPECT_EQ(doc.LabelTable[1].lines, std::vector<std::string>{sj("角θ")});
}

TEST_F(LabelEditorWindow, YenSignsAreBackslashesAndFailedValuesShowAsStars) {
  QPlainTextEdit* memo = Find<QPlainTextEdit>("Labelmemo");
  memo->setFocus();
  // The memo's font shows a backslash as a yen sign: the typed yen sign is one.
  QTest::keyClicks(memo, QString::fromUtf8("¥frac{1}{2}"));
  EXPECT_EQ(doc.LabelTable[1].lines, std::vector<std::string>{"\\frac{1}{2}"});
  picture.Clear();
  RedrawGraphWithLabels();
  EXPECT_EQ(Drawn(), (std::vector<std::string>{"1", "2"}));
  // So is a pasted full-width backslash.
  memo->clear();
  memo->insertPlainText(QString::fromUtf8("＼sqrt{x}¥vec{a}"));
  EXPECT_EQ(doc.LabelTable[1].lines, std::vector<std::string>{"\\sqrt{x}\\vec{a}"});

  // A value that fails is drawn as stars, a "*" of the text as a blank.
  memo->setPlainText("a{1/0}b\n{sqrt(-1)}\n{G}*c");
  picture.Clear();
  RedrawGraphWithLabels();
  std::string drawn;
  for (const std::string& ch : Drawn()) drawn += ch;
  EXPECT_EQ(drawn, "a******b************ c");
}

TEST_F(LabelEditorWindow, TheKeyboardAndItsPointPickerStayOnASmallScreen) {
  // The test platform's screen is small (800 x 600): an editor at its right edge puts the
  // keyboard's right edge near it, and the keyboard widens to the right on "全表示".
  const QRect work = editor->screen()->availableGeometry();
  editor->move(work.right() + 1 - editor->frameGeometry().width(), work.top());
  for (QRadioButton* radio : Find<QWidget>("zahyougroup")->findChildren<QRadioButton*>())
    if (radio->text() == QString::fromUtf8("グラフ")) radio->click();
  bool checked = false;
  WhenModal<Tkeyfunc>([&](Tkeyfunc& k) {
    EXPECT_TRUE(work.contains(k.frameGeometry())) << k.frameGeometry().x() << "," << k.frameGeometry().y();
    const int narrow = k.width();
    k.Key("funcBt")->click();
    EXPECT_GT(k.width(), narrow);
    EXPECT_TRUE(work.contains(k.frameGeometry())) << k.frameGeometry().x() << " width " << k.width();
    // The point-name picker goes above the keyboard, which is near the top.
    k.Key("pchoice")->click();
    ASSERT_NE(k.Picker(), nullptr);
    EXPECT_TRUE(work.contains(k.Picker()->frameGeometry())) << k.Picker()->frameGeometry().y();
    checked = true;
  });
  Click("equ3");
  EXPECT_TRUE(checked);
}

TEST_F(LabelEditorWindow, ControlsChangeTheCurrentLabel) {
  const Tlabelrec& label = doc.LabelTable[1];
  EXPECT_FALSE(Find<QWidget>("coodipanel")->isVisible());
  for (QRadioButton* radio : Find<QWidget>("zahyougroup")->findChildren<QRadioButton*>())
    if (radio->text() == QString::fromUtf8("グラフ")) radio->click();
  EXPECT_EQ(label.coordKind, 1);
  EXPECT_TRUE(Find<QWidget>("coodipanel")->isVisible());
  EXPECT_TRUE(Find<QWidget>("equ4")->isVisible());
  EXPECT_FALSE(Find<QWidget>("equ5")->isVisible());  // z only in space
  Find<QSpinBox>("leftshift")->setValue(30);
  Find<QSpinBox>("topshift")->setValue(-4);
  Find<QSpinBox>("lfontsize")->setValue(20);
  Find<QToolButton>("Bsstyle1")->click();
  Find<QCheckBox>("backclear")->click();
  Find<QCheckBox>("ghyouji")->click();
  EXPECT_EQ(label.shiftLeft, 30);
  EXPECT_EQ(label.shiftTop, -4);
  EXPECT_EQ(label.font.size, 20);
  EXPECT_EQ(label.backStyle, 1);
  EXPECT_EQ(label.transparent, 0);
  EXPECT_EQ(label.shown, 0);
  dialogs.colorAnswers = {0x0000FF, std::nullopt};
  Click("lcolorchange");
  Click("Bcolorchange");
  EXPECT_EQ(label.font.color, 0x0000FF);
  EXPECT_EQ(label.backColor, 0xFFFFFF);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].color, 0xFFFFFF);
}

TEST_F(LabelEditorWindow, AddStepAndDeleteShowTheCurrentLabel) {
  QPlainTextEdit* memo = Find<QPlainTextEdit>("Labelmemo");
  memo->setPlainText("first");
  Find<QSpinBox>("leftshift")->setValue(50);
  Click("add");
  EXPECT_EQ(doc.LabelCount, 2);
  EXPECT_EQ(Find<QLabel>("acnvalue")->text(), "2");
  EXPECT_TRUE(memo->toPlainText().isEmpty());
  EXPECT_EQ(Find<QSpinBox>("leftshift")->value(), 8);
  memo->setPlainText("second");
  Click("Bdown");
  EXPECT_EQ(Find<QLabel>("acnvalue")->text(), "1");
  EXPECT_EQ(memo->toPlainText(), "first");
  EXPECT_EQ(Find<QSpinBox>("leftshift")->value(), 50);
  Click("delete");
  EXPECT_EQ(doc.LabelCount, 1);
  EXPECT_EQ(memo->toPlainText(), "second");
  // At the fortieth label "追加" is off.
  doc.LabelCount = kMaxLabels;
  editor->Model().Refresh();
  EXPECT_FALSE(Find<QToolButton>("add")->isEnabled());
}

TEST_F(LabelEditorWindow, MemoFontFromADoubleClickAndClosingEndsLabelMode) {
  dialogs.fontAnswers = {platform::FontChoice{"IPAGothic", 14, 0, 0}};
  QTest::mouseDClick(Find<QPlainTextEdit>("Labelmemo")->viewport(), Qt::LeftButton);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].font.face, "ＭＳ 明朝");
  EXPECT_EQ(doc.MemoFont.size, 14);
  EXPECT_EQ(doc.MemoFont.name, "IPAGothic");
  editor->close();
  EXPECT_EQ(ui.GraphMouseMode, 0);
}

}  // namespace
