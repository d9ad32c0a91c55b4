#pragma once
// The yes/no confirmation window with its fourteen numbered messages. Every command that
// deletes, resets or quits asks through it and reads WarningAnswer right afterwards.
#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

// 1 after "了解", 0 after any other way of closing; kept until the next warning.
extern std::uint8_t WarningAnswer;

// The message of a code 1..14 (UTF-8); nullptr for any other code.
const char* WarningMessage(int code);

class Twarning : public QDialog {
 public:
  explicit Twarning(QWidget* parent = nullptr);

  std::uint8_t MessageCode = 0;

  QLabel* Panel1() const { return panel_; }
  QPushButton* YesButton() const { return yes_; }
  QPushButton* NoButton() const { return no_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* panel_;
  QPushButton* yes_;
  QPushButton* no_;
};

// Shows the warning of the code modally; true when the answer is yes (also in WarningAnswer).
bool ShowWarning(std::uint8_t code);
