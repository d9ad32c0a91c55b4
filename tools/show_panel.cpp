// links: ui
// Opens the parameter panel on a document built in code (y = a·x and y = b·sin(x + θ)),
// with a read-out window that lists the parameter cells and the entries' values at x = 1
// after every redraw of the moving layer. Typed values go through the formula keyboard.
//   show_panel                         the panel, to try by hand
//   show_panel --hold <letter> <ms>    holds that parameter's up button for ms milliseconds
//                                      and prints the time of every step
//   show_panel ... --grab <out.png>    after the hold, draws panel and read-out into a PNG
//                                      and quits
//   show_panel --enter <letter>        clicks that parameter's value panel (the keyboard
//                                      asks for a value)
#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <cstring>
#include <string>

#include "animate/TValueChange.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Records.h"
#include "formula/UsageScan.h"
#include "platform/EventPump.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "platform/SjisQt.h"
#include "platform/Timer.h"
#include "ui/Tkeyfunc.h"

namespace {

const char* const kTexts[] = {"a*x", "b*sin(x+θ)"};

void MakeDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  for (const char* utf8 : kTexts) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindExplicit);
    e.texts[0] = sj(utf8);
    ++doc.KindCounts[kKindExplicit];
  }
  ClearUsageFlags();
  RecomputeParameterUsage();
  modes.AnimationMode = 0;
}

// The panel's hooks in this tool: the formula keyboard for typed values, and a read-out in
// place of the graph window.
struct ToolHooks : ParameterPanelHooks {
  QLabel* readout = nullptr;
  QElapsedTimer clock;
  bool printSteps = false;

  bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) override {
    std::string result;
    platform::NestedLoopScope modal;
    EditWithFormulaKeyboard(text, caption, kind, result, top, right);
    if (ui.InputCancelled) return false;
    text = result;
    return true;
  }
  void ComposeParameterLayer() override {
    if (printSteps) std::printf("step at %lld ms\n", static_cast<long long>(clock.elapsed()));
    std::string lines;
    for (int row = 0; row < kParameterRowCount; ++row) {
      const ParameterRow& p = kParameterRows[row];
      if (!ParameterPanel().RowShown(row)) continue;
      lines += std::string(p.caption) + " cell " +
               rtl::FloatToStr(ReadVariable(doc.VariableValues, p.letter)) + "\n";
    }
    for (int i = 1; i <= doc.EntryCount; ++i) {
      const Extended y = EvaluateText(doc.FigureTable[i].texts[0], 1, 0, 0);
      lines += "y=" + sjis::ToUtf8(doc.FigureTable[i].texts[0]) + "  at x=1: " + rtl::FormatFloat("0.0000", y) + "\n";
    }
    lines += "changes:";
    for (const TValueNode* n = settings.ValueChangeList; n; n = n->next)
      lines += " (" + std::to_string(n->code) + ", " + rtl::FormatFloat("0.000", n->value) + ")";
    readout->setText(QString::fromUtf8(lines));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(QFont("IPAPGothic", 10));
  char holdLetter = 0, enterLetter = 0;
  int holdMs = 0;
  const char* grab = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--hold") && i + 2 < argc) {
      holdLetter = argv[i + 1][0];
      holdMs = std::atoi(argv[i + 2]);
      i += 2;
    } else if (!std::strcmp(argv[i], "--enter") && i + 1 < argc) {
      enterLetter = argv[++i][0];
    } else if (!std::strcmp(argv[i], "--grab") && i + 1 < argc) {
      grab = argv[++i];
    }
  }

  Timer1().SetBackend(std::make_unique<platform::QtTimerBackend>());
  MakeDocument();

  QWidget readoutWindow;
  readoutWindow.setWindowTitle(QStringLiteral("read-out"));
  auto* readout = new QLabel(&readoutWindow);
  readout->setFont(QFont("IPAGothic", 11));
  readout->setMinimumSize(360, 160);
  readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  (new QHBoxLayout(&readoutWindow))->addWidget(readout);

  ToolHooks hooks;
  hooks.readout = readout;
  ParameterPanel().SetHooks(&hooks);
  TValueChange panel;
  panel.move(40, 40);
  panel.ShowParameterForm();
  readoutWindow.move(360, 40);
  readoutWindow.show();
  hooks.ComposeParameterLayer();

  auto rowOf = [](char letter) {
    for (int r = 0; r < kParameterRowCount; ++r)
      if (kParameterRows[r].letter == letter) return r;
    return -1;
  };
  if (enterLetter) {
    const int row = rowOf(enterLetter);
    QWidget* value = row < 0 ? nullptr : panel.Component(std::string("valu") + kParameterRows[row].name);
    if (!value) {
      std::fprintf(stderr, "no row for '%c'\n", enterLetter);
      return 1;
    }
    QTimer::singleShot(300, value, [value] {
      const QPointF at(value->width() / 2.0, value->height() / 2.0);
      QMouseEvent release(QEvent::MouseButtonRelease, at, value->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
      QApplication::sendEvent(value, &release);
    });
  }
  if (holdLetter) {
    const int row = rowOf(holdLetter);
    auto* up = row < 0 ? nullptr : qobject_cast<QToolButton*>(panel.Component(std::string(kParameterRows[row].name) + "upv"));
    if (!up) {
      std::fprintf(stderr, "no row for '%c'\n", holdLetter);
      return 1;
    }
    QTimer::singleShot(300, [&] {
      hooks.printSteps = true;
      hooks.clock.start();
      up->setDown(true);
      emit up->pressed();
      QTimer::singleShot(holdMs, [&] {
        up->setDown(false);
        emit up->released();
        hooks.printSteps = false;
        std::printf("released at %lld ms: %s\n", static_cast<long long>(hooks.clock.elapsed()),
                    ParameterPanel().ValueText(row).c_str());
        if (!grab) return;
        QImage picture(panel.width() + readoutWindow.width() + 10, std::max(panel.height(), readoutWindow.height()),
                       QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, panel.grab());
        painter.drawPixmap(panel.width() + 10, 0, readoutWindow.grab());
        painter.end();
        picture.save(QString::fromUtf8(grab));
        QApplication::quit();
      });
    });
  }
  const int code = app.exec();
  ParameterPanel().SetHooks(nullptr);
  Timer1().SetBackend(nullptr);  // the Qt timer goes before the application object
  return code;
}
