#pragma once
// The program's icon, a small graph drawn for it as SVG and built into the program.
#include <QByteArray>
#include <QIcon>

namespace platform {

inline constexpr const char* kProgramIconName = "lumenplotter";

QIcon ProgramIcon();
// The SVG file itself, for the desktop's icon folders.
QByteArray ProgramIconSvg();

}  // namespace platform
