#include "ui/GraphPopupMenu.h"

#include <QActionGroup>

#include "ui/GraphPopupModel.h"
#include "ui/MenuTable.h"

GraphPopupMenu::GraphPopupMenu(QWidget* parent) : QMenu(parent) {
  std::map<std::string, QActionGroup*> radios;
  items_ = AddMenuItems<TGraphPopupItem>(this, GraphPopupItems(), [&](const TGraphPopupItem& item, QAction* action) {
    const std::string name = item.name;
    connect(action, &QAction::triggered, this, [this, name] {
      if (chosen) chosen(name);
    });
    if (!item.radio) return;
    QActionGroup*& group = radios[item.parent];
    if (!group) group = new QActionGroup(this);
    action->setCheckable(true);
    group->addAction(action);
  });
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
