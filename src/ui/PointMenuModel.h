#pragma once
// The navigator's entry-list pop-up menu (PopupMenu2) without widgets: its items with the
// point constructions they choose, and which items a right click on a row shows. Which
// constructions are offered depends on the single points there would be (one more on the
// points' add row) and on the circles, lines, spheres and planes of the document.
#include <set>
#include <span>
#include <string>

#include "formula/TableServices.h"

inline constexpr int kNoConstruction = -1;

struct TPointMenuItem {
  const char* name;     // component name
  const char* caption;  // UTF-8; empty for a separator
  const char* parent;   // the group item it belongs to, "" at the top
  int code;             // the construction it chooses; kNoConstruction for the others
};

// In menu order, groups before their items. "delete" deletes the row; "torikesi" does
// nothing.
std::span<const TPointMenuItem> PointMenuItems();

// The items shown for a right click on the row; empty when no menu opens there.
std::set<std::string> PointMenuShown(const TListRow& row);
