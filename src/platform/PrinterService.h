#pragma once
// The printer as the print job uses it: which printer, its printable page in device
// pixels, the setup dialog, and a document of pages on which pictures are placed.
// Coordinates are device pixels from the top-left corner of the printable area.
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// The paper sizes the print window names; B4 and B5 are the JIS sizes.
enum class PaperKind { Other, A3, A4, A5, A6, B4, B5 };
enum class Orientation { Portrait = 1, Landscape = 2 };

class PrinterService {
 public:
  virtual ~PrinterService() = default;

  virtual std::vector<std::string> printerNames() const = 0;
  virtual std::string printerName() const = 0;
  virtual bool selectPrinter(const std::string& name) = 0;

  virtual int pageWidth() const = 0;
  virtual int pageHeight() const = 0;
  virtual int dpi() const = 0;
  virtual PaperKind paper() const = 0;
  virtual Orientation orientation() const = 0;

  // Printer, paper and orientation chosen by the user; true when confirmed.
  virtual bool setupDialog() = 0;
  // True when documents go into a PDF file rather than to a printer.
  virtual bool printsToFile() const = 0;
  // The PDF file documents go into; empty while none is named.
  virtual std::filesystem::path outputFile() const = 0;
  // Prints into a PDF file from now on.
  virtual void setPdfOutput(const std::filesystem::path& file) = 0;

  // The first page begins with the document. False when the printer cannot start.
  virtual bool beginDocument(const std::string& title) = 0;
  virtual void drawImage(const QImage& image, int x, int y, int width, int height) = 0;
  virtual void fillRect(int x, int y, int width, int height, int32_t color) = 0;  // $BBGGRR
  virtual bool newPage() = 0;
  // Sends the document; false when the printer reported a failure.
  virtual bool endDocument() = 0;
  // Drops the document: nothing is printed (a file being written is removed).
  virtual void abortDocument() = 0;
  virtual bool inDocument() const = 0;
};

// Over QPrinter at 600 dots per inch: the default printer, or PDF output when the
// system has none (a file must then be chosen in the setup dialog or set here).
class QtPrinterService final : public PrinterService {
 public:
  QtPrinterService();
  ~QtPrinterService() override;

  std::vector<std::string> printerNames() const override;
  std::string printerName() const override;
  bool selectPrinter(const std::string& name) override;
  int pageWidth() const override;
  int pageHeight() const override;
  int dpi() const override;
  PaperKind paper() const override;
  Orientation orientation() const override;
  bool setupDialog() override;
  bool printsToFile() const override;
  std::filesystem::path outputFile() const override;
  void setPdfOutput(const std::filesystem::path& file) override;
  bool beginDocument(const std::string& title) override;
  void drawImage(const QImage& image, int x, int y, int width, int height) override;
  void fillRect(int x, int y, int width, int height, int32_t color) override;
  bool newPage() override;
  bool endDocument() override;
  void abortDocument() override;
  bool inDocument() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
