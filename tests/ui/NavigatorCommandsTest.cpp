#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <fstream>
#include <span>
#include <sstream>
#include <stdexcept>

#include "NavigatorFixture.h"
#include "ProgramWindowsFixture.h"
#include "WhenModal.h"
#include "animate/CalculusWindows.h"
#include "animate/TValueChange.h"
#include "animate/Tdtangent.h"
#include "animate/Tintegnavi.h"
#include "formula/FigureTable.h"
#include "formula/Records.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"
#include "io/WaveSynthesis.h"
#include "platform/FileAssociation.h"
#include "platform/Picture.h"
#include "platform/ProgramFolder.h"
#include "png/VexPNG.h"
#include "render/RedrawPipeline.h"
#include "support/FakeDialogs.h"
#include "ui/CanvasView.h"
#include "ui/GraphPopupMenu.h"
#include "ui/PalettePainter.h"
#include "ui/PictureFiles.h"
#include "ui/StatusPanels.h"
#include "ui/Tclpanel.h"
#include "ui/Tcorrectform.h"
#include "ui/Twarning.h"

namespace {

const std::filesystem::path kDemoFolder = std::filesystem::path(LP_SOURCE_DIR) / "data" / "demo";

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Answers every warning that opens while it lives, in order ("no" once the answers run
// out), and records the warnings' codes.
class Warnings {
 public:
  explicit Warnings(std::deque<bool> answers = {}) : answers_(std::move(answers)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* w = dynamic_cast<Twarning*>(QApplication::activeModalWidget());
      if (!w || !w->isVisible()) return;
      codes.push_back(w->MessageCode);
      const bool yes = !answers_.empty() && answers_.front();
      if (!answers_.empty()) answers_.pop_front();
      QTest::mouseClick(yes ? w->YesButton() : w->NoButton(), Qt::LeftButton);
    });
    poll_.start(5);
  }
  std::vector<int> codes;

 private:
  std::deque<bool> answers_;
  QTimer poll_;
};

class NavigatorCommandsTest : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    RegisterVexPNG();
    Start();
    ShowAndTick();
  }
  void TearDown() override {
    SerialSave = TSerialSaving{};
    ProgramWindowsTest::TearDown();
  }
  std::filesystem::path Path(const std::string& name) const {
    return std::filesystem::path(dir.path().toStdString()) / name;
  }
  void Answer(const std::filesystem::path& file) { dialogs.fileAnswers.push_back(file); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> m;
    for (const auto& c : dialogs.calls)
      if (c.kind == platform::FakeDialogs::Kind::Message) m.push_back(c.text);
    return m;
  }
  const platform::FakeDialogs::Call& LastFileDialog() const {
    for (auto it = dialogs.calls.rbegin(); it != dialogs.calls.rend(); ++it)
      if (it->kind == platform::FakeDialogs::Kind::OpenFile || it->kind == platform::FakeDialogs::Kind::SaveFile)
        return *it;
    static platform::FakeDialogs::Call none;
    ADD_FAILURE() << "no file dialog";
    return none;
  }
  QImage Drawing() const { return graph->WindowImage().Image().copy(0, 0, doc.GraphWidth, doc.GraphHeight); }

  QTemporaryDir dir;
};

// --- documents ---

