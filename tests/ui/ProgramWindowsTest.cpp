#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <filesystem>
#include <functional>
#include <fstream>
#include <numbers>

#include "NavigatorFixture.h"
#include "ProgramWindowsFixture.h"
#include "WhenModal.h"
#include "animate/AfterImageHistory.h"
#include "animate/MacroRuns.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TMacronavi.h"
#include "animate/TValueChange.h"
#include "animate/Tdtangent.h"
#include "animate/TimerJobs.h"
#include "formula/VariableValues.h"
#include "io/EquationFileCommands.h"
#include "io/Tprinnavi.h"
#include "platform/ProgramFolder.h"
#include "platform/QuitSignals.h"
#include "platform/Timer.h"
#include "render/DrawToolkit.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/TickSteps.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinterService.h"
#include "support/GuiApp.h"
#include "ui/CanvasView.h"
#include "ui/GraphToolStrip.h"
#include "ui/PaletteModel.h"
#include "ui/ProgramWindows.h"
#include "ui/StatusPanels.h"
#include "ui/TAboutBox1.h"
#include "ui/Tclpanel.h"
#include "ui/Tcorrectform.h"
#include "ui/Tgraph.h"
#include "ui/Tkeyfunc.h"
#include "ui/Tlabeleditor.h"
#include "ui/Tlpnavi.h"
#include "ui/Twarning.h"

