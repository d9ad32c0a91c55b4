// A print into a PDF file, read back by poppler's tools: one page per copy, and on a page
// the graph, its frame and the title where the settings put them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include "PrintFixture.h"
#include "ToolOutput.h"
#include "io/PrintJob.h"
#include "platform/PrinterService.h"
#include "support/FakeDialogs.h"

namespace {

class PrintPdfTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    pdf = dir.filePath("print.pdf").toStdString();
    printer.setPdfOutput(pdf);
  }
  // The area (x, y, w, h) of a page, in printer pixels from the printable area's corner,
  // rendered by pdftoppm at the printer's 600 dpi.
  QImage Area(int page, int x, int y, int w, int h) const {
    const std::string png = dir.filePath("area").toStdString();
    ToolOutput("pdftoppm -r 600 -f " + std::to_string(page) + " -l " + std::to_string(page) + " -x " +
               std::to_string(margin.x() + x) + " -y " + std::to_string(margin.y() + y) + " -W " + std::to_string(w) +
               " -H " + std::to_string(h) + " -singlefile -png '" + pdf + "' '" + png + "'");
    return QImage(QString::fromStdString(png + ".png")).convertToFormat(QImage::Format_RGB32);
  }
  static bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 100; }
  static bool White(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) > 240; }

  QTemporaryDir dir;
  std::string pdf;
  platform::QtPrinterService printer;
  platform::FakeDialogs dialogs;
  // Where the printable area starts on the PDF page.
  QPoint margin = [] {
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);
    reference.setResolution(600);
    return reference.pageLayout().paintRectPixels(600).topLeft();
  }();
};

TEST_F(PrintPdfTest, CopiesArePagesWithTheGraphFrameAndTitleInPlace) {
  doc.GridSettings.kind = 0;
  PrintJobRequest r;
  r.pictureWidth = 2400;  // 2400 x 1800 at (600, 1200)
  r.left = 600;
  r.top = 1200;
  r.copies = 3;
  r.title = "Title";
  settings.PrintSettings.TitleLeft = 600;
  settings.PrintSettings.TitleTop = 700;
  ASSERT_TRUE(RunPrintJob(r, printer, &dialogs));

  const std::string info = ToolOutput("pdfinfo '" + pdf + "'");
  EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info << "(pdfinfo is installed by scripts/setup.sh)";

  // The picture's top-left corner: the frame two pixels wide on its edge, white beyond.
  const QImage corner = Area(2, 560, 1160, 80, 80);
  ASSERT_EQ(corner.size(), QSize(80, 80));
  for (int d : {10, 20, 35}) {
    SCOPED_TRACE(d);
    EXPECT_TRUE(Dark(corner, 40 - 1, 40 + d));  // left edge at x = 599..600
    EXPECT_TRUE(Dark(corner, 40, 40 + d));
    EXPECT_TRUE(Dark(corner, 40 + d, 40 - 1));  // top edge at y = 1199..1200
    EXPECT_TRUE(White(corner, 40 - 4, 40 + d));
    EXPECT_TRUE(White(corner, 40 + d, 40 - 4));
    EXPECT_TRUE(White(corner, 40 + d, 40 + 4));
  }

  // The axes cross at the picture's centre, (600 + 1200, 1200 + 900); the line y = x/2
  // passes (2.5, 1.25), 1800 + 600 and 2100 - 225 (the curve in blue).
  const QImage centre = Area(2, 1700, 1700, 800, 500);
  EXPECT_TRUE(Dark(centre, 1800 - 1700 + 50, 2100 - 1700));
  EXPECT_TRUE(Dark(centre, 1800 - 1700, 2100 - 1700 - 150));
  const QRgb curve = centre.pixel(2400 - 1700, 1875 - 1700);
  EXPECT_LT(qRed(curve), 60);
  EXPECT_LT(qGreen(curve), 60);
  EXPECT_GT(qBlue(curve), 200);
  EXPECT_TRUE(White(centre, 2400 - 1700, 1875 - 1700 - 100));

  // The title's text below and right of its position, and nothing above it.
  const QImage title = Area(2, 560, 640, 500, 200);
  int above = 0, in = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 500; ++x) (y < 58 ? above : in) += Dark(title, x, y);
  EXPECT_EQ(above, 0);
  EXPECT_GT(in, 1000);
}

TEST_F(PrintPdfTest, AFailedJobLeavesNoFile) {
  struct ThrowWhilePrinting : RedrawHost {
    void ShowRangeInStatusBar() override {
      if (settings.Printing) throw std::runtime_error("drawing failed");
    }
  } failing;
  SetRedrawHost(&failing);
  EXPECT_FALSE(RunPrintJob(PrintJobRequest{}, printer, &dialogs));
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
