// links: ui
// Opens the parameter panel on a document built in code (y = x²/4 - 3, y = a·x and
// y = b·sin(x + θ)) beside a stand-in for the graph window that shows the composite
// bitmap of the redraw pipeline and the change list of the last step. Typed values go
// through the formula keyboard.
//   show_panel                         the panel, to try by hand
//   show_panel --hold <letter> <ms>    holds that parameter's up button for ms milliseconds
//                                      and prints the time of every step
//   show_panel ... --grab <out.png>    after the hold, draws panel and graph into a PNG
//                                      and quits
//   show_panel --enter <letter>        clicks that parameter's value panel (the keyboard
//                                      asks for a value)
#include <QApplication>
#include <QElapsedTimer>
#include <QVBoxLayout>
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
#include "formula/Records.h"
#include "formula/UsageScan.h"
#include "platform/EventPump.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "platform/SjisQt.h"
#include "platform/Timer.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "ui/CanvasView.h"
#include "ui/FormulaKeyboardAsk.h"

namespace {

const char* const kTexts[] = {"x^2/4-3", "a*x", "b*sin(x+θ)"};
constexpr int kGraphSize = 400;

void MakeDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  ResetRenderState();
  doc.GraphWidth = kGraphSize;
  doc.GraphHeight = kGraphSize;
  UpdatePixelSize(1);
  RecreateBufferBitmaps();
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

// The panel's hooks in this tool: the formula keyboard for typed values.
struct ToolPanelHost : ParameterPanelHost {
  bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) override {
    return AskOnFormulaKeyboard(caption, kind, text, top, right);
  }
};

// In place of the graph window: the composite bitmap on a view, and the change list of
// the last step under it.
struct GraphStandIn {
  QWidget window;
  CanvasView* view = nullptr;
  QLabel* changes = nullptr;
  QElapsedTimer clock;
  bool printSteps = false;

  void Show() {
    if (printSteps) std::printf("step at %lld ms\n", static_cast<long long>(clock.elapsed()));
    view->SetPicture(CompositeCanvas().Image());
    view->repaint();
    std::string text = "changes:";
    for (const TValueNode* n = settings.ValueChangeList; n; n = n->next)
      text += " (" + std::to_string(n->code) + ", " + rtl::FormatFloat("0.000", n->value) + ")";
    changes->setText(QString::fromUtf8(text));
  }
};
GraphStandIn* standIn = nullptr;

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

  GraphStandIn graph;
  standIn = &graph;
  graph.window.setWindowTitle(QStringLiteral("graph"));
  auto* layout = new QVBoxLayout(&graph.window);
  graph.view = new CanvasView(&graph.window);
  graph.view->setFixedSize(kGraphSize, kGraphSize);
  graph.changes = new QLabel(&graph.window);
  graph.changes->setFont(QFont("IPAGothic", 11));
  layout->addWidget(graph.view);
  layout->addWidget(graph.changes);
  struct StandInRedraws : RedrawHost {
    void CopyBufferToGraph(gfx::CopyMode) override { standIn->Show(); }
  } redraws;
  SetRedrawHost(&redraws);

  ToolPanelHost hooks;
  ParameterPanel().SetHost(&hooks);
  TValueChange panel;
  panel.move(40, 40);
  RedrawAll();
  panel.ShowParameterForm();
  graph.window.move(340, 40);
  graph.window.show();

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
    QTimer::singleShot(300, [&, up, row] {
      graph.printSteps = true;
      graph.clock.start();
      up->setDown(true);
      emit up->pressed();
      QTimer::singleShot(holdMs, [&, up, row] {
        up->setDown(false);
        emit up->released();
        graph.printSteps = false;
        std::printf("released at %lld ms: %s\n", static_cast<long long>(graph.clock.elapsed()),
                    ParameterPanel().ValueText(row).c_str());
        if (!grab) return;
        QImage picture(panel.width() + graph.window.width() + 10, std::max(panel.height(), graph.window.height()),
                       QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, panel.grab());
        painter.drawPixmap(panel.width() + 10, 0, graph.window.grab());
        painter.end();
        picture.save(QString::fromUtf8(grab));
        QApplication::quit();
      });
    });
  }
  const int code = app.exec();
  ParameterPanel().SetHost(nullptr);
  SetRedrawHost(nullptr);
  standIn = nullptr;
  Timer1().SetBackend(nullptr);  // the Qt timer goes before the application object
  return code;
}
