#pragma once
// The font dialog over a font setting of the document (a Tlfont with its CP932 face
// name): the dialog starts from the setting, and only its OK changes it.
#include "formula/Tlabelrec.h"

namespace platform {
class Dialogs;
}

// True when the user chose a font (now in `font`).
bool ChooseLfont(platform::Dialogs& dialogs, Tlfont& font);