TEST_F(NavigatorCommandsTest, SavedDocumentsReopenAsTheyWereAndACancelWritesNothing) {
  AddTestEntry(kKindExplicit, {"x^2-1"});
  doc.MemoLines = {sj("メモ")};
  lpnavi->LayoutMemoPanel();
  lpnavi->RebuildEquationList();
  const std::string before = WriteEquationFile(0);

  lpnavi->equationsaveClick();  // cancelled
  EXPECT_EQ(LastFileDialog().file.title, "保存する数式ファイル名の設定");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString()));

  Answer(Path("one.lpw"));
  lpnavi->equationsaveClick();
  EXPECT_TRUE(graph->isEnabled());
  EXPECT_EQ(Read(Path("one.lpw")), before);
  EXPECT_EQ(graph->windowTitle(), QString::fromUtf8("Lumenplotter   [one.lpw]"));

  {
    Warnings w({true});
    lpnavi->alldeleteClick();
    EXPECT_EQ(w.codes, std::vector<int>{3});
  }
  EXPECT_EQ(doc.EntryCount, 0);
  EXPECT_TRUE(doc.MemoLines.empty());
  EXPECT_TRUE(lpnavi->Memo()->toPlainText().isEmpty());
  EXPECT_EQ(graph->windowTitle(), QString::fromUtf8("Lumenplotter  [新規]"));

  Answer(Path("one.lpw"));
  {
    Warnings w;
    lpnavi->equationLoadClick(false);  // over a new document: no question
    EXPECT_TRUE(w.codes.empty());
  }
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(doc.MemoLines.at(0), sj("メモ"));
  EXPECT_EQ(LastFileDialog().file.folder, std::filesystem::path(dir.path().toStdString()));  // the last file's folder
  Answer(Path("two.lpw"));
  lpnavi->equationsaveClick();
  EXPECT_EQ(Read(Path("two.lpw")), Read(Path("one.lpw")));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(NavigatorCommandsTest, OpeningOverAnEditedDocumentAsksFirst) {
  std::ofstream(Path("other.lpw"), std::ios::binary) << Read(kDemoFolder / "explicit.lpw");
  QTest::keyClicks(lpnavi->Memo(), "note");  // an edit outside the list
  EXPECT_EQ(doc.MemoLines, std::vector<std::string>{"note"});

  Answer(Path("other.lpw"));
  {
    Warnings w({false});
    lpnavi->equationLoadClick(false);
    EXPECT_EQ(w.codes, std::vector<int>{12});
  }
  EXPECT_EQ(doc.EntryCount, 0);
  EXPECT_EQ(doc.MemoLines, std::vector<std::string>{"note"});

  Answer(Path("other.lpw"));
  {
    Warnings w({true});
    lpnavi->equationLoadClick(false);
    EXPECT_EQ(w.codes, std::vector<int>{12});
  }
  EXPECT_EQ(doc.EntryCount, 3);
  // A loaded document counts as edited.
  Answer(Path("other.lpw"));
  Warnings w({false});
  lpnavi->equationLoadClick(false);
  EXPECT_EQ(w.codes, std::vector<int>{12});
}

TEST_F(NavigatorCommandsTest, TheDemoCommandStartsInTheDemoFolderBesideTheProgram) {
  GraphFolders.Demo = "/somewhere/else";
  lpnavi->equationLoadClick(true);
  const platform::FileDialogRequest& r = LastFileDialog().file;
  EXPECT_EQ(r.folder, platform::ProgramFolder() / "demo");
  EXPECT_EQ(r.title, "読み込む数式ファイル名の設定");
  EXPECT_EQ(r.filter, "数式|*.lpw");
  lpnavi->equationLoadClick(false);
  EXPECT_EQ(LastFileDialog().file.folder, "/somewhere/else");
}

// The demos double as fixtures: each opens without a message (its macro compiles), every
// entry it shows is seen on the graph at the program's own size (hiding it changes the
// picture), and the demo folder's page lists it.
TEST_F(NavigatorCommandsTest, EveryDemoDocumentLoadsWithoutAMessageAndEachEntryDraws) {
  const std::string demoPage = Read(kDemoFolder / "external.html");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kDemoFolder)) {
    if (entry.path().extension() != ".lpw") continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_NE(demoPage.find("<b>" + entry.path().filename().string() + "</b>"), std::string::npos);
    const EquationFileResult result = LoadEquationFile(entry.path());
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_TRUE(result.message.empty());
    EXPECT_GT(doc.EntryCount, 0);
    EXPECT_FALSE(doc.MemoLines.empty());
    const QImage whole = Drawing();
    for (int i = 1; i <= doc.EntryCount; ++i) {
      Tfuncprop& e = doc.FigureTable[i];
      if (!e.shown) continue;
      e.shown = 0;
      doc.BackgroundDirty = 1;
      RedrawAll();
      EXPECT_TRUE(Drawing() != whole) << "entry " << i << ": " << sjis::ToUtf8(e.texts[0]);
      e.shown = 1;
    }
    // A document saved during a calculus animation opens its window; the next opens alone,
    // as the navigator's open command closes it first.
    CloseCalculusWindow();
    CloseTangentNavi();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_GE(files, 16);
  EXPECT_TRUE(Messages().empty()) << Messages().front();
}

