// The entry window as the user meets it: the real dialog, the formula keyboard on the
// program's timer, mouse clicks on its fields and buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "EntryFormFixture.h"
#include "WhenModal.h"
#include "platform/EventPump.h"
#include "platform/SjisQt.h"
#include "platform/Timer.h"
#include "support/GuiApp.h"
#include "ui/Tcorrectform.h"
#include "ui/Tkeyfunc.h"

namespace {

using R = EntryRow;
using C = EntryControl;
using F = EntryField;

// Typed characters, Japanese ones too (the test library's key clicks are ASCII only).
void Type(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

void Click(QWidget* w) {
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->isVisible());
  QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

class EntryDialogTest : public EntryFormTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    EntryFormTest::SetUp();
    // Nothing may hang the suite: after ten seconds every open window is closed.
    watchdog_ = new QTimer;
    watchdog_->setSingleShot(true);
    QObject::connect(watchdog_, &QTimer::timeout, [] {
      ADD_FAILURE() << "a window was still open";
      while (QWidget* w = QApplication::activeModalWidget()) w->hide();
    });
    watchdog_->start(10000);
  }
  void TearDown() override {
    delete watchdog_;
    Timer1().SetBackend(nullptr);
    EntryFormTest::TearDown();
  }
  QTimer* watchdog_ = nullptr;
};

TEST_F(EntryDialogTest, ANewPointIsEnteredThroughTheDialogAndTheKeyboard) {
  AddPoint('A', "0", "0");
  const int point = NewPoint('E', 255);
  Refresh();
  Timer1().SetBackend(std::make_unique<platform::QtTimerBackend>());

  QPointer<Tcorrectform> dialog;
  bool checked = false;
  AnswerKeyboard("点Eのｘ座標", "1");
  AnswerKeyboard("点Eのｙ座標", "2");
  WhenShown<Tcorrectform>([point](Tcorrectform&) { return doc.FigureTable[point].texts[1] == "2"; },
                          [&](Tcorrectform& w) {
                            dialog = &w;
                            EXPECT_EQ(w.windowTitle(), QString::fromUtf8("平面の点の入力・訂正"));
                            EXPECT_EQ(w.Title()->text(), QString::fromUtf8("平面の点"));
                            EXPECT_EQ(w.Field(F::Equ1)->text(), "1");
                            EXPECT_EQ(w.Field(F::Equ2)->text(), "2");
                            EXPECT_TRUE(w.Control(C::LabelPosition)->isVisible());
                            EXPECT_TRUE(w.Control(C::PointName)->isVisible());
                            EXPECT_FALSE(w.Control(C::LineKind)->isVisible());
                            EXPECT_FALSE(w.RowPanel(R::Min)->isVisible());
                            // The rows stack as the view says: equ1, equ2, then the label.
                            EXPECT_LT(w.RowPanel(R::Equ1)->y(), w.RowPanel(R::Equ2)->y());
                            EXPECT_LT(w.RowPanel(R::Equ2)->y(), w.RowPanel(R::Moji)->y());
                            EXPECT_EQ(w.height(), w.Controller().View().formHeight);
                            // A label in Japanese; a character CP932 cannot hold is refused.
                            w.LabelEdit()->clear();
                            Type(w.LabelEdit(), QString::fromUtf8("点ア"));
                            Type(w.LabelEdit(), QString::fromUtf8("€"));
                            EXPECT_EQ(w.LabelEdit()->text(), QString::fromUtf8("点ア"));
                            w.WidthGroup()->button(3)->click();
                            checked = true;
                            Click(w.EndButton());
                          });
  ShowCorrectForm(point, point, 0, 20);
  EXPECT_TRUE(checked);
  const Tfuncprop& e = doc.FigureTable[point];
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(e.texts[0], "1");
  EXPECT_EQ(e.texts[1], "2");
  EXPECT_EQ(e.texts[2], sj("点ア"));
  EXPECT_EQ(e.penWidth, 3);
  EXPECT_EQ(ui.SubFormOpen, 0);
  // Timer job 22 frees the window once the loops have returned.
  for (int i = 0; i < 20 && dialog; ++i) QTest::qWait(20);
  EXPECT_TRUE(dialog.isNull());
}

TEST_F(EntryDialogTest, ACorrectionEditedByClicksAndCancelled) {
  const int curve = Add(kKindParametric, 255, {"cos(t)", "sin(t)", "0", "1"});
  SavedEntryCopy = doc.FigureTable[curve];
  bool checked = false;
  WhenShown<Tcorrectform>(nullptr, [&](Tcorrectform& w) {
    const EntryFormView& v = w.Controller().View();
    for (R row : {R::Equ1, R::Equ2, R::Min, R::Equ23}) {
      EXPECT_TRUE(w.RowPanel(row)->isVisible());
      EXPECT_EQ(w.RowPanel(row)->y(), v.rowTop[static_cast<size_t>(row)]);
    }
    EXPECT_FALSE(w.RowPanel(R::Equ3)->isVisible());
    EXPECT_TRUE(w.Control(C::ArrowCheck)->isVisible());
    EXPECT_TRUE(w.CancelButton()->isVisible());
    AnswerKeyboard("範囲の下限", "-1");
    Click(w.Field(F::Min));
    EXPECT_EQ(w.Field(F::Min)->text(), "-1");
    EXPECT_EQ(doc.FigureTable[curve].texts[2], "-1");
    checked = true;
    Click(w.CancelButton());
  });
  ShowCorrectForm(curve, curve, 1, 20);
  EXPECT_TRUE(checked);
  EXPECT_EQ(ui.InputCancelled, 1);
  EXPECT_EQ(doc.FigureTable[curve], SavedEntryCopy);
}

TEST_F(EntryDialogTest, AnEntryOutsideTheTableOpensNothing) {
  ShowCorrectForm(3, 3, 1, 0);
  EXPECT_EQ(ui.InputCancelled, 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(ui.SubFormOpen, 0);
}

}  // namespace
