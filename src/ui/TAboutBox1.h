#pragma once
// The about window. On the first start it is the splash screen and creates the navigator
// (which creates the graph window); later the version command shows a fresh one modally.
#include <QDialog>
#include <cstdint>

namespace platform {
class Screen;
}

// Set by the program block before any window exists; the first about window clears it.
extern std::uint8_t FirstStart;

class TAboutBox1 : public QDialog {
 public:
  explicit TAboutBox1(const platform::Screen& screen, QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The splash while it lives (until the first timer tick after the graph window shows).
extern TAboutBox1* AboutBox1;
void FreeAboutBox();

// The version command: a fresh about window, modal, freed afterwards.
void ShowVersionWindow(const platform::Screen& screen);
