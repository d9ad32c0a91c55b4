// The print settings window's logic: the default width, the paper texts, the changes it
// refuses, the title font, the printer setup, and the preview's pixels.
#include <gtest/gtest.h>

#include "PrintFixture.h"
#include "formula/FormulaHost.h"
#include "io/PrintSettingsModel.h"
#include "platform/Sjis.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinterService.h"

namespace {

class CountingShell final : public FormulaHost {
 public:
  void StopAnimationTimer() override { ++timerStops; }
  int timerStops = 0;
};

class PrintSettingsTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    SetFormulaHost(&shell);
  }
  void TearDown() override {
    SetFormulaHost(nullptr);
    PrintTest::TearDown();
  }
  void Page(int width, int height) {
    printer.width = width;
    printer.height = height;
  }
  // The window opened: created and shown.
  const PrintControls& Open() {
    model.FormCreate();
    model.FormShow();
    return model.Controls();
  }
  gfx::Color PreviewPixel(int x, int y) const { return model.Preview().Pixel(x, y); }

  CountingShell shell;
  platform::FakePrinterService printer;
  PrintSettingsModel model{printer};
};

TEST_F(PrintSettingsTest, TheFirstOpeningTakesTheShorterSideLess500) {
  struct Case {
    int shorter, width, shown;
  };
  for (const Case c : {Case{1000, 500, 500}, {1499, 500, 500}, {2480, 1500, 1500}, {4960, 4000, 4000},
                       {999, 0, 500}}) {
    SCOPED_TRACE(c.shorter);
    EXPECT_EQ(DefaultPictureWidthFor(c.shorter, c.shorter + 1000), c.width);
    EXPECT_EQ(DefaultPictureWidthFor(c.shorter + 1000, c.shorter), c.width);
    settings.PrintFormFirstShow = 1;
    Page(c.shorter, 2 * c.shorter);
    EXPECT_EQ(Open().pictureWidth, c.shown);
    EXPECT_EQ(settings.PrintFormFirstShow, 0);
  }
  EXPECT_EQ(shell.timerStops, 5);
  // Later openings keep the width chosen.
  Page(2480, 3508);
  Open();
  model.PsizeChange(1200);
  EXPECT_EQ(Open().pictureWidth, 1200);
  EXPECT_EQ(shell.timerStops, 5);
}

TEST_F(PrintSettingsTest, PaperNameOrientationAndSizes) {
  struct Case {
    platform::PaperKind paper;
    platform::Orientation orientation;
    const char* text;
  };
  using platform::Orientation;
  using platform::PaperKind;
  for (const Case c : {Case{PaperKind::A4, Orientation::Portrait, "A4 縦"},
                       {PaperKind::B4, Orientation::Landscape, "B4 横"},
                       {PaperKind::A6, Orientation::Portrait, "A6 縦"},
                       {PaperKind::Other, Orientation::Landscape, "その他 横"}}) {
    printer.paperKind = c.paper;
    printer.orient = c.orientation;
    EXPECT_EQ(Open().paper, c.text);
  }
  Page(4960, 7016);
  settings.PrintSettings.PictureWidth = 1000;
  const PrintControls& c = Open();
  EXPECT_EQ(c.pageSize, "4960×7016ﾋﾟｸｾﾙ");
  EXPECT_EQ(c.printedHeight, "×750ﾋﾟｸｾﾙ");  // the graph is 400 x 300
  EXPECT_EQ(c.pictureWidthMax, 4950);
  EXPECT_EQ(c.leftMax, 4960);
  EXPECT_EQ(c.topMax, 7016);
  EXPECT_EQ(c.copies, 1);
}

TEST_F(PrintSettingsTest, ChangesThatWouldLeaveThePageAreRefused) {
  View(-5, 5, -5, 5, 400, 400);
  Page(2000, 3000);
  settings.PrintFormFirstShow = 0;
  settings.PrintSettings.PictureWidth = 1000;
  settings.PrintSettings.PictureTop = 200;
  Open();
  model.gamenleftChange(1000);
  EXPECT_EQ(model.Controls().left, 1000);
  EXPECT_EQ(settings.PrintSettings.PictureLeft, 1000);
  model.gamenleftChange(1001);
  EXPECT_EQ(model.Controls().left, 1000);
  EXPECT_EQ(settings.PrintSettings.PictureLeft, 1000);

  model.PsizeChange(1010);  // 1000 + 1010 > 2000
  EXPECT_EQ(model.Controls().pictureWidth, 1000);
  model.gamenleftChange(0);
  model.PsizeChange(1500);
  EXPECT_EQ(model.Controls().pictureWidth, 1500);
  EXPECT_EQ(model.Controls().printedHeight, "×1500ﾋﾟｸｾﾙ");
  model.PsizeChange(100);  // held at the smallest width
  EXPECT_EQ(settings.PrintSettings.PictureWidth, 500);

  model.gamentopChange(2500);  // 2500 + 500 = 3000 still fits
  EXPECT_EQ(model.Controls().top, 2500);
  model.PsizeChange(510);
  EXPECT_EQ(model.Controls().pictureWidth, 500);
}

