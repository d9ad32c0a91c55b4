#pragma once
// What the entry window asks of the navigator, the graph window and the parameter panel.
// The document itself is read and written directly; only what lives in those windows goes
// through here. The program installs its implementation at start-up and tests install
// fakes; until then every request is a no-op and the windows sit at the screen's corner.
class EntryFormHost {
 public:
  virtual ~EntryFormHost() = default;

  // ---- the navigator (Tlpnavi) ----
  // Its window's left, top and width on the screen: the entry window opens 40 pixels below
  // its top, and the formula keyboard's right edge is the navigator's right edge.
  virtual int NavigatorLeft() { return 0; }
  virtual int NavigatorTop() { return 0; }
  virtual int NavigatorWidth() { return 0; }
  // Tlpnavi.DeleteEntry(entry, action): the entry window's delete button, with the window's
  // mode as the action (1 plane, 4 space).
  virtual void DeleteEntry(int entry, int mode) {}
  // Tlpnavi.UpdateMenuState(enable): the navigator's menus off while the window is open.
  virtual void UpdateMenuState(bool enable) {}
  // The navigator's File menu.
  virtual void EnableFileMenu(bool enable) {}

  // ---- the graph window (Tgraph) ----
  // Whether the graph's pop-up menu pops up on a right click.
  virtual void EnableGraphPopupMenu(bool enable) {}
  // The guide the graph draws to the point under the mouse.
  virtual void SetPointGuideShown(bool shown) {}

  // ---- the parameter panel (TValueChange) ----
  virtual void HideParameterPanel() {}
};

// Never null; the no-op host until SetEntryFormHost installs another.
EntryFormHost& EntryHost();
// Installs a host (nullptr restores the no-op one); the caller keeps ownership.
void SetEntryFormHost(EntryFormHost* host);
