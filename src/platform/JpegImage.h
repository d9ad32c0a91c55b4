#pragma once
// A JPEG picture over libjpeg: decoded into Format_RGB32 on loading, encoded at the
// chosen quality (optionally as grey) on saving. Errors of the library become
// EInvalidGraphic with the library's own message; it never ends the program.
#include "platform/PictureGraphic.h"

class TJPEGImage : public TGraphic {
 public:
  const char* ClassName() const override { return "TJPEGImage"; }
  bool Empty() const override { return image_.isNull(); }
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }

  // 1..100; values outside are clamped when saving.
  int CompressionQuality() const { return quality_; }
  void SetCompressionQuality(int quality) { quality_ = quality; }
  // Grey pictures: loading decodes only the brightness, saving writes one component.
  bool Grayscale() const { return grayscale_; }
  void SetGrayscale(bool on) { grayscale_ = on; }

  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice& stream) override;
  // A bitmap source is taken with its own colours (its transparency is not kept).
  void Assign(const TGraphic& source) override;
  bool AssignTo(TGraphic& dest) const override;
  QImage Image() const override { return image_; }

 private:
  QImage image_;
  int quality_ = 90;
  bool grayscale_ = false;
};
