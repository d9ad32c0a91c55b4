#pragma once
// Where CP932 text meets Qt.
#include <QString>
#include <string>
#include <string_view>

namespace sjis {
QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);
}  // namespace sjis
