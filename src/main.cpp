// The program block: creates the application and its first window, then runs the
// message loop until the main window closes.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>

#include "png/VexPNG.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lumenplotter");
  QApplication::setFont(QFont("IPAPGothic", 10));
  RegisterVexPNG();  // picture loading by extension accepts ".png"

  // Stand-in main window until the graph window takes its place.
  QMainWindow window;
  window.setWindowTitle(QString::fromUtf8("Lumenplotter グラフ"));
  auto* label = new QLabel(QString::fromUtf8("関数のグラフ　y=f(x)　θ ω π ≦ 30°"));
  label->setAlignment(Qt::AlignCenter);
  label->setFont(QFont("IPAPGothic", 16));
  window.setCentralWidget(label);
  window.resize(480, 320);
  window.show();
  return app.exec();
}
