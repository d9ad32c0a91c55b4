#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "AnswerDialog.h"
#include "support/FakePrinterService.h"
#include "support/GuiApp.h"

using namespace platform;

namespace {

QByteArray ReadAll(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int PageCount(const QByteArray& pdf) {
  return static_cast<int>(
      QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}

QImage Picture() {
  QImage image(300, 200, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int x = 0; x < 300; ++x) image.setPixel(x, 100, qRgb(0, 0, 255));
  return image;
}

struct PdfPrinter : ::testing::Test {
  QTemporaryDir dir;
  QString file;
  QtPrinterService printer;
  void SetUp() override {
    file = dir.filePath("out.pdf");
    printer.setPdfOutput(file.toStdString());
  }
};

TEST_F(PdfPrinter, PageIsThePrintableAreaAt600Dpi) {
  EXPECT_EQ(printer.dpi(), 600);
  QPrinter reference(QPrinter::HighResolution);
  reference.setOutputFormat(QPrinter::PdfFormat);
  reference.setResolution(600);
  const QRect area = reference.pageLayout().paintRectPixels(600);
  EXPECT_EQ(printer.pageWidth(), area.width());
  EXPECT_EQ(printer.pageHeight(), area.height());
  EXPECT_GT(printer.pageWidth(), 4000);  // A4 or Letter: over 6.6 inches wide
  EXPECT_EQ(printer.orientation(), Orientation::Portrait);
}

TEST_F(PdfPrinter, WritesOnePageForEachCopyWithThePicture) {
  ASSERT_TRUE(printer.beginDocument("Lumenplotter"));
  EXPECT_TRUE(printer.inDocument());
  for (int copy = 1; copy <= 3; ++copy) {
    printer.drawImage(Picture(), 100, 200, 1500, 1000);
    printer.fillRect(100, 1200, 1500, 4, 0x000000);
    if (copy < 3) {
      EXPECT_TRUE(printer.newPage());
    }
  }
  EXPECT_TRUE(printer.endDocument());
  EXPECT_FALSE(printer.inDocument());

  const QByteArray pdf = ReadAll(file);
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(PageCount(pdf), 3);
  EXPECT_TRUE(pdf.contains("/Subtype /Image"));
  EXPECT_FALSE(pdf.contains("DCTDecode"));  // lines stay sharp: no JPEG
}

TEST_F(PdfPrinter, ADroppedDocumentLeavesNoFile) {
  ASSERT_TRUE(printer.beginDocument("dropped before drawing"));
  printer.abortDocument();
  EXPECT_FALSE(QFile::exists(file));

  ASSERT_TRUE(printer.beginDocument("dropped after drawing"));
  printer.drawImage(Picture(), 0, 0, 300, 200);
  printer.abortDocument();
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_FALSE(printer.inDocument());
}

TEST_F(PdfPrinter, AfterTheSetupDialogThePrinterIsReadyAtTheSameResolution) {
  WhenShown<QPrintDialog>([](QPrintDialog* d) { d->accept(); });
  EXPECT_TRUE(printer.setupDialog());
  EXPECT_EQ(printer.dpi(), 600);
  ASSERT_TRUE(printer.beginDocument("after setup"));
  printer.fillRect(0, 0, 100, 100, 0x0000FF);
  EXPECT_TRUE(printer.endDocument());
  EXPECT_EQ(PageCount(ReadAll(file)), 1);

  WhenShown<QPrintDialog>([](QPrintDialog* d) { d->reject(); });
  EXPECT_FALSE(printer.setupDialog());
}

TEST(QtPrinterServiceTest, OnlyKnownPrintersCanBeChosen) {
  QtPrinterService printer;
  EXPECT_FALSE(printer.selectPrinter("no such printer"));
}

TEST(QtPrinterServiceTest, PdfOutputWithoutAFileCannotBegin) {
  QtPrinterService printer;
  printer.setPdfOutput({});
  EXPECT_FALSE(printer.beginDocument("x"));
  EXPECT_FALSE(printer.inDocument());
}

TEST(FakePrinterServiceTest, CountsPagesOfEndedDocumentsOnly) {
  FakePrinterService printer;
  ASSERT_TRUE(printer.beginDocument("job"));
  printer.drawImage(Picture(), 10, 20, 300, 200);
  printer.newPage();
  printer.newPage();
  printer.endDocument();
  ASSERT_TRUE(printer.beginDocument("failed job"));
  printer.abortDocument();
  EXPECT_EQ(printer.pagesPrinted(), 3);
  ASSERT_EQ(printer.ops.size(), 7u);
  EXPECT_EQ(printer.ops[1].kind, FakePrinterService::Op::Image);
  EXPECT_EQ(printer.ops[1].image.size(), QSize(300, 200));
  EXPECT_EQ(printer.ops[6].kind, FakePrinterService::Op::Abort);

  printer.failBegin = true;
  EXPECT_FALSE(printer.beginDocument("no printer"));
}

TEST(FakePrinterServiceTest, SetupAnswersChangeThePage) {
  FakePrinterService printer;
  FakePrinterService::Setup landscape, cancel;
  landscape.pageWidth = 7016;
  landscape.pageHeight = 4960;
  landscape.orientation = Orientation::Landscape;
  cancel.accepted = false;
  printer.setupAnswers = {landscape, cancel};
  EXPECT_TRUE(printer.setupDialog());
  EXPECT_EQ(printer.pageWidth(), 7016);
  EXPECT_EQ(printer.orientation(), Orientation::Landscape);
  EXPECT_FALSE(printer.setupDialog());
  EXPECT_FALSE(printer.setupDialog());  // no answer left: cancelled
  EXPECT_EQ(printer.pageWidth(), 7016);
}

}  // namespace
