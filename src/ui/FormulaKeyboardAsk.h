#pragma once
// One question on the formula keyboard, as the navigator and the parameter panel ask it.
#include <cstdint>
#include <string>

// Edits the text (CP932) on the keyboard with the caption (UTF-8) and keyboard kind, the
// window's top at `top` and its right edge at `right`; false (text unchanged) when cancelled.
bool AskOnFormulaKeyboard(const std::string& caption, std::uint8_t kind, std::string& text, int top, int right);
