#include "ui/PictureFiles.h"

#include <QFile>
#include <QPainter>
#include <algorithm>

#include "platform/JpegImage.h"
#include "platform/PictureErrors.h"
#include "png/VexPNG.h"

TSerialSaving SerialSave;

namespace {

QString ToQString(const std::filesystem::path& p) { return QFile::decodeName(p.native().c_str()); }

std::string UpperExtension(const std::filesystem::path& name) {
  std::string ext = name.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return ext;
}

// Transparent parts of a picture show the white paper behind them.
QImage Opaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
  QImage paper(image.size(), QImage::Format_RGB32);
  paper.fill(Qt::white);
  QPainter painter(&paper);
  painter.drawImage(0, 0, image);
  return paper;
}

}  // namespace

std::optional<std::uint8_t> PictureFormatOf(const std::filesystem::path& name) {
  const std::string ext = UpperExtension(name);
  if (ext == ".BMP") return kPictureBmp;
  if (ext == ".JPG") return kPictureJpeg;
  if (ext == ".PNG") return kPicturePng;
  return std::nullopt;
}

void SavePictureAs(const QImage& picture, const std::filesystem::path& name, std::uint8_t format) {
  TBitmap bitmap(picture.convertToFormat(QImage::Format_RGB32));
  const QString file = ToQString(name);
  switch (format) {
    case kPictureJpeg: {
      TJPEGImage jpeg;
      jpeg.Assign(bitmap);
      jpeg.SaveToFile(file);
      break;
    }
    case kPicturePng: {
      TVexPNG png;
      png.Assign(bitmap);
      png.SaveToFile(file);
      break;
    }
    default: bitmap.SaveToFile(file); break;
  }
}

TBitmap LoadPictureFile(const std::filesystem::path& name) {
  const std::optional<std::uint8_t> format = PictureFormatOf(name);
  if (!format) throw EInvalidGraphic("BMP, JPEG, PNG の画像ではありません");
  const QString file = ToQString(name);
  QImage image;
  if (*format == kPictureJpeg) {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(file);
    image = jpeg.Image();
  } else if (*format == kPicturePng) {
    TVexPNG png;
    png.LoadFromFile(file);
    image = png.Image();
  } else {
    TBitmap bmp;
    bmp.LoadFromFile(file);
    image = bmp.Image();
  }
  if (image.isNull() || image.width() == 0 || image.height() == 0) throw EInvalidGraphic("画像が空です");
  return TBitmap(Opaque(image));
}
