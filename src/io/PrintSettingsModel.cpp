#include "io/PrintSettingsModel.h"

#include <algorithm>
#include <optional>

#include "formula/DocumentState.h"
#include "formula/FormulaHost.h"
#include "io/EquationFileHost.h"
#include "io/PrintTitle.h"
#include "platform/Dialogs.h"
#include "platform/PrinterService.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/LfontDialog.h"

namespace {

constexpr gfx::Color kPreviewGrey = 8421504;
constexpr gfx::Color kPictureHatch = 0xFF0000;
constexpr gfx::Color kTitleBox = 0x0000FF;

int RoundToInt(Extended v) { return static_cast<int>(rtl::Round(v)); }

const char* PaperName(platform::PaperKind paper) {
  switch (paper) {
    case platform::PaperKind::A3: return "A3";
    case platform::PaperKind::A4: return "A4";
    case platform::PaperKind::A5: return "A5";
    case platform::PaperKind::A6: return "A6";
    case platform::PaperKind::B4: return "B4";
    case platform::PaperKind::B5: return "B5";
    default: return "その他";
  }
}

std::string Pixels(int v) { return std::to_string(v) + "ﾋﾟｸｾﾙ"; }

// Height over width of the graph on screen (square while there is no drawing area).
Extended GraphShape() {
  if (doc.GraphWidth <= 0 || doc.GraphHeight <= 0) return 1;
  return static_cast<Extended>(doc.GraphHeight) / doc.GraphWidth;
}

}  // namespace

int DefaultPictureWidthFor(int pageWidth, int pageHeight) {
  return std::min(pageWidth, pageHeight) / 500 * 500 - 500;
}

PrintSettingsModel::PrintSettingsModel(platform::PrinterService& printer) : printer_(printer) {}

PrintJobRequest PrintSettingsModel::JobRequest() const {
  PrintJobRequest r;
  r.pictureWidth = c_.pictureWidth;
  r.left = c_.left;
  r.top = c_.top;
  r.thickness = c_.thickness;
  r.density = c_.density;
  r.colorMode = c_.colorMode;
  r.copies = c_.copies;
  r.frame = c_.frame;
  r.title = c_.title;
  return r;
}

void PrintSettingsModel::FormCreate() {
  const TPrintSettings& p = settings.PrintSettings;
  c_.frame = p.Frame != 0;
  c_.density = std::min<int>(p.option2, 2);
  c_.thickness = std::min<int>(p.option1, 2);
  preview_.font.name = sj("ＭＳ Ｐゴシック");
  preview_.font.SetSize(12);
}

void PrintSettingsModel::FormShow() {
  TPrintSettings& p = settings.PrintSettings;
  if (settings.PrintFormFirstShow) DefaultPictureWidth();
  ShowPaperInfo();
  c_.titleLeft = p.TitleLeft;
  c_.titleTop = p.TitleTop;
  ShowPrintedHeight(p.PictureWidth);
  settings.PrintFormFirstShow = 0;
  DrawPrintPreview();
  c_.copies = 1;
  c_.colorMode = std::min<int>(p.ColorMode, 2);
  c_.left = p.PictureLeft;
  c_.top = p.PictureTop;
  c_.leftMax = printer_.pageWidth();
  c_.topMax = printer_.pageHeight();
}

void PrintSettingsModel::DefaultPictureWidth() {
  EngineHost().StopAnimationTimer();
  settings.PrintSettings.PictureWidth = DefaultPictureWidthFor(printer_.pageWidth(), printer_.pageHeight());
}

void PrintSettingsModel::ShowPaperInfo() {
  const int pw = printer_.pageWidth(), ph = printer_.pageHeight();
  c_.paper = PaperName(printer_.paper());
  c_.paper += printer_.orientation() == platform::Orientation::Landscape ? " 横" : " 縦";
  c_.pageSize = std::to_string(pw) + "×" + Pixels(ph);
  int limit = pw * GraphShape() >= ph ? ph : pw;
  limit = limit / 50 * 50;
  c_.pictureWidthMax = std::max(limit, kMinPictureWidth);
  // A page too small for the default width gets the smallest one.
  int& width = settings.PrintSettings.PictureWidth;
  width = std::clamp(width, kMinPictureWidth, c_.pictureWidthMax);
  c_.pictureWidth = width;
}

void PrintSettingsModel::ShowPrintedHeight(int width) { c_.printedHeight = "×" + Pixels(PictureHeight(width)); }

int PrintSettingsModel::PictureHeight(int width) const { return RoundToInt(width * GraphShape()); }

bool PrintSettingsModel::PictureFits(int left, int top, int width) const {
  return left + width <= printer_.pageWidth() && top + PictureHeight(width) <= printer_.pageHeight();
}

void PrintSettingsModel::PsizeChange(int width) {
  width = std::clamp(width, kMinPictureWidth, c_.pictureWidthMax);
  TPrintSettings& p = settings.PrintSettings;
  if (!PictureFits(c_.left, c_.top, width)) {
    c_.pictureWidth = p.PictureWidth;
    return;
  }
  p.PictureWidth = c_.pictureWidth = width;
  ShowPrintedHeight(width);
  DrawPrintPreview();
}

void PrintSettingsModel::gamenleftChange(int left) {
  TPrintSettings& p = settings.PrintSettings;
  left = std::clamp(left, 0, c_.leftMax);
  if (!PictureFits(left, c_.top, c_.pictureWidth)) {
    c_.left = p.PictureLeft;
    return;
  }
  p.PictureLeft = c_.left = left;
  DrawPrintPreview();
}