namespace {

const std::filesystem::path kSampleDocument =
    std::filesystem::path(LP_SOURCE_DIR) / "fuzz" / "seeds" / "fuzz_equation_reader" / "plane.lpw";

TEST_F(ProgramWindowsTest, StartUpCreatesTheWindowsInOrderAndSizesThemBesideEachOther) {
  Start();
  EXPECT_EQ(FirstStart, 0);
  ASSERT_NE(AboutBox1, nullptr);
  EXPECT_TRUE(AboutBox1->isVisible());  // the splash
  const QLabel* icon = AboutBox1->findChild<QLabel*>("ProgramIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_FALSE(icon->pixmap().isNull());  // the program's icon, drawn from its SVG
  ASSERT_NE(lpnavi, nullptr);
  ASSERT_NE(graph, nullptr);
  EXPECT_NE(ValueChange, nullptr);
  ASSERT_NE(Macronavi, nullptr);
  EXPECT_FALSE(Macronavi->isVisible());
  // 3 x 1280 < 4 x 1024: the graph window is 960 high with a square drawing area.
  EXPECT_EQ(graph->height(), 960);
  EXPECT_EQ(graph->width(), 914);
  EXPECT_EQ(doc.GraphWidth, 912);
  EXPECT_EQ(doc.GraphHeight, 912);
  EXPECT_EQ(ReferenceHeight, 912);
  EXPECT_EQ(BackCanvas().Width(), 912);
  EXPECT_EQ(CompositeCanvas().Height(), 912);
  EXPECT_EQ(graph->WindowImage().Width(), 1280);
  EXPECT_EQ(lpnavi->height(), 955);
  EXPECT_EQ(graph->windowTitle(), QString::fromUtf8("Lumenplotter  [新規]"));
  EXPECT_EQ(GraphFolders.Demo, platform::ProgramFolder() / "demo");

  windows->Show();
  QApplication::processEvents();
  EXPECT_TRUE(lpnavi->isVisible());
  // Side by side, the pair as wide as the screen (frames included).
  const QRect g = graph->frameGeometry(), n = lpnavi->frameGeometry();
  EXPECT_EQ(g.topLeft(), QPoint(0, 0));
  EXPECT_EQ(n.topLeft(), QPoint(g.right() + 1, 0));
  EXPECT_EQ(n.right() + 1, 1280);
  EXPECT_EQ(lpnavi->DockLeft, n.left());
  EXPECT_EQ(Timer1().JobCode, job::Startup);
  EXPECT_TRUE(Timer1().Enabled());
  // The new document is drawn: grid and axes.
  EXPECT_GT(NonWhite(graph->WindowImage(), 912, 912), 1000);
  EXPECT_EQ(graph->StatusBar()->PanelText(0), QString::fromUtf8(" 912×912"));

  ASSERT_TRUE(timer->advanceToNextTick());
  EXPECT_EQ(AboutBox1, nullptr);
  EXPECT_EQ(Timer1().JobCode, job::Idle);
  EXPECT_FALSE(Timer1().Enabled());
  EXPECT_EQ(GraphFolders.Manual, platform::ProgramFolder() / "manual");
}

TEST_F(ProgramWindowsTest, TheFirstTickOpensTheEquationFileOfTheCommandLine) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "lp_shell_startup";
  std::filesystem::create_directories(folder);
  const std::filesystem::path upper = folder / "PLANE.LPW";
  std::filesystem::copy_file(kSampleDocument, upper, std::filesystem::copy_options::overwrite_existing);
  struct Case {
    std::string argument;
    bool loads;
    bool message;
  };
  const Case cases[] = {
      {kSampleDocument.string(), true, false},
      {upper.string(), true, false},
      {(folder / "plane.Lpw").string(), false, false},
      {"notes.txt", false, false},
      {(folder / "missing.lpw").string(), false, true},
  };
  for (const Case& c : cases) {
    windows.reset();
    ResetUiStateForTest();
    dialogs = platform::FakeDialogs{};
    Start({c.argument});
    ShowAndTick();
    EXPECT_EQ(doc.EntryCount > 0, c.loads) << c.argument;
    EXPECT_EQ(!dialogs.calls.empty(), c.message) << c.argument;
    EXPECT_EQ(AboutBox1, nullptr) << c.argument;
    EXPECT_EQ(GraphFolders.Manual, platform::ProgramFolder() / "manual") << c.argument;
    if (c.loads) {
      EXPECT_TRUE(graph->windowTitle().endsWith(QString::fromStdString("[" + std::filesystem::path(c.argument).filename().string() + "]")));
      EXPECT_GT(lpnavi->Model().List().entries.size(), 5u);
      // The document's macro is compiled: its procedure has a button on the panel.
      EXPECT_EQ(qobject_cast<QToolButton*>(windows->Panel().Component("macro1"))->text(), QString::fromUtf8("動かす"));
    }
  }
  std::filesystem::remove_all(folder);
}

TEST_F(ProgramWindowsTest, ANewDocumentResetsTheStateAndTheList) {
  Start();
  AddTestEntry(kKindExplicit, {"x^2"});
  doc.CoordinateSystem = 2;
  doc.XAxisColor = 0xFF;
  lpnavi->RebuildEquationList();
  ASSERT_EQ(lpnavi->Model().List().entries.size(), 1u);
  graph->setWindowTitle(QStringLiteral("Lumenplotter   [a.lpw]"));
  graph->ResetGraphForNewDocument(0);
  EXPECT_EQ(doc.EntryCount, 0);
  EXPECT_EQ(doc.CoordinateSystem, 0);
  EXPECT_EQ(doc.XAxisColor, 0);
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_TRUE(lpnavi->Model().List().entries.empty());
  EXPECT_EQ(graph->windowTitle(), QString::fromUtf8("Lumenplotter  [新規]"));
  EXPECT_NEAR(static_cast<double>(doc.PixelSizeY), 10.0 / 912, 1e-6);
}

TEST_F(ProgramWindowsTest, AResizeRecreatesTheBitmapsAndKeepsTheView) {
  Start();
  ShowAndTick();
  graph->resize(700, 600);
  QApplication::processEvents();
  EXPECT_EQ(doc.GraphWidth, 698);
  EXPECT_EQ(doc.GraphHeight, 600 - 48);
  EXPECT_EQ(BackCanvas().Width(), 698);
  EXPECT_EQ(CompositeCanvas().Height(), 552);
  EXPECT_NEAR(static_cast<double>(doc.ViewRange.XMin + doc.ViewRange.XMax), 0, 1e-9);
  EXPECT_NEAR(static_cast<double>(doc.PixelSizeX), 10.0 / 912, 1e-6);
  EXPECT_EQ(graph->StatusBar()->PanelText(0), QString::fromUtf8(" 698×552"));
  EXPECT_GT(NonWhite(graph->WindowImage(), 698, 552), 500);
}

TEST_F(ProgramWindowsTest, TheRangePanelShowsTheWholeRange) {
  Start();
  ShowAndTick();
  doc.ViewRange = TViewRange{-12345.5L, 23456.25L, 1, 11};
  graph->ShowRangeInStatusBar();
  const StatusPanels& bar = *graph->StatusBar();
  EXPECT_EQ(bar.PanelText(1), QString::fromUtf8("  -12345.500≦x≦23456.250  1.000≦y≦11.000"));
  // The text, its insets on both sides and the gap to the next panel.
  EXPECT_GE(bar.PanelWidth(1), bar.fontMetrics().horizontalAdvance(bar.PanelText(1)) + 6);
}

TEST_F(ProgramWindowsTest, SwitchingToSpaceAndBack) {
  Start();
  ShowAndTick();
  GraphToolStrip& strip = *graph->ToolStrip();
  EXPECT_TRUE(strip.Button("xlarge")->isVisibleTo(graph));
  EXPECT_FALSE(strip.Button("nearBT")->isVisibleTo(graph));
  doc.Dimension = 3;
  graph->SwitchTo3D();
  QApplication::processEvents();
  EXPECT_FALSE(strip.Button("xlarge")->isVisibleTo(graph));
  EXPECT_TRUE(strip.Button("nearBT")->isVisibleTo(graph));
  // 10 * 5/18 kept to its step: 3, seen from 3 * 40/3.
  EXPECT_EQ(doc.SpaceRange, 3);
  EXPECT_EQ(doc.CameraDistance, 40);
  EXPECT_NEAR(static_cast<double>(doc.ViewRange.XMax), 5.4, 1e-6);
  EXPECT_EQ(settings.GraphWindowMode, 0);
  EXPECT_EQ(doc.GraphWidth, doc.GraphHeight);
  EXPECT_EQ(sjis::ToUtf8(lpnavi->Model().List().sections[0].caption), "陽関数 z=f(x,y)");
  EXPECT_EQ(strip.Button("gleft")->toolTip(), QString::fromUtf8("視点を左方向に回転"));
  // The space picture replaces the plane's at once: the axes, seen from the camera.
  const QImage axes = graph->WindowImage().Image().copy(0, 0, doc.GraphWidth, doc.GraphHeight);
  EXPECT_GT(NonWhite(graph->WindowImage(), doc.GraphWidth, doc.GraphHeight), 100);
  // The view buttons turn the camera and redraw.
  const Extended phi = doc.CameraPhi;
  QTest::mouseClick(strip.Button("gright"), Qt::LeftButton);
  EXPECT_NEAR(static_cast<double>(doc.CameraPhi - phi), std::numbers::pi / 80, 1e-12);
  EXPECT_NE(graph->WindowImage().Image().copy(0, 0, doc.GraphWidth, doc.GraphHeight), axes);
  // A parameter step of a surface draws it again through the panel's space hooks.
  Tfuncprop& surface = doc.FigureTable[++doc.EntryCount];
  InitFuncprop(surface, kKindExplicit);
  surface.texts[0] = "a*x";
  ++doc.KindCounts[kKindExplicit];
  RedrawAll();
  const QImage before = graph->WindowImage().Image().copy(0, 0, doc.GraphWidth, doc.GraphHeight);
  WriteVariable(doc.VariableValues, 'a', 0.2L);
  ParameterPanel().RepaintGraphs();
  EXPECT_NE(graph->WindowImage().Image().copy(0, 0, doc.GraphWidth, doc.GraphHeight), before);
  doc.EntryCount = 0;
  doc.KindCounts[kKindExplicit] = 0;

  doc.Dimension = 2;
  doc.ViewRange = {-2, 2, -2, 2};
  graph->SwitchTo2D();
  EXPECT_TRUE(strip.Button("xlarge")->isVisibleTo(graph));
  EXPECT_EQ(doc.ViewRange, TViewRange{});
  EXPECT_EQ(sjis::ToUtf8(lpnavi->Model().List().sections[0].caption), "陽関数 y=f(x)");
  EXPECT_EQ(strip.Button("gleft")->toolTip(), QString::fromUtf8("左方向に移動"));
}

TEST_F(ProgramWindowsTest, ClosingAsksWarningFourAndOnlyYesEndsTheProgram) {
  Start();
  ShowAndTick();
  modes.AnimationMode = 3;
  doc.SoundPresent[1] = 1;
  WhenModal<Twarning>([](Twarning& w) {
    EXPECT_EQ(w.MessageCode, 4);
    QTest::mouseClick(w.NoButton(), Qt::LeftButton);
  });
  graph->close();
  EXPECT_TRUE(graph->isVisible());
  EXPECT_EQ(quits, 0);
  EXPECT_EQ(modes.AnimationMode, 3);  // the running animation stays
  EXPECT_EQ(doc.SoundPresent[1], 1);

  WhenModal<Twarning>([](Twarning& w) { QTest::mouseClick(w.YesButton(), Qt::LeftButton); });
  graph->close();
  EXPECT_FALSE(graph->isVisible());
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(doc.SoundPresent[1], 0);
}

TEST_F(ProgramWindowsTest, ClosingTheNavigatorEndsTheProgramAfterYes) {
  Start();
  ShowAndTick();
  WhenModal<Twarning>([](Twarning& w) { w.close(); });  // the title bar: no
  lpnavi->close();
  EXPECT_TRUE(lpnavi->isVisible());
  EXPECT_EQ(quits, 0);
  WhenModal<Twarning>([](Twarning& w) { QTest::mouseClick(w.YesButton(), Qt::LeftButton); });
  lpnavi->close();
  EXPECT_FALSE(graph->isVisible());
  EXPECT_EQ(modes.CloseNeedsConfirm, 0);
  EXPECT_EQ(quits, 1);
}

// The program's event loop, run until something ends it; 1 when the guard had to.
int RunTheLoop() {
  QApplication::setQuitOnLastWindowClosed(false);  // as the program block has it
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  guard.start(2000);
  const int result = QApplication::exec();
  QApplication::setQuitOnLastWindowClosed(true);
  return result;
}

// A procedure that never ends by itself, as procedure #1.
void StartEndlessMacro() {
  doc.MacroLines = {"sub spin() #1", "while 1=1", "draw", "wend", "end sub"};
  ASSERT_TRUE(Macros().CompileMacro());
  QTimer::singleShot(0, [] { Macros().RunMacroProcedureByNumber(1); });
}

TEST_F(ProgramWindowsTest, QuittingEndsTheLoopWhateverIsOpenOrRunning) {
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"parameter panel", [] { lpnavi->paraBTClick(); }},  // it refuses its first close
      {"tangent window", [] { OpenTangentNavi(graph); }},
      {"settings and label editor", [] {
         lpnavi->zahyouClick();
         lpnavi->labelenterClick();
       }},
      {"running macro", [] {
         lpnavi->paraBTClick();
         StartEndlessMacro();
       }},
  };
  for (const auto& [what, open] : cases) {
    windows.reset();
    ResetUiStateForTest();
    Start();
    ShowAndTick();
    graph->host = programHost;
    AddTestEntry(kKindExplicit, {"x^2"});
    lpnavi->RebuildEquationList();
    open();
    QTimer::singleShot(10, [] {
      WhenModal<Twarning>([](Twarning& w) { QTest::mouseClick(w.YesButton(), Qt::LeftButton); });
      lpnavi->MenuItem("mnuExit")->trigger();
    });
    EXPECT_EQ(RunTheLoop(), 0) << what;
    EXPECT_EQ(settings.MacroRunning, 0) << what;
  }
}

