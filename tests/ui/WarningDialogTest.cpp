#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "UiStateFixture.h"
#include "WhenModal.h"
#include "support/GuiApp.h"
#include "ui/Twarning.h"

namespace {

class WarningDialogTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
  }
};

TEST_F(WarningDialogTest, EveryCodeShowsItsMessage) {
  const char* messages[] = {
      "現在の定義関数が削除されます",
      "現在の定義定数が削除されます",
      "表示式・定義式がすべて削除され,設定が初期化されます",
      "Lumenplotterを終了します",
      "現在の表示式が削除されます",
      "定義式および関連した表示式が全て削除されます",
      "現在のラベルが削除されます",
      "ラベルがすべて削除されます",
      "記号がすべて削除されます",
      "現在の記号が削除されます",
      "残像を消去しますか?",
      "現在の設定を消去して、新しいファイルを呼び込みます。",
      "平面と空間の共通の設定以外は削除して、３Ｄに切り替えます。",
      "平面と空間の共通の設定以外は削除して、２Ｄに切り替えます。",
  };
  for (int code = 1; code <= 14; ++code) {
    Twarning w;
    w.MessageCode = static_cast<std::uint8_t>(code);
    w.show();
    EXPECT_EQ(w.Panel1()->text(), QString::fromUtf8(messages[code - 1])) << code;
    EXPECT_TRUE(w.YesButton()->isVisible());
    EXPECT_TRUE(w.NoButton()->isVisible());
    w.close();
  }
  // Another code leaves the panel as it was.
  for (int code : {0, 15}) {
    Twarning w;
    w.Panel1()->setText(QStringLiteral("before"));
    w.MessageCode = static_cast<std::uint8_t>(code);
    w.show();
    EXPECT_EQ(w.Panel1()->text(), QStringLiteral("before")) << code;
    w.close();
  }
  EXPECT_EQ(WarningMessage(15), nullptr);
}

TEST_F(WarningDialogTest, OnlyTheYesButtonAnswersYes) {
  struct Case {
    const char* way;
    std::function<void(Twarning&)> close;
    bool yes;
  };
  const Case cases[] = {
      {"yes button", [](Twarning& w) { QTest::mouseClick(w.YesButton(), Qt::LeftButton); }, true},
      {"no button", [](Twarning& w) { QTest::mouseClick(w.NoButton(), Qt::LeftButton); }, false},
      {"Escape", [](Twarning& w) { QTest::keyClick(&w, Qt::Key_Escape); }, false},
      {"title bar", [](Twarning& w) { w.close(); }, false},
  };
  for (const Case& c : cases) {
    WarningAnswer = 1;  // an earlier yes must not count for this question
    WhenModal<Twarning>([&c](Twarning& w) {
      EXPECT_EQ(w.MessageCode, 4);
      c.close(w);
      EXPECT_FALSE(w.isVisible()) << c.way;
    });
    EXPECT_EQ(ShowWarning(4), c.yes) << c.way;
    EXPECT_EQ(WarningAnswer, c.yes ? 1 : 0) << c.way;
  }
}

}  // namespace
