#pragma once
// How the navigator opens the entry input window for one entry. The program connects the
// entry window here; until it does, every request answers as cancelled, so the navigator
// takes back what it prepared for the entry.
#include <cstdint>
#include <functional>

enum class EntryWindowResult { Accepted, Cancelled };

// Opens the entry window for (entry, maxIndex, mode, left) modally and tells how it closed.
// mode: 0 add (plane), 1 correct (plane), 3 add (space), 4 correct (space); left: the
// window's left edge on the screen.
using EntryWindowOpener = std::function<EntryWindowResult(int entry, int maxIndex, std::uint8_t mode, int left)>;

// nullptr (an empty function) leaves no entry window connected.
void SetEntryWindowOpener(EntryWindowOpener opener);
// Runs the connected entry window; without one, ui.InputCancelled := 1 and Cancelled.
EntryWindowResult OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left);
