#include "ui/QtEntryInput.h"

#include "formula/DocumentState.h"
#include "ui/Tclpanel.h"
#include "ui/Tkeyfunc.h"

bool QtEntryInput::EditText(const std::string& text, const std::string& caption, std::uint8_t kind, int top,
                            int right, std::string& result) {
  EditWithFormulaKeyboard(text, caption, kind, result, top, right);
  return ui.InputCancelled == 0;
}

void QtEntryInput::ShowPalette(int left, int top) { ShowClpanelModal(left, top); }

std::optional<std::int32_t> QtEntryInput::ChooseColor(std::int32_t initial) { return dialogs_.chooseColor(initial); }

void QtEntryInput::ShowMessage(const std::string& text) { dialogs_.showMessage(text); }