TEST_F(ProgramWindowsTest, ATerminationSignalEndsTheLoopThroughTheProgramsQuit) {
  Start();
  ShowAndTick();
  ASSERT_TRUE(platform::QuitOnSignals(ProgramWindows::Quit));
  lpnavi->paraBTClick();
  StartEndlessMacro();
  QTimer::singleShot(10, [] { std::raise(SIGTERM); });
  const int result = RunTheLoop();
  platform::RestoreSignalDefaults();
  EXPECT_EQ(result, 0);
  EXPECT_EQ(settings.MacroRunning, 0);
}

// The onload procedure of a document without parameters never ends by itself: the panel
// comes up with its stop button, the navigator keeps the document as it is, and the stop
// button or Escape in the graph window ends the run.
TEST_F(ProgramWindowsTest, WhileAMacroRunsTheDocumentStaysAndTheRunCanBeStopped) {
  Start();
  ShowAndTick();
  AddTestEntry(kKindExplicit, {"x"});
  AddTestEntry(kKindExplicit, {"x^2"});
  lpnavi->RebuildEquationList();
  doc.MacroLines = {"sub spin()", "while 1=1", "hidegraph y2", "draw", "showgraph y2", "draw", "wend", "end sub",
                    "onload spin()"};
  ASSERT_TRUE(Macros().CompileMacro());
  TValueChange& panel = windows->Panel();
  ASSERT_FALSE(panel.isVisible());
  const char* const buttons[] = {"alldelete", "equloadbt", "dimention"};
  const char* const items[] = {"equationLoad", "demoload", "dimtran1", "dif"};
  const std::function<void()> stops[] = {
      [&panel] { QTest::mouseClick(panel.Component("stop"), Qt::LeftButton); },
      [] { QTest::keyClick(graph, Qt::Key_Escape); },
  };
  for (const std::function<void()>& stop : stops) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      ran = true;
      EXPECT_TRUE(panel.isVisible());
      EXPECT_TRUE(panel.Component("stop")->isEnabled());
      EXPECT_FALSE(lpnavi->TextImage()->isEnabled());
      for (const char* name : buttons) EXPECT_FALSE(lpnavi->ToolButton(name)->isEnabled()) << name;
      for (const char* name : items) EXPECT_FALSE(lpnavi->MenuItem(name)->isEnabled()) << name;
      EXPECT_TRUE(lpnavi->MenuItem("mnuExit")->isEnabled());
      stop();
    });
    Macros().RunMacroOnload();
    EXPECT_TRUE(ran);
    EXPECT_EQ(settings.MacroRunning, 0);
    EXPECT_TRUE(lpnavi->TextImage()->isEnabled());
    for (const char* name : buttons) EXPECT_TRUE(lpnavi->ToolButton(name)->isEnabled()) << name;
    for (const char* name : items) EXPECT_TRUE(lpnavi->MenuItem(name)->isEnabled()) << name;
  }
  EXPECT_EQ(doc.EntryCount, 2);
}

