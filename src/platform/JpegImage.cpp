#include "platform/JpegImage.h"

#include <QIODevice>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/PictureErrors.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps
// back to the setjmp of the step that called the library; only plain data lives in
// those steps, so nothing with a destructor is skipped.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

void SilentMessage(j_common_ptr) {}  // warnings (a file cut short) are not errors

void InitErrors(ErrorManager& err) {
  jpeg_std_error(&err.pub);
  err.pub.error_exit = ErrorExit;
  err.pub.output_message = SilentMessage;
  err.message[0] = 0;
}

class Decoder {
 public:
  Decoder() { InitErrors(err_); }
  ~Decoder() {
    if (created_) jpeg_destroy_decompress(&cinfo_);
  }

  bool ReadHeader(const unsigned char* data, unsigned long size, bool grey) {
    if (setjmp(err_.jump)) return false;
    cinfo_.err = &err_.pub;
    jpeg_create_decompress(&cinfo_);
    created_ = true;
    jpeg_mem_src(&cinfo_, data, size);
    jpeg_read_header(&cinfo_, TRUE);
    cmyk_ = cinfo_.jpeg_color_space == JCS_CMYK || cinfo_.jpeg_color_space == JCS_YCCK;
    if (grey)
      cinfo_.out_color_space = JCS_GRAYSCALE;
    else if (cmyk_)
      cinfo_.out_color_space = JCS_CMYK;
    else
      cinfo_.out_color_space = JCS_EXT_BGRA;  // straight into Format_RGB32, alpha 0xFF
    return true;
  }

  JDIMENSION Width() const { return cinfo_.image_width; }
  JDIMENSION Height() const { return cinfo_.image_height; }
  bool DirectRows() const { return cinfo_.out_color_space == JCS_EXT_BGRA; }
  int Components() const { return cinfo_.out_color_space == JCS_GRAYSCALE ? 1 : 4; }
  bool InvertedCmyk() const { return cinfo_.saw_Adobe_marker; }

  bool Start() {
    if (setjmp(err_.jump)) return false;
    jpeg_start_decompress(&cinfo_);
    return true;
  }

  // Reads the next row into row; false on an error.
  bool ReadRow(unsigned char* row) {
    if (setjmp(err_.jump)) return false;
    JSAMPROW rows[1] = {row};
    while (jpeg_read_scanlines(&cinfo_, rows, 1) != 1) {
      if (cinfo_.output_scanline >= cinfo_.output_height) return false;
    }
    return true;
  }

  bool Finish() {
    if (setjmp(err_.jump)) return false;
    jpeg_finish_decompress(&cinfo_);
    return true;
  }

  const char* Message() const { return err_.message; }

 private:
  jpeg_decompress_struct cinfo_{};
  ErrorManager err_{};
  bool created_ = false;
  bool cmyk_ = false;
};

// Destination manager that writes through a QIODevice.
struct DeviceDestination {
  jpeg_destination_mgr pub;
  QIODevice* device;
  JOCTET buffer[65536];
};

void InitDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = sizeof dest->buffer;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
  if (dest->device->write(reinterpret_cast<const char*>(dest->buffer), sizeof dest->buffer) !=
      qint64(sizeof dest->buffer))
    ERREXIT(cinfo, JERR_FILE_WRITE);
  dest->pub.next_output_byte = dest->buffer;
  dest->pub.free_in_buffer = sizeof dest->buffer;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
  qint64 n = qint64(sizeof dest->buffer - dest->pub.free_in_buffer);
  if (n > 0 && dest->device->write(reinterpret_cast<const char*>(dest->buffer), n) != n)
    ERREXIT(cinfo, JERR_FILE_WRITE);
}

class Encoder {
 public:
  explicit Encoder(QIODevice& device) {
    InitErrors(err_);
    dest_.device = &device;
    dest_.pub.init_destination = InitDestination;
    dest_.pub.empty_output_buffer = EmptyOutputBuffer;
    dest_.pub.term_destination = TermDestination;
  }
  ~Encoder() {
    if (created_) jpeg_destroy_compress(&cinfo_);
  }

