#include "platform/FontMap.h"

#include <array>
#include <utility>

#include "platform/SjisQt.h"

namespace gfx {

namespace {

// Compatibility forms folded (full-width Latin, half-width katakana), lower case, no blanks.
QString Key(const QString& name) {
  QString k = name.normalized(QString::NormalizationForm_KC).toLower();
  k.remove(QLatin1Char(' '));
  return k;
}

}  // namespace

QString FontFamilyFor(std::string_view cp932Name) {
  static const std::array<std::pair<QString, QString>, 6> table = {{
      {Key(QStringLiteral(u"ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic")},
      {Key(QStringLiteral(u"ＭＳ ゴシック")), QStringLiteral("IPAGothic")},
      {Key(QStringLiteral(u"ＭＳ 明朝")), QStringLiteral("IPAMincho")},
      {Key(QStringLiteral(u"ＭＳ Ｐ明朝")), QStringLiteral("IPAPMincho")},
      {Key(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif")},
      {Key(QStringLiteral("Arial")), QStringLiteral("Liberation Sans")},
  }};
  const QString name = sjis::ToQString(cp932Name);
  const QString key = Key(name);
  for (const auto& [from, to] : table)
    if (key == from) return to;
  return name;
}

}  // namespace gfx