void PrintSettingsModel::gamentopChange(int top) {
  TPrintSettings& p = settings.PrintSettings;
  top = std::clamp(top, 0, c_.topMax);
  if (!PictureFits(c_.left, top, c_.pictureWidth)) {
    c_.top = p.PictureTop;
    return;
  }
  p.PictureTop = c_.top = top;
  DrawPrintPreview();
}

void PrintSettingsModel::TitleleftChange(int left) {
  settings.PrintSettings.TitleLeft = c_.titleLeft = std::clamp(left, 0, c_.leftMax);
  DrawPrintPreview();
}

void PrintSettingsModel::TitleTopChange(int top) {
  settings.PrintSettings.TitleTop = c_.titleTop = std::clamp(top, 0, c_.topMax);
  DrawPrintPreview();
}

void PrintSettingsModel::titleChange(const std::string& title) {
  c_.title = title;
  DrawPrintPreview();
}

void PrintSettingsModel::maisuuChange(int copies) {
  c_.copies = std::clamp(copies, 1, kMaxCopies);
  DrawPrintPreview();
}

void PrintSettingsModel::printcolorClick(int mode) {
  c_.colorMode = std::clamp(mode, 0, 2);
  settings.PrintSettings.ColorMode = static_cast<uint8_t>(c_.colorMode);
}

void PrintSettingsModel::rangedensityClick(int density) {
  c_.density = std::clamp(density, 0, 2);
  settings.PrintSettings.option2 = static_cast<uint8_t>(c_.density);
}

void PrintSettingsModel::subsegClick(int thickness) {
  c_.thickness = std::clamp(thickness, 0, 2);
  settings.PrintSettings.option1 = static_cast<uint8_t>(c_.thickness);
}

void PrintSettingsModel::wakuCheckClick(bool frame) {
  c_.frame = frame;
  settings.PrintSettings.Frame = frame ? 1 : 0;
}

void PrintSettingsModel::Button4Click(platform::Dialogs& dialogs) {
  ChooseLfont(dialogs, settings.PrintSettings.TitleFont);
  DrawPrintPreview();
}

void PrintSettingsModel::prinsetupClick() {
  const int pw = printer_.pageWidth(), ph = printer_.pageHeight();
  printer_.setupDialog();
  ShowPaperInfo();
  if (printer_.pageWidth() != pw || printer_.pageHeight() != ph) {
    settings.PrintFormFirstShow = 1;
    FormShow();
  } else {
    DrawPrintPreview();
  }
}

bool PrintSettingsModel::ChooseOutputFile(platform::Dialogs& dialogs) {
  if (!printer_.printsToFile()) return true;
  platform::FileDialogRequest request;
  request.title = "印刷するPDFファイル名の設定";
  request.filter = "PDF|*.pdf";
  request.defaultExtension = ".pdf";
  const std::filesystem::path last = printer_.outputFile();
  if (last.has_filename()) {
    request.folder = last.parent_path();
    request.fileName = last.filename().string();
  } else {
    request.folder = FileHost().DemoFolder();
  }
  const std::optional<std::filesystem::path> file = dialogs.saveFile(request);
  if (!file) return false;
  printer_.setPdfOutput(*file);
  return true;
}

void PrintSettingsModel::ShowPrinting() {
  preview_.brush.style = gfx::BrushStyle::Solid;
  preview_.brush.color = gfx::kWhite;
  preview_.font.color = 0x0000FF;
  preview_.TextOut(30, 50, sj("印刷中"));
}

void PrintSettingsModel::DrawPrintPreview() {
  const TPrintSettings& p = settings.PrintSettings;
  const int pw = printer_.pageWidth(), ph = printer_.pageHeight();
  const double s = static_cast<double>(kPreviewSize) / std::max({pw, ph, 1});
  gfx::Canvas& c = preview_;
  c.pen = gfx::Pen{};
  c.brush = gfx::Brush{kPreviewGrey, gfx::BrushStyle::Solid};
  c.FillRect(gfx::Rect{0, 0, kPreviewSize, kPreviewSize});
  c.brush.color = gfx::kWhite;
  c.FillRect(gfx::Rect{0, 0, RoundToInt(pw * s), RoundToInt(ph * s)});

  const int left = RoundToInt(p.PictureLeft * s), top = RoundToInt(p.PictureTop * s);
  const int width = RoundToInt(p.PictureWidth * s);
  c.brush = gfx::Brush{kPictureHatch, gfx::BrushStyle::FDiagonal};
  c.Rectangle(left, top, left + width, top + PictureHeight(width));
  DrawTitlePreview(s);
}

void PrintSettingsModel::DrawTitlePreview(double s) {
  if (c_.title.empty()) return;
  gfx::RasterCanvas printerCanvas(1, 1);
  ApplyPrinterTitleFont(printerCanvas.font, printer_.dpi());
  const int w = printerCanvas.TextWidth(c_.title), h = printerCanvas.TextHeight(c_.title);
  const TPrintSettings& p = settings.PrintSettings;
  const int left = RoundToInt(p.TitleLeft * s), top = RoundToInt(p.TitleTop * s);
  preview_.brush = gfx::Brush{kTitleBox, gfx::BrushStyle::Solid};
  preview_.FillRect(gfx::Rect{left, top, left + RoundToInt(w * s), top + RoundToInt(h * s)});
}