TEST_F(PrintSettingsTest, TheTitleFontChangesOnlyWhenTheDialogIsConfirmed) {
  platform::FakeDialogs dialogs;
  const Tlfont before = settings.PrintSettings.TitleFont;
  Open();
  model.Button4Click(dialogs);  // cancelled
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].font.face, "ＭＳ 明朝");
  EXPECT_EQ(dialogs.calls[0].font.size, 12);
  EXPECT_EQ(settings.PrintSettings.TitleFont, before);

  dialogs.fontAnswers.push_back(platform::FontChoice{"ＭＳ ゴシック", 20, 0x0000FF, 1});
  model.Button4Click(dialogs);
  EXPECT_EQ(settings.PrintSettings.TitleFont, (Tlfont{sj("ＭＳ ゴシック"), 20, 0x0000FF, 1}));
}

TEST_F(PrintSettingsTest, AnotherPageSizeFromTheSetupStartsOverWithItsDefaultWidth) {
  Page(4960, 7016);
  Open();
  model.PsizeChange(1200);
  printer.setupAnswers.push_back({true, 4960, 7016, platform::PaperKind::A4, platform::Orientation::Portrait});
  model.prinsetupClick();
  EXPECT_EQ(model.Controls().pictureWidth, 1200);
  printer.setupAnswers.push_back({true, 7016, 4960, platform::PaperKind::A4, platform::Orientation::Landscape});
  model.prinsetupClick();
  EXPECT_EQ(model.Controls().pictureWidth, 4000);
  EXPECT_EQ(model.Controls().paper, "A4 横");
  EXPECT_EQ(model.Controls().leftMax, 7016);
  model.prinsetupClick();  // cancelled
  EXPECT_EQ(model.Controls().pictureWidth, 4000);
}

TEST_F(PrintSettingsTest, PreviewShowsThePageThePictureAndTheTitle) {
  Page(2000, 4000);  // 1/20 of the page
  settings.PrintSettings.PictureWidth = 1000;  // (0, 10) to (50, 48) in the preview
  settings.PrintSettings.PictureLeft = 0;
  settings.PrintSettings.PictureTop = 200;
  settings.PrintSettings.TitleLeft = 1400;
  settings.PrintSettings.TitleTop = 3000;
  Open();
  EXPECT_EQ(PreviewPixel(150, 10), 8421504u);  // beside the page
  EXPECT_EQ(PreviewPixel(80, 190), 0xFFFFFFu);  // on the page
  EXPECT_EQ(PreviewPixel(0, 10), 0u);            // the picture's border
  int hatch = 0;
  for (int y = 11; y < 47; ++y)
    for (int x = 1; x < 49; ++x) hatch += PreviewPixel(x, y) == 0xFF0000;
  EXPECT_GT(hatch, 100);
  EXPECT_NE(PreviewPixel(71, 151), 0x0000FFu);  // no title

  model.titleChange("Title");
  EXPECT_EQ(PreviewPixel(71, 151), 0x0000FFu);  // the title's box from (70, 150)
  EXPECT_EQ(PreviewPixel(69, 151), 0xFFFFFFu);

  model.ShowPrinting();
  int red = 0;
  for (int y = 50; y < 70; ++y)
    for (int x = 30; x < 80; ++x) red += PreviewPixel(x, y) == 0x0000FF;
  EXPECT_GT(red, 20);
}

TEST_F(PrintSettingsTest, APdfIsAskedForAtEveryJobFromTheLastOne) {
  platform::FakeDialogs dialogs;
  Open();
  EXPECT_TRUE(model.ChooseOutputFile(dialogs));  // a printer: nothing to ask
  EXPECT_TRUE(dialogs.calls.empty());
  printer.toFile = true;
  EXPECT_FALSE(model.ChooseOutputFile(dialogs));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].file.title, "印刷するPDFファイル名の設定");
  EXPECT_EQ(dialogs.calls[0].file.filter, "PDF|*.pdf");
  EXPECT_EQ(dialogs.calls[0].file.fileName, "");
  dialogs.fileAnswers.push_back(std::filesystem::path("/tmp/graph.pdf"));
  EXPECT_TRUE(model.ChooseOutputFile(dialogs));
  EXPECT_EQ(printer.pdfFile, "/tmp/graph.pdf");
  EXPECT_FALSE(model.ChooseOutputFile(dialogs));  // asked again, and cancelled
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[2].file.folder, "/tmp");
  EXPECT_EQ(dialogs.calls[2].file.fileName, "graph.pdf");
}

TEST_F(PrintSettingsTest, TheJobTakesTheControlsAndTheChoicesAreKept) {
  Open();
  model.subsegClick(2);
  model.rangedensityClick(0);
  model.printcolorClick(1);
  model.wakuCheckClick(false);
  model.maisuuChange(5000);
  model.titleChange("T");
  const PrintJobRequest r = model.JobRequest();
  EXPECT_EQ(r.thickness, 2);
  EXPECT_EQ(r.density, 0);
  EXPECT_EQ(r.colorMode, 1);
  EXPECT_FALSE(r.frame);
  EXPECT_EQ(r.copies, kMaxCopies);
  EXPECT_EQ(r.title, "T");
  EXPECT_EQ(r.pictureWidth, settings.PrintSettings.PictureWidth);
  // The next opening starts from them.
  PrintSettingsModel next(printer);
  next.FormCreate();
  next.FormShow();
  EXPECT_EQ(next.Controls().thickness, 2);
  EXPECT_EQ(next.Controls().density, 0);
  EXPECT_EQ(next.Controls().colorMode, 1);
  EXPECT_FALSE(next.Controls().frame);
  EXPECT_EQ(next.Controls().copies, 1);
}

}  // namespace
