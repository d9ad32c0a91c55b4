// The print job on a printer that records what it is asked to do: pages, the print
// picture, margins, frame, title, and the state it leaves behind, also when it fails.
#include <gtest/gtest.h>

#include <stdexcept>

#include "PrintFixture.h"
#include "io/PrintJob.h"
#include "render/RedrawPipeline.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinterService.h"

namespace {

using Op = platform::FakePrinterService::Op;

class PrintJobTest : public PrintTest {
 protected:
  PrintJobRequest Request() const {
    PrintJobRequest r;
    r.pictureWidth = 2000;  // 5 times the screen: 2000 x 1500
    r.left = 300;
    r.top = 400;
    return r;
  }
  std::vector<Op> OpsOf(Op::Kind kind) const {
    std::vector<Op> found;
    for (const Op& op : printer.ops)
      if (op.kind == kind) found.push_back(op);
    return found;
  }
  // What the drawing changes for its time is back as the screen had it.
  void ExpectScreenStateBack() const {
    EXPECT_EQ(doc.GraphWidth, kGraphWidth);
    EXPECT_EQ(doc.GraphHeight, kGraphHeight);
    EXPECT_EQ(doc.PixelSizeX, 10.0L / kGraphWidth);
    EXPECT_EQ(settings.OutputScale, 1.0f);
    EXPECT_EQ(settings.PrintScale, 1.0f);
    EXPECT_EQ(settings.PolygonPrintMode, 1);
    EXPECT_EQ(doc.GridSettings.thickness, 1);
    EXPECT_EQ(doc.RegionDensity[0], 1);
    EXPECT_EQ(settings.DrawToMetafile, 0);
    EXPECT_EQ(settings.MetafileCanvas, nullptr);
    EXPECT_EQ(settings.Printing, 0);
    EXPECT_EQ(modes.OutputColorMode, 0);
    EXPECT_FALSE(printer.inDocument());
  }

