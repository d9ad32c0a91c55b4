// links: ui
// Opens the formula keyboard or the palette window on a small document, to look at them
// and try them by hand:
//   show_keyboard [kind]                 the keyboard of that kind (default 0); prints the result
//   show_keyboard --palette <mode>       the palette in that mode (3D documents with --space)
//   show_keyboard ... --grab <out.png>   draws the window into a PNG file and quits
//   show_keyboard --selectors <out.png>  the colour-and-style and coordinate selectors
//   show_keyboard --demo [seconds]       types a formula with the keys, opens the point
//                                        picker, waits, then presses "End"
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"
#include "ui/CanvasView.h"
#include "ui/ColorStyleSelector.h"
#include "ui/CoordinateSelector.h"
#include "ui/PaletteModel.h"
#include "ui/Tclpanel.h"
#include "ui/Tkeyfunc.h"

namespace {

// Points A, B, C, a circle about A through B and C, two defined functions.
void MakeDocument(bool space) {
  ResetMiscSettings();
  ResetAllSettings(0);
  doc.Dimension = space ? 3 : 2;
  const char* letters = "ABC";
  const double at[3][2] = {{0, 0}, {2, 0}, {0, 2}};
  for (int i = 0; i < 3; ++i) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindPoint);
    e.letter = static_cast<uint8_t>(std::strchr(PointNameOrder, letters[i]) - PointNameOrder + 1);
    doc.PointSequences[e.letter][0].x = at[i][0];
    doc.PointSequences[e.letter][0].y = at[i][1];
    doc.PointLetterUsage[e.letter].exists = 1;
    ++doc.KindCounts[kKindPoint];
  }
  Tfuncprop& circle = doc.FigureTable[++doc.EntryCount];
  InitFuncprop(circle, kKindFigure);
  circle.subkind = 8;
  circle.texts[0] = "A";
  circle.texts[1] = "2";
  ++doc.KindCounts[kKindFigure];
  doc.DefinedFunctionTexts[1] = "x^2";
  doc.DefinedFunctionTexts[2] = "sin(x)";
  doc.DefinedFunctionCount = 2;
}

void Grab(QWidget& w, const char* path) {
  w.show();
  QApplication::processEvents();
  w.grab().save(QString::fromLocal8Bit(path));
  std::printf("wrote %s\n", path);
}

int Selectors(const char* path) {
  ColorStyleSelector region, interval;
  DrawColorStyleSelector(region, 2, 0xFF8080, 0);
  DrawColorStyleSelector(interval, 1, 0x0045FF, 1);
  gfx::RasterCanvas coords(kCoordTypeSelectorWidth, kCoordTypeSelectorHeight, gfx::kBtnFace);
  DrawCoordTypeSelector(coords, 0);
  QImage page(kCoordTypeSelectorWidth + 240, kCoordTypeSelectorHeight, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter p(&page);
  p.drawImage(0, 0, region.image.Image());
  p.drawImage(0, 80, interval.image.Image());
  p.drawImage(230, 0, coords.Image());
  p.end();
  page.save(QString::fromLocal8Bit(path));
  std::printf("wrote %s\n", path);
  return 0;
}

// Clicks keys of the modal keyboard and a letter of the point picker, "sin(x)^2+2Bx";
// "End" some seconds later.
void ScheduleDemo(int seconds) {
  QTimer::singleShot(300, [] {
    auto* w = dynamic_cast<Tkeyfunc*>(QApplication::activeModalWidget());
    if (!w) return;
    for (const char* key : {"Ac", "f1", "x", "Rshift", "sisuu2", "add", "n2", "pchoice"}) w->Key(key)->click();
    if (Tclpanel* picker = w->Picker()) {
      const gfx::Rect b = LetterButtonRect(2);
      picker->Picture()->released((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    w->Key("x")->click();
  });
  QTimer::singleShot(300 + 1000 * seconds, [] {
    if (auto* w = dynamic_cast<Tkeyfunc*>(QApplication::activeModalWidget())) w->Key("SpeedButton1")->click();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 10));
  int kind = 0, paletteMode = 0;
  const char* grab = nullptr;
  bool space = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--palette" && i + 1 < argc) paletteMode = std::atoi(argv[++i]);
    else if (a == "--grab" && i + 1 < argc) grab = argv[++i];
    else if (a == "--space") space = true;
    else if (a == "--demo") ScheduleDemo(i + 1 < argc && std::isdigit(static_cast<unsigned char>(argv[i + 1][0])) ? std::atoi(argv[++i]) : 3);
    else if (a == "--selectors" && i + 1 < argc) return Selectors(argv[++i]);
    else kind = std::atoi(argv[i]);
  }
  MakeDocument(space);

  if (paletteMode) {
    clpanel.ClpanelMode = static_cast<uint8_t>(paletteMode);
    if (paletteMode >= 7 && paletteMode <= 12) ShowFigureNumberPicker(0);
    else MarkUsedPointNames(paletteMode == 3 ? 1 : 3, 0, doc.EntryCount);
    if (grab) {
      Tclpanel panel;
      panel.Prepare();
      Grab(panel, grab);
      return 0;
    }
    ShowClpanelModal(100, 100);
    std::printf("ClpanelResult %d, figure type %d, InputCancelled %d\n", clpanel.ClpanelResult,
                clpanel.ChosenFigureType, ui.InputCancelled);
    return 0;
  }

  if (grab) {
    Tkeyfunc window(static_cast<uint8_t>(kind));
    window.setWindowTitle(QString::fromUtf8("陽関数　ｙ＝f(x) のf(x)"));
    window.SetText(sj("2sin(x)+π"));
    Grab(window, grab);
    return 0;
  }
  std::string result;
  EditWithFormulaKeyboard(sj("x^2"), "陽関数　ｙ＝f(x) のf(x)", static_cast<uint8_t>(kind), result, 300, 900);
  std::printf("InputCancelled %d, result \"%s\"\n", ui.InputCancelled, sjis::ToUtf8(result).c_str());
  return 0;
}