TEST_F(ProgramWindowsTest, EveryHelpButtonSaysWhenItsPageCannotBeOpened) {
  Start();
  ShowAndTick();
  help.opens = false;
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"macro.html", [] { qobject_cast<QToolButton*>(Macronavi->Component("macrohelp"))->click(); }},
      {"manual.html", [] { lpnavi->MenuItem("manualhtm1")->trigger(); }},
      {"gamen.html", [] { graph->hlpBtClick(); }},
  };
  for (const auto& [page, click] : cases) {
    dialogs.calls.clear();
    click();
    const std::filesystem::path file = GraphFolders.Manual / page;
    ASSERT_FALSE(help.opened.empty());
    EXPECT_EQ(help.opened.back(), file);
    ASSERT_EQ(dialogs.calls.size(), 1u) << page;
    EXPECT_EQ(dialogs.calls[0].text, file.string() + " を開けません。");
  }
}

TEST_F(ProgramWindowsTest, TheVersionWindowMakesNoSecondNavigator) {
  Start();
  ShowAndTick();
  Tlpnavi* navigator = lpnavi;
  WhenModal<TAboutBox1>([](TAboutBox1& box) {
    QLabel* label = box.findChildren<QLabel*>().back();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
  });
  ShowVersionWindow(screen);
  EXPECT_EQ(lpnavi, navigator);
  int navigators = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) navigators += dynamic_cast<Tlpnavi*>(w) != nullptr;
  EXPECT_EQ(navigators, 1);
}

