#pragma once
// SIGTERM and SIGINT end the program through its own quit, run from the event loop: the
// handler only writes to a pipe the loop watches (a running macro lets the loop through
// often enough). A second signal ends the process at once, and so does a loop that has
// not come round within kQuitGraceSeconds of the first.
#include <functional>

namespace platform {

inline constexpr unsigned kQuitGraceSeconds = 3;

// Installs the handlers; `quit` runs on the GUI thread. Needs the application object.
// False when the pipe or the handlers could not be set up (the defaults stay).
bool QuitOnSignals(std::function<void()> quit);
// The default actions back and a pending grace period cancelled; called once the program
// has torn its windows down.
void RestoreSignalDefaults();

}  // namespace platform