  bool Encode(const QImage& rgb32, int quality, bool grey) {
    if (setjmp(err_.jump)) return false;
    cinfo_.err = &err_.pub;
    jpeg_create_compress(&cinfo_);
    created_ = true;
    cinfo_.dest = &dest_.pub;
    cinfo_.image_width = JDIMENSION(rgb32.width());
    cinfo_.image_height = JDIMENSION(rgb32.height());
    cinfo_.input_components = 4;
    cinfo_.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo_);
    jpeg_set_quality(&cinfo_, quality, TRUE);
    if (grey) jpeg_set_colorspace(&cinfo_, JCS_GRAYSCALE);
    jpeg_start_compress(&cinfo_, TRUE);
    while (cinfo_.next_scanline < cinfo_.image_height) {
      JSAMPROW row[1] = {const_cast<JSAMPROW>(rgb32.constScanLine(int(cinfo_.next_scanline)))};
      jpeg_write_scanlines(&cinfo_, row, 1);
    }
    jpeg_finish_compress(&cinfo_);
    return true;
  }

  const char* Message() const { return err_.message; }

 private:
  jpeg_compress_struct cinfo_{};
  ErrorManager err_{};
  DeviceDestination dest_{};
  bool created_ = false;
};

[[noreturn]] void Fail(const char* message) {
  throw EInvalidGraphic(std::string("JPEG error: ") + message);
}

}  // namespace

void TJPEGImage::LoadFromStream(QIODevice& stream) {
  QByteArray data = stream.readAll();
  Decoder decoder;
  if (!decoder.ReadHeader(reinterpret_cast<const unsigned char*>(data.constData()),
                          static_cast<unsigned long>(data.size()), grayscale_))
    Fail(decoder.Message());
  if (int64_t{decoder.Width()} * decoder.Height() > kMaxPicturePixels)
    throw EInvalidGraphic("JPEG error: picture too large (" + std::to_string(decoder.Width()) +
                          " x " + std::to_string(decoder.Height()) + ")");
  if (!decoder.Start()) Fail(decoder.Message());
  QImage image =
      NewBitmapPixels(int(decoder.Width()), int(decoder.Height()), TPixelFormat::pf24bit);
  std::vector<unsigned char> row(decoder.DirectRows() ? 0 : size_t(decoder.Width()) * 4);
  const bool inverted = decoder.InvertedCmyk();
  for (int y = 0; y < image.height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    if (decoder.DirectRows()) {
      if (!decoder.ReadRow(reinterpret_cast<unsigned char*>(out))) Fail(decoder.Message());
      continue;
    }
    if (!decoder.ReadRow(row.data())) Fail(decoder.Message());
    const unsigned char* p = row.data();
    if (decoder.Components() == 1) {
      for (int x = 0; x < image.width(); ++x) out[x] = qRgb(p[x], p[x], p[x]);
    } else {
      for (int x = 0; x < image.width(); ++x, p += 4) {
        int c = p[0], m = p[1], ye = p[2], k = p[3];
        if (!inverted) c = 255 - c, m = 255 - m, ye = 255 - ye, k = 255 - k;
        out[x] = qRgb(c * k / 255, m * k / 255, ye * k / 255);
      }
    }
  }
  if (!decoder.Finish()) Fail(decoder.Message());
  image_ = image;
  Changed();
}

void TJPEGImage::SaveToStream(QIODevice& stream) {
  if (Empty()) throw EInvalidGraphic("Cannot save an empty JPEG image");
  Encoder encoder(stream);
  if (!encoder.Encode(image_, std::clamp(quality_, 1, 100), grayscale_)) Fail(encoder.Message());
}

void TJPEGImage::Assign(const TGraphic& source) {
  if (&source == this) return;
  if (auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
    image_ = jpeg->image_;
    quality_ = jpeg->quality_;
    grayscale_ = jpeg->grayscale_;
  } else if (auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
    image_ = bitmap->Pixels().convertToFormat(QImage::Format_RGB32);
  } else if (source.AssignTo(*this)) {
    return;
  } else {
    image_ = source.Image().convertToFormat(QImage::Format_RGB32);
  }
  Changed();
}

bool TJPEGImage::AssignTo(TGraphic& dest) const {
  auto* bitmap = dynamic_cast<TBitmap*>(&dest);
  if (!bitmap) return false;
  bitmap->Assign(TBitmap(image_));
  return true;
}
