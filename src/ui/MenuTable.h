#pragma once
// A menu built from a table of items, each with a component name, a caption (empty for a
// separator) and the name of the group it belongs to ("" at the top): an item that other
// items name as their group becomes a sub-menu. `leaf` is called for every other item
// with its action. The actions, groups and separators included, come back by name.
#include <QMenu>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>

template <class Item>
std::map<std::string, QAction*> AddMenuItems(QMenu* menu, std::span<const Item> items,
                                             const std::function<void(const Item&, QAction*)>& leaf) {
  std::set<std::string> groupNames;
  for (const Item& item : items) groupNames.insert(item.parent);
  std::map<std::string, QMenu*> groups;
  std::map<std::string, QAction*> actions;
  for (const Item& item : items) {
    QMenu* parent = *item.parent ? groups.at(item.parent) : menu;
    QAction* action = nullptr;
    if (!*item.caption) {
      action = parent->addSeparator();
    } else if (groupNames.count(item.name)) {
      QMenu* group = parent->addMenu(QString::fromUtf8(item.caption));
      groups[item.name] = group;
      action = group->menuAction();
    } else {
      action = parent->addAction(QString::fromUtf8(item.caption));
      leaf(item, action);
    }
    action->setObjectName(QString::fromUtf8(item.name));
    actions[item.name] = action;
  }
  return actions;
}
