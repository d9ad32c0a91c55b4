#pragma once
// Help buttons open pages of the manual folder beside the program, one way from every
// window: a page that cannot be shown is reported with "<file> を開けません。". The program
// block installs the services; until then, and in tests that install none, a request
// does nothing.
#include <string>

namespace platform {
class Dialogs;
class HelpPages;
}  // namespace platform

// nullptr for either removes it.
void SetManualPageServices(platform::HelpPages* pages, platform::Dialogs* dialogs);
// `page` is a file name of the manual folder, such as "mouse.html".
void OpenManualPage(const std::string& page);
