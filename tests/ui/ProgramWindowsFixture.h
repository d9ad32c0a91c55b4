#pragma once
// The program's windows, made as the program block makes them, on a fixed 1280 x 1024
// screen, with scripted dialogs, help pages and clipboard and a timer driven by hand.
#include <QApplication>
#include <functional>
#include <QScreen>
#include <memory>
#include <string>
#include <vector>

#include "animate/TimerJobs.h"
#include "io/SoundSlots.h"
#include "io/Tprinnavi.h"
#include "platform/KeepOnScreen.h"
#include "render/RenderState.h"
#include "support/FakeClipboard.h"
#include "support/FakeDialogs.h"
#include "support/FakeHelpPages.h"
#include "support/FakePrinterService.h"
#include "support/FakeScreen.h"
#include "support/FakeSoundOut.h"
#include "support/FakeTimerBackend.h"
#include "support/GuiApp.h"
#include "ui/ManualPages.h"
#include "ui/ProgramWindows.h"
#include "ui/Tgraph.h"
#include "ui/Tlpnavi.h"
#include "ui/UiStateFixture.h"

// Where a window that its rule puts at `rule` appears: the test platform's own screen
// (800 x 600) is smaller than the one the windows are laid out for, and every window is
// kept inside it.
inline QPoint PlacedOnTestScreen(const QWidget& window, QPoint rule) {
  const QRect work = window.screen()->availableGeometry();
  const QSize size = window.frameGeometry().size();
  const platform::ScreenRect kept = platform::KeptInside({rule.x(), rule.y(), size.width(), size.height()},
                                                         {work.x(), work.y(), work.width(), work.height()});
  return {kept.left, kept.top};
}

class ProgramWindowsTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
    ResetRenderState();
    auto backend = std::make_unique<platform::FakeTimerBackend>();
    timer = backend.get();
    Timer1().SetBackend(std::move(backend));
    Timer1().JobCode = job::Idle;
  }
  void TearDown() override {
    windows.reset();
    Timer1().SetBackend(nullptr);
    ResetRenderState();
    UiStateTest::TearDown();
  }
  void Start(std::vector<std::string> arguments = {}) {
    windows = std::make_unique<ProgramWindows>(screen, std::move(arguments));
    graph->dialogs = &dialogs;
    graph->clipboard = &clipboard;
    programHost = graph->host;
    graph->host = &quitCount;
    SetManualPageServices(&help, &dialogs);
    lpnavi->dialogs = &dialogs;
    SetSoundServices(&sound, &dialogs);
    SetPrintServices(&printer, &dialogs);
  }
  void ShowAndTick() {
    windows->Show();
    QApplication::processEvents();
    ASSERT_TRUE(timer->advanceToNextTick());
    QApplication::processEvents();
  }
  static int NonWhite(const gfx::RasterCanvas& c, int width, int height) {
    int n = 0;
    for (int y = 0; y < height; y += 2)
      for (int x = 0; x < width; x += 2) n += c.Pixel(x, y) != gfx::kWhite;
    return n;
  }

  platform::FakeScreen screen;
  platform::FakeDialogs dialogs;
  platform::FakeHelpPages help;
  platform::FakeClipboard clipboard;
  platform::FakeSoundOut sound;
  platform::FakePrinterService printer;
  platform::FakeTimerBackend* timer = nullptr;
  std::unique_ptr<ProgramWindows> windows;
  // What the program installed to end itself; the tests count quits instead.
  struct QuitCount : GraphWindowHost {
    int count = 0;
    void QuitProgram() override { ++count; }
  } quitCount;
  int& quits = quitCount.count;
  GraphWindowHost* programHost = nullptr;
};
