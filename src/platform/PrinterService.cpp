#include "platform/PrinterService.h"

#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/Color.h"
#include "platform/EventPump.h"

namespace platform {

namespace {

// Pictures are printed as rasters at the printed size: 600 dpi is sharp on paper and
// keeps an A4 page picture within tens of megabytes.
constexpr int kPrintDpi = 600;

PaperKind PaperOf(QPageSize::PageSizeId id) {
  switch (id) {
    case QPageSize::A3: return PaperKind::A3;
    case QPageSize::A4: return PaperKind::A4;
    case QPageSize::A5: return PaperKind::A5;
    case QPageSize::A6: return PaperKind::A6;
    case QPageSize::JisB4: return PaperKind::B4;
    case QPageSize::JisB5: return PaperKind::B5;
    default: return PaperKind::Other;
  }
}

}  // namespace

struct QtPrinterService::Impl {
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  bool open = false;     // between beginDocument and endDocument/abortDocument
  bool started = false;  // the painter has begun: something reached the printer
  bool failed = false;

  void settle() {
    printer.setResolution(kPrintDpi);
    // Copies are pages the print job draws itself.
    printer.setCopyCount(1);
  }
  bool pdf() const { return printer.outputFormat() == QPrinter::PdfFormat; }

  // The printer job starts with the first drawing, so that a job dropped before it
  // leaves no trace at the printer (the print system cannot always take one back).
  bool start() {
    if (!open || failed) return false;
    if (!started) {
      started = true;
      if (!painter.begin(&printer))
        failed = true;
      else  // thin graph lines would blur in the JPEG the PDF writer otherwise picks
        painter.setRenderHint(QPainter::LosslessImageRendering);
    }
    return !failed;
  }
};

QtPrinterService::QtPrinterService() : impl_(std::make_unique<Impl>()) { impl_->settle(); }

QtPrinterService::~QtPrinterService() {
  if (impl_->open) abortDocument();
}

void QtPrinterService::setPdfOutput(const std::filesystem::path& file) {
  impl_->printer.setOutputFormat(QPrinter::PdfFormat);
  impl_->printer.setOutputFileName(QFile::decodeName(file.native().c_str()));
  impl_->settle();
}

bool QtPrinterService::printsToFile() const { return impl_->pdf(); }

std::filesystem::path QtPrinterService::outputFile() const {
  return QFile::encodeName(impl_->printer.outputFileName()).toStdString();
}

std::vector<std::string> QtPrinterService::printerNames() const {
  std::vector<std::string> names;
  for (const QString& n : QPrinterInfo::availablePrinterNames()) names.push_back(n.toStdString());
  return names;
}

std::string QtPrinterService::printerName() const { return impl_->printer.printerName().toStdString(); }

bool QtPrinterService::selectPrinter(const std::string& name) {
  if (impl_->open) return false;
  const QString q = QString::fromStdString(name);
  if (!QPrinterInfo::availablePrinterNames().contains(q)) return false;
  impl_->printer.setOutputFormat(QPrinter::NativeFormat);
  impl_->printer.setPrinterName(q);
  impl_->settle();
  return true;
}

int QtPrinterService::pageWidth() const { return impl_->printer.width(); }
int QtPrinterService::pageHeight() const { return impl_->printer.height(); }
int QtPrinterService::dpi() const { return impl_->printer.resolution(); }

PaperKind QtPrinterService::paper() const {
  return PaperOf(impl_->printer.pageLayout().pageSize().id());
}

Orientation QtPrinterService::orientation() const {
  return impl_->printer.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                              : Orientation::Portrait;
}

bool QtPrinterService::setupDialog() {
  if (impl_->open) return false;
  QPrintDialog dialog(&impl_->printer);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  bool accepted;
  {
    NestedLoopScope nested;
    accepted = dialog.exec() == QDialog::Accepted;
  }
  impl_->settle();
  return accepted;
}

bool QtPrinterService::beginDocument(const std::string& title) {
  Impl& d = *impl_;
  if (d.open) return false;
  if (!d.printer.isValid() || (d.pdf() && d.printer.outputFileName().isEmpty())) return false;
  d.printer.setDocName(QString::fromStdString(title));
  d.open = true;
  d.started = d.failed = false;
  return true;
}

void QtPrinterService::drawImage(const QImage& image, int x, int y, int width, int height) {
  if (impl_->start()) impl_->painter.drawImage(QRect(x, y, width, height), image);
}

void QtPrinterService::fillRect(int x, int y, int width, int height, int32_t color) {
  if (impl_->start()) impl_->painter.fillRect(QRect(x, y, width, height), QColor(gfx::ToArgb(static_cast<gfx::Color>(color))));
}

bool QtPrinterService::newPage() {
  if (!impl_->start()) return false;
  if (!impl_->printer.newPage()) impl_->failed = true;
  return !impl_->failed;
}

bool QtPrinterService::endDocument() {
  Impl& d = *impl_;
  if (!d.open) return false;
  d.open = false;
  // A document with nothing drawn still gives its one empty page, as it would on paper.
  if (!d.started) d.failed = !d.painter.begin(&d.printer);
  if (d.painter.isActive() && !d.painter.end()) d.failed = true;
  return !d.failed;
}

void QtPrinterService::abortDocument() {
  Impl& d = *impl_;
  if (!d.open) return;
  d.open = false;
  if (!d.started) return;
  d.printer.abort();
  if (d.painter.isActive()) d.painter.end();
  if (d.pdf()) QFile::remove(d.printer.outputFileName());
}

bool QtPrinterService::inDocument() const { return impl_->open; }

}  // namespace platform
