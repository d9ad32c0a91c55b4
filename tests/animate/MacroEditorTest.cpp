#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include "MacroFixture.h"
#include "animate/TMacronavi.h"
#include "support/FakeClipboard.h"
#include "support/GuiApp.h"

namespace {

struct EditorTest : MacroTest {
  std::unique_ptr<TMacronavi> editor;
  platform::FakeClipboard clipboard;

  void SetUp() override {
    MacroTest::SetUp();
    Macros().SetHost(&host);
    editor = std::make_unique<TMacronavi>();
    editor->clipboard = &clipboard;
  }
  void TearDown() override {
    editor.reset();
    Macros().SetHost(nullptr);
    MacroTest::TearDown();
  }
  QPlainTextEdit* Memo() { return qobject_cast<QPlainTextEdit*>(editor->Component("Memo")); }
  void Press(const char* name) { qobject_cast<QToolButton*>(editor->Component(name))->click(); }
  void Type(const std::string& text) {
    Memo()->selectAll();
    Memo()->insertPlainText(QString::fromStdString(text));
  }
  int Compilations() const { return host.Count("buttons"); }
};

TEST_F(EditorTest, RegisterKeepsAFaultyTextOpenAndClosesOnSuccess) {
  SetMacro("sub go() #1\nend sub");
  editor->show();
  EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("sub go() #1\nend sub"));
  EXPECT_EQ(editor->windowTitle(), QString::fromUtf8("マクロ編集"));
  Type("sub 動く() #1\nfor i=0 to 1\nend sub");
  EXPECT_EQ(doc.MacroLines, (std::vector<std::string>{sj("sub 動く() #1"), "for i=0 to 1", "end sub"}));
  Press("macroentry");
  EXPECT_TRUE(editor->isVisible());
  EXPECT_EQ(host.messages, std::vector<std::string>{"forに対応するNextがない:2行"});
  EXPECT_EQ(settings.MacroProgram.procedures, nullptr);
  Type("sub 動く() #1\nfor i=0 to 1\nnext i\nend sub\n");
  Press("macroentry");
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(Compilations(), 2);  // the close after a register compiles nothing more
  EXPECT_EQ(host.buttons[0], sj("動く"));
  EXPECT_EQ(doc.MacroLines.size(), 4u);  // the last line break adds no line
}

TEST_F(EditorTest, ClosingCompilesOnceAndStillClosesOnAnError) {
  editor->show();
  Type("draw");
  editor->close();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(Compilations(), 1);
  EXPECT_EQ(host.messages, std::vector<std::string>{"ﾌﾟﾛｼｰｼﾞｬの記述間違い:1行"});
  // Shown again and closed without a change: compiled again.
  editor->show();
  editor->close();
  EXPECT_EQ(Compilations(), 2);
}

TEST_F(EditorTest, TheLineLabelFollowsTheCaretAndCopyTakesTheWholeText) {
  SetMacro("sub go() #1\ndraw\nend sub");
  editor->show();
  QTextCursor caret = Memo()->textCursor();
  caret.movePosition(QTextCursor::Down);
  Memo()->setTextCursor(caret);
  EXPECT_EQ(qobject_cast<QLabel*>(editor->Component("low"))->text(), QString::fromUtf8(" 行番号= 2"));
  Press("macrocopy");
  EXPECT_EQ(clipboard.text, "sub go() #1\ndraw\nend sub");
  struct HelpCount : MacroEditorHost {
    int helps = 0;
    void OpenMacroHelp() override { ++helps; }
  } help;
  editor->host = &help;
  const int& helps = help.helps;
  Press("macrohelp");
  EXPECT_EQ(helps, 1);
  editor->close();
}

}  // namespace
