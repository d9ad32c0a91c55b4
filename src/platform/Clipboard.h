#pragma once
// The system clipboard, as far as the program writes to it: the graph as a picture.
#include <QImage>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's contents with a copy of the picture.
  virtual void setImage(const QImage& image) = 0;
};

class QtClipboard final : public Clipboard {
 public:
  void setImage(const QImage& image) override;
};

class FakeClipboard final : public Clipboard {
 public:
  void setImage(const QImage& image) override {
    this->image = image;
    ++copies;
  }
  QImage image;
  int copies = 0;
};

}  // namespace platform
