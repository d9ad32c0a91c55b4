#pragma once
// The navigator's logic without widgets: the list rebuilt from the document, clicks on
// its rows (add, correct, defined functions and constants), the show/hide column,
// deleting entries and definitions, and the refresh that ends every edit. The window
// (Tlpnavi) paints the list, forwards the mouse here and answers the NavigatorHost.
#include <cstdint>

#include "platform/Canvas.h"
#include "ui/NavigatorHost.h"
#include "ui/NavigatorList.h"

inline constexpr const char* kInUseMessage = "他の式で使っているので削除できません";

class NavigatorModel {
 public:
  // `measure` measures texts in the list font (the text image's canvas in the window).
  NavigatorModel(NavigatorHost& host, gfx::Canvas& measure);

  TListLayout Layout;
  const NavigatorList& List() const { return list_; }

  // The last mouse position over either image (image coordinates).
  int ListMouseX = 0, ListMouseY = 0;
  // The entry whose label box is drawn raised, 0 none.
  int HoverToggle = 0;

  // What the last row click chose, for the entry window: the row's entry (or definition
  // number) and kind, and its action.
  int ClickedEntry = 0;
  std::uint8_t ClickedKind = 0;
  std::uint8_t DefinitionAction = 0;

  // The calculus menu's state and the interval button's visibility (UpdateMenuState).
  bool CalculusMenuEnabled = false;
  bool IntervalButtonShown = true;

  // Kind sums and usage scan, then the list built; the host paints it.
  void RebuildEquationList();
  // A click on the text image at the last mouse position.
  void TextClick();
  // A click on the label column at the last mouse position.
  void LabelClick();
  // The label box under (x, y) of the label column, for the raised look; 0 none.
  int HoverToggleAt(int x, int y) const;
  // Deletes the entry (actions 1, 4) or definition (6, 8) after its checks and warning.
  void DeleteEntry(int entry, std::uint8_t action);
  void RefreshAfterEdit();
  // enable 1: the calculus menu is offered with Cartesian axes and an explicit function;
  // 0: it is withdrawn while a calculus animation runs.
  void UpdateMenuState(int enable);

 private:
  void AddEntry(const TListRow& row);
  void CorrectEntry(const TListRow& row);
  // false: the definition's edit was cancelled and nothing is to be refreshed.
  bool EditDefinition(const TListRow& row);
  bool NameNewPoint(int entry);
  void DeleteDefinition(int n, bool functions);
  bool DeleteListedEntry(int entry, bool space);

  NavigatorHost& host_;
  gfx::Canvas& measure_;
  NavigatorList list_;
};

// A document counts as untouched (opening a file over it asks nothing) only while nothing
// was entered since the last new document: no entries or definitions, no label text, no
// memo and no macro text, and no row of the list was clicked.
bool DocumentIsUntouched();
