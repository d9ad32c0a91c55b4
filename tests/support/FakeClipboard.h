#pragma once
// The tests' stand-in for platform::Clipboard.
#include <QImage>
#include <string>

#include "platform/Clipboard.h"

namespace platform {

class FakeClipboard final : public Clipboard {
 public:
  void setImage(const QImage& image) override {
    this->image = image;
    ++copies;
  }
  void setText(const std::string& utf8) override {
    text = utf8;
    ++copies;
  }
  QImage image;
  std::string text;
  int copies = 0;
};

}  // namespace platform
