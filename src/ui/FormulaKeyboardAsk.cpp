#include "ui/FormulaKeyboardAsk.h"

#include "formula/DocumentState.h"
#include "platform/EventPump.h"
#include "ui/Tkeyfunc.h"

bool AskOnFormulaKeyboard(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right) {
  std::string result;
  {
    platform::NestedLoopScope modal;
    EditWithFormulaKeyboard(text, caption, kind, result, top, right);
  }
  if (ui.InputCancelled) return false;
  text = result;
  return true;
}
