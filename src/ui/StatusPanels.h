#pragma once
// A status bar of side-by-side text panels of given widths, drawn sunken (or raised on
// request), that reports the mouse to its window: press, release, click and double
// click with the x position. The graph window and the navigator each have one.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class StatusPanels : public QWidget {
 public:
  StatusPanels(std::vector<int> widths, QWidget* parent = nullptr);

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  // Texts are UTF-8.
  void SetPanelText(int i, const std::string& utf8);
  const QString& PanelText(int i) const { return panels_[static_cast<size_t>(i)].text; }
  void SetPanelWidth(int i, int width);
  // The width of a panel that shows the whole text (UTF-8) in the bar's font.
  int FittingWidth(const std::string& utf8) const;
  int PanelWidth(int i) const { return panels_[static_cast<size_t>(i)].width; }
  void SetPanelRaised(int i, bool raised);
  bool PanelRaised(int i) const { return panels_[static_cast<size_t>(i)].raised; }

  std::function<void(int x)> pressed, released, clicked, doubleClicked, moved;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  struct Panel {
    QString text;
    int width = 0;
    bool raised = false;
  };
  std::vector<Panel> panels_;
  bool down_ = false;
};
