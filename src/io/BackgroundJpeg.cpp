#include "io/BackgroundJpeg.h"

#include <QBuffer>
#include <exception>

#include "platform/Bitmap.h"
#include "platform/JpegImage.h"

std::optional<QByteArray> EncodeJpeg(const QImage& picture) {
  try {
    TJPEGImage jpeg;
    jpeg.Assign(TBitmap(picture));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    jpeg.SaveToStream(buffer);
    return bytes;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}
