#pragma once
// Face names stored in documents stay as they are and are mapped to the installed fonts
// only when text is drawn.
#include <QString>
#include <string_view>

namespace gfx {

// The installed family for a CP932 face name: the Japanese Gothic and Mincho faces to
// the IPA fonts (proportional and fixed), Times New Roman to Liberation Serif, Arial to
// Liberation Sans. Width, case and blanks of the name do not matter; an unknown name is
// passed on as it is.
QString FontFamilyFor(std::string_view cp932Name);

}  // namespace gfx
