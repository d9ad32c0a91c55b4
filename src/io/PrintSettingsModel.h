#pragma once
// What the print settings window does, without its widgets: the values of its controls,
// which changes it accepts, the texts it shows about the paper and the printed size, and
// the 200 x 200 preview of the page with the picture (hatched) and the title (a red
// box). Widths and positions are printer pixels; the picture keeps the graph's shape.
// The settings live in settings.PrintSettings (and the colour mode in modes), so the next
// opening starts where this one ended.
#include <string>

#include "io/PrintJob.h"
#include "platform/RasterCanvas.h"

namespace platform {
class Dialogs;
class PrinterService;
}  // namespace platform

inline constexpr int kMinPictureWidth = 500;
inline constexpr int kMaxCopies = 2000;
inline constexpr int kPreviewSize = 200;

// The controls' values and ranges, and the texts of the labels (UTF-8).
struct PrintControls {
  std::string paper;          // "A4 縦"
  std::string pageSize;       // "4960×7016ﾋﾟｸｾﾙ"
  std::string printedHeight;  // "×1000ﾋﾟｸｾﾙ"
  int pictureWidth = kMinPictureWidth, pictureWidthMax = kMinPictureWidth;
  int left = 0, top = 0, leftMax = 0, topMax = 0;
  int titleLeft = 0, titleTop = 0;
  std::string title;  // CP932 label markup
  int density = 1, colorMode = 0, thickness = 0;
  int copies = 1;
  bool frame = true;
};

// min(page width, page height) rounded down to a multiple of 500, less 500.
int DefaultPictureWidthFor(int pageWidth, int pageHeight);

class PrintSettingsModel {
 public:
  explicit PrintSettingsModel(platform::PrinterService& printer);

  const PrintControls& Controls() const { return c_; }
  const gfx::RasterCanvas& Preview() const { return preview_; }
  PrintJobRequest JobRequest() const;

  void FormCreate();
  void FormShow();

  // A change that would put the picture off the page is refused: the control goes back
  // to the last accepted value.
  void PsizeChange(int width);
  void gamenleftChange(int left);
  void gamentopChange(int top);
  void TitleleftChange(int left);
  void TitleTopChange(int top);
  void titleChange(const std::string& title);
  void maisuuChange(int copies);
  void printcolorClick(int mode);
  void rangedensityClick(int density);
  void subsegClick(int thickness);
  void wakuCheckClick(bool frame);
  // The title font from the font dialog; a cancelled dialog keeps the font.
  void Button4Click(platform::Dialogs& dialogs);
  // The printer setup dialog; another page size starts over with a new default width.
  void prinsetupClick();

  // A printer that writes PDF files asks for the file of every job ("印刷するPDFファイル名の
  // 設定", starting from the last one; the dialog asks before a file is replaced); false
  // when that is cancelled.
  bool ChooseOutputFile(platform::Dialogs& dialogs);
  // The preview says the job is running.
  void ShowPrinting();
  void DrawPrintPreview();

 private:
  void DefaultPictureWidth();
  void ShowPaperInfo();
  void ShowPrintedHeight(int width);
  bool PictureFits(int left, int top, int width) const;
  int PictureHeight(int width) const;
  void DrawTitlePreview(double scale);

  platform::PrinterService& printer_;
  PrintControls c_;
  gfx::RasterCanvas preview_{kPreviewSize, kPreviewSize};
};