TEST_F(NavigatorCommandsTest, SwitchingBetweenPlaneAndSpaceAsksAndKeepsTheCommonEntries) {
  AddTestEntry(kKindExplicit, {"x"});
  AddTestEntry(kKindParametric, {"t", "t", "0", "1"});
  lpnavi->RebuildEquationList();
  QToolButton* button = lpnavi->ToolButton("dimention");
  {
    Warnings w({false});
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(w.codes, std::vector<int>{13});
  }
  EXPECT_EQ(doc.Dimension, 2);
  EXPECT_EQ(doc.EntryCount, 2);
  {
    Warnings w({true});
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(w.codes, std::vector<int>{13});
  }
  EXPECT_EQ(doc.Dimension, 3);
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(doc.FigureTable[1].kind, kKindParametric);
  EXPECT_EQ(button->text(), "2D");
  EXPECT_EQ(lpnavi->MenuItem("dimtran1")->text(), QString::fromUtf8(" Plot2Dに変更"));
  EXPECT_FALSE(lpnavi->MenuItem("dif")->isVisible());
  EXPECT_FALSE(lpnavi->ToolButton("loadpicture")->isVisibleTo(lpnavi));
  EXPECT_FALSE(lpnavi->ToolButton("intervalBT")->isVisibleTo(lpnavi));
  {
    Warnings w({true});
    lpnavi->dimentionClick();
    EXPECT_EQ(w.codes, std::vector<int>{14});
  }
  EXPECT_EQ(doc.Dimension, 2);
  EXPECT_EQ(button->text(), "3D");
  EXPECT_TRUE(lpnavi->ToolButton("intervalBT")->isVisibleTo(lpnavi));
}

TEST_F(NavigatorCommandsTest, SaveStartingModesFollowTheAnimation) {
  const int expected[] = {5, 6, 3, 1, 4, 2, 0};
  for (int mode = 0; mode <= 6; ++mode) EXPECT_EQ(SaveStartingMode(mode), expected[mode]) << mode;
}

// --- pictures ---

