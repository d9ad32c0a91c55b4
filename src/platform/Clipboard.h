#pragma once
// The system clipboard, as far as the program writes to it: the graph as a picture, the
// macro text as text.
#include <QImage>
#include <string>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's contents with a copy of the picture.
  virtual void setImage(const QImage& image) = 0;
  // Replaces the clipboard's contents with the text (UTF-8).
  virtual void setText(const std::string& utf8) = 0;
};

class QtClipboard final : public Clipboard {
 public:
  void setImage(const QImage& image) override;
  void setText(const std::string& utf8) override;
};

}  // namespace platform