TEST_F(ProgramWindowsTest, TheDockingClicksPutTheWindowsSideBySide) {
  Start();
  ShowAndTick();
  lpnavi->move(500, 300);
  graph->move(100, 50);
  lpnavi->ToolBar1Click();
  EXPECT_EQ(lpnavi->pos(), QPoint(lpnavi->DockLeft, 0));
  EXPECT_EQ(graph->frameGeometry().right() + 1, lpnavi->DockLeft);
  QTest::mouseDClick(lpnavi->StatusBar(), Qt::LeftButton, {}, QPoint(10, 5));
  QApplication::processEvents();
  EXPECT_EQ(graph->size(), QSize(914, 960));
  EXPECT_EQ(graph->frameGeometry().right() + 1, lpnavi->DockLeft);
}

TEST_F(ProgramWindowsTest, AFunctionTypedInTheEntryWindowIsDrawn) {
  Start();
  ShowAndTick();
  // The real entry window asks its field on the program's timer.
  Timer1().SetBackend(std::make_unique<platform::QtTimerBackend>());
  timer = nullptr;
  AnswerKeyboard("陽関数　ｙ＝f(x) のf(x)", "x^2/4-3");
  bool finished = false;
  WhenShown<Tcorrectform>([](Tcorrectform&) { return doc.FigureTable[1].texts[0] == "x^2/4-3"; },
                          [&finished](Tcorrectform& w) {
                            finished = true;
                            QTest::mouseClick(w.EndButton(), Qt::LeftButton);
                          });
  const int before = NonWhite(graph->WindowImage(), 912, 912);
  const TListRow& add = lpnavi->Model().List().ListRows[0];
  QTest::mouseClick(lpnavi->TextImage(), Qt::LeftButton, {}, QPoint(40, (add.top + add.bottom) / 2));
  EXPECT_TRUE(finished);
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_GT(NonWhite(graph->WindowImage(), 912, 912), before);
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(sjis::ToUtf8(lpnavi->Model().List().entries.at(0).lines.at(0).text), "x^2/4-3");
  // The curve's blue beside the vertex (0, -3), where the y axis does not cover it.
  const int x = 470, y = static_cast<int>(912 * 8 / 10.0);
  bool blue = false;
  for (int dy = -3; dy <= 3; ++dy) blue = blue || graph->WindowImage().Pixel(x, y + dy) == 0xFF0000;
  EXPECT_TRUE(blue);

  // A keyboard cancelled on the next new function closes the window and takes the entry back.
  WhenShown<Tkeyfunc>([](Tkeyfunc& k) { return k.windowTitle() == QString::fromUtf8("陽関数　ｙ＝f(x) のf(x)"); },
                      [](Tkeyfunc& k) { k.reject(); });
  const TListRow& again = lpnavi->Model().List().ListRows[1];
  QTest::mouseClick(lpnavi->TextImage(), Qt::LeftButton, {}, QPoint(40, (again.top + again.bottom) / 2));
  EXPECT_EQ(ui.InputCancelled, 1);
  EXPECT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(lpnavi->Model().List().entries.size(), 1u);
}