TEST_F(NavigatorCommandsTest, TheGraphIsSavedInTheFormatOfItsName) {
  AddTestEntry(kKindExplicit, {"x^2/4-3"});
  RedrawAll();
  const QImage shown = Drawing();
  std::filesystem::create_directories(Path("pics.v2"));
  modes.OutputColorMode = 1;
  for (const char* name : {"pics.v2/g.png", "pics.v2/g.BMP", "pics.v2/g.jpg"}) {
    Answer(Path(name));
    lpnavi->graphsaveClick();
    TPicture back;
    back.LoadFromFile(QFile::decodeName(Path(name).c_str()));
    const QImage image = back.Graphic()->Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(doc.GraphWidth, doc.GraphHeight)) << name;
    if (std::string(name).find(".jpg") == std::string::npos) {
      EXPECT_TRUE(image == shown) << name;
    }
  }
  EXPECT_EQ(modes.OutputColorMode, 1);
  EXPECT_EQ(LastFileDialog().file.folder, Path("pics.v2"));
  EXPECT_EQ(LastFileDialog().file.filter, "PNGイメージ|*.png|JPEGイメージ|*.jpg|ビットマップ(BMP)|*.bmp");
  EXPECT_TRUE(Messages().empty());

  Answer(Path("g.jpeg"));
  graph->savepicturer2Click();
  EXPECT_FALSE(std::filesystem::exists(Path("g.jpeg")));
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(NavigatorCommandsTest, SerialSavingWritesANumberedFrameOnEveryChange) {
  EXPECT_FALSE(lpnavi->ToolButton("gsaveBT")->isVisibleTo(lpnavi));
  lpnavi->MenuItem("cansave")->trigger();
  QToolButton* button = lpnavi->ToolButton("gsaveBT");
  ASSERT_TRUE(button->isVisibleTo(lpnavi));
  std::filesystem::create_directories(Path("a.b"));

  QTest::mouseClick(button, Qt::LeftButton);  // cancelled
  EXPECT_FALSE(button->isChecked());
  EXPECT_EQ(SerialSave.counter, 0);

  modes.AnimationMode = 0;  // parameter work: every redraw ends a change
  Answer(Path("a.b/frame.bmp"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(button->isChecked());
  EXPECT_EQ(settings.SerialSaveFormat, kPictureBmp);
  EXPECT_TRUE(std::filesystem::exists(Path("a.b/frame10001.bmp")));
  EXPECT_EQ(button->toolTip(), QString::fromUtf8("グラフの連続保存解除"));
  RedrawAll();
  RedrawAll();
  EXPECT_TRUE(std::filesystem::exists(Path("a.b/frame10002.bmp")));
  EXPECT_TRUE(std::filesystem::exists(Path("a.b/frame10003.bmp")));
  // The clipboard's drawing is no change of the graph; it also ends the series.
  lpnavi->ClipboardCopy(false);
  EXPECT_EQ(SerialSave.counter, 0);
  EXPECT_FALSE(std::filesystem::exists(Path("a.b/frame10004.bmp")));

  SerialSave = {Path("last.png").string(), kLastSerialFrame - 1};
  RedrawAll();
  EXPECT_TRUE(std::filesystem::exists(Path("last19999.png")));
  RedrawAll();
  EXPECT_EQ(SerialSave.counter, 0);
  EXPECT_FALSE(std::filesystem::exists(Path("last20000.png")));

  lpnavi->MenuItem("notsave")->trigger();
  EXPECT_FALSE(button->isVisibleTo(lpnavi));
}

TEST_F(NavigatorCommandsTest, TheClipboardGetsTheGraphInColourOrBlackAndWhite) {
  AddTestEntry(kKindExplicit, {"x"});
  doc.FigureTable[1].color = 0x0000FF;
  RedrawAll();
  const QImage shown = Drawing();
  lpnavi->MenuItem("colorEclip")->trigger();
  ASSERT_EQ(clipboard.copies, 1);
  EXPECT_EQ(clipboard.image.size(), QSize(doc.GraphWidth, doc.GraphHeight));
  // The graph drawn anew: the same picture but for the odd end pixel of a line.
  const QImage copy = clipboard.image.convertToFormat(QImage::Format_RGB32);
  int differing = 0;
  for (int y = 0; y < copy.height(); ++y)
    for (int x = 0; x < copy.width(); ++x) differing += copy.pixel(x, y) != shown.pixel(x, y);
  EXPECT_LT(differing, 100);
  bool red = false;  // the line y = x, beside (0.15, 0.15)
  for (int dy = -2; dy <= 2; ++dy) red = red || copy.pixel(470, 442 + dy) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);

  modes.OutputColorMode = 1;
  lpnavi->MenuItem("BlackEclip2")->trigger();
  EXPECT_EQ(modes.OutputColorMode, 1);
  ASSERT_EQ(clipboard.copies, 2);
  bool coloured = false;
  for (int y = 0; y < clipboard.image.height(); y += 3)
    for (int x = 0; x < clipboard.image.width(); x += 3) {
      const QRgb p = clipboard.image.pixel(x, y);
      coloured = coloured || qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
    }
  EXPECT_FALSE(coloured);
  EXPECT_TRUE(Drawing() == shown);  // the window's picture stays
}

// A window picture whose text measure fails: in space the point names are measured on it
// while the clipboard's copy is drawn.
class FailingCanvas final : public gfx::Canvas {
 public:
  int Width() const override { return 800; }
  int Height() const override { return 600; }
  int TextWidth(std::string_view) override { throw std::runtime_error("no font"); }
  int TextHeight(std::string_view) override { throw std::runtime_error("no font"); }
  gfx::Color Pixel(int, int) const override { return gfx::kWhite; }
  void SetPixel(int, int, gfx::Color) override {}
  void FloodFill(int, int, gfx::Color, gfx::FloodMode) override {}
  void CopyRect(const gfx::Rect&, const gfx::Canvas&, const gfx::Rect&, gfx::CopyMode) override {}

 protected:
  void DoLine(gfx::Point, gfx::Point) override {}
  void DoPolyline(std::span<const gfx::Point>) override {}
  void DoPolygon(std::span<const gfx::Point>) override {}
  void DoPolyBezier(std::span<const gfx::Point>) override {}
  void DoEllipse(const gfx::Rect&) override {}
  void DoArc(const gfx::Rect&, gfx::Point, gfx::Point) override {}
  void DoRectangle(const gfx::Rect&) override {}
  void DoRoundRect(const gfx::Rect&, int, int) override {}
  void DoFillRect(const gfx::Rect&) override {}
  void DoTextOut(int, int, std::string_view) override {}
  void DoStrokePath(const std::vector<gfx::Figure>&) override {}
  void DoFillPath(const std::vector<gfx::Figure>&) override {}
};

TEST_F(NavigatorCommandsTest, AClipboardCopyWhoseDrawingFailsLeavesNoPictureBehind) {
  doc.Dimension = 3;
  graph->SwitchTo3D();
  doc.FigureTable[AddTestPoint('A', {"0", "0", "0"})].labelPos = 5;  // the name right below
  FailingCanvas failing;
  ::render.WindowImage = &failing;
  EXPECT_THROW(lpnavi->ClipboardCopy(false), std::runtime_error);
  ::render.WindowImage = &graph->WindowImage();
  EXPECT_EQ(settings.DrawToMetafile, 0);
  EXPECT_EQ(settings.MetafileCanvas, nullptr);
  EXPECT_EQ(clipboard.copies, 0);
  // The next copy draws as ever.
  lpnavi->ClipboardCopy(false);
  EXPECT_EQ(clipboard.copies, 1);
  EXPECT_EQ(settings.MetafileCanvas, nullptr);
}

TEST_F(NavigatorCommandsTest, ABackgroundPictureIsShownKeptOnFailureAndRemovedAgain) {
  QImage green(40, 40, QImage::Format_RGB32);
  green.fill(QColor(0, 200, 0));
  SavePictureAs(green, Path("bg.bmp"), kPictureBmp);
  QToolButton* button = lpnavi->ToolButton("loadpicture");

  Answer(Path("bg.bmp"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(LastFileDialog().file.filter, "画像ファイル(BMP,JPEG,PNG)|*.BMP;*.jpg;*.png");
  EXPECT_EQ(settings.BackgroundShown, 1);
  EXPECT_TRUE(button->isChecked());
  EXPECT_EQ(button->toolTip(), QString::fromUtf8("背景画像の削除"));
  EXPECT_EQ(GraphFolders.Background, std::filesystem::path(dir.path().toStdString()));
  EXPECT_EQ(Drawing().pixel(doc.GraphWidth / 4, doc.GraphHeight / 3), qRgb(0, 200, 0));

  // A picture that cannot be read keeps the one shown, and says why.
  std::ofstream(Path("broken.png"), std::ios::binary) << "\x89PNG not really";
  QTest::mouseClick(button, Qt::LeftButton);  // removes it
  EXPECT_EQ(settings.BackgroundShown, 0);
  EXPECT_EQ(button->toolTip(), QString::fromUtf8("背景画像の読み込み"));
  EXPECT_EQ(Drawing().pixel(doc.GraphWidth / 4, doc.GraphHeight / 3), qRgb(255, 255, 255));
  Answer(Path("bg.bmp"));
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(settings.BackgroundShown, 1);
  EXPECT_TRUE(graph->ChooseBackgroundPicture() == false);  // cancelled
  Answer(Path("broken.png"));
  EXPECT_FALSE(graph->ChooseBackgroundPicture());
  EXPECT_EQ(settings.BackgroundShown, 1);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Drawing().pixel(doc.GraphWidth / 4, doc.GraphHeight / 3), qRgb(0, 200, 0));

  // A new document takes it away.
  Warnings w({true});
  lpnavi->alldeleteClick();
  EXPECT_EQ(settings.BackgroundShown, 0);
  EXPECT_FALSE(button->isChecked());
}

// --- the graph's pop-up menu ---

TEST_F(NavigatorCommandsTest, ThePopupMenuChangesTheGraphAndPlotsAPoint) {
  const int before = NonWhite(graph->WindowImage(), doc.GraphWidth, doc.GraphHeight);
  graph->PopupMenu1()->Item("nkousi")->trigger();
  EXPECT_EQ(doc.GridSettings.kind, 0);
  EXPECT_LT(NonWhite(graph->WindowImage(), doc.GraphWidth, doc.GraphHeight), before / 2);

  // "点をプロット" at the pixel the menu was opened on: B, then the entry window finished.
  graph->MouseDownX = doc.GraphWidth / 2 + doc.GraphWidth / 10;  // x = 1
  graph->MouseDownY = doc.GraphHeight / 2;                       // y = 0
  WhenModal<Tclpanel>([](Tclpanel& w) {
    const gfx::Rect r = LetterButtonRect(2);
    QTest::mouseClick(w.Picture(), Qt::LeftButton, {}, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  });
  WhenShown<Tcorrectform>(nullptr, [](Tcorrectform& w) { QTest::mouseClick(w.EndButton(), Qt::LeftButton); });
  graph->PopupMenu1()->Item("pplot")->trigger();
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(doc.FigureTable[1].texts[2], "B");
  EXPECT_EQ(sjis::ToUtf8(lpnavi->Model().List().entries.at(0).lines.at(0).text).substr(0, 6), "( 1.00");

  // While the entry window is open the menu stays shut.
  graph->SetPopupMenuEnabled(false);
  graph->ShowPopupMenu(QPoint(10, 10), 5, 5);
  EXPECT_FALSE(graph->PopupMenu1()->isVisible());
  EXPECT_NE(graph->MouseDownX, 5);
}

// --- the entry list ---

TEST_F(NavigatorCommandsTest, ACsvFileBecomesAPointSequence) {
  std::ofstream(Path("p.csv"), std::ios::binary) << "1,2\r\n3,4,5\r\n";
  std::ofstream(Path("bad.csv"), std::ios::binary) << "1,2\nx,4\n";
  Answer(Path("p.csv"));
  EXPECT_EQ(lpnavi->ImportCsvPoints(4), 2);
  ASSERT_EQ(doc.PointSequences[4].size(), 2u);
  EXPECT_EQ(doc.PointSequences[4][1].z, 5);
  EXPECT_EQ(LastFileDialog().file.title, "csv形式のファイルのファイル名の設定");

  const auto kept = doc.PointSequences[4];
  Answer(Path("bad.csv"));
  EXPECT_EQ(lpnavi->ImportCsvPoints(4), -1);
  EXPECT_EQ(doc.PointSequences[4], kept);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].find("2 行目"), std::string::npos);
  ui.InputCancelled = 0;
  EXPECT_EQ(lpnavi->ImportCsvPoints(4), -1);  // cancelled
  EXPECT_EQ(ui.InputCancelled, 1);

  // Through the menu: a bad file leaves no half-made point.
  TListAddRow add;
  for (const TListAddRow& a : lpnavi->Model().List().adds)
    if (a.row.kind == kKindPoint) add = a;
  ASSERT_EQ(add.row.kind, kKindPoint);
  QMenu* menu = lpnavi->PreparePointMenu(40, (add.row.top + add.row.bottom) / 2);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(lpnavi->MenuItem("PopupMenu2.pntseq")->isVisible());
  EXPECT_FALSE(lpnavi->MenuItem("PopupMenu2.delete")->isVisible());
  WhenModal<Tclpanel>([](Tclpanel& w) {
    const gfx::Rect r = LetterButtonRect(1);
    QTest::mouseClick(w.Picture(), Qt::LeftButton, {}, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  });
  Answer(Path("bad.csv"));
  lpnavi->MenuItem("PopupMenu2.pntseq")->trigger();
  EXPECT_EQ(doc.EntryCount, 0);
  EXPECT_EQ(doc.KindCounts[kKindPoint], 0);
  EXPECT_EQ(ui.PendingPointConstruction, 255);
}

TEST_F(NavigatorCommandsTest, TheDeleteButtonsStandAtTheListsVisibleEdge) {
  AddTestEntry(kKindExplicit, {"x"});
  AddTestEntry(kKindExplicit, {"2x"});
  lpnavi->RebuildEquationList();
  const TListLayout& layout = lpnavi->Model().Layout;
  const int visible = lpnavi->ScrollBox()->viewport()->width() - layout.listIndent;
  EXPECT_EQ(layout.DeleteButtonLeft(), visible - layout.listIndent + 10);
  const TListEntryRow row = lpnavi->Model().List().entries.at(1);
  // The button's face is painted there.
  EXPECT_NE(lpnavi->TextCanvas().Pixel(layout.DeleteButtonLeft() + 9, row.row.top + 10), gfx::kWhite);
  {
    Warnings w({true});
    QTest::mouseClick(lpnavi->TextImage(), Qt::LeftButton, {}, QPoint(layout.DeleteButtonLeft() + 9, row.row.top + 10));
    EXPECT_EQ(w.codes, std::vector<int>{5});
  }
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(doc.FigureTable[1].texts[0], "x");
}

// --- help, association, memo and the windows of other work ---

TEST_F(NavigatorCommandsTest, HelpPagesOpenFromTheManualFolderWithTheirWholePath) {
  GraphFolders.Manual =
      std::filesystem::path("/a/folder/deep/enough/to/pass/seventy/nine/characters/of/path/text") / "manual";
  lpnavi->MenuItem("manualhtm1")->trigger();
  QTest::mouseClick(lpnavi->ToolButton("toolhp"), Qt::LeftButton);
  QTest::mouseClick(lpnavi->ToolButton("FhlpBT"), Qt::LeftButton);
  doc.Dimension = 3;
  lpnavi->FhlpBTClick();
  const std::filesystem::path m = GraphFolders.Manual;
  EXPECT_EQ(help.opened, (std::vector<std::filesystem::path>{m / "manual.html", m / "tool.html", m / "touroku.html",
                                                             m / "tourokusp.html"}));
  // Every page the program opens is there.
  for (const char* page : {"manual.html", "tool.html", "label.html", "macro.html", "mouse.html", "gamen.html",
                           "touroku.html", "tourokusp.html"})
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(LP_SOURCE_DIR) / "data" / "manual" / page)) << page;
  EXPECT_TRUE(std::filesystem::exists(kDemoFolder / "external.html"));
}

