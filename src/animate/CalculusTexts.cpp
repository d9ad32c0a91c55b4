#include "animate/CalculusTexts.h"

#include "platform/Runtime.h"

std::string XValueText(Extended x) { return rtl::FormatFloat(kXValuePattern, x); }

std::string YValueText(Extended y) { return rtl::FormatFloat(kYValuePattern, y); }

std::string QuotientText(Extended dy, Extended dx) {
  if (XValueText(dx) == "0.0000") return kNoValueText;
  return XValueText(dy / dx);
}
