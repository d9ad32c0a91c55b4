#pragma once
// The graph window's tool strip: the view buttons, the colour and viewpoint buttons of
// space, "navi表示", the three line widths and the help button. Buttons are found by their
// component names; the plane-only and space-only ones are shown by the dimension.
#include <QWidget>
#include <map>
#include <string>

class QToolButton;

class GraphToolStrip : public QWidget {
 public:
  explicit GraphToolStrip(QWidget* parent = nullptr);

  // "glarge", "gleft", "emphates", "contBT", "hlpBt", ...; nullptr for another name.
  QToolButton* Button(const std::string& name) const;
  // Plane controls shown and space controls hidden, or the other way round.
  void SetSpaceControls(bool space);
  // The hints of gleft, gright, gup, gdown (UTF-8).
  void SetArrowHints(const std::string (&hints)[4]);
  // The line-width button of the setting 1, 2 or 3 pressed.
  void PressLineWidth(int setting);

 private:
  QToolButton* Add(const std::string& name, const char* caption, const char* hint, int width);
  std::map<std::string, QToolButton*> buttons_;
};