TEST_F(NavigatorCommandsTest, TheAssociationNamesThisProgram) {
  const std::string oldData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
  const std::string oldConfig = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
  setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
  lpnavi->MenuItem("N4")->trigger();
  const std::string entry = Read(Path("data/applications/lumenplotter.desktop"));
  EXPECT_NE(entry.find("Exec=" + platform::DesktopExecArgument(platform::ProgramFile().string()) + " %f"),
            std::string::npos)
      << entry;
  EXPECT_TRUE(std::filesystem::exists(Path("data/mime/packages/lumenplotter-lpw.xml")));
  EXPECT_TRUE(Messages().empty());
  oldData.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", oldData.c_str(), 1);
  oldConfig.empty() ? unsetenv("XDG_CONFIG_HOME") : setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
}

TEST_F(NavigatorCommandsTest, TheMemoSharesTheRoomWithTheListAndChangesPlace) {
  const int listHeight = lpnavi->ScrollBox()->height();
  QTest::mouseClick(lpnavi->ToolButton("memoBT"), Qt::LeftButton);
  EXPECT_EQ(ui.MemoShown, 1);
  EXPECT_EQ(lpnavi->Memo()->height(), 158);
  EXPECT_EQ(lpnavi->ScrollBox()->height(), listHeight - 158);
  EXPECT_LT(lpnavi->Memo()->y(), lpnavi->ScrollBox()->y());
  EXPECT_EQ(lpnavi->StatusBar()->PanelText(1), QString::fromUtf8("メモ位置変更"));
  EXPECT_EQ(lpnavi->ToolButton("memoBT")->toolTip(), QString::fromUtf8("メモの終了"));
  lpnavi->StatusBar()->clicked(50);
  EXPECT_EQ(settings.MemoOnTop, 0);
  EXPECT_GT(lpnavi->Memo()->y(), lpnavi->ScrollBox()->y());
  QTest::mouseClick(lpnavi->ToolButton("memoBT"), Qt::LeftButton);
  EXPECT_FALSE(lpnavi->Memo()->isVisible());
  EXPECT_EQ(lpnavi->ScrollBox()->height(), listHeight);
  EXPECT_EQ(lpnavi->StatusBar()->PanelWidth(1), 0);
}

