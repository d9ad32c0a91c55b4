#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QColorDialog>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "AnswerDialog.h"
#include "support/FakeDialogs.h"
#include "support/GuiApp.h"
#include "platform/EventPump.h"

using namespace platform;

namespace {

// --- filters ------------------------------------------------------------------------

TEST(FileFilter, SplitsDescriptionsAndPatterns) {
  struct Row {
    const char* filter;
    std::vector<FileFilterEntry> entries;
  } rows[] = {
      {"数式|*.lpw", {{"数式", {"*.lpw"}}}},
      {"PNGイメージ|*.png|JPEGイメージ|*.jpg|ビットマップ|*.bmp",
       {{"PNGイメージ", {"*.png"}}, {"JPEGイメージ", {"*.jpg"}}, {"ビットマップ", {"*.bmp"}}}},
      {"画像ファイル(BMP,JPEG,PNG)|*.BMP;*.jpg;*.png",
       {{"画像ファイル(BMP,JPEG,PNG)", {"*.BMP", "*.jpg", "*.png"}}}},
      {"", {}},
      {"wav|*.wav|dangling", {{"wav", {"*.wav"}}}},
      {"empty||csv|*.csv", {{"csv", {"*.csv"}}}},
  };
  for (const Row& r : rows) {
    const std::vector<FileFilterEntry> got = ParseFileFilter(r.filter);
    ASSERT_EQ(got.size(), r.entries.size()) << r.filter;
    for (size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].description, r.entries[i].description) << r.filter;
      EXPECT_EQ(got[i].patterns, r.entries[i].patterns) << r.filter;
    }
  }
}

TEST(FileFilter, SuffixesFromDefaultExtensionsAndEntries) {
  EXPECT_EQ(DefaultSuffix("lpw"), "lpw");
  EXPECT_EQ(DefaultSuffix(".wav"), "wav");
  EXPECT_EQ(DefaultSuffix("png|jpg|bmp|wmf|emf"), "png");
  EXPECT_EQ(DefaultSuffix(""), "");
  EXPECT_EQ(SuffixOfEntry({"PNG", {"*.png"}}), "png");
  EXPECT_EQ(SuffixOfEntry({"all", {"*.*"}}), "");
  EXPECT_EQ(SuffixOfEntry({"all", {"*", "*.jpg"}}), "jpg");
}

// --- the scripted fake --------------------------------------------------------------

TEST(FakeDialogsTest, HandsOutQueuedAnswersAndCancelsWhenOutOfThem) {
  FakeDialogs dialogs;
  dialogs.fileAnswers = {std::filesystem::path("/tmp/a.lpw"), std::nullopt};
  dialogs.colorAnswers = {0x0000FF};
  dialogs.askAnswers = {true};
  const FileDialogRequest open{"読み込む数式ファイル名の設定", "数式|*.lpw", "lpw", "/demo", ""};

  EXPECT_EQ(dialogs.openFile(open), std::filesystem::path("/tmp/a.lpw"));
  EXPECT_EQ(dialogs.saveFile(open), std::nullopt);
  EXPECT_EQ(dialogs.openFile(open), std::nullopt);  // queue empty: cancelled
  EXPECT_EQ(dialogs.chooseColor(0xFFFFFF), 0x0000FF);
  EXPECT_EQ(dialogs.chooseFont({"ＭＳ 明朝", 12}), std::nullopt);
  dialogs.showMessage("印刷エラー");
  EXPECT_TRUE(dialogs.ask("Lumenplotterを終了します"));
  EXPECT_FALSE(dialogs.ask("Lumenplotterを終了します"));

  EXPECT_EQ(dialogs.unanswered, 3);
  ASSERT_EQ(dialogs.calls.size(), 8u);
  EXPECT_EQ(dialogs.calls[0].kind, FakeDialogs::Kind::OpenFile);
  EXPECT_EQ(dialogs.calls[0].file.title, "読み込む数式ファイル名の設定");
  EXPECT_EQ(dialogs.calls[1].kind, FakeDialogs::Kind::SaveFile);
  EXPECT_EQ(dialogs.calls[3].color, 0xFFFFFF);
  EXPECT_EQ(dialogs.calls[4].font.face, "ＭＳ 明朝");
  EXPECT_EQ(dialogs.calls[5].kind, FakeDialogs::Kind::Message);
  EXPECT_EQ(dialogs.calls[5].text, "印刷エラー");
}