TEST_F(ProgramWindowsTest, ANewPointIsNamedOnThePaletteAndDefinitionsOnTheKeyboard) {
  Start();
  ShowAndTick();
  // The entry window of a new point is finished as it opens (the timer does not tick here,
  // so it asks nothing).
  auto finishEntryWindow = [] {
    WhenShown<Tcorrectform>(nullptr, [](Tcorrectform& w) { QTest::mouseClick(w.EndButton(), Qt::LeftButton); });
  };
  auto clickAddRow = [](int kind) {
    for (const TListAddRow& add : lpnavi->Model().List().adds)
      if (add.row.kind == kind) {
        QTest::mouseClick(lpnavi->TextImage(), Qt::LeftButton, {}, QPoint(40, (add.row.top + add.row.bottom) / 2));
        return;
      }
    ADD_FAILURE() << "no add row of kind " << kind;
  };
  // Closed without a choice: no point.
  WhenModal<Tclpanel>([](Tclpanel& w) { w.reject(); });
  clickAddRow(kKindPoint);
  EXPECT_EQ(doc.EntryCount, 0);
  // C chosen.
  WhenModal<Tclpanel>([](Tclpanel& w) {
    const gfx::Rect r = LetterButtonRect(3);
    QTest::mouseClick(w.Picture(), Qt::LeftButton, {}, QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  });
  finishEntryWindow();
  clickAddRow(kKindPoint);
  ASSERT_EQ(doc.EntryCount, 1);
  EXPECT_EQ(doc.FigureTable[1].letter, 3);
  EXPECT_EQ(doc.FigureTable[1].texts[2], "C");

  WhenModal<Tkeyfunc>([](Tkeyfunc& w) {
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("定義関数 F1"));
    QTest::keyClicks(w.Edit(), "x^2");
    QTest::keyClick(w.Edit(), Qt::Key_Return);
  });
  clickAddRow(kKindDefinedFunction);
  EXPECT_EQ(doc.DefinedFunctionCount, 1);
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "x^2");
  EXPECT_EQ(sjis::ToUtf8(lpnavi->Model().List().entries.back().letter), "F");
}

}  // namespace