TEST_F(NavigatorCommandsTest, TheIntervalButtonShowsThePanelInIntervalMode) {
  TValueNode* tail = nullptr;
  AppendValueNode(tail, 1, 2);
  settings.AfterImageHistory = PushAfterImage(nullptr, 0);
  modes.AfterImageOn = 1;
  QTest::mouseClick(lpnavi->ToolButton("intervalBT"), Qt::LeftButton);
  EXPECT_EQ(settings.AfterImageHistory, nullptr);
  EXPECT_EQ(modes.AfterImageOn, 0);
  EXPECT_EQ(modes.AnimationMode, 1);
  EXPECT_TRUE(windows->Panel().isVisible());
  EXPECT_EQ(windows->Panel().windowTitle(), QString::fromUtf8("区間設定"));
  EXPECT_EQ(doc.IntervalMode, 1);
  EXPECT_EQ(Timer1().JobCode, job::IntervalEntry);  // the bounds are asked on the next tick
}

TEST_F(NavigatorCommandsTest, TheCalculusMenuOpensTheMeanRateOfChange) {
  AddTestEntry(kKindExplicit, {"x^2"});
  lpnavi->RebuildEquationList();
  const TViewRange view = doc.ViewRange;
  lpnavi->MenuItem("henkaritu")->trigger();
  ASSERT_TRUE(CalculusWindowOpen());
  EXPECT_EQ(modes.AnimationMode, 3);
  EXPECT_EQ(modes.CalculusActive, 1);
  QApplication::processEvents();
  const QPoint besideGraph(graph->x() + graph->frameGeometry().width(), CalculusWindow()->y());
  EXPECT_EQ(CalculusWindow()->x(), PlacedOnTestScreen(*CalculusWindow(), besideGraph).x());
  AnswerKeyboard("点Ａのｘ座標の入力", "1");
  AnswerKeyboard("点Ｂのｘ座標の入力", "2");
  ASSERT_TRUE(timer->advanceToNextTick());
  EXPECT_EQ(static_cast<QLabel*>(CalculusWindow()->Component("heilabel"))->text(), "3.0000");
  // The value box on the graph: light yellow at its corner.
  EXPECT_EQ(Drawing().pixelColor(7, 20), QColor(0xFF, 0xFF, 0xD2));
  CalculusWindow()->close();
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(modes.CalculusActive, 0);
  EXPECT_EQ(doc.ViewRange, view);
  EXPECT_NE(Drawing().pixelColor(7, 20), QColor(0xFF, 0xFF, 0xD2));
}

TEST_F(NavigatorCommandsTest, SoundItemsShowForFilledSlotsAndPlayAndSaveTheirImage) {
  QMenu* file = lpnavi->MenuItem("File1")->menu();
  emit file->aboutToShow();
  EXPECT_FALSE(lpnavi->MenuItem("wsav")->isVisible());
  ASSERT_TRUE(MakeWaveFromText(sj("sin(880πx)"), 0, 2, 0.1f));
  emit file->aboutToShow();
  EXPECT_TRUE(lpnavi->MenuItem("wsav")->isVisible());
  EXPECT_TRUE(lpnavi->MenuItem("wv2")->isVisible());
  EXPECT_FALSE(lpnavi->MenuItem("wv1")->isVisible());
  Answer(Path("s.wav"));
  lpnavi->MenuItem("wv2")->trigger();
  const std::vector<uint8_t>& image = doc.SoundStreams[2];
  EXPECT_EQ(Read(Path("s.wav")), std::string(image.begin(), image.end()));
  lpnavi->MenuItem("wplay2")->trigger();
  ASSERT_EQ(sound.played.size(), 1u);
  EXPECT_EQ(sound.played[0], doc.SoundStreams[2]);
}

}  // namespace