// --- the Qt dialogs, answered from inside their own loop ----------------------------

// The user picks a file type from the dialog's list.
void ChooseType(QFileDialog* d, int index) {
  auto* types = d->findChild<QComboBox*>("fileTypeCombo");
  types->setCurrentIndex(index);
  emit types->activated(index);
  emit types->textActivated(types->itemText(index));
}

// What the user types into a file dialog's name box.
void Type(QFileDialog* d, const char* name) {
  d->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromUtf8(name));
}

std::filesystem::path P(const QString& s) { return s.toStdString(); }
// QFileDialog hides accept(); through its base it still is the dialog's own.
void Accept(QDialog* d) { d->accept(); }

TEST(QtDialogsTest, SaveGivesATypedNameTheSuffixOfTheChosenType) {
  QTemporaryDir dir;
  QtDialogs dialogs;
  const FileDialogRequest request{"保存する画像ファイル名の設定",
                                  "PNGイメージ|*.png|JPEGイメージ|*.jpg|ビットマップ(BMP)|*.bmp",
                                  "png|jpg|bmp|wmf|emf", P(dir.path()), ""};
  int depthInside = -1;
  WhenShown<QFileDialog>([&](QFileDialog* d) {
    depthInside = PumpDepth();
    Type(d, "graph");
    Accept(d);
  });
  EXPECT_EQ(dialogs.saveFile(request), P(dir.path()) / "graph.png");
  EXPECT_EQ(depthInside, 1);

  WhenShown<QFileDialog>([](QFileDialog* d) {
    ChooseType(d, 1);
    Type(d, "graph");
    Accept(d);
  });
  EXPECT_EQ(dialogs.saveFile(request), P(dir.path()) / "graph.jpg");

  WhenShown<QFileDialog>([](QFileDialog* d) {
    Type(d, "frames.bmp");
    Accept(d);
  });
  EXPECT_EQ(dialogs.saveFile(request), P(dir.path()) / "frames.bmp");

  WhenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_EQ(dialogs.saveFile(request), std::nullopt);
}

// A save never replaces a file the user did not confirm.
TEST(QtDialogsTest, SaveAsksBeforeReplacingAFile) {
  QTemporaryDir dir;
  QFile file(dir.filePath("graph.pdf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  QtDialogs dialogs;
  const FileDialogRequest request{"印刷するPDFファイル名の設定", "PDF|*.pdf", ".pdf", P(dir.path()), "graph.pdf"};
  for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
    int asked = 0;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
      WhenShown<QMessageBox>([&](QMessageBox* box) {
        ++asked;
        box->button(answer)->click();
      });
      Accept(d);
      if (d->isVisible()) d->reject();  // "No" leaves the dialog open
    });
    const auto chosen = dialogs.saveFile(request);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(chosen, answer == QMessageBox::Yes ? std::optional(P(dir.path()) / "graph.pdf") : std::nullopt);
  }
}