TEST_F(ProgramWindowsTest, ALabelTypedInTheEditorIsOnTheGraphAndComesBackFromItsFile) {
  Start();
  ShowAndTick();
  // The top-left corner of the drawing, where the labels start: no grid line there.
  auto labelPixels = [] {
    int n = 0;
    for (int y = 4; y < 40; ++y)
      for (int x = 4; x < 80; ++x) n += graph->WindowImage().Pixel(x, y) != gfx::kWhite;
    return n;
  };
  ASSERT_EQ(labelPixels(), 0);
  QTest::mouseClick(lpnavi->findChild<QToolButton*>("labelenter"), Qt::LeftButton);
  ASSERT_NE(labeleditor, nullptr);
  EXPECT_TRUE(labeleditor->isVisible());
  EXPECT_EQ(doc.LabelCount, 1);
  QTest::keyClicks(labeleditor->findChild<QPlainTextEdit*>("Labelmemo"), "\\frac{1}{2}x^2");
  QApplication::processEvents();
  EXPECT_GT(labelPixels(), 50);

  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "label.lpw";
  ASSERT_TRUE(SaveEquationFileAs(file, 0).ok);
  labeleditor->close();
  graph->ResetGraphForNewDocument(0);
  RedrawAll();
  EXPECT_EQ(doc.LabelCount, 0);
  EXPECT_EQ(labelPixels(), 0);
  ASSERT_TRUE(LoadEquationFile(file).ok);
  ASSERT_EQ(doc.LabelCount, 1);
  EXPECT_EQ(doc.LabelTable[1].lines, std::vector<std::string>{"\\frac{1}{2}x^2"});
  EXPECT_GT(labelPixels(), 50);
}

TEST_F(ProgramWindowsTest, AMacroSetsAndRemovesTheBackgroundPicture) {
  Start();
  ShowAndTick();
  QTemporaryDir dir;
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(dir.filePath("back.png"), "PNG"));
  GraphFolders.Demo = dir.path().toStdString();
  doc.MacroLines = {"sub show() #1", "pictureload back.png", "end sub", "sub hide() #2", "picturedelete", "end sub"};
  ASSERT_TRUE(Macros().CompileMacro());
  Macros().RunMacroProcedureByNumber(1);
  EXPECT_EQ(settings.BackgroundShown, 1);
  EXPECT_TRUE(lpnavi->ToolButton("loadpicture")->isChecked());
  const int x = doc.GraphWidth / 4, y = doc.GraphHeight / 3;
  EXPECT_EQ(graph->WindowImage().Pixel(x, y), gfx::Color{0x0000FF});  // red as $BBGGRR
  Macros().RunMacroProcedureByNumber(2);
  EXPECT_EQ(settings.BackgroundShown, 0);
  EXPECT_FALSE(lpnavi->ToolButton("loadpicture")->isChecked());
  EXPECT_EQ(graph->WindowImage().Pixel(x, y), gfx::kWhite);
}

