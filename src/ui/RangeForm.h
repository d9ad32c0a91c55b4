#pragma once
// The plane view-settings window as the rest of the program reaches it (THanichange).

// "画面設定" in the plane: the window made on first use, placed and shown.
void ShowRangeForm(int left, int top);
bool RangeFormOpen();
// Closes the window while it is open (its bounds applied as at any close).
void CloseRangeForm();
// While the window is open: the panels show the view and the drawing size.
void RefreshRangeForm();
// While the window is open: its buttons follow the settings.
void SyncRangeFormButtons();