TEST(QtDialogsTest, OpenStartsInTheFolderWithTheProposedName) {
  QTemporaryDir dir;
  QFile file(dir.filePath("test.lpw"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  QtDialogs dialogs;
  QString shownFolder;
  WhenShown<QFileDialog>([&](QFileDialog* d) {
    shownFolder = d->directory().absolutePath();
    Accept(d);
  });
  const auto chosen = dialogs.openFile({"読み込む数式ファイル名の設定", "数式|*.lpw", "lpw",
                                        P(dir.path()), "test.lpw"});
  EXPECT_EQ(shownFolder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(chosen, P(dir.path()) / "test.lpw");
}

// Some files block whoever reads them (/proc/kmsg): the list names a file's type from its
// name alone. Two files without a suffix, one holding a PNG picture, are the same type.
TEST(QtDialogsTest, TheFileListReadsNoFileToNameItsType) {
  QTemporaryDir dir;
  const std::pair<const char*, QByteArray> files[] = {{"picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                                                      {"notes", "plain words\n"}};
  for (const auto& [name, bytes] : files) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QtDialogs dialogs;
  QString picture, notes;
  WhenShown<QFileDialog>([&](QFileDialog* d) {
    picture = d->iconProvider()->type(QFileInfo(dir.filePath("picture")));
    notes = d->iconProvider()->type(QFileInfo(dir.filePath("notes")));
    d->reject();
  });
  dialogs.openFile({"読み込む数式ファイル名の設定", "数式|*.lpw", "lpw", P(dir.path()), ""});
  EXPECT_FALSE(picture.isEmpty());
  EXPECT_EQ(picture, notes);
}

TEST(QtDialogsTest, FontDialogKeepsTheStoredFaceNameWhenTheFamilyStays) {
  QtDialogs dialogs;
  const FontChoice stored{"ＭＳ 明朝", 12, 0x0000FF, 1};

  QString shownFamily;
  WhenShown<QFontDialog>([&](QFontDialog* d) {
    shownFamily = d->currentFont().family();
    d->accept();
  });
  EXPECT_EQ(dialogs.chooseFont(stored), stored);
  EXPECT_EQ(shownFamily, "IPAMincho");  // the face the document's font is drawn with

  WhenShown<QFontDialog>([](QFontDialog* d) {
    QFont f("Liberation Serif", 20);
    f.setItalic(true);
    d->setCurrentFont(f);
    d->accept();
  });
  const std::optional<FontChoice> changed = dialogs.chooseFont(stored);
  ASSERT_TRUE(changed);
  EXPECT_EQ(changed->face, "Liberation Serif");
  EXPECT_EQ(changed->size, 20);
  EXPECT_EQ(changed->style, 2);
  EXPECT_EQ(changed->color, 0x0000FF);  // Qt's font dialog has no colour to change

  WhenShown<QFontDialog>([](QFontDialog* d) { d->reject(); });
  EXPECT_EQ(dialogs.chooseFont(stored), std::nullopt);
}

TEST(QtDialogsTest, ColourDialogSpeaksBlueGreenRed) {
  QtDialogs dialogs;
  QColor shown;
  WhenShown<QColorDialog>([&](QColorDialog* d) {
    shown = d->currentColor();
    d->setCurrentColor(QColor(0, 0, 255));
    d->accept();
  });
  EXPECT_EQ(dialogs.chooseColor(0x0000FF), 0xFF0000);
  EXPECT_EQ(shown, QColor(255, 0, 0));
  WhenShown<QColorDialog>([](QColorDialog* d) { d->reject(); });
  EXPECT_EQ(dialogs.chooseColor(0x0000FF), std::nullopt);
}

TEST(QtDialogsTest, AskIsYesOnlyThroughItsYesButton) {
  QtDialogs dialogs;
  auto clickButton = [](const char* caption) {
    return [caption](QMessageBox* box) {
      for (QAbstractButton* b : box->buttons())
        if (b->text() == QString::fromUtf8(caption)) b->click();
    };
  };
  WhenShown<QMessageBox>(clickButton("了解 (&Y)"));
  EXPECT_TRUE(dialogs.ask("Lumenplotterを終了します"));
  WhenShown<QMessageBox>(clickButton("取消し (&N)"));
  EXPECT_FALSE(dialogs.ask("Lumenplotterを終了します"));
  WhenShown<QMessageBox>([](QMessageBox* box) { box->close(); });  // the title bar's close
  EXPECT_FALSE(dialogs.ask("Lumenplotterを終了します"));
}

}  // namespace
