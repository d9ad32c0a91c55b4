#pragma once
// The tests' stand-in for platform::PrinterService.
#include <QImage>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/PrinterService.h"

namespace platform {

// Records what the print job does, for tests; page and answers are set by the test.
class FakePrinterService final : public PrinterService {
 public:
  struct Op {
    enum Kind { Begin, Image, Fill, NewPage, End, Abort } kind = Begin;
    int x = 0, y = 0, width = 0, height = 0;
    int32_t color = 0;
    QImage image;       // a copy of what was drawn
    std::string title;  // the document title
  };
  struct Setup {
    bool accepted = true;
    int pageWidth = 0, pageHeight = 0;  // 0 keeps the page as it is
    PaperKind paper = PaperKind::A4;
    Orientation orientation = Orientation::Portrait;
  };

  std::vector<std::string> names{"Fake printer"};
  std::string current = "Fake printer";
  int width = 4960, height = 7016, resolution = 600;  // A4 at 600 dpi
  PaperKind paperKind = PaperKind::A4;
  Orientation orient = Orientation::Portrait;
  bool failBegin = false;
  bool toFile = false;  // PDF output, into pdfFile
  std::filesystem::path pdfFile;
  std::deque<Setup> setupAnswers;  // empty: the dialog is cancelled
  std::vector<Op> ops;

  // Pages of the documents that were ended (not aborted).
  int pagesPrinted() const { return printed_; }

  std::vector<std::string> printerNames() const override { return names; }
  std::string printerName() const override { return current; }
  bool selectPrinter(const std::string& name) override;
  int pageWidth() const override { return width; }
  int pageHeight() const override { return height; }
  int dpi() const override { return resolution; }
  PaperKind paper() const override { return paperKind; }
  Orientation orientation() const override { return orient; }
  bool setupDialog() override;
  bool printsToFile() const override { return toFile; }
  std::filesystem::path outputFile() const override { return pdfFile; }
  void setPdfOutput(const std::filesystem::path& file) override;
  bool beginDocument(const std::string& title) override;
  void drawImage(const QImage& image, int x, int y, int width, int height) override;
  void fillRect(int x, int y, int width, int height, int32_t color) override;
  bool newPage() override;
  bool endDocument() override;
  void abortDocument() override;
  bool inDocument() const override { return open_; }

 private:
  bool open_ = false;
  int pages_ = 0;
  int printed_ = 0;
};

}  // namespace platform
