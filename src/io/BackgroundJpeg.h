#pragma once
// The background picture as the JPEG file kept beside an equation file.
#include <QByteArray>
#include <QImage>
#include <optional>

// The picture's JPEG file bytes; nullopt when it cannot be encoded.
std::optional<QByteArray> EncodeJpeg(const QImage& picture);
