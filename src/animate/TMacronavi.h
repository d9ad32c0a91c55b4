#pragma once
// The macro editor: the macro text in a memo (the document's macro lines), with the
// register, help and copy buttons and the caret line's label. It is created at start-up
// and shown modally, from the parameter panel's editor button or the navigator's menu.
#include <QDialog>
#include <string>

#include "animate/MacroEditorHost.h"
#include "animate/MacroEditorModel.h"
#include "platform/Clipboard.h"

class QLabel;
class QPlainTextEdit;
class QToolButton;

class TMacronavi : public QDialog {
 public:
  explicit TMacronavi(QWidget* parent = nullptr);
  ~TMacronavi() override;

  MacroEditorModel& Model() { return model_; }

  // Shows the editor modally with the document's text and returns when it has closed
  // (the text is compiled by then).
  void ShowEditor();
  // Its right edge at `right` and its top at `top`, moved up so that its bottom stays
  // above `bottomLimit` and not above the screen; never taller than `maxHeight` (0: no
  // limit). The panel's editor button places it beside the panel.
  void PlaceBeside(int right, int top, int bottomLimit, int maxHeight);

  // Installed by the program.
  MacroEditorHost* host = nullptr;
  // The clipboard the copy button writes to (the system's unless a test sets another).
  platform::Clipboard* clipboard = nullptr;

  // Components by name ("Memo", "macroentry", "macrohelp", "macrocopy", "low").
  QWidget* Component(const std::string& name) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void ShowCaretLine();

  MacroEditorModel model_;
  platform::QtClipboard systemClipboard_;
  QPlainTextEdit* memo_ = nullptr;
  QWidget* panel1_ = nullptr;
  QToolButton* macroentry_ = nullptr;
  QToolButton* macrohelp_ = nullptr;
  QToolButton* macrocopy_ = nullptr;
  QLabel* low_ = nullptr;
  bool loading_ = false;  // the memo is being filled from the document: no change
};

// The program's macro editor while it exists.
extern TMacronavi* Macronavi;
