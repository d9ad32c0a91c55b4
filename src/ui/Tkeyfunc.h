#pragma once
// The formula keyboard window: an edit line, the key panels and the function panel over a
// KeyboardModel. The text stays CP932 in the model; the edit line shows it as Unicode and
// the caret is mapped between the two at every change.
#include <QDialog>
#include <map>
#include <string>

#include "ui/KeyboardModel.h"

class QLabel;
class QLineEdit;
class QToolButton;
class Tclpanel;

class Tkeyfunc : public QDialog {
 public:
  Tkeyfunc(std::uint8_t kind, QWidget* parent = nullptr);

  // The caller's text (CP932), before the window is shown.
  void SetText(const std::string& cp932);
  // Where the window goes: its top and its right edge.
  void Place(int top, int right);

  KeyboardModel& Model() { return model_; }
  QLineEdit* Edit() const { return edit_; }
  QLabel* MessageLine() const { return message_; }
  // A key by its component name ("n1", "pai", "SpeedButton1", "f1".."f15", "UpDown1Up", ...).
  QToolButton* Key(const std::string& name) const;
  // The point-name picker while it is open, else nullptr.
  Tclpanel* Picker() const;

  // Every close other than a successful finish counts as a cancel.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildKeys();
  QToolButton* MakeButton(QWidget* panel, const std::string& name, const QString& caption, int x, int y, int w, int h);
  void KeyClicked(const KeyboardKey& key);
  void Finish();
  void OpenPointPicker();
  void ClosePointPicker();
  void Sync();
  void SyncText();

  KeyboardModel model_;
  QLineEdit* edit_ = nullptr;
  QLabel* message_ = nullptr;
  std::map<std::string, QToolButton*> keys_;
  Tclpanel* picker_ = nullptr;
  int top_ = 0, right_ = 0;
  bool placed_ = false;
  bool shown_ = false;
  bool finished_ = false;
  bool syncing_ = false;  // the edit line is being set from the model
};

// Runs the keyboard modally for the text (CP932) with the window caption (UTF-8); the
// window's top is `top` and its right edge `right`. Afterwards KeyboardText holds the text,
// ui.InputCancelled tells whether it was accepted, and `result` is the text handed back (an
// empty text becomes "0", except for kind 6).
void EditWithFormulaKeyboard(const std::string& text, const std::string& caption, std::uint8_t kind,
                             std::string& result, int top, int right);
