#pragma once
// Makes the program the user's handler of equation files ("*.lpw", any letter case):
// a MIME type for the pattern and a desktop entry that opens such a file with the
// program, both with the program's icon (copied into the hicolor icon folders), under the
// user's XDG data folder, and the program as that type's default application in the
// user's mimeapps.list. Each call writes everything anew, whatever
// was there; other entries of mimeapps.list stay as they are.
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kEquationMimeType = "application/x-lumenplotter-lpw";
inline constexpr std::string_view kDesktopEntryName = "lumenplotter.desktop";

// False with a reason (UTF-8) when a file could not be written.
bool AssociateEquationFiles(const std::filesystem::path& programFile, std::string* error = nullptr);

// $XDG_DATA_HOME or ~/.local/share, $XDG_CONFIG_HOME or ~/.config (empty without a home).
std::filesystem::path XdgDataHome();
std::filesystem::path XdgConfigHome();

// One argument of a desktop entry's Exec line, quoted and escaped as the desktop entry
// rules ask; empty when the text cannot be written there (a line break or NUL).
std::string DesktopExecArgument(std::string_view text);

// mimeapps.list text with defaultEntry as the default application of mimeType.
std::string WithDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                   std::string_view defaultEntry);

}  // namespace platform
