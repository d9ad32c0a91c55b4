#pragma once
// Help buttons open pages of the manual folder beside the program. The program block
// installs the opener (the desktop's handler for local files); until then, and in tests,
// a request does nothing.
#include <functional>
#include <string>

using ManualPageOpener = std::function<void(const std::string& page)>;

// nullptr restores the no-op opener.
void SetManualPageOpener(ManualPageOpener opener);
// `page` is a file name of the manual folder, such as "mouse.html".
void OpenManualPage(const std::string& page);
