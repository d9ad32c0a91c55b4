#include "ui/GraphPopupMenu.h"

#include <QActionGroup>
#include <set>

#include "ui/GraphPopupModel.h"

GraphPopupMenu::GraphPopupMenu(QWidget* parent) : QMenu(parent) {
  std::set<std::string> groupNames;
  for (const TGraphPopupItem& item : GraphPopupItems()) groupNames.insert(item.parent);
  std::map<std::string, QMenu*> groups;
  std::map<std::string, QActionGroup*> radios;
  for (const TGraphPopupItem& item : GraphPopupItems()) {
    QMenu* parentMenu = *item.parent ? groups.at(item.parent) : this;
    QAction* action = nullptr;
    if (!*item.caption) {
      action = parentMenu->addSeparator();
    } else if (groupNames.count(item.name)) {
      QMenu* group = parentMenu->addMenu(QString::fromUtf8(item.caption));
      groups[item.name] = group;
      action = group->menuAction();
    } else {
      action = parentMenu->addAction(QString::fromUtf8(item.caption));
      const std::string name = item.name;
      connect(action, &QAction::triggered, this, [this, name] {
        if (chosen) chosen(name);
      });
      if (item.radio) {
        QActionGroup*& group = radios[item.parent];
        if (!group) group = new QActionGroup(this);
        action->setCheckable(true);
        group->addAction(action);
      }
    }
    action->setObjectName(QString::fromUtf8(item.name));
    items_[item.name] = action;
  }
}

void GraphPopupMenu::Prepare() {
  const TGraphPopupView view = PopupMenu1Popup();
  for (const auto& [name, action] : items_) {
    action->setVisible(!view.hidden.count(name));
    if (action->isCheckable()) action->setChecked(view.checked.count(name) > 0);
  }
}

QAction* GraphPopupMenu::Item(const std::string& name) const {
  const auto it = items_.find(name);
  return it == items_.end() ? nullptr : it->second;
}
