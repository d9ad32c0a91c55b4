#pragma once
// The graph window's pop-up menu (PopupMenu1) built from its item table: groups become
// sub-menus, radio items of a group exclude each other. As it pops up it shows and checks
// the items for the current document; a chosen item is handed to `chosen` by name.
#include <QMenu>
#include <functional>
#include <map>
#include <string>

class GraphPopupMenu : public QMenu {
 public:
  explicit GraphPopupMenu(QWidget* parent = nullptr);

  // The items' visibility and checks for the current document (PopupMenu1Popup).
  void Prepare();
  // The item (or group) of that component name; nullptr for another name.
  QAction* Item(const std::string& name) const;

  std::function<void(const std::string& name)> chosen;

 private:
  std::map<std::string, QAction*> items_;
};
