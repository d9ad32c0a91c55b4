// The program block: the application object, the windows in their order of creation, then
// the message loop until the graph window (the main form) closes or a SIGTERM or SIGINT
// asks the program to end.
#include <QApplication>
#include <QFont>
#include <memory>
#include <string>
#include <vector>

#include "animate/TimerJobs.h"
#include "platform/ProgramIcon.h"
#include "platform/QtTranslation.h"
#include "platform/QuitSignals.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "png/VexPNG.h"
#include "ui/ProgramWindows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumenplotter");
  QApplication::setFont(QFont("IPAPGothic", 10));
  QApplication::setWindowIcon(platform::ProgramIcon());
  QApplication::setQuitOnLastWindowClosed(false);
  platform::InstallQtJapanese(app);
  RegisterVexPNG();  // picture loading by extension accepts ".png"
  Timer1().SetBackend(std::make_unique<platform::QtTimerBackend>());

  std::vector<std::string> arguments;
  const QStringList args = QCoreApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) arguments.push_back(args[i].toStdString());

  int result = 0;
  {
    platform::QtScreen screen;
    ProgramWindows windows(screen, std::move(arguments));
    platform::QuitOnSignals(ProgramWindows::Quit);
    windows.Show();
    result = app.exec();
  }
  platform::RestoreSignalDefaults();
  Timer1().SetBackend(nullptr);
  return result;
}
