#include "render/LfontDialog.h"

#include <optional>

#include "platform/Dialogs.h"
#include "platform/Sjis.h"

bool ChooseLfont(platform::Dialogs& dialogs, Tlfont& font) {
  const platform::FontChoice initial{sjis::ToUtf8(font.name), font.size, font.color, font.style};
  const std::optional<platform::FontChoice> chosen = dialogs.chooseFont(initial);
  if (!chosen) return false;
  font.name = sjis::FromUtf8(chosen->face);
  font.size = chosen->size;
  font.color = chosen->color;
  font.style = chosen->style;
  return true;
}
