#include "support/FakePrinterService.h"

namespace platform {

namespace {

FakePrinterService::Op MakeOp(FakePrinterService::Op::Kind kind, int x = 0, int y = 0, int w = 0,
                              int h = 0) {
  FakePrinterService::Op op;
  op.kind = kind;
  op.x = x;
  op.y = y;
  op.width = w;
  op.height = h;
  return op;
}

}  // namespace

bool FakePrinterService::selectPrinter(const std::string& name) {
  if (open_) return false;
  for (const std::string& n : names)
    if (n == name) {
      current = name;
      return true;
    }
  return false;
}

void FakePrinterService::setPdfOutput(const std::filesystem::path& file) {
  pdfFile = file;
  toFile = true;
}

bool FakePrinterService::setupDialog() {
  if (open_ || setupAnswers.empty()) return false;
  const Setup s = setupAnswers.front();
  setupAnswers.pop_front();
  if (!s.accepted) return false;
  if (s.pageWidth > 0 && s.pageHeight > 0) {
    width = s.pageWidth;
    height = s.pageHeight;
    paperKind = s.paper;
    orient = s.orientation;
  }
  return true;
}

bool FakePrinterService::beginDocument(const std::string& title) {
  if (open_ || failBegin) return false;
  open_ = true;
  pages_ = 1;
  ops.push_back(MakeOp(Op::Begin));
  ops.back().title = title;
  return true;
}

void FakePrinterService::drawImage(const QImage& image, int x, int y, int w, int h) {
  if (!open_) return;
  ops.push_back(MakeOp(Op::Image, x, y, w, h));
  ops.back().image = image;
}

void FakePrinterService::fillRect(int x, int y, int w, int h, int32_t color) {
  if (!open_) return;
  ops.push_back(MakeOp(Op::Fill, x, y, w, h));
  ops.back().color = color;
}

bool FakePrinterService::newPage() {
  if (!open_) return false;
  ++pages_;
  ops.push_back(MakeOp(Op::NewPage));
  return true;
}

bool FakePrinterService::endDocument() {
  if (!open_) return false;
  open_ = false;
  printed_ += pages_;
  ops.push_back(MakeOp(Op::End));
  return true;
}

void FakePrinterService::abortDocument() {
  if (!open_) return;
  open_ = false;
  ops.push_back(MakeOp(Op::Abort));
}

}  // namespace platform