  platform::FakePrinterService printer;
  platform::FakeDialogs dialogs;
};

TEST_F(PrintJobTest, EachCopyIsAPageWithThePictureMarginsFrameAndTitle) {
  PrintJobRequest r = Request();
  r.copies = 3;
  r.title = "Title";
  ASSERT_TRUE(RunPrintJob(r, printer, &dialogs));
  EXPECT_EQ(printer.pagesPrinted(), 3);
  EXPECT_EQ(OpsOf(Op::NewPage).size(), 2u);
  EXPECT_EQ(printer.ops.front().kind, Op::Begin);
  EXPECT_EQ(printer.ops.back().kind, Op::End);
  EXPECT_TRUE(dialogs.calls.empty());

  // One page: picture, four white margins, four frame lines, the title.
  const std::vector<Op> page(printer.ops.begin() + 1, printer.ops.begin() + 12);
  ASSERT_EQ(page[0].kind, Op::Image);
  EXPECT_EQ((std::array{page[0].x, page[0].y, page[0].width, page[0].height}), (std::array{300, 400, 2000, 1500}));
  EXPECT_EQ(page[0].image.size(), QSize(2000, 1500));
  const int pw = printer.width, ph = printer.height;
  const std::array<std::array<int, 4>, 4> margins = {{{0, 0, pw, 400}, {0, 0, 300, ph},
                                                      {0, 1900, pw, ph - 1900}, {2300, 0, pw - 2300, ph}}};
  const std::array<std::array<int, 4>, 4> frame = {{{299, 399, 2002, 2}, {299, 1899, 2002, 2},
                                                    {299, 399, 2, 1502}, {2299, 399, 2, 1502}}};
  for (int i = 0; i < 4; ++i) {
    const Op& m = page[1 + i];
    EXPECT_EQ(m.kind, Op::Fill);
    EXPECT_EQ(m.color, 0xFFFFFF);
    EXPECT_EQ((std::array{m.x, m.y, m.width, m.height}), margins[i]);
    const Op& f = page[5 + i];
    EXPECT_EQ(f.kind, Op::Fill);
    EXPECT_EQ(f.color, 0);
    EXPECT_EQ((std::array{f.x, f.y, f.width, f.height}), frame[i]);
  }
  // The title in the title font at 600 dpi (12 points: 100 pixels), its box's top-left
  // at the title position.
  const Op& title = page[9];
  ASSERT_EQ(title.kind, Op::Image);
  EXPECT_EQ(title.x, settings.PrintSettings.TitleLeft);
  EXPECT_LE(title.y, settings.PrintSettings.TitleTop);
  EXPECT_GE(title.height, 100);
  int dark = 0;
  for (int y = 0; y < title.image.height(); ++y)
    for (int x = 0; x < title.image.width(); ++x) dark += qGray(title.image.pixel(x, y)) < 128;
  EXPECT_GT(dark, 1000);
  EXPECT_EQ(page[10].kind, Op::NewPage);
  ExpectScreenStateBack();
}

TEST_F(PrintJobTest, NoFrameAndNoTitleLeaveThePictureAndItsMargins) {
  PrintJobRequest r = Request();
  r.frame = false;
  ASSERT_TRUE(RunPrintJob(r, printer, &dialogs));
  EXPECT_EQ(printer.pagesPrinted(), 1);
  EXPECT_EQ(OpsOf(Op::Image).size(), 1u);
  EXPECT_EQ(OpsOf(Op::Fill).size(), 4u);
}

TEST_F(PrintJobTest, ThePrintPictureIsTheGraphAtThePrintedScaleWithItsLabels) {
  doc.GridSettings.kind = 0;
  PrintJobRequest r = Request();
  r.colorMode = 2;
  r.thickness = 2;
  ASSERT_TRUE(RunPrintJob(r, printer, &dialogs));
  const QImage picture = OpsOf(Op::Image).at(0).image;
  // The x axis through the middle, the line y = x/2 through (2.5, 1.25), in black on
  // black-and-white paper.
  EXPECT_EQ(picture.pixel(1700, 750) & 0xFFFFFF, 0u);
  EXPECT_EQ(picture.pixel(1500, 562) & 0xFFFFFF, 0u);
  EXPECT_EQ(picture.pixel(1500, 400) & 0xFFFFFF, 0xFFFFFFu);
  // The label, five times as far from the corner and as tall as on screen.
  int dark = 0, top = 1500, bottom = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 500; ++x)
      if ((picture.pixel(x, y) & 0xFFFFFF) == 0 && x > 60) {
        ++dark;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  EXPECT_GT(dark, 500);
  EXPECT_GE(top, 100);
  EXPECT_GE(bottom - top, 40);
  ExpectScreenStateBack();
}

// Grey and black-and-white prints leave the screen's pictures, the back layer with the
// grid and axes included, as they were.
TEST_F(PrintJobTest, TheScreenComesBackInItsOwnColours) {
  RedrawAll();
  const QImage back = BackCanvas().Image().copy(), composite = CompositeCanvas().Image().copy();
  int grid = 0;
  for (int y = 0; y < kGraphHeight; ++y) grid += back.pixel(kGraphWidth / 4, y) == 0xFFC0C0C0;
  ASSERT_GT(grid, 0);
  for (const int colorMode : {2, 1}) {
    PrintJobRequest r = Request();
    r.colorMode = colorMode;
    ASSERT_TRUE(RunPrintJob(r, printer, &dialogs));
    ExpectScreenStateBack();
    EXPECT_TRUE(BackCanvas().Image() == back) << colorMode;
    EXPECT_TRUE(CompositeCanvas().Image() == composite) << colorMode;
  }
}

// A redraw that fails while it draws the print picture.
struct ThrowWhilePrinting : RedrawHost {
  void ShowRangeInStatusBar() override {
    if (settings.Printing) throw std::runtime_error("drawing failed");
  }
};

TEST_F(PrintJobTest, AFailedDrawingDropsTheJobAndPutsEverythingBack) {
  ThrowWhilePrinting failing;
  SetRedrawHost(&failing);
  PrintJobRequest r = Request();
  r.copies = 2;
  EXPECT_FALSE(RunPrintJob(r, printer, &dialogs));
  EXPECT_EQ(printer.pagesPrinted(), 0);
  EXPECT_EQ(printer.ops.back().kind, Op::Abort);
  EXPECT_TRUE(OpsOf(Op::Image).empty());
  EXPECT_TRUE(OpsOf(Op::End).empty());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "印刷エラー");
  ExpectScreenStateBack();
}

TEST_F(PrintJobTest, APrinterThatCannotStartPrintsNothing) {
  printer.failBegin = true;
  EXPECT_FALSE(RunPrintJob(Request(), printer, &dialogs));
  EXPECT_TRUE(printer.ops.empty());
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "印刷エラー");
  ExpectScreenStateBack();
}

}  // namespace
