#pragma once
// The graph window's pop-up menu without widgets: its items, which of them show and which
// are checked for the current document, and what choosing one changes. The window builds
// its menu from the item table (GraphPopupMenu) and runs the effect.
#include <set>
#include <span>
#include <string>
#include <string_view>

struct TGraphPopupItem {
  const char* name;     // component name; a separator when the caption is empty
  const char* caption;  // UTF-8
  const char* parent;   // the group item it belongs to, "" at the top
  bool radio;           // checked from the state, one of its group
};

// In menu order, groups before their items.
std::span<const TGraphPopupItem> GraphPopupItems();

struct TGraphPopupView {
  std::set<std::string> hidden, checked;
};

// What the menu shows as it pops up: "点をプロット" only without after-images and with
// room for a point; the plane or space items; the radio checks from the state; the axis
// items by the axes shown. The coordinate read-out follows the axes shown.
TGraphPopupView PopupMenu1Popup();

enum class PopupEffect { None, RedrawAll, RedrawSpaceScene, PlotPoint, SavePicture };

// Choosing an item: the setting it stands for is changed (the background marked for
// redrawing); the caller runs the effect.
PopupEffect ChooseGraphPopupItem(std::string_view name);