TEST_F(ProgramWindowsTest, ThePrintedGraphHasTheLabelsAndTheWindowKeepsThem) {
  Start();
  ShowAndTick();
  doc.LabelCount = 1;
  doc.LabelTable[1].lines = {"Label"};
  RedrawAll();
  auto labelPixels = [](const QImage& image, int scale) {
    int n = 0;
    for (int y = 4 * scale; y < 40 * scale; ++y)
      for (int x = 4 * scale; x < 80 * scale; ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
  };
  const int onScreen = labelPixels(graph->WindowImage().Image(), 1);
  ASSERT_GT(onScreen, 50);
  const int32_t width = doc.GraphWidth, height = doc.GraphHeight;

  platform::FakePrinterService printer;
  SetPrintServices(&printer, &dialogs);
  WhenModal<Tprinnavi>([&](Tprinnavi& window) {
    window.Psize()->setValue(3 * width);
    QTest::mouseClick(window.prnexe(), Qt::LeftButton);
  });
  ShowPrintSettings();
  SetPrintServices(nullptr, nullptr);

  ASSERT_EQ(printer.pagesPrinted(), 1);
  const QImage picture = printer.ops.at(1).image;
  ASSERT_EQ(picture.width(), 3 * width);
  EXPECT_GT(labelPixels(picture, 3), 5 * onScreen);
  EXPECT_EQ(doc.GraphWidth, width);
  EXPECT_EQ(doc.GraphHeight, height);
  EXPECT_EQ(labelPixels(graph->WindowImage().Image(), 1), onScreen);
}

TEST_F(ProgramWindowsTest, TheAfterImageDemoReplaysAndAMacroStartsANewHistory) {
  Start();
  ShowAndTick();
  const EquationFileResult loaded = LoadEquationFile(LP_SOURCE_DIR "/data/demo/afterimage_locus.lpw");
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(AfterImageSnapshotCount(), 18);
  // The vertex at a = -2 is still on the picture (red), though a is 2 now.
  const int x = WorldToScreenX(-2), y = WorldToScreenY(-2);
  EXPECT_EQ(graph->WindowImage().Pixel(x, y), gfx::Color{0x0000FF});
  EXPECT_TRUE(windows->Panel().Component("undoBT")->isVisibleTo(&windows->Panel()));

  doc.MacroLines = {"sub go() #1", "cls", "afimageon", "locuson", "for a=0 to 1 step 0.5", "draw", "next a", "end sub"};
  ASSERT_TRUE(Macros().CompileMacro());
  Macros().RunMacroProcedureByNumber(1);
  EXPECT_EQ(AfterImageSnapshotCount(), 5);  // the two switches and three draws
  EXPECT_EQ(modes.AfterImageOn, 1);
  EXPECT_EQ(modes.LocusOn, 1);
  EXPECT_NE(graph->WindowImage().Pixel(x, y), gfx::Color{0x0000FF});
}

TEST_F(ProgramWindowsTest, AMacroMakesAndPlaysASound) {
  Start();
  ShowAndTick();
  doc.MacroLines = {"sub tone() #1", "makewave(N,3,0.5,sin(880*pi*x))", "play 3", "end sub"};
  ASSERT_TRUE(Macros().CompileMacro());
  Macros().RunMacroProcedureByNumber(1);
  ASSERT_EQ(sound.played.size(), 1u);
  EXPECT_EQ(sound.played[0], doc.SoundStreams[3]);
  EXPECT_EQ(doc.SoundStreams[3].size(), 44u + 11025u * 2);
}

TEST_F(ProgramWindowsTest, AMacroZoomsShiftsAndCentresTheView) {
  Start();
  ShowAndTick();
  doc.MacroLines = {"sub view() #1", "large 2", "rightshift 1", "end sub", "sub back() #2", "center(1,2)", "end sub"};
  ASSERT_TRUE(Macros().CompileMacro());
  const TViewRange before = doc.ViewRange;
  Macros().RunMacroProcedureByNumber(1);
  const TViewRange& v = doc.ViewRange;
  EXPECT_NEAR(v.XMax - v.XMin, (before.XMax - before.XMin) / 2, 1e-6);  // two steps of √2
  EXPECT_GT(v.XMin + v.XMax, before.XMin + before.XMax);
  Macros().RunMacroProcedureByNumber(2);
  EXPECT_NEAR((v.XMin + v.XMax) / 2, 1, 1e-9);
  EXPECT_NEAR((v.YMin + v.YMax) / 2, 2, 1e-9);
}
